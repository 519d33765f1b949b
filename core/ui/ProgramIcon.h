#pragma once
// The program's own icon: a refill page with its punched holes, a coloured
// head and ruled lines. The main window and every page window show it in
// their title bars.
#include <QIcon>

QIcon ProgramIcon();

// Makes the program icon every window's icon. Call once, after the
// QApplication is made and before the first window.
void UseProgramIcon();
