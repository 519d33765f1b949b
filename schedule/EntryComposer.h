#pragma once
// The schedule line that the entry editor writes for the fields of the
// window, and the checks an entry must pass before it is written.
#include <QString>

struct EntryFields {
  QString year;   // "1900".."2099", or four blanks for the blank year
  QString month;  // "01".."12"
  QString day;    // "01".."31"
  QString kind;   // a two-character kind of the kind list
  QString text;   // the entry text without trailing half-width blanks
};

// The text that stands for an entry without text: typed (or picked from
// the phrases) where the checks want a text.
inline const QString kBlankEntryText = QStringLiteral("(空白行)");

// The message that refuses an add (update false) or an update, or an empty
// text when the entry may be written. Checks, in order: an update needs a
// shown entry; a text is needed except for 公休 and 出勤; years before 1988
// are refused except for the yearless kinds 記念, 毎年 and 祝日; the date
// must exist. The blank year makes no date.
QString EntryRefusal(const EntryFields& fields, bool update, int shownLineNumber);

// The line for the fields: the date columns blanked as the kind recurs,
// then "date,kind,text" without trailing half-width blanks. The text
// "(空白行)" is written as an empty text, and line breaks, which would split
// the line in the file, as blanks.
QString ComposeEntryLine(const EntryFields& fields);

// Blanks the date parts that the kind does not fix (four blanks for the
// year, two for a month or a day), as the editor writes every line: 毎年 and
// the 祝日 on fixed dates without year, 記念 of 1900 or year 0 without year,
// 毎月 without year and month, the weekday rules without what they recur
// over. The import makes its lines the same way.
void BlankRecurringDateParts(const QString& kind, const QString& text, QString& year, QString& month,
                             QString& day);
