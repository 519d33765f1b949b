// The memo's sides of two pages through the PDF printer: the paper that
// holds the pages and their marks, upright unless it fits only turned, and
// nothing drawn off it.
#include "PaperBounds.h"
#include "TestEnvironment.h"
#include "core/print/PrintJob.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "todo_memo/MemoMetrics.h"
#include "todo_memo/MemoPrintJob.h"

TEST_F(RingpadTest, MemoSidesOfTwoPagesGoOnThePaperThatHoldsThem) {
  SetProgramPaths(home() + QStringLiteral("ringpad"));
  WriteDefaultSettings();
  constexpr auto P = QPageLayout::Portrait;
  constexpr auto L = QPageLayout::Landscape;
  struct Row {
    int size;  // PaperIndex: バイブル, Ａ５, バイブル広
    int layout;
    QPageLayout::Orientation turn;  // always on A4
  } rows[] = {
      {0, 2, P},  {0, 7, P},  {0, 8, P},   // Ａ４両面, A4表に2枚, A4に2折り
      {6, 2, L},  {6, 7, L},  {6, 8, L},   // two A5 pages across need A4 turned
      {19, 2, L}, {19, 7, L}, {19, 8, P},  // the cut lines need 214 mm; the folded sheet's guides 210
  };
  for (const Row& r : rows) {
    LoadOrganiserSize(r.size);
    MemoPageOptions options;
    options.title = QStringLiteral("memo");
    for (int i = 1; i <= 60; ++i) options.body += QStringLiteral("line%1 メモの本文\r\n").arg(i);
    options.pageInFooter = true;
    options.linesPerPage = CalcMemoLineMetrics(0, PaperSettings).LinesPerPage;
    const std::string what = QStringLiteral("size %1 layout %2").arg(r.size).arg(r.layout).toStdString();
    const PdfPaperRun run = RunOnPdfPaper([&] {
      ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
      RunMemoPrintJob(options, r.layout, QStringLiteral("layout"), 1);
    });
    EXPECT_GT(run.sheets, 0) << what;
    EXPECT_EQ(run.paperName(), PaperName(QPageSize::A4, r.turn)) << what;
    EXPECT_EQ(run.offPaper, QStringList()) << what;
    EXPECT_EQ(messages().texts(), QStringList()) << what;
    messages().clear();
  }
  PaperSettings = PaperSettingsData{};
}
