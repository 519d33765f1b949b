// Test programs of the models and drawings: no widget is ever built, so Qt's
// GUI application serves and the program needs no widget library.
#include <QGuiApplication>

#include "TestMain.h"

int main(int argc, char** argv) { return RunTestProgram<QGuiApplication>(argc, argv); }
