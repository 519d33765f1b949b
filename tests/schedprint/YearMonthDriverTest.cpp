// The year-and-month driver: which codes it takes, its pages in order with
// their prompts and messages, where each page lies and which month it shows.
#include "PdfReadBack.h"
#include "SchedulePrintKit.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrinterInfo.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "schedule_print/MonthGridGeometry.h"
#include "schedule_print/SchedulePrintButton.h"

namespace {

const QString kFoldMessage = QStringLiteral(
    "A4用紙を2つに折って使います。(A5ｻｲｽﾞ)\r\nプリンターのプロパティの設定で印刷可能領域を最大にしてください。"
    "\r\n\r\n（プレビュー画面は崩れますが、印刷は正常にできます）");
const QString kStripMessage = QStringLiteral(
    "手帳に折込んで使う６ヶ月連続の横長用紙を印刷します。\r\nメンディングテープで貼りあわせて使います。");

class YearMonthDriverTest : public SchedulePrintTest {
 protected:
  // The paper prompts belong to a printer with paper: a CUPS queue (a PDF
  // file asks nothing).
  void SetUp() override {
    SchedulePrintTest::SetUp();
    SetInstalledPrintersOverride(QStringList{"Laser"});
    SetCurrentPrinter(QStringLiteral("Laser"));
  }
  void TearDown() override {
    SetInstalledPrintersOverride(std::nullopt);
    SetCurrentPrinter(DefaultPrinterName());
    SchedulePrintTest::TearDown();
  }
  int run(int16_t code, const QString& sheets, QDate start = QDate(2009, 3, 1)) {
    source.controls.Txt_maisu = sheets;
    CurrentPrintJob().previewMode = 0;
    SetPrinterScaleMode(kScaleMillimetres);
    const int result = PrintYearMonthDesigns(source, code, start);
    EndPrintDocument();
    return result;
  }
  // Per page: the month titles in order with the x of each (the header text
  // of each organiser page).
  static std::vector<std::vector<std::pair<QString, double>>> Titles(const std::vector<std::vector<RecordedOp>>& pages) {
    std::vector<std::vector<std::pair<QString, double>>> out;
    for (const auto& page : pages) {
      out.emplace_back();
      for (const RecordedOp& op : page)
        if (op.kind == RecordedOp::Text && op.text.contains(QStringLiteral("年")) && op.text.contains(u'('))
          out.back().emplace_back(op.text.trimmed(), op.x1);
    }
    return out;
  }
  // The left edge of each page frame drawn on a sheet side: the x of the outer
  // frames (style 2 boxes reaching FootHeight).
  static std::vector<std::pair<double, double>> Frames(const std::vector<RecordedOp>& page) {
    std::vector<std::pair<double, double>> out;
    for (const RecordedOp& op : page)
      if (op.kind == RecordedOp::Box && std::abs(op.y2 - PaperSettings.FootHeight) < 1e-6) out.emplace_back(op.x1, op.x2);
    return out;
  }
};

TEST_F(YearMonthDriverTest, CodesOfOtherDriversOrIssuesAreNotTaken) {
  for (int16_t code : {5, 26, 120, 0, 56, 121}) {
    EXPECT_EQ(run(code, QStringLiteral("1")), 0) << code;
  }
  EXPECT_TRUE(Pages(printer()).empty());
  EXPECT_TRUE(shownMessages().empty());
  for (int16_t code : {DesignCodeOf(kDesignHalfYearGrid, 1), DesignCodeOf(kDesignMonthGrid, 1), DesignCodeOf(kDesignMonthGrid, 2),
                        DesignCodeOf(kDesignMonthGrid, 3), DesignCodeOf(kDesignMonthGrid, 4), DesignCodeOf(kDesignMonthGrid, 5)}) {
    for (const QString& sheets : {QStringLiteral("0"), QString(), QStringLiteral("abc"), QStringLiteral("-3"),
                                  QStringLiteral("&HFFFF")})
      EXPECT_EQ(run(code, sheets), 1) << code;
  }
  EXPECT_TRUE(Pages(printer()).empty());
  EXPECT_TRUE(shownMessages().empty());
}

TEST_F(YearMonthDriverTest, AlternatingFrontsAndBacks) {
  ASSERT_EQ(run(51, QStringLiteral("1.5")), 1);
  EXPECT_EQ(jobSequence(), (QStringList{QStringLiteral("page"), QStringLiteral("prompt(1)"), QStringLiteral("page"),
                                        QStringLiteral("prompt(0)"), QStringLiteral("page")}));
  const auto pages = Pages(printer());
  ASSERT_EQ(pages.size(), 3u);
  const auto titles = Titles(pages);
  EXPECT_EQ(titles[0][0].first, QStringLiteral("平成21年3月 (2009)"));
  EXPECT_EQ(titles[1][0].first, QStringLiteral("平成21年4月 (2009)"));
  EXPECT_EQ(titles[2][0].first, QStringLiteral("平成21年5月 (2009)"));
  EXPECT_EQ(Frames(pages[0]), (std::vector<std::pair<double, double>>{{8, 88}}));
  EXPECT_EQ(Frames(pages[1]), (std::vector<std::pair<double, double>>{{0, 80}}));
  // 0.4 sheets of an alternating layout are one page; 0.2 none.
  printer().clearOps();
  run(51, QStringLiteral("0.4"));
  EXPECT_EQ(Pages(printer()).size(), 1u);
  printer().clearOps();
  run(51, QStringLiteral("0.2"));
  EXPECT_EQ(Pages(printer()).size(), 0u);
}

TEST_F(YearMonthDriverTest, DecliningAPromptEndsTheJob) {
  answerMessage(platform::MsgResult::Cancel);
  EXPECT_EQ(run(51, QStringLiteral("3")), 1);
  EXPECT_EQ(jobSequence(), (QStringList{QStringLiteral("page"), QStringLiteral("prompt(1)")}));
}

TEST_F(YearMonthDriverTest, SingleSidesWithoutPrompts) {
  run(53, QStringLiteral("3"), QDate(2009, 11, 17));
  EXPECT_EQ(jobSequence(), (QStringList{QStringLiteral("page"), QStringLiteral("page"), QStringLiteral("page")}));
  const auto titles = Titles(Pages(printer()));
  EXPECT_EQ(titles[0][0].first, QStringLiteral("平成21年11月 (2009)"));
  EXPECT_EQ(titles[2][0].first, QStringLiteral("平成22年1月 (2010)"));
  printer().clearOps();
  run(54, QStringLiteral("1"));
  EXPECT_EQ(Frames(Pages(printer())[0]), (std::vector<std::pair<double, double>>{{0, 80}}));
}

TEST_F(YearMonthDriverTest, FourMonthsToASheet) {
  run(52, QStringLiteral("2"), QDate(2009, 11, 1));
  EXPECT_EQ(jobSequence(), (QStringList{QStringLiteral("page"), QStringLiteral("prompt(1)"), QStringLiteral("page"),
                                        QStringLiteral("prompt(0)"), QStringLiteral("page"), QStringLiteral("prompt(1)"),
                                        QStringLiteral("page")}));
  const auto pages = Pages(printer());
  const auto titles = Titles(pages);
  const auto month = [&](int page, int k) { return titles[page][k].first.section(u'年', 1, 1).section(u'月', 0, 0).toInt(); };
  // Front: February on the left, November on the right; back: December, January.
  EXPECT_EQ(month(0, 0), 2);
  EXPECT_EQ(month(0, 1), 11);
  EXPECT_EQ(month(1, 0), 12);
  EXPECT_EQ(month(1, 1), 1);
  EXPECT_EQ(month(2, 1), 3);  // the second sheet starts in March
  const float sheet = 200 - 0.5f;
  EXPECT_EQ(Frames(pages[0]), (std::vector<std::pair<double, double>>{{0, 80}, {sheet - 80, sheet}}));
  // Binder marks only on the fronts: cut lines are dotted points.
  EXPECT_FALSE(printer().opsOf(RecordedOp::Point).empty());
}

TEST_F(YearMonthDriverTest, FoldedSheetFoldsAtTheLandscapeWidth) {
  // The message comes while the sheet is still portrait; the turn follows.
  std::vector<std::pair<QString, int>> shown;
  platform::SetMessageHandler([&](const platform::MessageRequest& r) {
    EXPECT_EQ(r.icon, platform::MsgIcon::None);
    shown.emplace_back(r.text, printer().orientation());
    return platform::MsgResult::Ok;
  });
  run(55, QStringLiteral("1"));
  EXPECT_EQ(shown, (std::vector<std::pair<QString, int>>{{kFoldMessage, 1}}));
  const auto pages = Pages(printer());
  ASSERT_EQ(pages.size(), 1u);
  // The landscape recording sheet is 287 mm wide.
  EXPECT_EQ(Frames(pages[0]), (std::vector<std::pair<double, double>>{{8, 88}, {96, 287 - 0.5}}));
  const auto titles = Titles(pages);
  EXPECT_TRUE(titles[0][1].first.contains(QStringLiteral("4月")));
}

// Previewed, the folded sheet is the landscape sheet too: both pages show,
// the second to the sheet's edge, and the picture is wider than tall.
TEST_F(YearMonthDriverTest, FoldedSheetPreviewsLandscapeWithBothPages) {
  source.controls.Txt_maisu = QStringLiteral("1");
  CurrentPrintJob().previewMode = 1;
  int16_t code = DesignCodeOf(kDesignMonthGrid, 5);
  QDate start(2009, 3, 1);
  PrintYearMonthDesigns(source, code, start);
  EndPrintDocument();
  const auto pages = Pages(preview());
  ASSERT_EQ(pages.size(), 1u);
  // The preview sheet is the picture turned: 284.7 mm wide.
  const auto frames = Frames(pages[0]);
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0], (std::pair<double, double>{8, 88}));
  EXPECT_EQ(frames[1].first, 96);
  EXPECT_NEAR(frames[1].second, 284.7 - 0.5, 0.01);

  InstallPreviewSurface(nullptr);
  QImage shown;
  SetPreviewPageHandler([&](const QImage& image) { shown = image; });
  start = QDate(2009, 3, 1);
  PrintYearMonthDesigns(source, code, start);
  EndPrintDocument();
  ASSERT_FALSE(shown.isNull());
  shown.save(QStringLiteral(RINGPAD_ARTEFACT_DIR "/preview-code55.png"));
  EXPECT_GT(shown.width(), shown.height());
  // The second page's frame ends at the turned picture's width, far beyond
  // the upright one's.
  const double pxPerMm = shown.width() / (201.3 * 297 / 210);
  int dark = 0;
  for (double y = 40; y < 120; y += 1)
    for (double x = 283.5; x < 284.6; x += 0.25) dark += qGray(shown.pixel(int(x * pxPerMm), int(y * pxPerMm))) < 128;
  EXPECT_GT(dark, 40);
}

