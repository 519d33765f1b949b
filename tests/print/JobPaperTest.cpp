// The paper a job prints on: printer setup's choice, the queue's default
// media, the PDF printer's A4 or A3 turned as the side lies, the job's
// orientation, the pages' area on the paper, and the message when the sheet
// does not fit.
#include "PaperBounds.h"
#include "PrintTestSupport.h"
#include "core/print/BinderMarks.h"
#include "core/print/JobPaper.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "core/ui/PrinterSetup.h"
#include "core/ui/PrinterSetupDialog.h"

#include <QComboBox>
#include <QRadioButton>

namespace {

constexpr auto P = QPageLayout::Portrait;
constexpr auto L = QPageLayout::Landscape;

TEST(ChooseJobPaper, SetupChoiceThenQueueDefaultThenThePdfRule) {
  const QPageSize a3(QPageSize::A3), a4(QPageSize::A4), a6(QPageSize::A6), letter(QPageSize::Letter),
      b5(QPageSize::B5);
  const PaperChoice b5Landscape{b5, 2, 0};
  const PaperChoice a6Portrait{a6, 1, 0};
  struct Row {
    const char* what;
    bool pdf;
    std::optional<PaperChoice> kept;
    QPageSize queueDefault;
    int16_t jobOrientation;
    QSizeF sheet;
    QPageSize size;
    QPageLayout::Orientation orientation;
  } rows[] = {
      {"queue default media", false, {}, letter, 1, {91, 170}, letter, P},
      {"queue without a default prints on A4", false, {}, QPageSize(), 1, {91, 170}, a4, P},
      {"the queue's paper turns for a side it holds only turned", false, {}, a4, 1, {259, 190}, a4, L},
      {"the queue's paper stays upright for a side it holds neither way", false, {}, a4, 1, {300, 250}, a4, P},
      {"a landscape job turns the queue's paper", false, {}, letter, 2, {290, 170}, letter, L},
      {"setup choice wins over the default", false, b5Landscape, letter, 1, {91, 170}, b5, L},
      {"a landscape job on landscape setup stays landscape", false, b5Landscape, letter, 2, {290, 170}, b5, L},
      {"a landscape job turns a portrait choice", false, a6Portrait, letter, 2, {290, 170}, a6, L},
      {"pdf: a bible sheet goes on A4", true, {}, QPageSize(), 1, {91, 170}, a4, P},
      {"pdf: an A4 page fits A4", true, {}, QPageSize(), 1, {203, 292}, a4, P},
      {"pdf: the A3 size needs A3", true, {}, QPageSize(), 1, {293, 400}, a3, P},
      {"pdf: four columns across A4 landscape", true, {}, QPageSize(), 2, {295, 170}, a4, L},
      {"pdf: two A5 pages across lie on A4 turned", true, {}, QPageSize(), 1, {294, 191}, a4, L},
      {"pdf: two pages and the blank page below them stay upright", true, {}, QPageSize(), 1, {188, 265}, a4, P},
      {"pdf: a side wider than tall that A4 holds upright stays upright", true, {}, QPageSize(), 1, {184, 170}, a4, P},
      {"pdf: a side wider than A4 turned goes on A3 turned", true, {}, QPageSize(), 1, {380, 200}, a3, L},
      {"pdf: a side too tall for A4 turned goes on A3 upright", true, {}, QPageSize(), 1, {294, 215}, a3, P},
      {"pdf: a landscape job stays turned", true, {}, QPageSize(), 2, {150, 190}, a4, L},
      {"pdf: larger than A3: A3 all the same", true, {}, QPageSize(), 1, {300, 500}, a3, P},
      {"pdf: setup's choice holds for PDF too", true, a6Portrait, QPageSize(), 1, {293, 400}, a6, P},
  };
  for (const Row& r : rows) {
    const JobPaper paper = ChooseJobPaper(r.pdf, r.kept, r.queueDefault, r.jobOrientation, r.sheet);
    EXPECT_TRUE(paper.size.isEquivalentTo(r.size)) << r.what << ": " << paper.size.name().toStdString();
    EXPECT_EQ(paper.orientation, r.orientation) << r.what;
  }
}

TEST(SheetMismatchText, NamesBothSizesOnlyWhenTheSheetDoesNotFit) {
  PaperSettings.PaperIndex = 0;  // bible
  JobPaper a6;
  a6.size = QPageSize(QPageSize::A6);
  const QString text = SheetMismatchText({91, 170}, a6);
  EXPECT_EQ(text, QStringLiteral("印刷する大きさ（バイブル 91×170mm）が用紙（A6縦 105×148mm）に収まりません。\r\n"
                                 "はみ出した部分は印刷されません。\r\n\r\nこのまま印刷しますか？"));
  JobPaper letter;
  letter.size = QPageSize(QPageSize::Letter);
  EXPECT_TRUE(SheetMismatchText({206, 279.9}, letter).isEmpty()) << "half a millimetre is no mismatch";
  EXPECT_FALSE(SheetMismatchText({203, 292}, letter).isEmpty()) << "an A4 page is taller than Letter";
  letter.orientation = L;
  EXPECT_TRUE(SheetMismatchText({250, 170}, letter).isEmpty());
}

class JobPaperTest : public PrintTest {
 protected:
  void SetUp() override {
    PrintTest::SetUp();
    SetInstalledPrintersOverride(QStringList{"Laser"});
    SetQueueDefaultMediaOverride({{QStringLiteral("Laser"), QPageSize(QPageSize::A6)}});
    SetCurrentPrinter(QStringLiteral("Laser"));
    PaperSettings.PaperIndex = 0;  // a bible page, 91 × 170 mm from the corner
    PaperSettings.PageWidth = 88;
    PaperSettings.PageHeight = 167;
  }
  void TearDown() override {
    SetPrinterSetupHandler({});
    PrintTest::TearDown();
  }

