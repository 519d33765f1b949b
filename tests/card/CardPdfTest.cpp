// The sample cards through the PDF printer, read back as a user would see
// them; the layout picture's size does not change the print. The PDF stays
// in the artefact folder.
#include <QFile>
#include <QImage>
#include <optional>

#include "CardTest.h"
#include "PdfReadBack.h"
#include "core/platform/FileDialog.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/PaperSettings.h"
#include "tables_cards/windows/CardLayoutPicture.h"

TEST_F(CardTest, SampleCardsThroughThePdfPrinter) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  CardWindow& w = open();
  w.Pic1->resize(700, 300);  // a wide window prints the same cards
  w.Cmd_print_Click();
  const size_t recordedPages = pageRuns().size();
  ASSERT_GE(recordedPages, 2u);

  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/card-sample.pdf");
  QFile::remove(pdf);
  platform::SetFileDialogHandler([pdf](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{1, false, kPdfPrinterName}; });
  InstallPrinterSurface(nullptr);
  w.Pic1->resize(150, 100);
  w.Cmd_print_Click();
  platform::SetFileDialogHandler({});
  SetCurrentPrinter(DefaultPrinterName());

  EXPECT_EQ(size_t(PdfPageCount(pdf)), recordedPages);
  const PdfWord word = FindWord(PdfWords(pdf), QStringLiteral("ABBREVIATE"));
  EXPECT_EQ(word.page, 1);
  EXPECT_NEAR(word.xMinMm, 8 + 80.0 / 120 * 3.174603 + PaperSettings.PrintMargin, 0.3);
}

TEST(CardLayoutPicture, WorksInFixedMillimetresWhateverItsSize) {
  CardLayoutPicture picture;
  for (int width : {240, 480, 1000}) {
    picture.resize(width, 200);
    EXPECT_DOUBLE_EQ(picture.toMm(QPointF(width, 0)).x(), kCardLayoutWidthMm);
    EXPECT_DOUBLE_EQ(picture.toMm(QPointF(width / 2.0, 0)).x(), kCardLayoutWidthMm / 2);
  }
}

TEST_F(CardTest, LayoutPictureShowsTheCardAndItsGreyRepeats) {
  CardWindow& w = open();
  w.resize(900, 600);
  w.show();
  const QImage shot = w.Pic1->grab().toImage();
  shot.save(QStringLiteral(RINGPAD_ARTEFACT_DIR "/card-window-layout.png"));
  w.grab().save(QStringLiteral(RINGPAD_ARTEFACT_DIR "/card-window.png"));
  // Black text in the first card, the grey fill below it.
  const double pxPerMm = shot.width() / kCardLayoutWidthMm;
  int dark = 0;
  for (int y = 0; y < int(5 * pxPerMm); ++y)
    for (int x = 0; x < int(20 * pxPerMm); ++x) dark += qGray(shot.pixel(x, y)) < 100;
  EXPECT_GT(dark, 0);
  const int belowCard = int((w.CardHeight + 3) * pxPerMm);
  ASSERT_LT(belowCard, shot.height());
  EXPECT_EQ(QColor(shot.pixel(shot.width() - 2, belowCard)).rgb() & 0xFFFFFF, 0xEEEEEEu);
}
