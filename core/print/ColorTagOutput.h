#pragma once
// The colour tags of table cells applied to the printing surface.
#include <QString>

// Removes the first colour tag found (TakeColorTag) and makes its colour the
// surface's fore colour (SetForeColor); prints nothing. Only one tag is
// handled per call, and a text without a tag leaves the colour as it is.
void ApplyColorTag(QString& text);
