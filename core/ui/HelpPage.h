#pragma once
// The program's own help page, shipped inside the program so that the help
// items never point at a file that is not there.
#include <QString>

// The whole page as HTML (UTF-8 when written).
QString HelpPageHtml();

// "ホームページ表示": opens the help with the desktop's viewer; where no
// desktop launcher is present or it fails, says where the help file is, so
// that the user can open it by hand.
void ShowHelpDocument();

// The closing line of every page window's help box: where the rest of the
// help is, by the path of the file that exists (the installed README, else
// the page written into the program folder) and the menu item that opens
// it. No full stop of its own: each box ends its lines its own way.
QString MoreHelpLine();
