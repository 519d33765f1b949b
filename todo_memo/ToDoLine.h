#pragma once
// One line of a to-do file: the status mark, the importance letter (a blank
// for none, then D, C, B, A), the item text led by its level blanks, and
// after a TAB the item's date "yyyy/mm/dd" (lines written elsewhere may
// carry no TAB, or more text after a second TAB). Positions count
// characters, a double-byte character as one.
#include <QDate>
#include <QString>

namespace todo {

inline constexpr QChar kTab = u'\t';
inline constexpr QChar kLevelBlank = u'\u3000';  // the full-width blank of one level

// "yyyy/mm/dd" with "/" whatever the system's date format.
QString DateText(const QDate& date);

// True for a half-width or a full-width blank.
bool IsBlank(QChar c);

// A new item: the first mark, no importance, the text (given a level blank
// in front when it starts with no blank), a TAB and the date.
QString NewLine(const QString& statusMarkCycle, const QString& text, const QDate& today);

// The line with its text and date replaced: its first two characters, the
// text, a TAB and the date, both as typed.
QString UpdatedLine(const QString& line, const QString& text, const QString& date);

// What "表示" puts into the edit boxes: the line from its third character up
// to its first TAB, and the part up to the second TAB (today without a TAB).
struct ShownItem {
  QString text;
  QString date;
};
ShownItem ShowLine(const QString& line, const QDate& today);

// The line from its third character: what a delete asks about and leaves in
// the text box.
QString ItemPart(const QString& line);

// The status mark after the line's own in the cycle (the cycle repeats its
// first mark at the end); a mark not in the cycle becomes the first mark.
QString WithNextStatusMark(const QString& line, const QString& statusMarkCycle);
// The importance after the line's own in " DCBA "; anything else becomes none.
QString WithNextImportance(const QString& line);
// One level blank less when the third character is a blank; the line
// unchanged otherwise.
QString WithLevelLess(const QString& line);
// One full-width level blank more before the third character.
QString WithLevelMore(const QString& line);

}  // namespace todo
