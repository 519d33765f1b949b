#pragma once
// The memo body's reflow and the memo file's keyword search, without a
// window.
#include <QList>
#include <QString>
#include <QStringList>

#include "MemoFile.h"

namespace memo {

// Rebreaks the text (lines ended by CR LF) into lines of at most
// charsPerLine Shift-JIS bytes: trailing blanks go from every line, a line
// is cut after the piece reaches the width (a full-width character that
// crosses it stays on the line), shorter lines stay. A text without a final
// line break gets none. A width of 0 or less cuts after every character.
QString ReflowText(const QString& text, int charsPerLine);

// The first line, numbered from 1, at or after startLine whose upper-cased
// text holds the upper-cased key as plain text; 0 when none does.
int FindLine(const QStringList& lines, const QString& key, int startLine);

// The index item that holds line h: the last item starting at or before
// it, and the last item when none before it qualifies; -1 for no items.
int ItemOfLine(const QList<MemoIndexItem>& index, int h);

// The text of the help message of the memo page.
QString MemoHelpText(const QString& defaultFontName, const QString& memoFilePath, const QString& moreHelpLine);

}  // namespace memo
