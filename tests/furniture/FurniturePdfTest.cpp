// A person's check of the page furniture: sheets of the bible, A5, mini and
// four-fold sizes printed through the PDF printer with frame, header, footer
// and binder marks. The PDF files stay in the artefact folder; the test reads
// them back and finds the cut lines and holes where the sizes put them.
#include <QDir>
#include <QFile>
#include <QPainter>
#include <optional>

#include "PdfReadBack.h"
#include "FurnitureTest.h"
#include "core/platform/FileDialog.h"
#include "core/print/BinderMarks.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/PaperSettings.h"

namespace {

constexpr int kDpi = 254;        // ten pixels to the millimetre
constexpr double kMarginMm = 3;  // the printable area starts 3 mm inside the sheet
// A hairline lands on the next pixel of the rendered page.
constexpr double kToleranceMm = 0.15;
constexpr int32_t kLightBlue = 0xF5E6D2;  // RGB(210, 230, 245)

struct Page {
  double left, right;
  QString title, footer;
};

class FurniturePdfTest : public FurnitureTest {
 protected:
  void SetUp() override {
    FurnitureTest::SetUp();
    useRealSurfaces();
    if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils (pdftoppm, pdftotext) are not installed";
    SetPrintDialogHandler(
        [](const PrintDialogView&) { return PrintDialogAnswer{1, false, kPdfPrinterName}; });
  }
  void TearDown() override {
    SetPrintDialogHandler({});
    platform::SetFileDialogHandler({});
    SetCurrentPrinter(DefaultPrinterName());
    FurnitureTest::TearDown();
  }

