#pragma once
// A table column's kind comes from its heading alone: the words and marks
// users already write in headings decide alignment, number format and
// whether the column is totalled.
#include <QString>

constexpr double ColumnKindText = -1;
constexpr double ColumnKindCentre = 0;
constexpr double ColumnKindNumber = 1;
constexpr double ColumnKindAmount = 2;
constexpr double ColumnKindUnitPrice = 6.3;

// The keywords, each after a three-character class prefix ("9.." number,
// "\12" amount), searched in order from the start.
extern const QString ColumnKeywordList;

// The kind of a column, from its heading exactly as written (marks and
// colour tag included).
double ColumnKindFromHeading(const QString& heading);