  // A two-sided sheet: front, paper prompt, back.
  void runSheet() {
    ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
    SetPrinterScaleMode(kScaleMillimetres);
    for (int page = 1; page <= 2; ++page) {
      BeginPage();
      SetCurrentX(10);
      SetCurrentY(20);
      ActiveSurface().print(QStringLiteral("page %1").arg(page), false);
      CurrentPrintJob().pageUsed = 1;
      FinishOutput();
      if (page == 1 && !ConfirmPaperSet(1)) break;
    }
    EndPrintDocument();
  }
};

TEST_F(JobPaperTest, ABibleJobOnAnA6QueueWarnsOnceBeforeTheFirstPage) {
  runSheet();
  ASSERT_EQ(messages().shown().size(), 2u) << "the warning, then the paper prompt";
  EXPECT_TRUE(messages().texts()[0].contains(QStringLiteral("A6縦 105×148mm")));
  EXPECT_TRUE(messages().texts()[0].contains(QStringLiteral("バイブル 91×170mm")));
  EXPECT_EQ(messages().shown()[0].buttons, platform::MsgButtons::OkCancel);
  EXPECT_TRUE(messages().texts()[1].startsWith(QStringLiteral("表面の印刷")));
  EXPECT_EQ(printer().texts(), QStringList({"page 1", "page 2"})) << "OK prints anyway";
}

TEST_F(JobPaperTest, CancelAtTheWarningPrintsNothingAndAsksNothingMore) {
  messages().answer(platform::MsgResult::Cancel);
  runSheet();
  EXPECT_EQ(messages().shown().size(), 1u);
  EXPECT_TRUE(printer().texts().isEmpty());
  EXPECT_EQ(printer().protocol(), QStringLiteral("end-job"));
  // The next job starts afresh and asks again.
  messages().clear();
  runSheet();
  EXPECT_EQ(messages().shown().size(), 2u);
}

TEST_F(JobPaperTest, NoWarningWhenThePaperHoldsTheSheetOrWhilePreviewing) {
  SetQueueDefaultMediaOverride({{QStringLiteral("Laser"), QPageSize(QPageSize::Letter)}});
  runSheet();
  EXPECT_EQ(messages().shown().size(), 1u) << "only the paper prompt";
  messages().clear();
  SetQueueDefaultMediaOverride({});
  answerDialog({2, std::nullopt, std::nullopt});  // preview on the A6 queue
  runSheet();
  EXPECT_EQ(messages().shown().size(), 1u) << "a preview has no paper to warn about";
}

TEST_F(JobPaperTest, PrinterSetupKeepsItsChoiceForThatPrinter) {
  std::vector<PrinterSetupChoice> shown;
  SetPrinterSetupHandler([&](QWidget*, PrinterSetupChoice& choice) -> int16_t {
    shown.push_back(choice);
    choice.paper = PaperChoice{QPageSize(QPageSize::A4), 2, 0};
    return 1;
  });
  ShowPrinterSetup(nullptr);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].printer, QStringLiteral("Laser"));
  EXPECT_TRUE(shown[0].paper.size.isEquivalentTo(QPageSize(QPageSize::A6))) << "opens on the queue's media";

  const JobPaper paper = PaperForJob(QStringLiteral("Laser"), 1);
  EXPECT_TRUE(paper.size.isEquivalentTo(QPageSize(QPageSize::A4)));
  EXPECT_EQ(paper.orientation, L);
  runSheet();
  EXPECT_EQ(messages().shown().size(), 1u) << "the bible sheet fits A4 landscape";

  // Cancelling the dialog keeps the earlier choice; other printers keep theirs.
  SetPrinterSetupHandler([&](QWidget*, PrinterSetupChoice& choice) -> int16_t {
    choice.paper = PaperChoice{QPageSize(QPageSize::A5), 1, 0};
    return 0;
  });
  ShowPrinterSetup(nullptr);
  EXPECT_TRUE(PaperForJob(QStringLiteral("Laser"), 1).size.isEquivalentTo(QPageSize(QPageSize::A4)));
  EXPECT_TRUE(PaperForJob(kPdfPrinterName, 1).size.isEquivalentTo(QPageSize(QPageSize::A4)));
  EXPECT_EQ(PaperForJob(kPdfPrinterName, 1).orientation, P);
}