  // Prints one sheet side with its pages and binder marks; returns the PDF.
  QString printSheet(const QString& name, bool landscape, const std::vector<Page>& pages, int16_t layout) {
    const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/furniture-%1.pdf").arg(name);
    QFile::remove(pdf);
    platform::SetFileDialogHandler(
        [pdf](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
    EXPECT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
    if (landscape) SetPrinterOrientation(kLandscape);
    SetPrinterScaleMode(kScaleMillimetres);
    BeginPage();
    CurrentPrintJob().previewOutlineKind = 0;
    for (const Page& page : pages) {
      DrawPageFrame(page.left, page.right);
      DrawPageHeader(page.title, page.left, page.right);
      DrawPageFooter(page.footer, page.left, page.right);
    }
    DrawBinderMarks(layout);
    FinishOutput();
    EndPrintDocument();
    EXPECT_EQ(PdfPageCount(pdf), 1);
    page_ = RenderPdfPage(pdf, 1, kDpi);
    EXPECT_FALSE(page_.isNull());
    return pdf;
  }

  // Centre of the dark pixels in a window given in printable-area mm, as
  // printable-area mm; nothing when the window holds none.
  std::optional<QPointF> darkCentre(double x1, double y1, double x2, double y2) const {
    const double px = kDpi / 25.4;
    double sx = 0, sy = 0, n = 0;
    for (int y = int((y1 + kMarginMm) * px); y <= int((y2 + kMarginMm) * px); ++y)
      for (int x = int((x1 + kMarginMm) * px); x <= int((x2 + kMarginMm) * px); ++x)
        if (page_.valid(x, y) && qGray(page_.pixel(x, y)) <= 128) {
          sx += x + 0.5;
          sy += y + 0.5;
          n += 1;
        }
    if (n == 0) return std::nullopt;
    return QPointF(sx / n / px - kMarginMm, sy / n / px - kMarginMm);
  }
  void expectVerticalLine(double x, double y1, double y2) {
    SCOPED_TRACE("vertical cut line at x " + std::to_string(x));
    const auto c = darkCentre(x - 1.5, y1, x + 1.5, y2);
    ASSERT_TRUE(c.has_value());
    EXPECT_NEAR(c->x(), x, kToleranceMm);
  }
  void expectHorizontalLine(double y, double x1, double x2) {
    SCOPED_TRACE("horizontal cut line at y " + std::to_string(y));
    const auto c = darkCentre(x1, y - 1.5, x2, y + 1.5);
    ASSERT_TRUE(c.has_value());
    EXPECT_NEAR(c->y(), y, kToleranceMm);
  }
  void expectHole(double x, double y, double radius) {
    SCOPED_TRACE("hole at " + std::to_string(x) + ", " + std::to_string(y));
    const double reach = radius + 1;
    const auto c = darkCentre(x - reach, y - reach, x + reach, y + reach);
    ASSERT_TRUE(c.has_value());
    EXPECT_NEAR(c->x(), x, kToleranceMm);
    EXPECT_NEAR(c->y(), y, kToleranceMm);
    // an outline, not a disc
    EXPECT_FALSE(darkCentre(x - radius / 3, y - radius / 3, x + radius / 3, y + radius / 3).has_value());
  }
  void expectNothing(double x1, double y1, double x2, double y2) {
    EXPECT_FALSE(darkCentre(x1, y1, x2, y2).has_value()) << x1 << ", " << y1 << " - " << x2 << ", " << y2;
  }
  // Both pages' holes of a size with a hole pattern, in the facing layout.
  void expectFacingHoles(double leftCut, double rightCut) {
    const HolePattern holes = HolePatternOf(PaperSettings.PaperIndex);
    ASSERT_FALSE(holes.centres.empty());
    for (float y : holes.centres) {
      expectHole(leftCut - holes.distance, y - PaperSettings.PrintMargin, holes.radius);
      expectHole(rightCut + holes.distance, y - PaperSettings.PrintMargin, holes.radius);
    }
  }
  // Two pages at the side edges of the sheet, as the drivers place them.
  std::vector<Page> facingPages(const QString& name) {
    const double width = PaperSettings.PageWidth - PaperSettings.PageLeft;
    const double sheet = GetScaleWidth();
    return {{0, width, name + QStringLiteral(" 裏"), QStringLiteral("p.2")},
            {sheet - width, sheet, name + QStringLiteral(" 表"), QStringLiteral("p.1")}};
  }

  QImage page_;
};

TEST_F(FurniturePdfTest, BibleSheetWithBlankPage) {
  loadSize(0);
  PaperSettings.BackingSheetStyle = 3;
  PaperSettings.BackingSheetColor = kLightBlue;
  PaperSettings.TitleStyle = 1;
  const QString pdf = printSheet(QStringLiteral("bible"), false, facingPages(QStringLiteral("BIBLE")), 0);
  const double sw = 210 - 2 * kMarginMm - 0.5;  // GetScaleWidth of the A4 sheet
  const double leftCut = 91, rightCut = sw - 91;
  expectVerticalLine(leftCut, 95, 105);
  expectVerticalLine(rightCut, 95, 105);
  expectHorizontalLine(167, 20, 30);
  expectHorizontalLine(167, 180, 190);
  expectFacingHoles(leftCut, rightCut);
  // the centre ticks, on the bound edges
  EXPECT_NEAR(darkCentre(89.5, 80, 90.7, 84)->y(), 82, kToleranceMm);
  EXPECT_NEAR(darkCentre(rightCut + 0.3, 80, rightCut + 1.5, 84)->y(), 82, kToleranceMm);
  // the blank page turned sideways below
  expectVerticalLine(167, 200, 210);
  expectHorizontalLine(262, 50, 60);
  for (double x : {145, 126, 107, 57, 38, 19}) expectHole(x, 173, 2.5);
  // the header title with its leading blank, and the footer text under the rule
  const PdfWord title = FindWord(PdfWords(pdf), QStringLiteral("BIBLE"));
  ASSERT_EQ(title.page, 1);
  EXPECT_NEAR(title.xMinMm - kMarginMm, 12 / 5.67, 0.5);
  const PdfWord footer = FindWord(PdfWords(pdf), QStringLiteral("p.2"));
  ASSERT_EQ(footer.page, 1);
  EXPECT_NEAR(footer.xMinMm - kMarginMm, 0, 0.5);
  EXPECT_GE(footer.yMinMm - kMarginMm, 156 - 0.05);  // hangs from the rule
}

TEST_F(FurniturePdfTest, A5PageHasTicksButNoCutLines) {
  loadSize(6);  // W 140, H 187
  PaperSettings.BackingSheetStyle = 2;
  PaperSettings.BackingSheetColor = kLightBlue;
  PaperSettings.TitleStyle = 8;
  printSheet(QStringLiteral("a5"), false,
             {{double(PaperSettings.PageLeft), double(PaperSettings.PageWidth),
               QStringLiteral("A5 枠線(中央)"), QStringLiteral("2024/05/01")}},
             0);
  EXPECT_NEAR(darkCentre(141.5, 90, 142.7, 94)->y(), 92, kToleranceMm);
  expectNothing(142.5, 100, 143.5, 110);  // no cut line at W + 3
  expectNothing(2, 185.5, 10, 188.5);     // none along the bottom
}

TEST_F(FurniturePdfTest, MiniSheetWithDecorationsAndMiddlePage) {
  QDir().mkpath(homeFile(QStringLiteral("pic")));
  QImage wide(200, 100, QImage::Format_RGB32);
  wide.fill(QColor(255, 240, 200));
  QPainter painter(&wide);
  painter.setBrush(QColor(240, 150, 60));
  painter.drawEllipse(QPoint(100, 100), 60, 60);
  painter.end();
  ASSERT_TRUE(wide.save(homeFile(QStringLiteral("pic/sun.bmp")), "BMP"));
  WriteBitmap(homeFile(QStringLiteral("pic/tree.BMP")), 60, 120, Qt::darkGreen);

  loadSize(2);  // W 57, H 102
  PaperSettings.BackingSheetStyle = 4;
  PaperSettings.TitleStyle = 4;
  printSheet(QStringLiteral("mini"), false, facingPages(QStringLiteral("MINI")), 0);
  const double sw = 210 - 2 * kMarginMm - 0.5;
  const double leftCut = 60, rightCut = sw - 60;
  expectVerticalLine(leftCut, 40, 45);
  expectVerticalLine(rightCut, 40, 45);
  expectHorizontalLine(102, 20, 30);
  expectFacingHoles(leftCut, rightCut);
  // the tall tree on the first page: a quarter of the page at its right edge,
  // standing on the footer line
  const auto tree = darkCentre(0, 50, 51, 91);
  ASSERT_TRUE(tree.has_value());
  // (the centre of a picture's ink, not of its box: a little looser)
  EXPECT_NEAR(tree->x(), 51 - 12.75 / 2, 2 * kToleranceMm);
  EXPECT_NEAR(tree->y(), 91 - 25.5 / 2, 2 * kToleranceMm);
  // the blank mini page in the middle of the sheet, with its holes
  const double g = (sw - 63) / 2;
  expectVerticalLine(g, 40, 45);
  expectVerticalLine(g + 63, 40, 45);
  expectHorizontalLine(102, g + 20, g + 30);
  for (int y : {14, 33, 52, 71, 90}) expectHole(g + 4, y - 3, 1.5);
}

TEST_F(FurniturePdfTest, FourFoldSizeFoldedInTwo) {
  loadSize(15);  // W 72, H 197
  PaperSettings.BackingSheetStyle = 1;
  PaperSettings.BackingSheetColor = kLightBlue;
  PaperSettings.TitleStyle = 10;
  PaperSettings.HeadLineColor = 1;  // the gradient rule
  const double left = PaperSettings.PageLeft, right = PaperSettings.PageWidth;
  printSheet(QStringLiteral("four-fold"), true,
             {{left, right, QStringLiteral("超整理 1"), QStringLiteral("p.1")},
              {right + 2, 2 * right - left + 2, QStringLiteral("超整理 2"), QStringLiteral("p.2")}},
             5);
  expectVerticalLine(73, 100, 110);
  expectVerticalLine(149, 100, 110);
  expectHorizontalLine(197, 147, 148.3);
  expectNothing(160, 0, 280, 204);  // nothing right of the two pages
}

}  // namespace
