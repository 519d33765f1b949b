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

  // Every line of the file, the header included, as ReadAddressFile gives
  // them (decoded piece by piece, so a large file is never held twice);
  // false when it cannot be read.
  static bool ReadLines(const QString& path, QStringList& lines);

  // A new user's file: the header and a few samples, written unquoted.
  static QStringList DefaultLines();
};

// The lines the bytes hold, header included. A final line end makes no
// extra empty line.
QStringList ReadAddressFile(const QByteArray& bytes);

// The bytes of a file of these lines (header included), CR LF after each.
QByteArray WriteAddressFile(const QStringList& lines);