// The dialog itself: it opens on the jobs' printer with the paper kept for
// it, and OK keeps what it shows.
TEST_F(JobPaperTest, PrinterSetupShowsThePaperItKeepsOnThePrinterTheJobsUse) {
  KeepPaperChoice(QStringLiteral("Laser"), PaperChoice{QPageSize(QPageSize::A5), 1, 0});
  SetPrinterSetupHandler([&](QWidget* owner, PrinterSetupChoice& choice) -> int16_t {
    PrinterSetupDialog dialog(choice, owner);
    EXPECT_EQ(dialog.Cmb_printer->currentText(), QStringLiteral("Laser"));
    EXPECT_TRUE(dialog.Cmb_paper->currentData().value<QPageSize>().isEquivalentTo(QPageSize(QPageSize::A5)))
        << dialog.Cmb_paper->currentText().toStdString();
    EXPECT_TRUE(dialog.Opt_portrait->isChecked());
    choice = dialog.choice();  // OK without a change
    return 1;
  });
  ShowPrinterSetup(nullptr);
  EXPECT_TRUE(PaperForJob(QStringLiteral("Laser"), 1).size.isEquivalentTo(QPageSize(QPageSize::A5)))
      << "OK keeps A5, not the queue's A6";

  // Jobs going to the PDF printer: the dialog opens there, not on a queue.
  SetCurrentPrinter(kPdfPrinterName);
  QString opened;
  SetPrinterSetupHandler([&](QWidget* owner, PrinterSetupChoice& choice) -> int16_t {
    PrinterSetupDialog dialog(choice, owner);
    opened = dialog.Cmb_printer->currentText();
    dialog.Opt_landscape->setChecked(true);
    choice = dialog.choice();
    return 1;
  });
  ShowPrinterSetup(nullptr);
  EXPECT_EQ(opened, kPdfPrinterName);
  EXPECT_EQ(PaperForJob(kPdfPrinterName, 1).orientation, L);
  EXPECT_TRUE(PaperForJob(QStringLiteral("Laser"), 1).size.isEquivalentTo(QPageSize(QPageSize::A5)));

  // Another printer chosen there shows its own kept paper, and becomes the
  // one the next job goes to.
  SetPrinterSetupHandler([&](QWidget* owner, PrinterSetupChoice& choice) -> int16_t {
    PrinterSetupDialog dialog(choice, owner);
    dialog.Cmb_printer->setCurrentText(QStringLiteral("Laser"));
    EXPECT_TRUE(dialog.Cmb_paper->currentData().value<QPageSize>().isEquivalentTo(QPageSize(QPageSize::A5)));
    choice = dialog.choice();
    return 1;
  });
  ShowPrinterSetup(nullptr);
  EXPECT_EQ(CurrentPrinterName(), QStringLiteral("Laser"));
}

TEST_F(JobPaperTest, APdfJobAsksNothingAboutPaper) {
  answerDialog({1, true, kPdfPrinterName});
  runSheet();
  EXPECT_TRUE(messages().shown().empty());
  EXPECT_EQ(printer().texts(), QStringList({"page 1", "page 2"}));
}