TEST_F(YearMonthDriverTest, SixMonthStrip) {
  run(11, QStringLiteral("2"));
  EXPECT_EQ(jobSequence(), (QStringList{QStringLiteral("message:") + kStripMessage, QStringLiteral("page"),
                                        QStringLiteral("prompt(2)"), QStringLiteral("page")}));
  EXPECT_EQ(shownMessages()[0].icon, platform::MsgIcon::Information);
  EXPECT_EQ(printer().orientationSetCount(), 2);  // landscape, then portrait at the end
  const auto pages = Pages(printer());
  EXPECT_EQ(Frames(pages[0]), (std::vector<std::pair<double, double>>{{8, 88}, {88, 168}, {168, 248}}));
  const auto titles = Titles(pages);
  EXPECT_TRUE(titles[1][2].first.contains(QStringLiteral("8月")));
  // The foot rule of the strip.
  bool footRule = false;
  for (const RecordedOp& op : pages[0])
    if (op.kind == RecordedOp::Line && op.y1 == PaperSettings.PageHeight && op.x1 == 0 && op.x2 == 248) footRule = true;
  EXPECT_TRUE(footRule);
}

TEST_F(YearMonthDriverTest, PreviewFramesOnlySinglePageSides) {
  CurrentPrintJob().previewMode = 1;
  int16_t code = DesignCodeOf(kDesignMonthGrid, 3);
  QDate start(2009, 3, 1);
  source.controls.Txt_maisu = QStringLiteral("1");
  PrintYearMonthDesigns(source, code, start);
  code = DesignCodeOf(kDesignMonthGrid, 2);
  PrintYearMonthDesigns(source, code, start);
  EndPrintDocument();
  EXPECT_EQ(previewOutlines(), (std::vector<int>{1, 0, 0}));
}

