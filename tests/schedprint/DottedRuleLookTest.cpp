// A dotted rule is drawn as one line in a dotted pen; on paper it must look
// like the row of single dots and small circles it stands for.
#include "PdfReadBack.h"
#include "SchedulePrintKit.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"

namespace {

constexpr int kDpi = 300;

class DottedRuleLookTest : public SchedulePrintTest {};

TEST_F(DottedRuleLookTest, OneLineLooksLikeItsDots) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  const QString pdf = usePdfPrinter(QStringLiteral("schedprint-dotted-rules"));
  ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  SetPrinterScaleMode(kScaleMillimetres);
  BeginPage();
  // Each row: the old drawing, dot by dot, on the left; the dotted line of
  // the same rule on the right.
  struct Row {
    int16_t lineType;
    double pitch, radius;  // radius 0: points
    int width;
  } rows[] = {{0, 0.4, 0, 1}, {1, 0.4, 0, 2}, {2, 1.0, 0.1, 1}};
  for (size_t r = 0; r < std::size(rows); ++r) {
    const Row& row = rows[r];
    PaperSettings.LineType = row.lineType;
    for (int line = 0; line < 5; ++line) {
      const double y = 20 + 60 * double(r) + 10 * line;
      SetDrawWidth(row.width);
      for (double x = 10; x <= 90 + 1e-6; x += row.pitch) {
        if (row.radius > 0) DrawCircle(x, y, row.radius, 0);
        else PlotPoint(x, y, 0);
      }
      DrawStyledLine(-1, 110, y, 190, y, 0);
      // A vertical rule as well.
      DrawStyledLine(-1, 100, y - 4, 100, y + 4, 0);
    }
  }
  PaperSettings.LineType = 0;
  FinishOutput();
  EndPrintDocument();
  const QImage page = RenderPdfPage(pdf, 1, kDpi);
  ASSERT_FALSE(page.isNull());
  for (size_t r = 0; r < std::size(rows); ++r) {
    SCOPED_TRACE(testing::Message() << "line type " << rows[r].lineType);
    const double top = 15 + 60 * double(r);
    const QSizeF band(82, 50);
    EXPECT_LT(DarkMismatch(page, {9, top}, page, {109, top}, band, kDpi), 0.02);
    EXPECT_LT(DarkMismatch(page, {109, top}, page, {9, top}, band, kDpi), 0.02);
    // The rule is dotted, not solid: a good share of its length stays white.
    const double margin = PaperSettings.PrintMargin;
    const int y = int(std::lround((20 + 60 * double(r) + margin) * kDpi / 25.4));
    int dark = 0, all = 0;
    for (int x = int((120 + margin) * kDpi / 25.4); x < int((180 + margin) * kDpi / 25.4); ++x, ++all)
      for (int dy = -2; dy <= 2; ++dy)
        if (qGray(page.pixel(x, y + dy)) < 128) {
          ++dark;
          break;
        }
    EXPECT_GT(dark, all / 20);
    EXPECT_LT(dark, all * 3 / 4);
  }
}

}  // namespace
