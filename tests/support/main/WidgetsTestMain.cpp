// Test programs that build widgets. Those of the ui and app layers also start
// each test from the dialog defaults of the program's windows.
#include <QApplication>

#include "TestMain.h"
#ifdef RINGPAD_TEST_UI_DEFAULTS
#include "UiTestDefaults.h"
#include "core/printer/QtPrinterSystem.h"
#include "core/ui/PrintWindowSetup.h"
#endif

int main(int argc, char** argv) {
#ifdef RINGPAD_TEST_UI_DEFAULTS
  UseUiTestDefaults();
  // Print jobs reach the printers and their windows as in the program.
  InstallQtPrinterSystem();
  InstallWidgetPrintWindows();
#endif
  return RunTestProgram<QApplication>(argc, argv);
}
