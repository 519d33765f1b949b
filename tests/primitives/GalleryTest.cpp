// The gallery page (every line style and text routine on one page) printed
// to the PDF printer, to a CUPS queue of the cups-pdf driver and to the
// preview picture, and read back: words where the routines put them, rotated
// text turned the same way on every back end.
#include <QFile>

#include "GalleryPage.h"
#include "TestEnvironment.h"
#include "core/platform/FileDialog.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "EndToEndSupport.h"
#include "PdfReadBack.h"

namespace {

constexpr double kEm10 = 10 * 25.4 / 72;  // 10 points in mm
constexpr double kSquare10 = 2 * 10 / 5.67;

class GalleryTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    PaperSettings = PaperSettingsData{};
    PaperSettings.PrintMargin = kMargin;
    CurrentPrintJob().confirmPrompts = 0;
    CurrentPrintJob().endDocPerPage = 0;
    CurrentPrintJob().previewMode = 0;
  }
  void TearDown() override {
    SetPrintDialogHandler({});
    SetPreviewPageHandler({});
    platform::SetFileDialogHandler({});
    SetCurrentPrinter(DefaultPrinterName());
    CurrentPrintJob().previewMode = 0;
    PaperSettings = PaperSettingsData{};
    CurrentPrintJob().confirmPrompts = 1;
    CurrentPrintJob().endDocPerPage = 1;
    RingpadTest::TearDown();
  }

  // One page through the print-job protocol on a printer (button 1) or as a
  // preview (button 2).
  void printGallery(const QString& printerName, int button) {
    SetPrintDialogHandler([=](const PrintDialogView&) {
      PrintDialogAnswer answer;
      answer.button = button;
      answer.printer = printerName;
      return answer;
    });
    ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
    SetPrinterScaleMode(kScaleMillimetres);
    BeginPage();
    DrawGalleryPage();
    FinishOutput();
    EndPrintDocument();
  }

  // The gallery read back from a PDF whose page coordinates start at
  // (left, top) mm on the sheet.
  static void expectGalleryPdf(const QString& pdf, double left, double top);

  static constexpr int kMargin = 5;
};

PdfWord Word(const std::vector<PdfWord>& words, const QString& text) {
  const PdfWord word = FindWord(words, text);
  EXPECT_EQ(word.page, 1) << "missing word " << text.toStdString();
  return word;
}

void GalleryTest::expectGalleryPdf(const QString& pdf, double left, double top) {
  SCOPED_TRACE(pdf.toStdString());
  ASSERT_EQ(PdfPageCount(pdf), 1);
  const std::vector<PdfWord> words = PdfWords(pdf);

  // Words printed at a position the page gives.
  for (const GalleryWord& expected : GalleryUprightWords()) {
    SCOPED_TRACE(expected.text.toStdString());
    const PdfWord word = Word(words, expected.text);
    EXPECT_NEAR(word.xMinMm, left + expected.x, 0.2);
    EXPECT_NEAR(word.yMinMm, top + expected.y, 0.5);
    // The layout model: Shift-JIS bytes times the half-width.
    EXPECT_NEAR(word.xMaxMm - word.xMinMm, expected.text.size() * expected.points / 5.67, 0.3);
  }

  // Line breaks go back to the start x, one line height lower; a new line
  // without wrapping starts at x 0.
  const PdfWord ab = Word(words, QStringLiteral("WRAPAB"));
  const PdfWord cd = Word(words, QStringLiteral("WRAPCD"));
  const PdfWord newLine = Word(words, QStringLiteral("NEWLINE"));
  const PdfWord nextLine = Word(words, QStringLiteral("NEXTLINE"));
  const double lineHeight = cd.yMinMm - ab.yMinMm;
  EXPECT_GT(lineHeight, kEm10 * 0.99);
  EXPECT_LT(lineHeight, kEm10 * 1.15);
  EXPECT_NEAR(cd.xMinMm, ab.xMinMm, 0.05);
  EXPECT_NEAR(nextLine.yMinMm - newLine.yMinMm, lineHeight, 0.05);
  EXPECT_NEAR(nextLine.xMinMm, left, 0.2);

  // Clipped with an ellipsis that ends before the limit at x 45, no more
  // than the next letter short of it; fitted texts end before their limit
  // at x 60 on one line in a smaller font.
  const PdfWord clipped = Word(words, QStringLiteral("CLIPPEDTEXTG…"));
  EXPECT_LE(clipped.xMaxMm, left + 45 + 0.2);
  EXPECT_GT(clipped.xMaxMm, left + 45 - kSquare10);
  for (const QString& fitted : {QStringLiteral("FITTWO") + QString(30, u'X'), GalleryFittedLine().text}) {
    SCOPED_TRACE(fitted.left(6).toStdString());
    const PdfWord word = Word(words, fitted);
    EXPECT_NEAR(word.xMinMm, left + 20, 0.2);
    EXPECT_LE(word.xMaxMm, left + 60 + 0.2);
    EXPECT_GT(word.xMaxMm, left + 55);
    EXPECT_LT(word.yMaxMm - word.yMinMm, kEm10 * 0.8);
  }

  // Text turned anticlockwise covers the area right of and above its
  // reference point.
  const GalleryWord turned = GalleryRotatedWord();
  const PdfWord rotated = Word(words, turned.text);
  const double em = turned.points * 25.4 / 72;
  EXPECT_NEAR(rotated.xMinMm, left + turned.x, 0.2);
  EXPECT_NEAR(rotated.xMaxMm - rotated.xMinMm, em, 0.4);
  EXPECT_NEAR(rotated.yMaxMm, top + turned.y, 0.3);
  EXPECT_NEAR(rotated.yMaxMm - rotated.yMinMm, turned.text.size() * turned.points / 5.67, 0.4);
  const PdfWord cursor = Word(words, QStringLiteral("CURSOR"));
  EXPECT_NEAR(cursor.xMinMm, left + 160, 0.2);
  EXPECT_NEAR(cursor.yMaxMm, top + 140, 0.3);

  // The vertical column: upright characters one line apart, the bracket
  // turned into the full-width square below them, the digit under it.
  const std::vector<GalleryWord> column = GalleryVerticalCharacters();
  double y = top + column.front().y;
  for (const GalleryWord& c : column) {
    SCOPED_TRACE(c.text.toStdString());
    std::vector<PdfWord> atColumn;
    for (const PdfWord& w : words)
      if (w.text == c.text && std::abs(w.yMinMm - y) < 0.3) atColumn.push_back(w);
    ASSERT_EQ(atColumn.size(), 1u);
    EXPECT_NEAR(atColumn[0].xMinMm, left + c.x, 0.2);
    y += lineHeight;
  }
  const PdfWord bracket = Word(words, QStringLiteral("（"));
  EXPECT_NEAR(bracket.xMinMm, left + 180, 0.2);
  EXPECT_NEAR(bracket.xMaxMm, left + 180 + kSquare10, 0.2);
  EXPECT_NEAR(bracket.yMinMm, y, 0.3);
  EXPECT_NEAR(bracket.yMaxMm, y + kSquare10, 0.3);
  EXPECT_NEAR(Word(words, QStringLiteral("３")).yMinMm, y + kSquare10, 0.3);

}

