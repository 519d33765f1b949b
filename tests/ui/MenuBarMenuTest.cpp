// A menu on the bar looks as Qt's own while its window is disabled and once
// it is enabled again, without its title changing and the bar measuring it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <memory>
#include <vector>

#include "core/ui/MenuBarMenu.h"

namespace {

class ActionChanges : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ActionChanged) ++count;
    return QObject::eventFilter(watched, event);
  }
  int count = 0;
};

std::unique_ptr<QMainWindow> WindowWithMenus(bool ours, bool ourBar = false) {
  auto window = std::make_unique<QMainWindow>();
  if (ourBar) window->setMenuBar(new FrameMenuBar(window.get()));
  QMenuBar* bar = window->menuBar();
  for (const QString& title : {QStringLiteral("ﾌｧｲﾙ(&F)"), QStringLiteral("専用用紙(&S)")}) {
    QMenu* menu = ours ? new MenuBarMenu(title, bar) : new QMenu(title, bar);
    menu->addAction(QStringLiteral("新規"));
    bar->addMenu(menu);
  }
  bar->addAction(QStringLiteral("Todo(&A)"));
  window->resize(400, 200);
  window->show();
  return window;
}

TEST(MenuBarMenuTest, TitlesLookAsQtsWhileTheWindowIsDisabledAndAfter) {
  const std::unique_ptr<QMainWindow> qt = WindowWithMenus(false);
  const std::unique_ptr<QMainWindow> ours = WindowWithMenus(true);
  ActionChanges changes;
  ours->menuBar()->installEventFilter(&changes);
  for (const bool enabled : {false, true, false, true}) {
    SCOPED_TRACE(enabled);
    qt->setEnabled(enabled);
    ours->setEnabled(enabled);
    EXPECT_EQ(ours->menuBar()->grab().toImage(), qt->menuBar()->grab().toImage());
  }
  EXPECT_EQ(changes.count, 0);
}

// The main window's bar, which skips Qt's laying out again on every show and
// on a resize that leaves room for every caption, still lays out what
// changed, shown or hidden: captions, width, or both, and a narrow bar that
// hides captions shows them again once it is wide enough.
TEST(MenuBarMenuTest, FrameBarLaysOutWhatChanged) {
  struct Change {
    const char* what;
    bool hidden;
    bool caption;
    std::vector<int> widths;
  } changes[] = {
      {"caption while hidden", true, true, {400}},
      {"narrower while hidden", true, false, {150}},
      {"wider while hidden", true, false, {500}},
      {"both while hidden", true, true, {180}},
      {"narrower and wider again", false, false, {150, 120, 500}},
      {"caption then wider", false, true, {180, 190, 600}},
  };
  for (const Change& c : changes) {
    SCOPED_TRACE(c.what);
    const std::unique_ptr<QMainWindow> qt = WindowWithMenus(true, false);
    const std::unique_ptr<QMainWindow> ours = WindowWithMenus(true, true);
    for (QMainWindow* window : {qt.get(), ours.get()}) {
      if (c.hidden) window->hide();
      if (c.caption) window->menuBar()->actions().constLast()->setText(QStringLiteral("とても長い見出しの項目(&A)"));
      for (int width : c.widths) {
        window->resize(width, 200);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
      }
      window->show();
    }
    const QList<QAction*> qtItems = qt->menuBar()->actions();
    const QList<QAction*> ourItems = ours->menuBar()->actions();
    ASSERT_EQ(ourItems.size(), qtItems.size());
    for (qsizetype i = 0; i < qtItems.size(); ++i)
      EXPECT_EQ(ours->menuBar()->actionGeometry(ourItems[i]), qt->menuBar()->actionGeometry(qtItems[i])) << i;
    EXPECT_EQ(ours->menuBar()->grab().toImage(), qt->menuBar()->grab().toImage());
  }
}

}  // namespace
