#pragma once
// How to-do items become schedule lines: the kind their importance gives,
// the texts a drop confirms and writes, the place a new line takes in the
// schedule file, the item re-dated by a calendar drop, the day list as mail
// and clipboard text, and the lines of the finished-item export.
#include <QChar>
#include <QDate>
#include <QString>
#include <QStringList>

#include "ToDoList.h"

namespace todo {

// "赤　" for importance A, "黄　" for B, "青　" for C, "　　" for any other
// letter or none.
QString ScheduleKindOfImportance(const QString& line);

// The part of an item line before its first TAB (the whole line without one).
QString BeforeFirstTab(const QString& line);

// The item from its third character, half-width blanks trimmed: a level
// blank (full-width) stays, so the entry keeps the item's indent.
QString ItemTextOf(const QString& line);

// The question every drop asks: "[yyyy/mm/dd]の予定に" for a to-do item or
// "[yyyy/mm/dd]に" for the mascot, a line break, "「text」を追加します".
QString DropQuestion(const QDate& date, bool toDoItem, const QString& text);

// The text a day-list drop writes: the item's mark and importance, ":", and
// the item text uncut (its TAB and date too).
QString DayListEntryText(const QString& line);
// The text a mascot dropped on the day list writes.
QString MascotDayListText(const QString& mascotText);

// The item as a calendar drop leaves it: the part before its first TAB, a
// TAB and the new date.
QString RedatedItem(const QString& line, const QDate& date);

// Puts the new line before the first line that, without trailing blanks,
// sorts after it by character code; at the end when none does. Returns
// where it went.
qsizetype InsertInScheduleOrder(QStringList& lines, const QString& newLine);

// A line written into the schedule file, as far as taking it back needs.
struct AddedScheduleLine {
  QString path;
  QString line;
  qsizetype at = -1;
  qsizetype copies = 0;  // the file's lines equal to it once it was in
};

// Writes the line into the schedule file at its place in order, in one
// rewrite under the file's lock; what went in is returned through added.
// False when nothing was written (the failure has been told).
bool AddScheduleLine(const QString& path, const QString& line, AddedScheduleLine* added);

// Takes such a line out again. Identical lines are the same entry to every
// reader, so any one of them may go; but only while the file holds as many
// as right after the line went in, so that a copy another writer has taken
// out meanwhile is not taken twice. False when nothing was written.
bool TakeScheduleLineBack(const AddedScheduleLine& added);

// The day list mailed: the subject "yyyy/mm/ddの予定", the body of the
// trimmed entries each followed by CR LF, and for the clipboard every entry as it
// stands followed by CR LF.
struct DayMail {
  QString subject;
  QString body;
  QString clipboardText;
};
DayMail DayMailOf(const QDate& date, const QStringList& entries);

// One line of the finished-item export: the date, ",", the plain kind, ","
// and the done mark followed by the item text.
QString DoneExportLine(const QString& line, QChar doneMark, const QDate& today);

// The export of finished items: those of the list that begin with the done
// mark as export lines, in list order, and the list of the rest, numbered
// afresh in that order.
struct FinishedItems {
  QStringList exported;
  ToDoList kept;
};
FinishedItems TakeFinishedItems(const ToDoList& list, QChar doneMark, const QDate& today);

}  // namespace todo
