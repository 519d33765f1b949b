#pragma once
// The main() of every test program, shared by the two kinds of program: those
// that build only models and drawings (a QGuiApplication) and those that open
// widgets (a QApplication). Include it from exactly one file of a program.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "core/platform/LeakCheck.h"

// The leak check's settings are compiled in, so they hold however the test
// program is started (ctest, by hand, a debugger). They must sit in the same
// file as main(): nothing else would pull them out of a static library.
//
// LeakSanitizer's scan of thread-local storage crashes at exit ("Tracer
// caught signal 11") after the PDF printer's font-heavy jobs; leaks are still
// found from every other root.
extern "C" const char* __lsan_default_options() { return "use_tls=0"; }

// Leaks inside system libraries that we cannot free ourselves.
extern "C" const char* __lsan_default_suppressions() { return kKnownSystemLeaks; }

// Runs every test of the program inside one application object, offscreen
// unless QT_QPA_PLATFORM says otherwise.
template <class Application>
int RunTestProgram(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  Application app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
