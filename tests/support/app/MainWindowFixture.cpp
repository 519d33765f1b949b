#include "MainWindowFixture.h"

#include <gtest/gtest.h>
#include "MenuPath.h"

#include <QAction>
#include <QCoreApplication>
#include <QImage>

#include "app/RegisterPages.h"
#include "charts/windows/GanttWindow.h"
#include "core/platform/FileDialog.h"
#include "core/platform/ProgramExit.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "core/settings/Ini.h"
#include "core/platform/Shell.h"
#include "core/ui/ScreenArea.h"
#include "core/ui/ShowSettingsForm.h"

void MainWindowTest::SetUp() {
  RingpadTest::SetUp();
  // A screen large enough for every page window, whatever the offscreen
  // platform reports; tests of small screens set their own.
  SetScreenAreaOverride(QRect(0, 0, 1920, 1080));
  RegisterAllPages();
  platform::SetEndProgramHandler([this](int) { ++endRequests; });
  SetSettingsFormHandler([this](SettingsForm&) { ++settingsFormShown; });
  platform::SetShellHandler([this](const platform::ShellAction& action) {
    if (action.kind == platform::ShellActionKind::OpenUrl && action.url.isLocalFile())
      openedDocuments << action.url.toLocalFile();
    else
      shellActions.push_back(action);
  });
}

void MainWindowTest::TearDown() {
  window_.reset();
  // The Gantt window keeps its file for the run; the next test's program
  // folder does not hold it.
  GanttWindow::CurrentGanttFile.clear();
  SetScreenAreaOverride(std::nullopt);
  platform::SetEndProgramHandler({});
  SetSettingsFormHandler({});
  platform::SetShellHandler({});
  platform::SetFileDialogHandler({});
  SetPrintDialogHandler({});
  SetPreviewPageHandler({});
  CurrentPrintJob().previewMode = 0;
  PaperSettings = PaperSettingsData{};
  RingpadTest::TearDown();
}

MainWindow& MainWindowTest::Start(const QStringList& arguments, const QString& exeName) {
  window_.reset();
  window_ = std::make_unique<MainWindow>(StartupArgs{home() + exeName, arguments});
  window_->MDIForm_Load();
  // The program's event loop then takes its first turn, which does what
  // start-up held back.
  QCoreApplication::sendPostedEvents(window_.get(), QEvent::MetaCall);
  return *window_;
}

void MainWindowTest::choose(const QString& menu, const QString& item) {
  QAction* action = MenuItemByText(*window_, menu, item);
  ASSERT_NE(action, nullptr) << menu.toStdString() << " > " << item.toStdString();
  ASSERT_TRUE(action->isEnabled()) << item.toStdString();
  action->trigger();
}

QStringList MainWindowTest::PreviewSteps(QWidget& pageWindow, const std::function<void()>& press) {
  SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{2, true, std::nullopt}; });
  QStringList steps;
  size_t promptsSeen = 0;
  const auto notePrompts = [&] {
    while (promptsSeen < messages().shown().size()) steps << QStringLiteral("prompt"), ++promptsSeen;
  };
  SetPreviewPageHandler([&](const QImage& page) {
    notePrompts();
    steps << (page.isNull() ? QStringLiteral("empty page") : QStringLiteral("page"));
    EXPECT_FALSE(pageWindow.isEnabled());
  });
  press();
  notePrompts();
  SetPreviewPageHandler({});
  return steps;
}

QStringList MainWindowTest::VisibleFileCaptions() {
  QStringList captions;
  for (int i = 0; i < kFileItemCount; ++i) {
    QAction* item = window_->FileItemAction(static_cast<FileItem>(i));
    if (item->isVisible()) captions << item->text();
  }
  return captions;
}

QStringList MainWindowTest::GreyedPageItems() {
  QStringList names;
  for (const char* name : PageItemNames()) {
    auto* item = window_->findChild<QAction*>(QString::fromLatin1(name));
    // A hidden item reports itself disabled as well; only shown ones count.
    if (item && item->isVisible() && !item->isEnabled()) names << item->objectName();
  }
  return names;
}

QString MainWindowTest::ActivePageKind() {
  PageWindow* active = window_->ActivePageWindow();
  if (!active) return QString();
  for (const char* kind : {"action", "memo", "table", "yotei", "tel", "picture", "yousi", "tree", "gant", "csv"})
    if (window_->LoadedPageWindow(QString::fromLatin1(kind)) == active) return QString::fromLatin1(kind);
  return QStringLiteral("?");
}

QString MainWindowTest::Ini(const QString& key) { return GetIniValue(QString(), key); }
