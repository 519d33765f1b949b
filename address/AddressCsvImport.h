#pragma once
// Turning another program's address CSV into entries of our address file:
// finding its header line, mapping its columns through the heading
// vocabulary, and building one entry from each data line. No files are
// touched here except through the postal lookup the caller hands in.
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "AddressRecord.h"

// Columns past this are ignored, as the other programs' exports never
// reach it.
constexpr int kImportMaxColumns = 300;

// Whether the line can be the header: it names a telephone column and has
// more than one field.
bool IsAddressImportHeader(const QString& line);

// What the header line says about the file.
struct AddressImportColumns {
  // A character every heading begins with (a quote or "#" some programs put
  // before each field); removed from headings and data fields alike.
  QString prefix;
  // 名 before 姓: name and address parts are joined in reverse column order.
  bool givenNameFirst = false;
  // The synonym list per column, element 0 for column 1; 0 = ignored.
  QList<int> map;
  // 1-based columns, 0 for none.
  int categoryColumn = 0;
  int telColumn = 0;
  int faxColumn = 0;
  int mobileColumn = 0;

  static AddressImportColumns FromHeader(const QString& headerLine);
};

// The postal data's line for a seven-digit code: nullopt when no postal data
// is installed, "" when no line begins with the code.
using PostalLineLookup = std::function<std::optional<QString>(const QString& code)>;

// The entry for one data line, completed as a new entry needs: flags,
// category, name from the company, phone characters, dates, the address
// looked up from the postal code, a nickname from the mail address, a
// reading. Every field trimmed.
AddressRecord BuildImportedRecord(const QString& line, const AddressImportColumns& columns,
                                  const PostalLineLookup& lookup);

// The order key of the import: reading, name and nickname, each trimmed and
// cut or padded to 20 code page 932 bytes.
QString AddressImportKey(const AddressRecord& record);

// 予備 as the address file keeps a date: "yyyymmdd" (with "00yy" for an era
// year, yy + 1988) and "yyyy/m/d" or "yyyy-m-d" become "yyyy/mm/dd"; anything
// that is no valid date stays as it is.
QString ImportedDateText(const QString& value);

// The messages of the header search.
QString SkippedHeaderLineMessage(int lineNumber);
QString NoImportHeaderMessage(const QString& path);
