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

  // A new user's file: the header and a few samples, written unquoted.
  static QStringList DefaultLines();
};

// The lines the bytes hold, header included. A final line end makes no extra
// empty line. The window reads the file in one checked pass and takes its lines
// from here, a piece of whole lines at a time (platform::ReadTextLinesWith).
QStringList ReadAddressFile(const QByteArray& bytes);

// The bytes of a file of these lines (header included), CR LF after each.
// The window's writes go through the shared rewrite cycle instead
// (core/settings/DataFileRewrite.h), which writes these same bytes except
// that a line nobody edited keeps the bytes it had, foreign ones included:
// a value of lines alone cannot carry them.
QByteArray WriteAddressFile(const QStringList& lines);
