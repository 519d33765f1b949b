// A photo page through the PDF printer, read back as a user would see it.
// The PDF file stays in the artefact folder.
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>

#include "PdfReadBack.h"
#include "PdfPrinterFixture.h"
#include "core/settings/AppGlobals.h"
#include "core/platform/Clipboard.h"
#include "core/platform/FileDialog.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/PaperSettings.h"
#include "ruled_photo/windows/PhotoWindow.h"

namespace {

constexpr int kDpi = 254;  // ten pixels to the millimetre


QImage TwoColours(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::red);
  QPainter(&image).fillRect(width / 2, 0, width - width / 2, height, Qt::blue);
  return image;
}

// The real printer surfaces, unlike the recording ones of the other tests.
class PhotoPdfTest : public PdfPrinterTest {};

TEST_F(PhotoPdfTest, PictureEdgesWhereThePageSaysAndASmallFile) {
  PhotoWindow w;
  w.Form_Load();
  platform::UseMemoryClipboard(true);
  platform::ClipboardSetImage(TwoColours(200, 100));
  w.Cmd_Fileimport_Click();
  w.cmb_bairitu->setCurrentIndex(5);
  w.cmb_ichi->setCurrentIndex(4);
  w.txt_title->setText(QStringLiteral("旅の写真"));
  w.txt_data->setPlainText(QStringLiteral("海辺にて撮影\n二行目"));
  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/photo-front.pdf");
  QFile::remove(pdf);
  platform::SetFileDialogHandler([pdf](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  w.Cmd_print_Click();
  ASSERT_EQ(PdfPageCount(pdf), 1) << messages().texts().join(QStringLiteral(" / ")).toStdString();

  const QImage page = RenderPdfPage(pdf, 1, kDpi);
  const double px = kDpi / 25.4;
  int left = page.width(), right = -1, top = page.height(), bottom = -1;
  // The body below the texts holds nothing but the picture (red and blue
  // both render dark in grey).
  for (int y = int(40 * px); y < int(150 * px); ++y)
    for (int x = 0; x < int(100 * px); ++x)
      if (qGray(page.pixel(x, y)) <= 128) {
        left = std::min(left, x), right = std::max(right, x + 1);
        top = std::min(top, y), bottom = std::max(bottom, y + 1);
      }
  const double m = PaperSettings.PrintMargin;
  EXPECT_NEAR(left / px, 28 + m, 0.3);
  EXPECT_NEAR(right / px, 68 + m, 0.3);
  EXPECT_NEAR(top / px, 72.5 + m, 0.3);
  EXPECT_NEAR(bottom / px, 92.5 + m, 0.3);
  EXPECT_LT(QFileInfo(pdf).size(), 3 * 1024 * 1024);

  // The three-fold sheet, kept for review beside the front page.
  const QString folded = QStringLiteral(RINGPAD_ARTEFACT_DIR "/photo-folded.pdf");
  QFile::remove(folded);
  platform::SetFileDialogHandler(
      [folded](const platform::FileDialogRequest&) { return std::optional<QString>(folded); });
  w.Cmb_Type->setCurrentIndex(3);
  w.Cmd_print_Click();
  ASSERT_EQ(PdfPageCount(folded), 1);
  // Turned by 180 degrees on paper too: the blue half comes to the left. In
  // grey, blue renders near 29 and red near 76.
  const QImage sheet = RenderPdfPage(folded, 1, kDpi);
  const double b = PaperSettings.PageHeight - 2 * m;
  const int middle = int((PaperSettings.DataHeight + 5 + b / 4 + m) * px);
  EXPECT_NEAR(qGray(sheet.pixel(int((b / 4 + m) * px), middle)), 29, 12);
  EXPECT_NEAR(qGray(sheet.pixel(int((3 * b / 4 + m) * px), middle)), 76, 12);
}

}  // namespace
