// The preview picture and the preview window: A4 proportions in millimetres,
// the outline guides, scrolling, OK and the forced end.
#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "PdfReadBack.h"
#include "PrintTestSupport.h"
#include "core/platform/AvailableScreen.h"
#include "core/platform/FileDialog.h"
#include "core/platform/ProgramExit.h"
#include "core/print/JobPaper.h"
#include "core/print/PreviewImageSurface.h"
#include "core/print/PreviewLayout.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/PaperSettings.h"
#include "core/ui/PreviewPage.h"
#include "core/ui/PreviewWindow.h"

namespace {

class PreviewWindowTest : public PrintTest {
 protected:
  void SetUp() override {
    PrintTest::SetUp();
    useRealSurfaces();
    // A screen with room for the viewport's own millimetres, whatever the
    // offscreen platform reports; the small-screen test sets its own.
    SetScreenAreaOverride(QRect(0, 0, 1920, 1080));
  }
  void TearDown() override {
    SetScreenAreaOverride(std::nullopt);
    PrintTest::TearDown();
  }
};

bool IsDark(const QImage& image, double xMm, double yMm) {
  const double pxPerMm = image.width() / preview::kPictureWidthMm;
  return qGray(image.pixel(int(xMm * pxPerMm), int(yMm * pxPerMm))) < 128;
}

TEST_F(PreviewWindowTest, PreviewPictureIsA4InMillimetres) {
  PreviewImageSurface picture(96);
  const QImage& image = picture.image();
  EXPECT_EQ(image.width(), 761);  // 201.3 mm at 96 dpi
  EXPECT_NEAR(double(image.height()) / image.width(), 297.0 / 210.0, 0.002);
  EXPECT_FLOAT_EQ(picture.scaleWidth(), 201.3f);
  EXPECT_NEAR(picture.scaleHeight(), 284.7, 0.05);
  EXPECT_FLOAT_EQ(picture.twipsPerPixelX(), 15);
}

// At 200 % the picture holds twice the pixels each way, drawn in the same
// millimetres: a one-pixel dot is a crisp 2 × 2 block, not a blurred pixel.
TEST_F(PreviewWindowTest, HiDpiPictureHasTwiceThePixelsAndTheSameMillimetres) {
  PreviewImageSurface normal(96, 1);
  PreviewImageSurface sharp(96, 2);
  EXPECT_EQ(sharp.image().size(), normal.image().size() * 2);
  EXPECT_EQ(sharp.image().devicePixelRatio(), 2);
  EXPECT_EQ(sharp.image().deviceIndependentSize(), QSizeF(normal.image().size()));
  EXPECT_FLOAT_EQ(sharp.scaleWidth(), normal.scaleWidth());
  EXPECT_FLOAT_EQ(sharp.twipsPerPixelX(), 15) << "the screen's logical twips per pixel";

  for (PreviewImageSurface* picture : {&normal, &sharp}) {
    picture->beginPage();
    picture->setDrawWidth(1);
    picture->point(50, 50, 0);
    picture->box(20, 30, 120, 230, 0, false);
    picture->setFontName(QStringLiteral("ＭＳ ゴシック"));
    picture->setFontSize(6);
    picture->setCurrentX(20);
    picture->setCurrentY(240);
    picture->print(QStringLiteral("2026/12 ページ 7"), false);
    EXPECT_NEAR(picture->currentX(), 20 + 16 * HalfCharWidthMm(6), 0.05) << "the same advance";
  }
  const QImage& image = sharp.image();
  image.save(QStringLiteral(RINGPAD_ARTEFACT_DIR "/preview-dpr2.png"));
  normal.image().save(QStringLiteral(RINGPAD_ARTEFACT_DIR "/preview-dpr1.png"));
  const QPoint dot = QPointF(50 * 96 / 25.4, 50 * 96 / 25.4).toPoint() * 2;
  int dark = 0;
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx) dark += qGray(image.pixel(dot + QPoint(dx, dy))) < 128;
  EXPECT_EQ(dark, 4);
  EXPECT_TRUE(IsDark(image, 20, 100));
  EXPECT_TRUE(IsDark(image, 70, 30));
  EXPECT_FALSE(IsDark(image, 70, 100));
}

