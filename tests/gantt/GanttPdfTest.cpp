// A Gantt chart through the PDF printer, read back as a user would see it.
// The PDF file stays in the artefact folder.
#include <QCheckBox>

#include "GanttTestSupport.h"
#include "PdfReadBack.h"

namespace {
const RecordedOp* RotatedTextOp(const std::vector<RecordedOp>& ops, const QString& text) {
  for (const RecordedOp& op : ops)
    if (op.kind == RecordedOp::RotatedText && op.text.trimmed() == text) return &op;
  return nullptr;
}

// Centre (sheet mm) of the dark pixels inside a window of a rendered page,
// along x (alongX) or along y.
double DarkCentre(const QImage& page, int dpi, double x1, double x2, double y1, double y2, bool alongX) {
  const double px = dpi / 25.4;
  double sum = 0, n = 0;
  for (int y = int(y1 * px); y <= int(y2 * px); ++y)
    for (int x = int(x1 * px); x <= int(x2 * px); ++x)
      if (page.valid(x, y) && qGray(page.pixel(x, y)) <= 128) sum += (alongX ? x : y) + 0.5, n += 1;
  return n == 0 ? -1 : sum / n / px;
}
}  // namespace

TEST_F(GanttTest, ProcessSampleOnThePdfPrinterMatchesTheRecordedPage) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  SetGanttPageDrawer({});
  GanttWindow& win = Open();
  win.Cmb_title->setCurrentIndex(5);
  emit win.Cmb_title->activated(5);
  win.Cmd_print_Click();
  const auto recorded = PrintedPages();
  ASSERT_EQ(recorded.size(), 1u);

  const QString pdf = UsePdfPrinter(QStringLiteral("process"));
  win.Cmd_print_Click();
  ASSERT_EQ(PdfPageCount(pdf), 1);
  const double margin = PaperSettings.PrintMargin;
  const auto words = PdfWords(pdf);
  for (const QString& text : {QStringLiteral("工程管理さんぷる"), QStringLiteral("項目"), QStringLiteral("担当"),
                              QStringLiteral("03"), QStringLiteral("04"), QStringLiteral("05")}) {
    const PdfWord word = FindWord(words, text);
    ASSERT_EQ(word.page, 1) << text.toStdString();
    // Upright text would be wider than tall; two digits turned are square.
    EXPECT_GE(word.yMaxMm - word.yMinMm, word.xMaxMm - word.xMinMm - 0.01) << text.toStdString();
    const RecordedOp* op = RotatedTextOp(recorded[0], text);
    ASSERT_NE(op, nullptr) << text.toStdString();
    // The text starts at its reference point and runs towards smaller y,
    // its glyphs on the larger-x side.
    EXPECT_NEAR(word.xMinMm, op->x1 + margin, 0.5) << text.toStdString();
    EXPECT_NEAR(word.yMaxMm, op->y1 + margin, 0.5) << text.toStdString();
  }

  constexpr int kDpi = 254;
  const QImage page = RenderPdfPage(pdf, 1, kDpi);
  ASSERT_FALSE(page.isNull());
  const double xT = win.TitleBlockHeight + PaperSettings.PageLeft;
  // The frame's corners at (xT, 4) and (88, 156): its edges near each corner.
  const double m = margin;
  EXPECT_NEAR(DarkCentre(page, kDpi, xT + m - 1, xT + m + 1, 10 + m, 11 + m, true), xT + m, 0.3);
  EXPECT_NEAR(DarkCentre(page, kDpi, 88 + m - 1, 88 + m + 1, 150 + m, 151 + m, true), 88 + m, 0.3);
  EXPECT_NEAR(DarkCentre(page, kDpi, xT + m + 0.5, xT + m + 1.5, 3 + m, 5 + m, false), 4 + m, 0.3);
  EXPECT_NEAR(DarkCentre(page, kDpi, 86 + m, 87 + m, 155 + m, 157 + m, false), 156 + m, 0.3);
}

TEST_F(GanttTest, PlanAndResultSampleWithSignOffAndRemarksOnThePdfPrinter) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  SetGanttPageDrawer({});
  GanttWindow& win = Open();
  win.Cmb_title->setCurrentIndex(2);
  emit win.Cmb_title->activated(2);
  win.txt_name->setText(QStringLiteral("山田"));
  win.chk_sign->setChecked(true);
  win.chk_biko->setChecked(true);
  win.chk_syuryouyotei->setChecked(true);
  win.txt_biko->setPlainText(QStringLiteral("全体の備考その一\n全体の備考その二"));
  const QString pdf = UsePdfPrinter(QStringLiteral("plan-result"));
  win.Cmd_print_Click();
  ASSERT_EQ(PdfPageCount(pdf), 3);  // 20 rows at 9 a page
  const auto words = PdfWords(pdf);
  for (const QString& text : {QStringLiteral("承認"), QStringLiteral("山田"), QStringLiteral("02/02/20"),
                              QStringLiteral("全体の備考その二"), QStringLiteral("遅れ気味")})
    EXPECT_EQ(FindWord(words, text).page, 1) << text.toStdString();
}