// Where the ink lies on a rendered page (page millimetres from the origin).
struct InkBox {
  double x1 = 1e9, y1 = 1e9, x2 = -1e9, y2 = -1e9;
  int pixels = 0;
};

InkBox FindInk(const QImage& page, double pxPerMm, double left, double top, double x1, double y1, double x2,
               double y2, bool (*ink)(QRgb) = [](QRgb c) { return qGray(c) < 128; }) {
  InkBox box;
  const int fromY = std::max(0, int((top + y1) * pxPerMm)), toY = std::min(page.height(), int((top + y2) * pxPerMm));
  const int fromX = std::max(0, int((left + x1) * pxPerMm)), toX = std::min(page.width(), int((left + x2) * pxPerMm));
  for (int py = fromY; py < toY; ++py) {
    for (int px = fromX; px < toX; ++px) {
      if (!ink(page.pixel(px, py))) continue;
      ++box.pixels;
      box.x1 = std::min(box.x1, px / pxPerMm - left);
      box.x2 = std::max(box.x2, (px + 1) / pxPerMm - left);
      box.y1 = std::min(box.y1, py / pxPerMm - top);
      box.y2 = std::max(box.y2, (py + 1) / pxPerMm - top);
    }
  }
  return box;
}

// What every back end must show alike: the turned text right of and above
// its reference point, the vertical column with nothing beside it, and both
// pictures (inline, and stretched in device pixels) where they belong.
void ExpectTurnedTextAndPictures(const QImage& page, double pxPerMm, double left, double top) {
  ASSERT_FALSE(page.isNull());
  const double pixel = 1 / pxPerMm;
  const GalleryWord turned = GalleryRotatedWord();
  const double em = turned.points * 25.4 / 72;
  const double length = turned.text.size() * turned.points / 5.67;
  const InkBox word = FindInk(page, pxPerMm, left, top, 130, 95, 158, 135);
  EXPECT_GT(word.pixels, 50);
  EXPECT_GE(word.x1, turned.x - pixel);
  EXPECT_LE(word.x2, turned.x + em + pixel);
  EXPECT_GT(word.x2 - word.x1, 0.5 * em);
  EXPECT_GE(word.y1, turned.y - 1.01 * length - pixel);
  EXPECT_LE(word.y2, turned.y + pixel);
  EXPECT_GT(word.y2 - word.y1, 0.9 * length);

  const InkBox column = FindInk(page, pxPerMm, left, top, 176, 18, 195, 70);
  EXPECT_GE(column.x1, 180 - pixel);
  EXPECT_LE(column.x2, 180 + kSquare10 + pixel);
  EXPECT_GT(column.y2, 20 + 7 * kEm10);  // down to the closing bracket

  auto blue = [](QRgb c) { return qBlue(c) > 150 && qRed(c) < 100; };
  auto grey = [](QRgb c) { return qGray(c) < 128; };
  const bool colour = !page.isGrayscale();
  const InkBox picture = FindInk(page, pxPerMm, left, top, 65, 175, 100, 192, colour ? +blue : +grey);
  EXPECT_NEAR(picture.x1, 70, 2 * pixel);
  EXPECT_NEAR(picture.x2, 90, 2 * pixel);
  EXPECT_NEAR(picture.y1, 178, 2 * pixel);
  EXPECT_NEAR(picture.y2, 188, 2 * pixel);
  const double inlineLeft = 10 + 3 * 10 / 5.67;
  const InkBox inlined = FindInk(page, pxPerMm, left, top, inlineLeft, 179, inlineLeft + kSquare10, 185,
                                 colour ? +blue : +grey);
  EXPECT_NEAR(inlined.x1, inlineLeft + 0.1 * kEm10, 2 * pixel);
  EXPECT_NEAR(inlined.x2 - inlined.x1, 0.9 * kEm10, 2 * pixel);
}

