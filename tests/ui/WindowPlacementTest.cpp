// Where the main window and the forms stand on the screen, counted with the
// frame a window manager draws around them: the main window comes back where
// the user left it, its title bar never above the screen, and every page
// window and form can reach all of its controls on a small screen.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QStyle>

#include "MainWindowFixture.h"
#include "core/ui/FindDialog.h"
#include "core/ui/PageRegistry.h"
#include "core/ui/PrinterSetupDialog.h"
#include "core/ui/ScreenArea.h"
#include "core/ui/SearchDialog.h"
#include "core/ui/SettingsForm.h"
#include "core/ui/Twips.h"

namespace {

// A title bar and thin borders, as the usual window managers draw them (the
// borders no thinner than the offscreen platform keeps its windows inside).
const QMargins kFrame(2, 20, 2, 2);

void WriteSettingsAt(const QString& path, const QPoint& corner) {
  WriteBytes(path, "[ringpad]\r\nVERSION=3.16.01\r\nX=" + QByteArray::number(PixelsToTwipsX(corner.x())) +
                       "\r\nY=" + QByteArray::number(PixelsToTwipsY(corner.y())) + "\r\nYOUSI=0\r\n");
}

// The window as the user sees it: its client area inside the test's frame.
QRect FramedRect(const QWidget& window) { return window.geometry().marginsAdded(kFrame); }

QString RectText(const QRect& r) {
  return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The visible controls of `page` that the user cannot bring into view: off
// the screen, or outside what the main window's page area shows when
// scrolled to its ends.
QStringList UnreachableControls(MainWindow& w, QWidget* page, const QRect& screen) {
  QStringList out;
  QWidget* viewport = w.mdiArea->viewport();
  const QScrollBar* h = w.mdiArea->horizontalScrollBar();
  const QScrollBar* v = w.mdiArea->verticalScrollBar();
  // The page area's whole content, in the viewport's present coordinates.
  const QRect content(h->minimum() - h->value(), v->minimum() - v->value(),
                      viewport->width() + h->maximum() - h->minimum(),
                      viewport->height() + v->maximum() - v->minimum());
  const QRect viewportOnScreen(viewport->mapTo(&w, QPoint(0, 0)) + w.geometry().topLeft(), viewport->size());
  if (!screen.contains(viewportOnScreen)) out << QStringLiteral("page area@") + RectText(viewportOnScreen);
  for (QWidget* control : page->findChildren<QWidget*>()) {
    if (!control->isVisibleTo(&w) || control->isWindow() || control->size().isEmpty()) continue;
    const QRect inViewport(control->mapTo(viewport, QPoint(0, 0)), control->size());
    if (!content.contains(inViewport)) out << control->objectName() + u'@' + RectText(inViewport);
  }
  return out;
}

// The visible controls of a form that lie off the screen.
QStringList ControlsOffScreen(QWidget& form, const QRect& screen) {
  QStringList out;
  if (!screen.contains(FramedRect(form))) out << QStringLiteral("frame@") + RectText(FramedRect(form));
  for (QWidget* control : form.findChildren<QWidget*>()) {
    if (!control->isVisibleTo(&form) || control->isWindow() || control->size().isEmpty()) continue;
    const QRect onScreen(control->mapTo(&form, QPoint(0, 0)) + form.geometry().topLeft(), control->size());
    if (!screen.contains(onScreen)) out << control->objectName() + u'@' + RectText(onScreen);
  }
  return out;
}

class WindowPlacementTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    SetWindowFrameOverride(kFrame);
  }
};

}  // namespace

TEST(FramePlacement, TheFrameStaysWhereItIsAndIsPulledOntoTheArea) {
  const QRect area(0, 0, 1366, 738);  // a panel below
  const QSize client(640, 420);
  struct Case {
    const char* what;
    QPoint wanted;
    QRect area;
    QRect frame;
  };
  const Case cases[] = {
      {"on the screen", {100, 50}, area, {100, 50, 644, 442}},
      {"at the corner", {0, 0}, area, {0, 0, 644, 442}},
      {"title bar above the screen", {100, -15}, area, {100, 0, 644, 442}},
      {"far above", {100, -5000}, area, {100, 0, 644, 442}},
      {"left of the screen", {-300, 50}, area, {0, 50, 644, 442}},
      {"right of every screen", {4000, 50}, area, {1366 - 644, 50, 644, 442}},
      {"below the screen", {100, 700}, area, {100, 738 - 442, 644, 442}},
      {"second screen", {1500, 100}, QRect(1366, 0, 1920, 1050), {1500, 100, 644, 442}},
      {"left of the second screen", {0, 100}, QRect(1366, 0, 1920, 1050), {1366, 100, 644, 442}},
      {"larger than the screen", {10, 10}, QRect(0, 0, 600, 400), {0, 0, 600, 400}},
  };
  for (const Case& c : cases) EXPECT_EQ(FramePlacement(c.wanted, client, kFrame, c.area), c.frame) << c.what;
  // Without a frame the client area is the frame.
  EXPECT_EQ(FramePlacement({5, 6}, client, QMargins(), area), QRect(QPoint(5, 6), client));
}

