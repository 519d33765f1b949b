// Twenty-five items on bible-size pages through the PDF printer, read back
// with their positions. The PDF stays in the artefact folder for a look.
#include <QFile>
#include <optional>

#include "PdfReadBack.h"
#include "TestEnvironment.h"
#include "core/platform/Clock.h"
#include "core/platform/FileDialog.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "todo_memo/ToDoPrintJob.h"

TEST_F(RingpadTest, ToDoPagesOnThePdfPrinter) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  SetProgramPaths(home() + QStringLiteral("ringpad"));
  WriteDefaultSettings();
  LoadPaperSettings(0);  // the bible size
  CurrentPrintJob().confirmPrompts = 0;
  platform::SetFixedToday(QDate(2009, 3, 10));
  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/todo-pages.pdf");
  QFile::remove(pdf);
  SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{1, false, kPdfPrinterName}; });
  platform::SetFileDialogHandler([pdf](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });

  ToDoPageOptions options;
  for (int i = 1; i <= 25; ++i) options.items << QStringLiteral("□ item%1\t2009/03/01").arg(i, 2, 10, QLatin1Char('0'));
  options.RowsText = QStringLiteral("20");
  options.FileTitle = QStringLiteral("VIDAZU.txt");
  options.DoneMark = u'■';
  ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  RunToDoPrintJob(options, 2, QStringLiteral("表のみ"));

  // For a person's look: headings, levels, importance colours, a long item
  // and the hour scale "8-翌8" on one page.
  const QString scalePdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/todo-hour-scale.pdf");
  QFile::remove(scalePdf);
  platform::SetFileDialogHandler(
      [scalePdf](const platform::FileDialogRequest&) { return std::optional<QString>(scalePdf); });
  ToDoPageOptions look = options;
  look.items = {"□ 仕事", "□A　見積書を送る\t2009/03/02", "■B　会議室を予約する", "□C　　資料の印刷",
                "□ 家", "□D　長い項目は小さな字で右端の手前で折り返して次の行に続きます", "□ 　牛乳"};
  look.ByLevel = true;
  look.HourScaleKind = 3;
  ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  RunToDoPrintJob(look, 2, QStringLiteral("表のみ"));
  EXPECT_EQ(PdfPageCount(scalePdf), 1);

  SetPrintDialogHandler({});
  platform::SetFileDialogHandler({});
  SetCurrentPrinter(DefaultPrinterName());
  CurrentPrintJob().confirmPrompts = 1;
  platform::SetFixedToday(QDate());

  ASSERT_EQ(PdfPageCount(pdf), 2);
  ASSERT_EQ(PaperSettings.DataFontSize, 9.0f);
  const double margin = PaperSettings.PrintMargin;
  const double rowHeight = (PaperSettings.FootHeight - PaperSettings.DataHeight - 1.0) / 20;
  const std::vector<PdfWord> words = PdfWords(pdf);
  const PdfWord first = FindWord(words, QStringLiteral("item01"));
  EXPECT_EQ(first.page, 1);
  EXPECT_NEAR(first.xMinMm, PaperSettings.PageLeft + 6 * 9 / 5.67 + margin, 0.3);
  const double firstTop = PaperSettings.DataHeight + 0.5 + (rowHeight - 2 * 9 / 5.67) / 2;
  EXPECT_NEAR(first.yMinMm, firstTop + margin, 0.3);
  for (int i = 2; i <= 20; ++i) {
    const PdfWord w = FindWord(words, QStringLiteral("item%1").arg(i, 2, 10, QLatin1Char('0')));
    EXPECT_NEAR(w.yMinMm - first.yMinMm, (i - 1) * rowHeight, 0.3) << i;
  }
  const PdfWord item21 = FindWord(words, QStringLiteral("item21"));
  EXPECT_EQ(item21.page, 2);
  EXPECT_NEAR(item21.yMinMm, first.yMinMm, 0.3);
  // The rows past the list: a number and a check box, read as one word.
  EXPECT_EQ(FindWord(words, QStringLiteral("40□")).page, 2);
  EXPECT_NEAR(FindWord(words, QStringLiteral("To-Do")).xMinMm, PaperSettings.PageLeft + margin, 0.3);
}