TEST_F(YearMonthDriverTest, ThroughThePrintButtonToThePdfPrinter) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  const QString pdf = usePdfPrinter(QStringLiteral("schedprint-month-grid-53"));
  source.lines = {QStringLiteral("2009/03/20 祝日 春分の日")};
  source.options.OptSundayStart = 0;
  source.options.OptColourPrint = 0;
  source.choose(5, 2, QDate(2009, 3, 1));
  Cmd_print_Click(source);
  ASSERT_EQ(PdfPageCount(pdf), 1);
  const auto words = PdfWords(pdf);
  const double margin = 3;
  const PaperSettingsData& p = PaperSettings;
  const PdfWord title = FindWord(words, QStringLiteral("平成21年3月"));
  ASSERT_EQ(title.page, 1);
  EXPECT_GE(title.yMinMm, p.HeadHeight + margin - 1);
  EXPECT_LE(title.yMaxMm, p.DataHeight + margin + 1);
  EXPECT_EQ(FindWord(words, QStringLiteral("(2009)")).page, 1);

  const GridBand band = MonthGridBands(0, QDate(2009, 3, 1), 8, 88, source.options).front();
  ASSERT_EQ(band.weekRows, 6);
  const double top = band.top + GridHeaderHeight(HalfCharWidthMm(p.DefaultFontSize)) + margin;
  const double rowH = (band.bottom + margin - top) / 6;
  const double colW = 80.0 / 7;
  const auto cell = [&](const PdfWord& w) {
    // A glyph's ink may start a little left of or above its cell.
    return std::make_pair(int((w.xMinMm + 1 - margin - 8) / colW), int((w.yMinMm + 0.5 - top) / rowH) + 1);
  };
  // The grid's "1" is the one in a cell row, not in the mini calendars.
  bool sawOne = false;
  for (const PdfWord& w : words)
    if (w.text == QStringLiteral("1") && w.yMinMm > top && w.yMinMm < top + rowH) {
      EXPECT_EQ(cell(w), std::make_pair(6, 1));
      sawOne = true;
    }
  EXPECT_TRUE(sawOne);
  const PdfWord twenty = FindWord(words, QStringLiteral("[20]"));
  ASSERT_EQ(twenty.page, 1);
  EXPECT_EQ(cell(twenty), std::make_pair(4, 4));
  // Days 30 and 31 on the sixth row.
  for (const PdfWord& w : words)
    if (w.text == QStringLiteral("31") && w.yMinMm > top) { EXPECT_EQ(cell(w).second, 6); }
}

// The month grid on paper as laid out: its cells' entries, lines of one em
// under each other, and every fixed text where the recording has it.
TEST_F(YearMonthDriverTest, MonthGridPrintsWhereItIsLaidOut) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  source.lines = {QStringLiteral("2009/03/20 祝日 春分の日"), QStringLiteral("2009/03/10 10:00 会議"),
                  QStringLiteral("2009/03/10 13:00 打合せ"), QStringLiteral("2009/03/10 16:00 来客"),
                  QStringLiteral("2009/03/10 18:00 食事会")};
  source.choose(5, 2, QDate(2009, 3, 1));
  expectPrintedWhereRecorded(QStringLiteral("schedprint-month-grid-pitch"));
}

}  // namespace