TEST_F(PreviewWindowTest, PageDrawnInPreviewLandsAtItsMillimetres) {
  CurrentPrintJob().previewMode = 1;
  BeginPage();
  SetDrawWidth(3);
  ActiveSurface().box(20, 30, 120, 230, 0, false);
  ActiveSurface().box(150, 250, 160, 260, 0xFF, true);  // red, filled
  SetFontName(QStringLiteral("ＭＳ ゴシック"));
  SetFontSize(12);
  SetCurrentX(40);
  SetCurrentY(60);
  ActiveSurface().print(QStringLiteral("ABCD"), false);
  // The fixed-pitch face advances exactly as the layout model counts.
  EXPECT_NEAR(GetCurrentX(), 40 + 4 * HalfCharWidthMm(12), 0.05);
  const QImage image = PreviewImage().image();
  EXPECT_TRUE(IsDark(image, 20, 100));
  EXPECT_TRUE(IsDark(image, 120, 100));
  EXPECT_TRUE(IsDark(image, 70, 30));
  EXPECT_FALSE(IsDark(image, 70, 100));
  const double pxPerMm = image.width() / preview::kPictureWidthMm;
  EXPECT_EQ(QColor(image.pixel(int(155 * pxPerMm), int(255 * pxPerMm))), QColor(Qt::red));
  bool textInked = false;
  for (double x = 40.2; x < 47 && !textInked; x += 0.2)
    for (double y = 60.5; y < 64 && !textInked; y += 0.2) textInked = IsDark(image, x, y);
  EXPECT_TRUE(textInked);

  BeginPage();  // clears the picture
  EXPECT_FALSE(IsDark(PreviewImage().image(), 20, 100));
}

// A landscape page with its marks beyond the portrait width and height's
// reach: a rule at 270 mm across and one 190 mm down.
void DrawLandscapeMarks() {
  SetDrawWidth(3);
  ActiveSurface().line(270, 20, 270, 180, 0);
  ActiveSurface().line(100, 190, 200, 190, 0);
}

// One landscape page through the job protocol, previewed or printed.
void RunLandscapeJob() {
  SetPrinterScaleMode(kScaleMillimetres);
  SetPrinterOrientation(kLandscape);
  BeginPage();
  DrawLandscapeMarks();
  CurrentPrintJob().pageUsed = 1;
  FinishOutput();
  EndPrintDocument();
}

int PictureDpi(const QImage& image) { return int(std::lround(image.dotsPerMeterX() * 0.0254)); }

// The preview of a landscape job is the turned sheet, its marks where the
// PDF printer puts them (there PrintMargin further from the sheet's edge).
TEST_F(PreviewWindowTest, LandscapeJobPreviewsOnTheTurnedSheetWhereThePdfPutsIt) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  QImage picture;
  float previewWidth = 0;
  SetPreviewPageHandler([&](const QImage& image) {
    picture = image;
    previewWidth = GetScaleWidth();
  });
  answerDialog({2});
  ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  RunLandscapeJob();
  ASSERT_FALSE(picture.isNull());
  picture.save(QStringLiteral(RINGPAD_ARTEFACT_DIR "/preview-landscape.png"));
  EXPECT_GT(picture.width(), picture.height());
  EXPECT_NEAR(double(picture.width()) / picture.height(), 297.0 / 210.0, 0.003);
  EXPECT_NEAR(previewWidth, 284.7 - 0.5, 0.05) << "the job measures the turned picture";
  const int dpi = PictureDpi(picture);
  const double previewRule = DarkColumnCentreMm(picture, dpi, 40, 160);
  const double previewBase = DarkRowCentreMm(picture, dpi, 120, 180);

  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/preview-landscape-reference.pdf");
  QFile::remove(pdf);
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  answerDialog({1, false, kPdfPrinterName});
  ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  RunLandscapeJob();
  platform::SetFileDialogHandler({});
  const std::vector<PdfPageSize> sizes = PdfPageSizes(pdf);
  ASSERT_EQ(sizes.size(), 1u);
  EXPECT_GT(sizes[0].widthMm, sizes[0].heightMm);
  const QImage page = RenderPdfPage(pdf, 1, 254);
  const double margin = PaperSettings.PrintMargin;
  EXPECT_NEAR(previewRule, 270, 0.5);
  EXPECT_NEAR(DarkColumnCentreMm(page, 254, 40 + margin, 160 + margin) - margin, previewRule, 0.5);
  EXPECT_NEAR(previewBase, 190, 0.5);
  EXPECT_NEAR(DarkRowCentreMm(page, 254, 120 + margin, 180 + margin) - margin, previewBase, 0.5);

  // The next portrait job previews upright again.
  answerDialog({2});
  ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  BeginPage();
  CurrentPrintJob().pageUsed = 1;
  FinishOutput();
  EndPrintDocument();
  EXPECT_LT(picture.width(), picture.height());
}

