#pragma once
// A multi-line value kept on one line of a CSV file: each inner line break is
// written as the two characters backslash and lower-case n.
#include <QString>

// Trailing line breaks dropped, inner CR LF pairs written as "\n" (a lone CR
// or LF stays), trailing "\n" dropped, quotes doubled: ready to be written
// between double quotes as one field.
QString EscapeCsvField(const QString& text);

// Back to a multi-line text: trailing "\n" dropped, "\n" to CR LF, trailing
// CR LF dropped, each doubled quote to one.
QString UnescapeCsvField(const QString& text);

// The same value shown on one line: "\n" becomes a blank, trailing blanks go.
QString UnescapeListField(const QString& text);
