#include "PrintWindowSetup.h"

#include <QWidget>

#include "MainWindow.h"
#include "PreviewWindow.h"
#include "PrintDialog.h"
#include "core/platform/WorkPlace.h"
#include "core/print/PrintSeams.h"

void InstallWidgetPrintWindows() {
  PrintWindows windows;
  windows.printDialog = [] { PrintDialog::Run(); };
  // The preview window shows the preview picture itself, page by page. It
  // is made when the first preview asks for it, as a window of the main
  // window where there is one.
  windows.previewPage = [](const QImage&) {
    MainWindow* form = CurrentMainWindow();
    (form ? form->LoadPreviewWindow() : PreviewWindow::Instance()).exec();
  };
  windows.modalStep = [](const std::function<void()>& step) {
    const platform::KeepWorkPlace place;
    step();
  };
  windows.busyWindow = [](QWidget* window, bool busy) { window->setEnabled(!busy); };
  InstallPrintWindows(std::move(windows));
}
