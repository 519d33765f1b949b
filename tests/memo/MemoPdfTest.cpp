// A hundred body lines on bible-size pages through the PDF printer, read
// back with their positions. The PDF stays in the artefact folder for a look.
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
#include "todo_memo/MemoMetrics.h"
#include "todo_memo/MemoPrintJob.h"

TEST_F(RingpadTest, MemoPagesOnThePdfPrinter) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  SetProgramPaths(home() + QStringLiteral("ringpad"));
  WriteDefaultSettings();
  LoadPaperSettings(0);  // the bible size
  PaperSettings.DataFontSize = 9;
  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/memo-pages.pdf");
  QFile::remove(pdf);
  SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{1, false, kPdfPrinterName}; });
  platform::SetFileDialogHandler([pdf](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });

  MemoPageOptions options;
  options.title = QStringLiteral("memo");
  for (int i = 1; i <= 100; ++i) options.body += QStringLiteral("line%1\r\n").arg(i, 3, 10, QLatin1Char('0'));
  options.pageInFooter = true;
  options.linesPerPage = CalcMemoLineMetrics(0, PaperSettings).LinesPerPage;
  options.subtitleMarks = QStringLiteral("[");
  ASSERT_EQ(options.linesPerPage, 46);
  ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  RunMemoPrintJob(options, 5, QStringLiteral("表面"), 1);
  SetPrintDialogHandler({});
  platform::SetFileDialogHandler({});
  SetCurrentPrinter(DefaultPrinterName());

  ASSERT_EQ(PdfPageCount(pdf), 3);
  const double margin = PaperSettings.PrintMargin;
  const std::vector<PdfWord> words = PdfWords(pdf);
  EXPECT_EQ(FindWord(words, QStringLiteral("memo")).page, 1);
  int titles = 0;
  for (const PdfWord& w : words) titles += w.text == u"memo";
  EXPECT_EQ(titles, 1);
  for (const char* first : {"line001", "line047"}) {
    const PdfWord w = FindWord(words, QString::fromLatin1(first));
    EXPECT_NEAR(w.xMinMm, PaperSettings.PageLeft + margin, 0.3) << first;
    EXPECT_NEAR(w.yMinMm, PaperSettings.DataHeight + margin, 0.3) << first;
  }
  EXPECT_EQ(FindWord(words, QStringLiteral("line047")).page, 2);
  const PdfWord p2 = FindWord(words, QStringLiteral("P.2"));
  EXPECT_EQ(p2.page, 2);
  EXPECT_NEAR(p2.xMinMm, PaperSettings.PageWidth - 12 + margin, 0.3);
}