QImage RenderedPdf(const QString& pdf) { return RenderPdfPage(pdf, 1, 254); }
constexpr double kRenderPxPerMm = 10;

TEST_F(GalleryTest, PdfPrinterKeepsTheGalleryAsAnArtefact) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext, pdftoppm) are not installed";
  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/primitives-gallery.pdf");
  QFile::remove(pdf);
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  printGallery(kPdfPrinterName, 1);
  ASSERT_TRUE(QFile::exists(pdf));
  expectGalleryPdf(pdf, kMargin, kMargin);
  ExpectTurnedTextAndPictures(RenderedPdf(pdf), kRenderPxPerMm, kMargin, kMargin);
}

TEST_F(GalleryTest, CupsQueuePrintsTheSameGallery) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext, pdftoppm) are not installed";
  const QString why = CupsUnavailableReason();
  if (!why.isEmpty()) GTEST_SKIP() << why.toStdString();
  double left = 0, top = 0;
  ASSERT_TRUE(QueueImageableOrigin(&left, &top));
  const QStringList before = PdfFilesIn(CupsPdfFolder());
  printGallery(kTestQueue, 1);
  const QStringList made = WaitForNewPdfs(before, 1);
  ASSERT_EQ(made.size(), 1);
  const QString kept = QStringLiteral(RINGPAD_ARTEFACT_DIR "/primitives-gallery-cups.pdf");
  QFile::remove(kept);
  QFile::copy(made[0], kept);
  QFile::remove(made[0]);
  // The queue's PDF keeps no text that can be read back, so its ink is
  // compared. The page lands PrintMargin in, as on the PDF printer, or at
  // the queue's printable edge where that lies further in.
  ExpectTurnedTextAndPictures(RenderedPdf(kept), kRenderPxPerMm, std::max<double>(kMargin, left),
                              std::max<double>(kMargin, top));
}

TEST_F(GalleryTest, PreviewPictureShowsTheGallery) {
  QImage page;
  int shown = 0;
  SetPreviewPageHandler([&](const QImage& image) {
    page = image;
    ++shown;
  });
  printGallery(kPdfPrinterName, 2);
  ASSERT_EQ(shown, 1);
  ASSERT_FALSE(page.isNull());
  page.save(QStringLiteral(RINGPAD_ARTEFACT_DIR "/primitives-gallery-preview.png"));

  const double pxPerMm = page.width() / 201.3;
  ExpectTurnedTextAndPictures(page, pxPerMm, 0, 0);

  // The fitted line keeps all its characters on one line, as on paper: it
  // reaches its limit at x 60 and nothing lies on the line below it.
  const GalleryWord fitted = GalleryFittedLine();
  const double fittedEm = 2 * (60 - fitted.x) / fitted.text.size();
  const InkBox fittedLine = FindInk(page, pxPerMm, 0, 0, fitted.x - 5, fitted.y - 0.5, 70, fitted.y + fittedEm);
  EXPECT_NEAR(fittedLine.x1, fitted.x, 0.5);
  EXPECT_NEAR(fittedLine.x2, 60, 0.5);
  EXPECT_EQ(FindInk(page, pxPerMm, 0, 0, fitted.x - 5, fitted.y + 1.2 * fittedEm, 70, fitted.y + 7).pixels, 0);

  // The red gradient fades from red to a pale tint.
  const double g4 = 20 + 7 * 7 + 1.5;
  const QColor start(page.pixel(int(31 * pxPerMm), int(g4 * pxPerMm)));
  const QColor end(page.pixel(int(109 * pxPerMm), int(g4 * pxPerMm)));
  EXPECT_GT(start.red(), 200);
  EXPECT_LT(start.green(), 40);
  EXPECT_GT(end.green(), start.green() + 100);
}

}  // namespace