// A landscape job left without its end does not turn the next job's preview.
TEST_F(PreviewWindowTest, NextJobPreviewsUprightAfterAnUnfinishedLandscapeJob) {
  answerDialog({2});
  ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  SetPrinterOrientation(kLandscape);
  BeginPage();
  EXPECT_GT(PreviewImage().image().width(), PreviewImage().image().height());
  answerDialog({2});
  ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  BeginPage();
  EXPECT_LT(PreviewImage().image().width(), PreviewImage().image().height());
  EXPECT_NEAR(GetScaleWidth(), 201.3 - 0.5, 0.05);
}

TEST(PreviewLayoutTest, OutlineGuideByKind) {
  const QSizeF last(50, 60);
  const struct {
    int kind, flag;
    QSizeF size;
    bool visible, marks;
  } cases[] = {
      {1, 1, {91, 167}, true, false},  {1, 0, {91, 167}, false, false},
      {10, 0, {97, 144}, true, true},  {10, 1, {97, 144}, true, true},
      {0, 1, last, false, false},      {5, 1, last, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind * 10 + c.flag);
    const preview::OutlineGuide guide = preview::ComputeOutlineGuide(c.kind, c.flag, 88, 167, 3, last);
    EXPECT_EQ(guide.size, c.size);
    EXPECT_EQ(guide.visible, c.visible);
    EXPECT_EQ(guide.marksVisible, c.marks);
  }
}

TEST(PreviewLayoutTest, ScrollRanges) {
  const preview::ScrollSetup v = preview::VerticalScroll(preview::PictureHeightMm(201.3), 136.3);
  EXPECT_EQ(v.maximum, 148);
  EXPECT_TRUE(v.enabled);
  EXPECT_EQ(v.largeChange, 74);
  EXPECT_EQ(v.smallChange, 37);
  const preview::ScrollSetup h = preview::HorizontalScroll(201.3, 202.4);
  EXPECT_FALSE(h.enabled);
  EXPECT_EQ(h.largeChange, 20);
  EXPECT_EQ(h.smallChange, 5);
}

