#pragma once
// The windows behind the platform layer's seams: Qt's message box and file
// dialog, the keeping of the user's place among the page windows, and the
// screen a widget is on. InitApplication installs them first thing; a program
// that never starts the windows keeps the platform layer's plain defaults.
void InstallPlatformWindows();
