// The contact-chain sample through the PDF printer, read back as a user
// would see it. The PDF stays in the artefact folder.
#include <QFile>
#include <QListWidget>
#include <optional>

#include "PdfReadBack.h"
#include "TreeTest.h"
#include "core/platform/FileDialog.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/PaperSettings.h"

TEST_F(TreeTest, ContactChainThroughThePdfPrinter) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  TreeWindow& w = open();
  // The recording surface first, for the page count.
  w.Cmd_print_Click();
  const size_t recordedPages = boxesByPage().size();
  ASSERT_GE(recordedPages, 1u);

  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/tree-contact-chain.pdf");
  QFile::remove(pdf);
  platform::SetFileDialogHandler([pdf](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{1, false, kPdfPrinterName}; });
  InstallPrinterSurface(nullptr);
  w.Cmd_print_Click();
  platform::SetFileDialogHandler({});
  SetCurrentPrinter(DefaultPrinterName());

  EXPECT_EQ(size_t(PdfPageCount(pdf)), recordedPages);
  const std::vector<PdfWord> words = PdfWords(pdf);
  const double m = PaperSettings.PrintMargin;
  const PdfWord title = FindWord(words, QStringLiteral("２年３組緊急連絡網サンプル"));
  EXPECT_EQ(title.page, 1);
  EXPECT_LT(title.yMaxMm, PaperSettings.DataHeight + m + 0.5);
  // The first box's text (name and number) starts one millimetre inside it.
  ASSERT_FALSE(words.empty());
  const PdfWord* first = nullptr;
  for (const PdfWord& word : words)
    if (word.page == 1 && word.yMinMm > PaperSettings.DataHeight + m && (!first || word.yMinMm < first->yMinMm - 0.5 ||
                                                                            (std::abs(word.yMinMm - first->yMinMm) <= 0.5 && word.xMinMm < first->xMinMm)))
      first = &word;
  ASSERT_NE(first, nullptr);
  EXPECT_NEAR(first->xMinMm, 9 + m, 0.3);
  EXPECT_NEAR(first->yMinMm, 13 + m, 0.3);  // the top of the text's line cell
}

TEST_F(TreeTest, OrganisationChartByTopLevelPagesThroughThePdfPrinter) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  TreeWindow& w = open();
  w.Cmb_Type->setCurrentRow(2);
  w.cmb_level->setCurrentIndex(1);
  w.Cmd_print_Click();
  const size_t recordedPages = boxesByPage().size();
  ASSERT_EQ(recordedPages, 3u);  // the overview and one page per department with people

  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/tree-organisation.pdf");
  QFile::remove(pdf);
  platform::SetFileDialogHandler([pdf](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{1, false, kPdfPrinterName}; });
  InstallPrinterSurface(nullptr);
  w.Cmd_print_Click();
  platform::SetFileDialogHandler({});
  SetCurrentPrinter(DefaultPrinterName());
  EXPECT_EQ(size_t(PdfPageCount(pdf)), recordedPages);
  // The second page opens with the first department head repeated.
  const PdfWord head = FindWord(PdfWords(pdf), QStringLiteral("小林"));
  EXPECT_EQ(head.page, 1);
}
