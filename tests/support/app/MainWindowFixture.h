#pragma once
#include <vector>

#include "core/platform/Shell.h"
// Starts the real main window offscreen in the test's own program folder,
// with the program's end, the settings form and the document viewer
// recorded instead of run.
#include <QStringList>
#include <functional>
#include <memory>

#include "TestEnvironment.h"
#include "core/ui/PageKinds.h"
#include "core/ui/MainWindow.h"

class MainWindowTest : public RingpadTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Builds the main window for argv[0] = <program folder>/<exeName> and the
  // arguments, and runs its load step.
  MainWindow& Start(const QStringList& arguments = {}, const QString& exeName = QStringLiteral("ringpad"));
  MainWindow& window() { return *window_; }

  // Chooses a menu item as the user reads it; fails the test when it is
  // missing or greyed out.
  void choose(const QString& menu, const QString& item);

  // A new user's first step: the program started, its first-run version box
  // put away, and the menu item chosen; the page window it made active (null
  // when that is no window of this type).
  template <class PageWindowType>
  PageWindowType* StartAndOpen(const QString& menu, const QString& item) {
    Start();
    messages().clear();
    choose(menu, item);
    return qobject_cast<PageWindowType*>(window().ActivePageWindow());
  }

  // Prints to the preview through `press`, answering OK on every page and
  // every paper prompt; returns what the user saw in order ("page",
  // "empty page", "prompt"). The page window must stay locked meanwhile.
  QStringList PreviewSteps(QWidget& pageWindow, const std::function<void()>& press);

  // Caption of each visible File item, in menu order.
  QStringList VisibleFileCaptions();
  // Names of the page items that are greyed.
  QStringList GreyedPageItems();
  // The page keyword of the active page window ("" for none).
  QString ActivePageKind();

  // A settings value of the program section.
  QString Ini(const QString& key);

  int endRequests = 0;
  int settingsFormShown = 0;
  QStringList openedDocuments;
  std::vector<platform::ShellAction> shellActions;

 private:
  std::unique_ptr<MainWindow> window_;
};
