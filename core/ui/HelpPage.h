#pragma once
// The program's own help page, shipped inside the program so that the help
// items never point at a file that is not there.
#include <QString>

// The whole page as HTML (UTF-8 when written).
QString HelpPageHtml();
