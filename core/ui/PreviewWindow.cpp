#include "PreviewWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "PreviewPage.h"
#include "core/platform/AvailableScreen.h"
#include "core/platform/MessageBox.h"
#include "core/platform/ProgramExit.h"
#include "core/platform/ScreenCursor.h"
#include "core/print/PreviewImageSurface.h"
#include "core/print/PreviewLayout.h"
#include "core/print/PrintJob.h"
#include "core/settings/PaperSettings.h"

namespace {
PreviewWindow* instance = nullptr;

// Room for the window system's frame before it has framed the window once.
constexpr int kFrameAllowancePx = 8;
constexpr int kTitleAllowancePx = 32;
// The viewport never shrinks below this, however small the screen.
constexpr int kLeastViewportPx = 120;

QFrame* MakeShape(QWidget* parent, const QColor& colour) {
  auto* shape = new QFrame(parent);
  shape->setFrameShape(QFrame::Box);
  shape->setLineWidth(1);
  shape->setAttribute(Qt::WA_TransparentForMouseEvents);
  QPalette palette = shape->palette();
  palette.setColor(QPalette::WindowText, colour);
  shape->setPalette(palette);
  shape->hide();
  return shape;
}
}  // namespace

PreviewWindow::PreviewWindow(QWidget* parent) : QDialog(parent) {
  instance = this;
  setWindowTitle(QStringLiteral("プレビュー"));
  setModal(true);
  const QScreen* screen = QGuiApplication::primaryScreen();
  pxPerMm_ = (screen ? screen->logicalDotsPerInchX() : 96.0) / 25.4;

  Pic2 = new QWidget(this);
  Pic2->setFixedSize(mmToPx(preview::kViewportWidthMm), mmToPx(preview::kViewportHeightMm));
  Pic2->setAutoFillBackground(true);
  Pic1 = new PreviewPage(Pic2);
  Shape1 = MakeShape(Pic1, Qt::blue);
  for (int i = 0; i < 2; ++i) {
    Shape2[i] = MakeShape(Pic1, Qt::red);
    const QRectF& mark = preview::kPostcardMarks[i];
    placeMm(Shape2[i], mark.x(), mark.y(), mark.width(), mark.height());
  }
  VScroll1 = new QScrollBar(Qt::Vertical, this);
  HScroll1 = new QScrollBar(Qt::Horizontal, this);
  Chk_waku = new QCheckBox(QStringLiteral("枠ガイド表示"), this);
  Chk_waku->setChecked(true);
  Cmd_ok = new QPushButton(QStringLiteral("OK"), this);
  cmd_end = new QPushButton(QStringLiteral("ソフト強制終了"), this);
  pic_onepoint = new QLabel(this);
  pic_onepoint->hide();
  Picture1 = new QLabel(this);
  Picture1->setFixedSize(23, 23);

  auto* grid = new QGridLayout;
  grid->setSpacing(0);
  grid->addWidget(Pic2, 0, 0);
  grid->addWidget(VScroll1, 0, 1);
  grid->addWidget(HScroll1, 1, 0);
  auto* controls = new QHBoxLayout;
  controls->addWidget(Picture1);
  controls->addWidget(Chk_waku);
  controls->addStretch();
  controls->addWidget(cmd_end);
  controls->addWidget(Cmd_ok);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(controls);

  connect(Chk_waku, &QCheckBox::stateChanged, this, [this] { Chk_waku_Click(); });
  connect(Cmd_ok, &QPushButton::clicked, this, [this] { Cmd_ok_Click(); });
  connect(cmd_end, &QPushButton::clicked, this, [this] { cmd_end_Click(); });
  connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
  connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
  Form_Load();
}

PreviewWindow::~PreviewWindow() {
  if (instance == this) instance = nullptr;
}

PreviewWindow& PreviewWindow::Instance() {
  if (!instance) new PreviewWindow();
  return *instance;
}

int PreviewWindow::mmToPx(double mm) const { return int(std::lround(mm * pxPerMm_)); }

void PreviewWindow::placeMm(QWidget* widget, double x, double y, double w, double h) {
  widget->setGeometry(mmToPx(x), mmToPx(y), mmToPx(w), mmToPx(h));
}

