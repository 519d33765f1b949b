// Test programs that build widgets. Those of the ui and app layers also start
// each test from the dialog defaults of the program's windows.
#include <QApplication>

#include "TestMain.h"
#ifdef RINGPAD_TEST_UI_DEFAULTS
#include "UiTestDefaults.h"
#endif

int main(int argc, char** argv) {
#ifdef RINGPAD_TEST_UI_DEFAULTS
  UseUiTestDefaults();
#endif
  return RunTestProgram<QApplication>(argc, argv);
}
