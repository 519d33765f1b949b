#pragma once
// The heading vocabulary of the address import: which of our fields a column
// of another program's address CSV feeds, by the column's heading. Headings
// are compared after trimming, upper-casing and turning half-width, framed in
// commas so that one name never matches part of another.
#include <QString>

// Lists of headings that feed no field of their own number: the company's
// postal code and address lines.
constexpr int kImportListCompanyZip = 60;
constexpr int kImportListCompanyAddress1 = 61;
constexpr int kImportListCompanyAddress2 = 62;

// The heading as the lists hold it: trimmed, upper-cased, half-width, and
// framed as ",heading,".
QString FramedImportHeading(const QString& heading);

// The number of the first list (1 to 21, then 60 to 62) that holds the framed
// heading, or 0. A name in several lists belongs to the lowest one.
int AddressImportListOf(const QString& framedHeading);

// The three headings the import treats on their own: the telephone and fax
// columns (compared whole) and the mobile column.
bool IsTelephoneHeading(const QString& framedHeading);
bool IsFaxHeading(const QString& framedHeading);
bool IsMobileHeading(const QString& framedHeading);
