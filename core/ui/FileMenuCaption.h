#pragma once
// The caption that a File item of the main window shows right now. Page
// windows title their file dialogs with it, so a dialog names the command
// the user chose from the menu.
#include <QString>

#include "PageKinds.h"

// The item's current caption; "" when no main window exists (a page window
// opened on its own, as in tests).
QString FileMenuCaption(FileItem item);
