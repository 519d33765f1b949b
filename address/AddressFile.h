#pragma once
// The address file: code page 932, CR LF, the header on line 1 and one entry
// per line after it. An entry is known by its line number, the header being
// line 1, so the first entry is line 2.
#include <QByteArray>
#include <QString>
#include <QStringList>

class AddressFile {
 public:
  // The default name, in the program folder.
  static QString DefaultName() { return QStringLiteral("doZir.csv"); }

  // Every line of the file, the header included; false when it cannot be read.
  static bool ReadLines(const QString& path, QStringList& lines);

  // The file's bytes for the given lines (header included), CR LF after each.
  static QByteArray Content(const QStringList& lines);

  // A new user's file: the header and a few samples, written unquoted.
  static QStringList DefaultLines();
};