TEST_F(PreviewWindowTest, WindowShowsTheGuidesAndScrolls) {
  PaperSettings.PageWidth = 88;
  PaperSettings.PageHeight = 167;
  PaperSettings.PrintMargin = 3;
  PreviewWindow window;
  EXPECT_EQ(window.windowTitle(), QStringLiteral("プレビュー"));
  EXPECT_TRUE(window.Chk_waku->isChecked());
  EXPECT_EQ(window.Chk_waku->text(), QStringLiteral("枠ガイド表示"));
  EXPECT_EQ(window.cmd_end->text(), QStringLiteral("ソフト強制終了"));
  EXPECT_EQ(window.Pic1->width(), window.mmToPx(201.3));
  EXPECT_NEAR(double(window.Pic1->height()) / window.Pic1->width(), 297.0 / 210.0, 0.003);
  EXPECT_FALSE(window.HScroll1->isEnabled());
  EXPECT_TRUE(window.VScroll1->isEnabled());
  EXPECT_EQ(window.VScroll1->maximum(), 148);

  CurrentPrintJob().previewOutlineKind = 1;
  window.Form_Activate();
  EXPECT_FALSE(window.Shape1->isHidden());
  EXPECT_EQ(window.Shape1->size(), QSize(window.mmToPx(91), window.mmToPx(167)));
  EXPECT_EQ(window.Shape1->pos(), QPoint(0, 0));
  window.Chk_waku->setChecked(false);
  EXPECT_TRUE(window.Shape1->isHidden());

  CurrentPrintJob().previewOutlineKind = 10;
  window.Form_Activate();
  EXPECT_FALSE(window.Shape1->isHidden());
  EXPECT_EQ(window.Shape1->size(), QSize(window.mmToPx(97), window.mmToPx(144)));
  EXPECT_FALSE(window.Shape2[0]->isHidden());
  EXPECT_FALSE(window.Shape2[1]->isHidden());
  EXPECT_EQ(window.Shape2[1]->geometry(),
            QRect(window.mmToPx(11.1), window.mmToPx(10.3), window.mmToPx(18.5), window.mmToPx(20.1)));

  CurrentPrintJob().previewOutlineKind = 0;
  window.Chk_waku->setChecked(true);
  EXPECT_TRUE(window.Shape1->isHidden());
  EXPECT_TRUE(window.Shape2[0]->isHidden());

  window.VScroll1->setValue(40);
  EXPECT_EQ(window.Pic1->y(), -window.mmToPx(40));
}

// The window takes the shape of the page it shows: a landscape page scrolls
// sideways, and the scroll bars keep the picture where they say.
TEST_F(PreviewWindowTest, WindowFollowsALandscapePicture) {
  PreviewWindow window;
  CurrentPrintJob().previewMode = 1;
  SetPrinterOrientation(kLandscape);
  BeginPage();
  window.Form_Activate();
  EXPECT_EQ(window.Pic1->width(), window.mmToPx(284.7));
  EXPECT_EQ(window.Pic1->height(), window.mmToPx(201.3));
  EXPECT_TRUE(window.HScroll1->isEnabled());
  EXPECT_EQ(window.HScroll1->maximum(), 82);  // 284.7 − 202.4
  EXPECT_EQ(window.VScroll1->maximum(), 65);  // 201.3 − 136.3
  window.HScroll1->setValue(30);
  EXPECT_EQ(window.Pic1->x(), -window.mmToPx(30));

  EndPrintDocument();
  BeginPage();
  window.Form_Activate();
  EXPECT_EQ(window.Pic1->width(), window.mmToPx(201.3));
  EXPECT_FALSE(window.HScroll1->isEnabled());
  EXPECT_EQ(window.Pic1->x(), 0);
  EXPECT_EQ(window.VScroll1->maximum(), 148);
}

// The preview shows the sheet the job prints on: two Ａ５ pages across go on
// A4 turned, so the picture is turned and scrolls sideways to the right
// page, which an upright picture cut off; two bible pages fit A4 upright and
// preview upright.
TEST_F(PreviewWindowTest, APreviewShowsThePaperAndTurnThePrintTakes) {
  PaperSettings.PrintMargin = 3;
  PaperSettings.PageLeft = 12;
  PaperSettings.PageWidth = 140;
  PaperSettings.PageHeight = 187;
  PreviewWindow window;
  answerDialog({2, std::nullopt, kPdfPrinterName});
  ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  SetPrinterScaleMode(kScaleMillimetres);
  SetLaidOutSideWidthMm(TwoPagesAcrossWidthMm(0));
  const JobPaper paper = PaperForJob(kPdfPrinterName, kPortrait);
  EXPECT_TRUE(paper.size.isEquivalentTo(QPageSize(QPageSize::A4)));
  EXPECT_EQ(paper.orientation, QPageLayout::Landscape);
  EXPECT_NEAR(GetScaleWidth(), 284.7 - 0.5, 0.05) << "the right page is placed on the turned sheet";
  BeginPage();
  window.Form_Activate();
  EXPECT_EQ(window.Pic1->width(), window.mmToPx(284.7));
  EXPECT_EQ(window.Pic1->height(), window.mmToPx(201.3));
  EXPECT_TRUE(window.HScroll1->isEnabled());
  window.HScroll1->setValue(window.HScroll1->maximum());
  EXPECT_NEAR(window.Pic1->x() + window.Pic1->width(), window.Pic2->width(), window.mmToPx(1))
      << "scrolled right, the sheet's right edge shows";
  EndPrintDocument();

  PaperSettings.PageLeft = 8;
  PaperSettings.PageWidth = 88;
  PaperSettings.PageHeight = 167;
  answerDialog({2, std::nullopt, kPdfPrinterName});
  ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  SetLaidOutSideWidthMm(TwoPagesAcrossWidthMm(0));
  BeginPage();
  window.Form_Activate();
  EXPECT_EQ(window.Pic1->width(), window.mmToPx(201.3));
  EXPECT_FALSE(window.HScroll1->isEnabled());
  EndPrintDocument();
}

