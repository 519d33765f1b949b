#pragma once
// Small text routines the whole program shares.
#include <QString>
#include <QStringList>

// The line end of every file the program writes.
inline const QString kCrLf = QStringLiteral("\r\n");

// The text without leading and trailing half-width blanks (U+0020); the
// full-width blank and other white space are ordinary characters.
QString TrimBlanks(const QString& text);

// The text without its trailing half-width blanks (U+0020).
QString WithoutTrailingBlanks(const QString& text);

// The lines as file text: each one ended by kCrLf.
QString CrLfEndedLines(const QStringList& lines);

// Every occurrence of find replaced, left to right, case-sensitively; the
// inserted replacement is never searched again. An empty find changes nothing.
QString ReplaceAll(const QString& text, const QString& find, const QString& replacement);

// The text after prefix when the text begins with it, compared upper-cased;
// otherwise the one-character text of code 0 (see NoPrefixMatch), which keeps
// "no such prefix" apart from "prefix followed by nothing".
QString StripPrefixNoCase(const QString& text, const QString& prefix);
// The result of StripPrefixNoCase for a text without the prefix.
QString NoPrefixMatch();

// The pieces between the "/" characters, numbered from 0: always one more
// than there are slashes, empty pieces kept.
void SplitBySlash(const QString& text, QStringList& parts);