void PreviewWindow::Form_Load() {
  fitToScreen();
  const QRect area = AvailableScreenArea(this);
  const QSize outer = frameGeometry().size();
  move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

// The viewport keeps its millimetres where the screen has room for them; on
// a smaller screen, or at a large scale factor, it shrinks so that the whole
// window with its OK button stays on the screen, and the page picture
// scrolls within it instead.
void PreviewWindow::fitToScreen() {
  const QSize full(mmToPx(preview::kViewportWidthMm), mmToPx(preview::kViewportHeightMm));
  Pic2->setFixedSize(full);
  layout()->activate();
  const QSize chrome = sizeHint() - full;
  // The window system's frame is known once it framed the window; until
  // then a title bar and thin borders are allowed for.
  QSize frame = frameGeometry().size() - geometry().size();
  if (!isVisible() && frame.isEmpty()) frame = QSize(kFrameAllowancePx, kTitleAllowancePx + kFrameAllowancePx);
  const QRect area = AvailableScreenArea(this);
  const QSize room = area.size() - chrome - frame;
  Pic2->setFixedSize(full.boundedTo(room).expandedTo(QSize(kLeastViewportPx, kLeastViewportPx)));
  fitPicture();
  // The window's least size follows the viewport only once the layout has
  // taken the new size in.
  layout()->activate();
  resize(sizeHint());
  const QRect outer = frameGeometry();
  if (!area.contains(outer)) {
    const int x = std::clamp(outer.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width()));
    const int y = std::clamp(outer.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height()));
    move(x, y);
  }
}

// The page picture and the scroll ranges take the shape of the picture the
// job drew: a landscape page is wider than the viewport and scrolls sideways.
void PreviewWindow::fitPicture() {
  const QSizeF picture = PreviewImage().pictureSizeMm();
  placeMm(Pic1, 0, 0, picture.width(), picture.height());
  // The viewport in millimetres as it is now shown: its own size, or what
  // is left of it on a small screen.
  const auto shownMm = [this](double mm, int px) { return px < mmToPx(mm) ? px / pxPerMm_ : mm; };
  const double viewWidthMm = shownMm(preview::kViewportWidthMm, Pic2->width());
  const double viewHeightMm = shownMm(preview::kViewportHeightMm, Pic2->height());
  const preview::ScrollSetup v = preview::VerticalScroll(picture.height(), viewHeightMm);
  VScroll1->setRange(0, std::max(0, v.maximum));
  VScroll1->setEnabled(v.enabled);
  VScroll1->setPageStep(v.largeChange);
  VScroll1->setSingleStep(v.smallChange);
  const preview::ScrollSetup h = preview::HorizontalScroll(picture.width(), viewWidthMm);
  HScroll1->setRange(0, std::max(0, h.maximum));
  HScroll1->setEnabled(h.enabled);
  HScroll1->setPageStep(h.largeChange);
  HScroll1->setSingleStep(h.smallChange);
  // Placing the picture put it at the top-left; the bars keep their place.
  HScroll1_Change();
  VScroll1_Change();
}

void PreviewWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Form_Activate();
}

void PreviewWindow::Form_Activate() {
  platform::SetDefaultCursor();
  fitToScreen();
  Pic1->update();
  ShowOutlineGuide(Chk_waku->isChecked() ? 1 : 0);
}

void PreviewWindow::Chk_waku_Click() { ShowOutlineGuide(Chk_waku->isChecked() ? 1 : 0); }

void PreviewWindow::ShowOutlineGuide(int flag) {
  const PaperSettingsData& paper = PaperSettings;
  const preview::OutlineGuide guide = preview::ComputeOutlineGuide(
      CurrentPrintJob().previewOutlineKind, flag, paper.PageWidth, paper.PageHeight, paper.PrintMargin, guideSize_);
  guideSize_ = guide.size;
  placeMm(Shape1, 0, 0, guide.size.width(), guide.size.height());
  for (QFrame* mark : Shape2) mark->setVisible(guide.marksVisible);
  Shape1->setVisible(guide.visible);
}

void PreviewWindow::Cmd_ok_Click() {
  platform::SetHourglassCursor();
  hide();
}

void PreviewWindow::cmd_end_Click() {
  platform::MessageRequest request;
  request.text = QStringLiteral("ソフトを強制終了します。");
  request.buttons = platform::MsgButtons::OkCancel;
  request.defaultButton = 2;
  if (platform::ShowMessage(request) != platform::MsgResult::Ok) return;
  platform::EndProgram(0);  // at once: nothing is saved, no window is asked
}

void PreviewWindow::VScroll1_Change() { Pic1->move(Pic1->x(), -mmToPx(VScroll1->value())); }
void PreviewWindow::HScroll1_Change() { Pic1->move(-mmToPx(HScroll1->value()), Pic1->y()); }

// The window must stay loaded for the rest of the run, so closing it only
// lets the job go on, as OK does.
void PreviewWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  Cmd_ok_Click();
}

void PreviewWindow::reject() { Cmd_ok_Click(); }
