// A menu on the bar looks as Qt's own while its window is disabled and once
// it is enabled again, without its title changing and the bar measuring it.
#include <gtest/gtest.h>

#include <QEvent>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <memory>

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

std::unique_ptr<QMainWindow> WindowWithMenus(bool ours) {
  auto window = std::make_unique<QMainWindow>();
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

}  // namespace