// On a screen too small for the viewport's millimetres (a small laptop, or a
// large scale factor) the whole window, OK button included, stays on the
// screen and the page picture scrolls both ways inside a smaller viewport.
TEST_F(PreviewWindowTest, WindowStaysWithinASmallScreen) {
  const QRect screens[] = {QRect(0, 0, 640, 400), QRect(100, 30, 960, 510), QRect(0, 0, 1366, 738)};
  for (const QRect& area : screens) {
    SetScreenAreaOverride(area);
    PreviewWindow window;
    window.show();
    window.Form_Activate();
    const std::string at = QStringLiteral("%1x%2").arg(area.width()).arg(area.height()).toStdString();
    EXPECT_TRUE(area.contains(window.frameGeometry())) << at;
    EXPECT_TRUE(area.contains(window.Cmd_ok->mapToGlobal(window.Cmd_ok->rect().bottomRight()))) << at;
    EXPECT_EQ(window.Pic1->width(), window.mmToPx(201.3)) << "the picture keeps its millimetres " << at;
    const bool narrow = window.Pic2->width() < window.Pic1->width();
    EXPECT_EQ(window.HScroll1->isEnabled(), narrow) << at;
    // Scrolled to the end, the picture's last millimetres show.
    window.VScroll1->setValue(window.VScroll1->maximum());
    EXPECT_LE(window.Pic1->y() + window.Pic1->height(), window.Pic2->height() + window.mmToPx(1)) << at;
    EXPECT_GE(window.Pic1->y() + window.Pic1->height(), window.Pic2->height() - window.mmToPx(1)) << at;
  }
}

TEST_F(PreviewWindowTest, ForcedEndAsksFirst) {
  int ended = 0;
  platform::SetEndProgramHandler([&](int) { ++ended; });
  PreviewWindow window;
  messages().answer(platform::MsgResult::Cancel);
  window.cmd_end_Click();
  EXPECT_EQ(ended, 0);
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(messages().shown()[0].text, QStringLiteral("ソフトを強制終了します。"));
  EXPECT_EQ(messages().shown()[0].buttons, platform::MsgButtons::OkCancel);
  EXPECT_EQ(messages().shown()[0].defaultButton, 2);
  messages().answer(platform::MsgResult::Ok);
  window.cmd_end_Click();
  EXPECT_EQ(ended, 1);
  platform::SetEndProgramHandler({});
}

TEST_F(PreviewWindowTest, FinishOutputShowsTheWindowUntilOk) {
  SetPreviewPageHandler({});
  PreviewWindow& window = PreviewWindow::Instance();
  CurrentPrintJob().previewMode = 1;
  BeginPage();
  CurrentPrintJob().pageUsed = 1;
  bool shown = false;
  QTimer::singleShot(0, [&] {
    shown = window.isVisible();
    window.Cmd_ok->click();
  });
  FinishOutput();
  EXPECT_TRUE(shown);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