// Every layout against the papers users load: the width the job states is
// what the check measures, the PDF printer takes the paper that holds it, and
// the warning names the layout's extent.
TEST(LaidOutSheetMm, EachLayoutIsMeasuredByWhatItDrawsAcrossTheSide) {
  PaperSettings = PaperSettingsData{};
  PaperSettings.PaperIndex = 0;  // bible: pages 88 wide, 8 of them the binding margin
  PaperSettings.PrintMargin = 3;
  PaperSettings.PageLeft = 8;
  PaperSettings.PageWidth = 88;
  PaperSettings.PageHeight = 167;
  PaperSettings.SheetPageY[4] = 290;
  const double sixMonths = 3 * 88 - 2 * 8;
  const QPageSize a3(QPageSize::A3), a4(QPageSize::A4), a5(QPageSize::A5), b5(QPageSize::JisB5),
      letter(QPageSize::Letter);
  struct Row {
    const char* layout;
    int16_t orientation;
    std::optional<double> width;  // what the job states; none = one page, or the four columns
    QPageSize paper;
    bool fits;
    QPageSize pdfPaper;
    QPageLayout::Orientation pdfOrientation;
    const char* extent;
  } rows[] = {
      {"single page on A5", 1, std::nullopt, a5, true, a4, P, "91×170mm"},
      {"A4 両面 on A5", 1, FacingPagesWidthMm(), a5, false, a4, P, "163×170mm"},
      {"A4 両面 on A4", 1, FacingPagesWidthMm(), a4, true, a4, P, "163×170mm"},
      {"３週 on A4", 1, 3 * 88 - 2 * 8 + 4, a4, false, a4, L, "255×170mm"},
      {"３週 on Letter", 1, 3 * 88 - 2 * 8 + 4, letter, false, a4, L, "255×170mm"},
      {"３週 on A3", 1, 3 * 88 - 2 * 8 + 4, a3, true, a4, L, "255×170mm"},
      {"山折 on A5", 1, TwoPagesAcrossWidthMm(2), a5, false, a4, P, "173×170mm"},
      {"山折 on JIS B5", 1, TwoPagesAcrossWidthMm(2), b5, true, a4, P, "173×170mm"},
      {"袋とじ on JIS B5", 1, 2 * 88 + 5 - 8, b5, true, a4, P, "176×170mm"},
      {"表面2枚 on A5", 1, TwoPagesAcrossWidthMm(0), a5, false, a4, P, "171×170mm"},
      {"four-fold on A4", 2, std::nullopt, a4, true, a4, L, "293×170mm"},
      {"four-fold on Letter", 2, std::nullopt, letter, false, a4, L, "293×170mm"},
      {"six-month strip on Letter", 2, sixMonths, letter, true, a4, L, "251×170mm"},
      {"six-month strip on JIS B5", 2, sixMonths, b5, true, a4, L, "251×170mm"},
      {"six-month strip on A5", 2, sixMonths, a5, false, a4, L, "251×170mm"},
  };
  for (const Row& r : rows) {
    ForgetLaidOutSideWidth();
    if (r.width) SetLaidOutSideWidthMm(*r.width);
    const QSizeF sheet = LaidOutSheetMm(r.orientation);
    JobPaper paper;
    paper.size = r.paper;
    paper.orientation = r.orientation == 2 ? L : P;
    const QString warning = SheetMismatchText(sheet, paper);
    EXPECT_EQ(warning.isEmpty(), r.fits) << r.layout;
    if (!r.fits) {
      EXPECT_TRUE(warning.contains(QString::fromUtf8(r.extent))) << r.layout << ": " << warning.toStdString();
    }
    const JobPaper pdf = ChooseJobPaper(true, std::nullopt, QPageSize(), r.orientation, sheet);
    EXPECT_TRUE(pdf.size.isEquivalentTo(r.pdfPaper)) << r.layout << ": " << pdf.size.name().toStdString();
    EXPECT_EQ(pdf.orientation, r.pdfOrientation) << r.layout;
    EXPECT_TRUE(SheetMismatchText(sheet, pdf).isEmpty()) << r.layout << ": the check agrees with the PDF's paper";
  }
  ForgetLaidOutSideWidth();
  PaperSettings = PaperSettingsData{};
}

