#include "PlatformWindows.h"

#include <QWidget>

#include "FileDialogWindow.h"
#include "MessageBoxWindow.h"
#include "WorkPlaceFocus.h"
#include "core/platform/AvailableScreen.h"

void InstallPlatformWindows() {
  platform::UseMessageBoxWindow(platform::ShowMessageBoxWindow);
  platform::UseFileDialogWindow(platform::ShowFileDialogWindow);
  platform::InstallWorkPlaceFocus();
  UseWidgetScreenLookup([](const QWidget* widget) { return widget->screen(); });
}
