// The print driver with a recording page drawer: what is asked, where the
// pages lie, and the order of sheets, prompts and binder marks.
#include <QDate>

#include "RuledTest.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrinterInfo.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "core/text/Numbers.h"
#include "ruled_photo/RuledPaperDesigns.h"
#include "ruled_photo/RuledPaperPrintJob.h"

namespace {

// Puts each page on the surface as a text, so that pages, sheets and marks
// can be read back in the order they happened.
class RecordingPages : public RuledPageSink {
 public:
  void setBusy(bool busy) override { busyCalls << (busy ? "busy" : "idle"); }
  void drawPage(int design, double left, double right, RuledJobState& job) override {
    QString text = QStringLiteral("page %1 %2").arg(left, 0, 'f', 1).arg(right, 0, 'f', 1);
    if (design == kDesignHealth) {
      text += u' ' + job.startDate.toString(QStringLiteral("MM/dd"));
      job.startDate = job.startDate.addDays(7);
    }
    if (design == kDesignAgeTable) text += u' ' + QString::number(job.year);
    if (design == kDesignMinutes) text += QStringLiteral(" sheet %1").arg(job.minutesSheet);
    if (design == kDesignGraph) text += QStringLiteral(" cell %1").arg(job.cellSize);
    if (design == kDesignKanji) {
      text += QStringLiteral(" kanji %1").arg(job.kanjiPage);
      if (job.kanjiPage == kanjiEnd) job.kanjiPage = 0;
    }
    PrintTextInline(text);
  }
  QStringList busyCalls;
  int kanjiEnd = 3;
};

class PrintJobTest : public RuledTest {
 protected:
  void SetUp() override {
    RuledTest::SetUp();
    // The paper prompts belong to a printer with paper: a CUPS queue (a PDF
    // file asks nothing).
    SetInstalledPrintersOverride(QStringList{"Laser"});
    SetCurrentPrinter(QStringLiteral("Laser"));
    platform::SetMessageHandler([this](const platform::MessageRequest& m) {
      shown << m.text;
      promptsAt.push_back(printer().ops().size());
      return platform::MsgResult::Ok;
    });
    S = GetScaleWidth();
  }
  void TearDown() override {
    platform::SetMessageHandler({});
    SetInstalledPrintersOverride(std::nullopt);
    SetCurrentPrinter(DefaultPrinterName());
    RuledTest::TearDown();
  }

  void print(int design, int side, const QString& sheets = QStringLiteral("1")) {
    RuledPrintRequest r;
    r.design = design;
    r.side = side;
    r.designCaption = RuledDesignCaptions().value(design);
    r.sideCaption = RuledDesignChoiceOf(design, PaperSettings.SuperOrganiserMode == 1).sides.value(side);
    r.sheetsText = sheets;
    r.startDateText = startDate;
    r.healthDateKind = healthKind;
    r.thisYear = 2026;
    RunRuledPaperPrint(r, pages);
  }

  // Sheets, pages, binder marks, prompts and document ends in order.
  QStringList timeline() {
    QStringList out;
    const auto& all = printer().ops();
    size_t prompt = 0;
    for (size_t i = 0; i <= all.size(); ++i) {
      while (prompt < promptsAt.size() && promptsAt[prompt] == i) out << QStringLiteral("prompt"), ++prompt;
      if (i == all.size()) break;
      const RecordedOp& op = all[i];
      switch (op.kind) {
        case RecordedOp::BeginDocument:
        case RecordedOp::NewPage: out << QStringLiteral("sheet"); break;
        case RecordedOp::EndDocument: out << QStringLiteral("end"); break;
        case RecordedOp::Text:
          if (op.text.startsWith(QStringLiteral("page"))) out << op.text;
          break;
        case RecordedOp::Line:
        case RecordedOp::Point:
        case RecordedOp::Circle:
          if (out.isEmpty() || out.back() != QStringLiteral("marks")) out << QStringLiteral("marks");
          break;
        default: break;
      }
    }
    return out;
  }
  QString pageText(double l, double r) { return QStringLiteral("page %1 %2").arg(l, 0, 'f', 1).arg(r, 0, 'f', 1); }