// PrintMargin in from the paper's edge on every printer, or the printer's
// printable edge where that lies further in.
TEST(PageOriginOnPaperMm, PrintMarginOrThePrintableEdgeWhicheverLiesFurtherIn) {
  EXPECT_EQ(PageOriginOnPaperMm({0, 0}, 3), QPointF(3, 3)) << "the PDF printer, a queue without margins";
  EXPECT_EQ(PageOriginOnPaperMm({2, 1}, 3), QPointF(3, 3));
  EXPECT_EQ(PageOriginOnPaperMm({4.2, 4.2}, 3), QPointF(4.2, 4.2));
  EXPECT_EQ(PageOriginOnPaperMm({4.2, 0}, 3), QPointF(4.2, 3)) << "each edge for itself";
  EXPECT_EQ(PageOriginOnPaperMm({0, 0}, -2), QPointF(0, 0)) << "a negative margin is none";
  // The check counts the origin: a queue that cannot print the first 4.2 mm
  // needs that much more paper.
  PaperSettings = PaperSettingsData{};
  PaperSettings.PageWidth = 88;
  PaperSettings.PageHeight = 167;
  EXPECT_EQ(LaidOutSheetMm(1, {4.2, 4.2}), QSizeF(92.2, 171.2));
  PaperSettings = PaperSettingsData{};
}

// The same rule for every edge: a zero-margin queue gives the pages the same
// area as the PDF printer, so pages set against the right edge land where
// they do in a PDF file, not PrintMargin further right.
TEST(PageAreaOnPaperMm, EveryEdgePrintMarginInOrAtThePrintableEdge) {
  const QSizeF a4(210, 297);
  struct Row {
    const char* printer;
    QRectF printable;
    double margin;
    QRectF area;
  } rows[] = {
      {"the PDF printer, whole paper", {0, 0, 210, 297}, 3, {3, 3, 204, 291}},
      {"a queue without margins", {0, 0, 210, 297}, 3, {3, 3, 204, 291}},
      {"a queue with 4.2 mm all round", {4.2, 4.2, 201.6, 288.6}, 3, {4.2, 4.2, 201.6, 288.6}},
      {"a queue wider at the right and bottom", {1, 2, 203, 283}, 3, {3, 3, 201, 282}},
      {"no margin at all", {0, 0, 210, 297}, 0, {0, 0, 210, 297}},
      {"a negative margin is none", {0, 0, 210, 297}, -2, {0, 0, 210, 297}},
  };
  for (const Row& r : rows) {
    const QRectF area = PageAreaOnPaperMm(a4, r.printable, r.margin);
    EXPECT_NEAR(area.left(), r.area.left(), 1e-9) << r.printer;
    EXPECT_NEAR(area.top(), r.area.top(), 1e-9) << r.printer;
    EXPECT_NEAR(area.right(), r.area.right(), 1e-9) << r.printer;
    EXPECT_NEAR(area.bottom(), r.area.bottom(), 1e-9) << r.printer;
    EXPECT_EQ(area.topLeft(), PageOriginOnPaperMm(r.printable.topLeft(), r.margin)) << r.printer;
  }
}

TEST(LaidOutSheetMm, PageExtentFromTheCornerOrTheFourColumnsWhenLandscape) {
  PaperSettings = PaperSettingsData{};
  PaperSettings.PrintMargin = 3;
  PaperSettings.PageWidth = 290;
  PaperSettings.PageHeight = 397;
  EXPECT_EQ(LaidOutSheetMm(1), QSizeF(293, 400));
  PaperSettings.PageWidth = 88;
  PaperSettings.PageHeight = 167;
  PaperSettings.SheetPageY[4] = 277;
  EXPECT_EQ(LaidOutSheetMm(2), QSizeF(280, 170));
  PaperSettings = PaperSettingsData{};
}

// The marks a layout states count as far as they reach: the cut lines of
// two pages at the side edges need both pages with their allowances, the
// blank page lies below them, the folded sheet's right cut guide lies past
// its second page.
class MarksExtentTest : public PrintTest {
 protected:
  void SetUp() override {
    PrintTest::SetUp();
    SetProgramPaths(home() + QStringLiteral("ringpad"));
    WriteDefaultSettings();
  }
  void TearDown() override {
    ForgetLaidOutSideWidth();
    PaperSettings = PaperSettingsData{};
    PrintTest::TearDown();
  }
};

