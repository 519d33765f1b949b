#pragma once
// Reading the CSV file that the schedule import was given: code page 932
// text, checked first so that a file of another kind is refused with a
// message that says why, before anything is changed.
#include <QString>
#include <QStringList>

// The longest line the import takes, in characters.
constexpr int kMaxImportLineLength = 32767;

struct ImportedScheduleCsv {
  enum class Problem {
    None,
    Unreadable,     // missing, not an ordinary file, or not readable
    Binary,         // holds NUL bytes: not text at all
    OtherEncoding,  // UTF-8 or UTF-16/32 text (a byte-order mark, or valid UTF-8 with non-ASCII bytes)
    LineTooLong,    // a line longer than kMaxImportLineLength characters
  };
  Problem problem = Problem::None;
  // The decoded lines (CR LF, LF or a lone CR end a line); empty on a problem.
  QStringList lines;
  // The number (from 1) of the first line that is too long.
  int longLine = 0;
};

ImportedScheduleCsv ReadImportedScheduleCsv(const QString& path);

// The message that refuses the file for its problem; "" for none.
QString ImportedScheduleCsvMessage(const ImportedScheduleCsv& file, const QString& path);