  RecordingPages pages;
  QStringList shown;
  std::vector<size_t> promptsAt;
  QString startDate = QStringLiteral("2009/03/11");
  int healthKind = 0;
  double S = 0;
};

TEST_F(PrintJobTest, GraphPaperBothSidesOfThreeSheets) {
  print(kDesignGraph, 2, QStringLiteral("3"));
  const QString back = pageText(0, 80) + QStringLiteral(" cell 3");
  const QString copy = pageText(S - 80, S - 0.2) + QStringLiteral(" cell 3");
  EXPECT_EQ(timeline(), (QStringList{"sheet", back, copy, "marks", "end", "prompt",
                                     "sheet", back, copy, "end", "prompt",
                                     "sheet", back, copy, "marks", "end"}));
  EXPECT_EQ(pages.busyCalls, (QStringList{"busy", "idle"}));
}

TEST_F(PrintJobTest, DeclinedPromptEndsTheJob) {
  platform::SetMessageHandler([this](const platform::MessageRequest& m) {
    shown << m.text;
    return platform::MsgResult::Cancel;
  });
  print(kDesignGraph, 3, QStringLiteral("3"));
  EXPECT_EQ(timeline().count(QStringLiteral("sheet")), 1);
  EXPECT_EQ(shown.size(), 1);
  EXPECT_EQ(pages.busyCalls, (QStringList{"busy", "idle"}));
}

TEST_F(PrintJobTest, HealthSheetsFoldedContinueTheirDates) {
  print(kDesignHealth, 4, QStringLiteral("2"));
  EXPECT_EQ(timeline(), (QStringList{"sheet", pageText(8, 88) + " 03/11", pageText(90, 170) + " 03/18", "marks",
                                     "end", "sheet", pageText(8, 88) + " 03/25", pageText(90, 170) + " 04/01",
                                     "marks", "end"}));
  EXPECT_TRUE(shown.isEmpty());  // no paper prompt between folded sheets
}

TEST_F(PrintJobTest, HealthSheetsOnA4TakeWholeMillimetres) {
  print(kDesignHealth, 3, QStringLiteral("2"));
  const QString copy = pageText(RoundHalfEven(S - 80), RoundHalfEven(S - 0.2));
  const QStringList t = timeline();
  EXPECT_TRUE(t.contains(copy + " 03/18")) << t.join(u'|').toStdString();
  EXPECT_EQ(t.count(QStringLiteral("marks")), 2);  // on every sheet
}

TEST_F(PrintJobTest, MessagesThatStopTheJob) {
  const struct {
    int design, side;
    const char* sheets;
    const char* date;
    int healthKind;
    const char* message;
    bool busy;  // the window was disabled (the job reached its pages)
  } cases[] = {
      {-1, 0, "1", "", 0, "印刷する用紙を選んでください", false},
      {kDesignHealth, 0, "1", "2009/02/30", 0, "日付を正しく入力してください", false},
      {kDesignHealth, 2, "1", "2009/03/11", 1, "まだ印刷できません", true},
      {kDesignHealth, 2, "1", "2009/03/11", 2, "まだ印刷できません", true},
      {kDesignRuler, 1, "1", "", 0, "「物差し」の「裏」はまだ出来ていません。要望があれば作ります。", true},
      {kDesignGraph, 0, "32768", "", 0, "印刷枚数が多すぎます（32767枚まで）", true},
      {kDesignGraph, 0, "1e300", "", 0, "印刷枚数が多すぎます（32767枚まで）", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    shown.clear();
    pages.busyCalls.clear();
    printer().clearOps();
    startDate = QString::fromUtf8(c.date);
    healthKind = c.healthKind;
    print(c.design, c.side, QString::fromLatin1(c.sheets));
    EXPECT_EQ(shown, QStringList{QString::fromUtf8(c.message)});
    EXPECT_EQ(timeline().count(QStringLiteral("sheet")), 0);
    EXPECT_EQ(pages.busyCalls, c.busy ? QStringList({"busy", "idle"}) : QStringList());
    EXPECT_TRUE(printer().protocol().contains(QStringLiteral("end-job")) || !c.busy);
  }
}

TEST_F(PrintJobTest, SheetCounts) {
  const struct {
    int design, side;
    const char* sheets;
    int expectedSheets;
  } cases[] = {
      {kDesignRuler, 0, "5", 1},    {kDesignAgeTable, 1, "5", 1}, {kDesignGraph, 0, "abc", 0},
      {kDesignGraph, 0, "-5", 0},   {kDesignGraph, 0, "2.5", 2},  {kDesignGraph, 0, "3.5", 4},
      {kDesignBlank, 0, "2", 2},    {kDesignHealth, 2, "0", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.design) + " " + c.sheets);
    printer().clearOps();
    print(c.design, c.side, QString::fromLatin1(c.sheets));
    EXPECT_EQ(timeline().count(QStringLiteral("sheet")), c.expectedSheets);
  }
}

TEST_F(PrintJobTest, RuledPaperFinishesOnceAfterTheLastSheet) {
  print(kDesignRuled, 0, QStringLiteral("3"));
  const QString page = pageText(8, 88);
  EXPECT_EQ(timeline(), (QStringList{"sheet", page, "sheet", page, "sheet", page, "end"}));
}

TEST_F(PrintJobTest, BlankSheetsCarryTheCutLinesOfOnePage) {
  print(kDesignBlank, 3, QStringLiteral("2"));
  EXPECT_EQ(timeline(), (QStringList{"sheet", "marks", "end", "prompt", "sheet", "marks", "end"}));
}

TEST_F(PrintJobTest, BlankSheetsShowInThePreview) {
  int shownPages = 0;
  SetPreviewPageHandler([&](const QImage&) { ++shownPages; });
  answerPrintDialog(2, true);
  print(kDesignBlank, 3, QStringLiteral("2"));
  SetPreviewPageHandler({});
  EXPECT_EQ(shownPages, 2);
}

TEST_F(PrintJobTest, MinutesOnTheBackPrintTheContinuationAtTheFront) {
  print(kDesignMinutes, 1);
  EXPECT_EQ(timeline(), (QStringList{"sheet", pageText(8, 88) + " sheet 2", "end"}));
}

TEST_F(PrintJobTest, KanjiPagesUntilTheListEnds) {
  print(kDesignKanji, 0, QStringLiteral("7"));
  QStringList t = timeline();
  t.removeAll(QStringLiteral("sheet"));
  t.removeAll(QStringLiteral("end"));
  EXPECT_EQ(t, (QStringList{pageText(8, 88) + " kanji 1", pageText(8, 88) + " kanji 2", pageText(8, 88) + " kanji 3"}));

  printer().clearOps();
  pages.kanjiEnd = -1;
  print(kDesignKanji, 0);
  EXPECT_EQ(timeline().count(QStringLiteral("sheet")), 100);
}

TEST_F(PrintJobTest, OnePointPairAsksNoPrompts) {
  print(kDesignOnePoint, 3, QStringLiteral("2"));
  EXPECT_TRUE(shown.isEmpty());
  EXPECT_EQ(timeline().count(QStringLiteral("sheet")), 2);
  EXPECT_EQ(timeline().count(QStringLiteral("marks")), 1);
}

TEST_F(PrintJobTest, FifteenMillimetreCells) {
  RuledPrintRequest r;
  r.design = kDesignGraph;
  r.cellSizeIndex = 10;
  RunRuledPaperPrint(r, pages);
  EXPECT_TRUE(timeline().contains(pageText(8, 88) + QStringLiteral(" cell 15")));
}

class FourFoldJobTest : public PrintJobTest {
 protected:
  void SetUp() override {
    PrintJobTest::SetUp();
    loadSize(15);
    ASSERT_EQ(PaperSettings.SuperOrganiserMode, 1);
  }
  QString quarter(int k) { return pageText(PaperSettings.SheetPageX[k], PaperSettings.SheetPageY[k]); }
};

TEST_F(FourFoldJobTest, AgeTablesOfFourYearsSideBySide) {
  print(kDesignAgeTable, 0, QStringLiteral("1"));
  EXPECT_EQ(timeline(), (QStringList{"sheet", quarter(1) + " 2027", quarter(2) + " 2028", quarter(3) + " 2029",
                                     quarter(4) + " 2030", "end"}));
  EXPECT_EQ(printer().orientation(), kPortrait);  // put back at the end of the job
  EXPECT_GE(printer().orientationSetCount(), 2);
}

TEST_F(FourFoldJobTest, RefusedDesignsNameTheFourFoldSide) {
  for (int design : {kDesignRisk, kDesignStickyNote, kDesignLattice, kDesignMinutes, kDesignKanji}) {
    shown.clear();
    print(design, 0);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0], QStringLiteral("「") + RuledDesignCaptions()[design] +
                            QStringLiteral("」の「超整理型」はまだ出来ていません。要望があれば作ります。"));
  }
  EXPECT_EQ(timeline().count(QStringLiteral("sheet")), 0);
}

TEST_F(FourFoldJobTest, HealthQuartersContinueAndNoMarksOrPrompts) {
  print(kDesignHealth, 0, QStringLiteral("2"));
  const QStringList t = timeline();
  EXPECT_EQ(t.count(QStringLiteral("sheet")), 2);
  EXPECT_FALSE(t.contains(QStringLiteral("marks")));
  EXPECT_FALSE(t.contains(QStringLiteral("prompt")));
  EXPECT_TRUE(t.contains(quarter(4) + QStringLiteral(" 04/29")));  // the eighth page
}

}  // namespace