TEST_F(MarksExtentTest, TheSheetReachesAsFarAsTheStatedMarks) {
  const QPageSize a4(QPageSize::A4), b5(QPageSize::JisB5);
  struct Row {
    const char* layout;
    int size;
    bool blankPage, holes;
    int16_t marks;  // the layout's pages with these marks; -1 a page beside the first, no marks
    QSizeF sheet;
    QPageLayout::Orientation pdf;  // on A4
  } rows[] = {
      {"バイブル A4片面", 0, true, true, kLeftBoundPages, {3 + 185, 3 + 262}, P},
      {"バイブル A4片面, no blank page", 0, false, true, kLeftBoundPages, {188, 170}, P},
      {"バイブル A4両面", 0, true, true, kFacingPages, {188, 265}, P},
      {"バイブル folded", 0, true, true, kSideBySidePages, {184, 170}, P},
      {"バイブル folded, no holes", 0, true, false, kSideBySidePages, {173, 170}, P},
      {"バイブル, pages only", 0, true, true, -1, {171, 170}, P},
      {"Ａ５ A4片面: no cut lines at this size", 6, true, true, kLeftBoundPages, {271, 190}, L},
      {"バイブル広 A4片面: cut lines 2 × 104 wide", 19, true, true, kLeftBoundPages, {214, 170}, L},
      {"手帳 A4両面: the blank page below", 4, true, true, kFacingPages, {3 + 171, 3 + 137 + 88}, P},
  };
  for (const Row& r : rows) {
    LoadOrganiserSize(r.size);
    PaperSettings.BlankPaper = r.blankPage ? 1 : 0;
    PaperSettings.PunchHoles = r.holes ? 1 : 0;
    // The pages' width at the current size.
    const double width = r.marks == kLeftBoundPages || r.marks == -1 ? TwoPagesAcrossWidthMm(0)
                         : r.marks == kFacingPages                   ? FacingPagesWidthMm()
                                                                     : TwoPagesAcrossWidthMm(2);
    SetLaidOutSideWidthMm(width, r.marks);
    const QSizeF sheet = LaidOutSheetMm(1);
    EXPECT_NEAR(sheet.width(), r.sheet.width(), 1e-4) << r.layout;
    EXPECT_NEAR(sheet.height(), r.sheet.height(), 1e-4) << r.layout;
    const JobPaper pdf = ChooseJobPaper(true, std::nullopt, QPageSize(), 1, sheet);
    EXPECT_TRUE(pdf.size.isEquivalentTo(a4)) << r.layout;
    EXPECT_EQ(pdf.orientation, r.pdf) << r.layout;
    ForgetLaidOutSideWidth();
  }
  // A JIS B5 sheet holds the folded sheet's pages (173 mm) but not its
  // right cut guide (184 mm).
  LoadOrganiserSize(0);
  PaperSettings.PunchHoles = 1;
  SetLaidOutSideWidthMm(TwoPagesAcrossWidthMm(2), kSideBySidePages);
  JobPaper queue;
  queue.size = b5;
  EXPECT_TRUE(SheetMismatchText(LaidOutSheetMm(1), queue).contains(QStringLiteral("184×170mm")));
  SetLaidOutSideWidthMm(TwoPagesAcrossWidthMm(2));
  EXPECT_TRUE(SheetMismatchText(LaidOutSheetMm(1), queue).isEmpty());
}

// What the marks draw stays within the extent they claim, on the narrowest
// sheet it allows, for every size with cut lines and every layout.
TEST_F(MarksExtentTest, TheMarksStayWithinTheirExtent) {
  for (int size : {0, 1, 2, 3, 4, 5, 9, 18, 19, 20, 21, 24}) {
    for (int16_t layout : {kFacingPages, kLeftBoundPages, kSideBySidePages}) {
      for (int16_t blank : {0, 1}) {
        LoadOrganiserSize(size);
        PaperSettings.PunchHoles = 1;
        PaperSettings.BlankPaper = blank;
        const QSizeF extent = BinderMarksExtentMm(layout);
        ASSERT_GT(extent.width(), 0);
        // The usable width the extent leaves once the right margin is off.
        const double usable = layout == kSideBySidePages ? extent.width() : extent.width() - PaperSettings.PrintMargin;
        printer().setSize(usable + 0.5, 400);
        printer().clearOps();
        DrawBinderMarks(layout);
        ASSERT_FALSE(printer().ops().empty());
        EXPECT_EQ(DrawnOffPaper(printer().ops(), extent, QPointF()), QStringList())
            << "size " << size << " layout " << layout << " blank page " << blank;
      }
    }
  }
}

}  // namespace
