// The to-do list's sides of two pages through the PDF printer: the paper
// that holds the pages and their marks, upright unless it fits only turned,
// and nothing drawn off it.
#include "PaperBounds.h"
#include "TestEnvironment.h"
#include "core/print/PrintJob.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "todo_memo/ToDoPrintJob.h"

TEST_F(RingpadTest, ToDoSidesOfTwoPagesGoOnThePaperThatHoldsThem) {
  SetProgramPaths(home() + QStringLiteral("ringpad"));
  WriteDefaultSettings();
  ToDoPageOptions options;
  for (int i = 1; i <= 12; ++i) options.items << QStringLiteral("□ item%1").arg(i);
  options.RowsText = QStringLiteral("7");
  options.FileTitle = QStringLiteral("VIDAZU.txt");
  options.DoneMark = u'■';
  constexpr auto P = QPageLayout::Portrait;
  constexpr auto L = QPageLayout::Landscape;
  struct Row {
    int size;  // PaperIndex: バイブル, Ａ５, バイブル広
    int sideMode;
    QPageLayout::Orientation turn;  // always on A4
  } rows[] = {
      {0, 4, P},  {0, 5, P},   // A4両面, ２つ折り
      {6, 4, L},  {6, 5, L},   // two A5 pages across need A4 turned
      {19, 4, L}, {19, 5, P},  // the facing pages' cut lines need 214 mm; the folded sheet's guides 210
  };
  for (const Row& r : rows) {
    LoadOrganiserSize(r.size);
    const std::string what = QStringLiteral("size %1 side %2").arg(r.size).arg(r.sideMode).toStdString();
    const PdfPaperRun run = RunOnPdfPaper([&] {
      ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
      RunToDoPrintJob(options, r.sideMode, QStringLiteral("side"));
    });
    EXPECT_GT(run.sheets, 0) << what;
    EXPECT_EQ(run.paperName(), PaperName(QPageSize::A4, r.turn)) << what;
    EXPECT_EQ(run.offPaper, QStringList()) << what;
    EXPECT_EQ(messages().texts(), QStringList()) << what;
    messages().clear();
  }
  PaperSettings = PaperSettingsData{};
}
