// Ruled pages through the PDF printer, read back as a user would see them.
// The PDF files stay in the artefact folder.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <optional>

#include "PdfReadBack.h"
#include "TestEnvironment.h"
#include "core/platform/FileDialog.h"
#include "core/print/BinderMarks.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "ruled_photo/GoBoard.h"
#include "ruled_photo/GridPaper.h"
#include "ruled_photo/ManuscriptPaper.h"
#include "ruled_photo/MinutesSheets.h"
#include "ruled_photo/RuledPaperDesigns.h"
#include "ruled_photo/RuledPaperOptions.h"
#include "ruled_photo/RuledPaperWindow.h"
#include "ruled_photo/RuledStaffPaper.h"

namespace {

constexpr int kDpi = 254;  // ten pixels to the millimetre

// Centre (sheet mm) of the dark pixels of a window of a rendered page, in y.
std::optional<double> DarkRowIn(const QImage& page, double x1, double x2, double y1, double y2) {
  const double px = kDpi / 25.4;
  double sum = 0, n = 0;
  for (int y = int(y1 * px); y <= int(y2 * px); ++y)
    for (int x = int(x1 * px); x <= int(x2 * px); ++x)
      if (page.valid(x, y) && qGray(page.pixel(x, y)) <= 128) sum += y + 0.5, n += 1;
  if (n == 0) return std::nullopt;
  return sum / n / px;
}

class RuledPdfTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
    SetProgramPaths(home() + QStringLiteral("ringpad"));
    PaperSettings = PaperSettingsData{};
    WriteDefaultSettings();
    LoadPaperSettings(0);
    CurrentLineColor = 0;
    SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{1, false, kPdfPrinterName}; });
  }
  void TearDown() override {
    window_.reset();
    SetPrintDialogHandler({});
    platform::SetFileDialogHandler({});
    SetCurrentPrinter(DefaultPrinterName());
    PaperSettings = PaperSettingsData{};
    RingpadTest::TearDown();
  }
  QString pdfNamed(const QString& name) {
    const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/ruled-%1.pdf").arg(name);
    QFile::remove(pdf);
    platform::SetFileDialogHandler([pdf](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
    return pdf;
  }
  RuledPaperWindow& open() {
    window_ = std::make_unique<RuledPaperWindow>();
    window_->Form_Load();
    return *window_;
  }
  double margin() const { return PaperSettings.PrintMargin; }

  std::unique_ptr<RuledPaperWindow> window_;
};

TEST_F(RuledPdfTest, BlankSheetsCarryOnlyTheCutLines) {
  RuledPaperWindow& w = open();
  w.Cmb_Type->setCurrentRow(kDesignBlank);
  ASSERT_EQ(w.Cmb_men->currentText(), QStringLiteral("A4片面"));
  w.Txt_maisu->setText(QStringLiteral("2"));
  ConfirmPrompts = 0;
  const QString pdf = pdfNamed(QStringLiteral("blank"));
  w.Cmd_print->click();
  ConfirmPrompts = 1;
  ASSERT_EQ(PdfPageCount(pdf), 2);

  // The same marks drawn straight onto a sheet.
  const QString reference = pdfNamed(QStringLiteral("blank-reference"));
  ASSERT_FALSE(ShowPrintDialog());
  SetPrinterScaleMode(6);
  BeginPage();
  DrawBinderMarks(kLeftBoundPages);
  FinishOutput();
  EndPrintDocument();
  const QImage expected = RenderPdfPage(reference, 1, kDpi);
  for (int page = 1; page <= 2; ++page) {
    const QImage sheet = RenderPdfPage(pdf, page, kDpi);
    ASSERT_FALSE(sheet.isNull());
    EXPECT_LT(DarkMismatch(sheet, {0, 0}, expected, {0, 0}, {210, 297}, kDpi), 0.01) << page;
    QImage white(sheet.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_GT(DarkMismatch(sheet, {0, 0}, white, {0, 0}, {210, 297}, kDpi), 0.5);
  }
  EXPECT_TRUE(PdfWords(pdf).empty());
}

TEST_F(RuledPdfTest, RuledPaperWithClassifierAndCheckGlyphs) {
  RuledPaperWindow& w = open();
  w.Cmb_Type->setCurrentRow(kDesignRuled);
  w.cmb_bunruisen[0]->setCurrentIndex(1);
  w.Chk_checkL->setChecked(true);
  const QString pdf = pdfNamed(QStringLiteral("ruled"));
  w.Cmd_print->click();
  ASSERT_EQ(PdfPageCount(pdf), 1);
  const QImage page = RenderPdfPage(pdf, 1, kDpi);
  const double m = margin();
  // The dotted rules, away from the glyphs and the classifier line.
  for (int k : {0, 1, 5, 12, 21}) {
    SCOPED_TRACE(k);
    const double y = 9 + 6.5 * k + m;
    const std::optional<double> centre = DarkRowIn(page, 50 + m, 80 + m, y - 1.5, y + 1.5);
    ASSERT_TRUE(centre.has_value());
    EXPECT_NEAR(*centre, y, 0.2);
  }
  EXPECT_FALSE(DarkRowIn(page, 50 + m, 80 + m, 9 + 6.5 * 22 + 1 + m, 155 + m).has_value());
  // The classifier line, between a rule and the glyph under it.
  const double classifier = DarkColumnCentreMm(page, kDpi, 9 + 6.5 * 4 + 0.3 + m, 9 + 6.5 * 4 + 1.3 + m);
  EXPECT_NEAR(classifier, 24 + m, 0.2);
  int glyphs = 0;
  for (const PdfWord& word : PdfWords(pdf))
    if (word.text == QStringLiteral("□")) {
      ++glyphs;
      EXPECT_NEAR(word.xMinMm, 24 + m + HalfCharWidthMm(PaperSettings.DataFontSize), 0.5);
    }
  EXPECT_EQ(glyphs, 22);
}

// Every page design of these drawers on a sheet of its own, for looking at.
TEST_F(RuledPdfTest, GalleryOfTheDesigns) {
  PaperSettings.TitleStyle = 1;
  const QString pdf = pdfNamed(QStringLiteral("gallery"));
  ASSERT_FALSE(ShowPrintDialog());
  SetPrinterScaleMode(6);
  const double l = PaperSettings.PageLeft, r = PaperSettings.PageWidth;
  const double S = GetScaleWidth();
  const double cl = S - PaperSettings.PageWidth + PaperSettings.PageLeft, cr = S - 0.2;
  int sheets = 0;
  auto sheet = [&](const std::function<void(RuledPaperOptions&, double, double)>& left,
                   const std::function<void(RuledPaperOptions&, double, double)>& right) {
    BeginPage();
    RuledPaperOptions a, b;
    a.Txt_Title = b.Txt_Title = QStringLiteral("見本");
    a.chk_hizuke_visible = b.chk_hizuke_visible = true;
    a.chk_hizuke = b.chk_hizuke = 1;
    left(a, l, r);
    right(b, cl, cr);
    FinishOutput();
    ++sheets;
  };
  sheet([](auto& o, double a, double b) { DrawGridPaper(o, QStringLiteral("H"), 5, 1, 1, a, b); },
        [](auto& o, double a, double b) { DrawGridPaper(o, QStringLiteral("D"), 5, 0, 1, a, b); });
  sheet([](auto& o, double a, double b) { DrawGridPaper(o, QStringLiteral("H2"), 3, 0, 1, a, b); },
        [](auto& o, double a, double b) {
          o.cmb_bunruisen[0] = 2;
          o.cmb_bunruisen[1] = 2;
          o.Chk_checkL = 1;
          DrawRuledPaper(o, 5, a, b);
        });
  sheet([](auto& o, double a, double b) {
          o.Chk_Tatekei = 1;
          DrawRuledPaper(o, 5, a, b);
        },
        [](auto& o, double a, double b) { DrawStaffPaper(o, a, b); });
  sheet([](auto& o, double a, double b) {
          o.chk_5yoko = 1;
          DrawStaffPaper(o, a, b);
        },
        [](auto& o, double a, double b) {
          o.Opt_genko_type = 0;
          DrawManuscriptPaper(o, a, b);
        });
  sheet([](auto& o, double a, double b) {
          o.Opt_genko_type = 1;
          DrawManuscriptPaper(o, a, b);
        },
        [](auto& o, double a, double b) { DrawManuscriptPaper(o, a, b); });
  sheet([](auto& o, double a, double b) { DrawGoBoard(o, a, b); },
        [](auto& o, double a, double b) {
          o.Opt_igo_masume = 2;
          DrawGoBoard(o, a, b);
        });
  sheet([](auto& o, double a, double b) { DrawMinutesSheet(o, 1, a, b); },
        [](auto& o, double a, double b) { DrawMinutesSheet(o, 2, a, b); });
  sheet([](auto& o, double a, double b) { DrawStickyNoteToDoSheet(o, a, b); },
        [](auto& o, double a, double b) {
          o.Opt_igo_masume = 1;
          DrawGoBoard(o, a, b);
        });
  EndPrintDocument();
  EXPECT_EQ(PdfPageCount(pdf), sheets);
}

}  // namespace