TEST_F(WindowPlacementTest, TenStartsAndQuitsLeaveTheWindowWhereTheUserPutIt) {
  const QPoint corner(210, 130);
  WriteSettingsAt(homeFile("ringpad.ini"), QPoint(40, 40));
  for (int start = 0; start < 10; ++start) {
    MainWindow& w = Start();
    QCoreApplication::processEvents();
    if (start == 0) {
      // The user moves the window by its title bar.
      w.move(corner + QPoint(kFrame.left(), kFrame.top()) - (w.geometry().topLeft() - w.pos()));
    }
    EXPECT_EQ(FramedRect(w).topLeft(), corner) << "start " << start;
    w.mnu_End_Click();
    EXPECT_EQ(endRequests, start + 1);
  }
}

TEST_F(WindowPlacementTest, ASavedPositionOffTheScreenBringsTheTitleBarBack) {
  const QRect screen(0, 0, 1366, 738);
  SetScreenAreaOverride(screen);
  for (const QPoint saved : {QPoint(100, -15), QPoint(100, -3000), QPoint(-900, 200), QPoint(5000, 5000)}) {
    WriteSettingsAt(homeFile("ringpad.ini"), saved);
    MainWindow& w = Start();
    QCoreApplication::processEvents();
    EXPECT_TRUE(screen.contains(FramedRect(w)))
        << saved.x() << "," << saved.y() << ": " << RectText(FramedRect(w)).toStdString();
  }
}

TEST_F(WindowPlacementTest, TheFirstStartShowsTheTitleBarWhileTheVersionBoxIsUp) {
  const QRect screen(0, 0, 960, 540);
  SetScreenAreaOverride(screen);
  QRect framedWhileBoxUp;
  platform::SetMessageHandler([&](const platform::MessageRequest&) {
    if (CurrentMainWindow()) framedWhileBoxUp = FramedRect(*CurrentMainWindow());
    return platform::MsgResult::Ok;
  });
  Start();
  EXPECT_TRUE(screen.contains(framedWhileBoxUp)) << RectText(framedWhileBoxUp).toStdString();
}

// Every page window, on a screen of 1024 by 600 with a window manager's
// frame: the main window stays on the screen and every control of the page
// is in view or scrolled to. On the screens the pages are made for, nothing
// scrolls.
TEST_F(WindowPlacementTest, EveryPageReachesAllItsControlsOnASmallScreen) {
  for (const QRect screen : {QRect(0, 0, 1024, 600), QRect(0, 0, 960, 540)}) {
    SetScreenAreaOverride(screen);
    for (const QString& kind : RegisteredPageKinds()) {
      // Each page alone, as the user meets it on a first choice.
      WriteSettingsAt(homeFile("ringpad.ini"), QPoint(30, 30));
      MainWindow& w = Start();
      w.mdiArea->closeAllSubWindows();
      QCoreApplication::processEvents();
      PageWindow* page = w.LoadPageWindow(kind);
      ASSERT_NE(page, nullptr) << kind.toStdString();
      QCoreApplication::processEvents();
      EXPECT_TRUE(screen.contains(FramedRect(w))) << kind.toStdString() << " " << RectText(FramedRect(w)).toStdString();
      EXPECT_EQ(UnreachableControls(w, page, screen), QStringList()) << kind.toStdString() << " " << screen.width();
      // A page that is only too tall scrolls one way: the window makes room
      // for the scroll bar beside it where the screen has it.
      const int scrollBar = w.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, w.mdiArea);
      const int widthNeeded = w.mdiArea->currentSubWindow()->width() + 2 * w.mdiArea->frameWidth() + scrollBar +
                              kFrame.left() + kFrame.right();
      if (widthNeeded <= screen.width())
        EXPECT_FALSE(w.mdiArea->horizontalScrollBar()->isVisible()) << kind.toStdString() << " " << screen.width();
    }
  }
}

TEST_F(WindowPlacementTest, PagesThatFitTheScreenDoNotScroll) {
  const QRect screen(0, 0, 1920, 1050);
  SetScreenAreaOverride(screen);
  MainWindow& w = Start();
  for (const QString& kind : RegisteredPageKinds()) {
    ASSERT_NE(w.LoadPageWindow(kind), nullptr);
    QCoreApplication::processEvents();
    EXPECT_FALSE(w.mdiArea->verticalScrollBar()->isVisible()) << kind.toStdString();
    EXPECT_FALSE(w.mdiArea->horizontalScrollBar()->isVisible()) << kind.toStdString();
    EXPECT_TRUE(screen.contains(FramedRect(w))) << kind.toStdString();
  }
}

// Every form opened over the main window, however tall the page has made
// it, lies whole on the screen with its title bar.
TEST_F(WindowPlacementTest, EveryFormFitsTheScreen) {
  for (const QRect screen : {QRect(0, 0, 1366, 768), QRect(0, 0, 1024, 600)}) {
    SetScreenAreaOverride(screen);
    WriteSettingsAt(homeFile("ringpad.ini"), QPoint(0, 0));
    MainWindow& w = Start({QStringLiteral("/T:")});
    // The tallest page makes the main window as tall as the screen allows.
    w.LoadPageWindow(QStringLiteral("tel"));
    QCoreApplication::processEvents();
    SettingsForm settings(&w);
    PrinterSetupDialog printer({QStringLiteral("PDF"), {}}, &w);
    FindDialog find(&w);
    SearchDialog search(&w);
    for (QDialog* form : std::initializer_list<QDialog*>{&settings, &printer, &find, &search}) {
      form->show();
      QCoreApplication::processEvents();
      EXPECT_EQ(ControlsOffScreen(*form, screen), QStringList())
          << form->windowTitle().toStdString() << " " << screen.width();
      form->hide();
    }
  }
}
