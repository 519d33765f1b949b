#pragma once
// The widget-backed windows of every print job: the print dialog, the
// preview window, the user's place kept across them, and the busy state of
// a page window.

// Installs them for every print job (InstallPrintWindows); the program does
// at start-up, as do the tests and benchmarks.
void InstallWidgetPrintWindows();
