// One QApplication for every test program, offscreen, as the windows need it.
#include <gtest/gtest.h>

#include <QApplication>

#include "core/printer/QtPrinterSystem.h"
#include "core/ui/PrintWindowSetup.h"

// The leak check's settings are compiled in, so they hold however the test
// program is started (ctest, by hand, a debugger).
//
// LeakSanitizer's scan of thread-local storage crashes at exit ("Tracer
// caught signal 11") after the PDF printer's font-heavy jobs; leaks are still
// found from every other root.
extern "C" const char* __lsan_default_options() { return "use_tls=0"; }

// Leaks inside system libraries that we cannot free ourselves. Qt itself is
// not listed: a leak of ours through a Qt object must show.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\n"
         "leak:libglib\n"
         "leak:libdbus\n"
         "leak:libcups\n"
         // The dynamic loader's lists of loaded plugins, reached only from
         // thread-local storage, which the leak check does not scan here.
         "leak:_dl_map_object_deps\n"
         "leak:dl_open_worker\n";
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  // Print jobs reach the printers and their windows as in the program.
  InstallQtPrinterSystem();
  InstallWidgetPrintWindows();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
