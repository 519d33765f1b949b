#pragma once
// The CSV dialect every data file shares: comma or TAB between fields (one
// line may mix them), double quotes around any stretch of a field, a doubled
// quote for a quote inside, control codes 0 to 8 dropped. One line is one
// record; a line always yields at least one field.
#include <QString>
#include <QStringList>
#include <cstdint>

#include "CsvFieldArray.h"

// The fields of one line in order, numbered from 0; at most maxFields of
// them (the rest of the line is ignored), every field when maxFields < 0.
QStringList SplitCsvFields(const QString& line, int maxFields = -1);

// Empties every element of fields, then stores the fields of the line in
// elements 1, 2, ...; fields beyond the array's upper bound are ignored.
void SplitCsvLine(const QString& line, CsvFieldArray& fields);
// The same, returning the number of fields stored (an empty line gives 1).
int16_t SplitCsvLineCount(const QString& line, CsvFieldArray& fields);

// The two ways SplitText cuts a text.
constexpr int16_t kSplitTextLines = 0;      // at every CR LF pair
constexpr int16_t kSplitTextCsvFields = 3;  // into CSV fields

// Replaces parts with element 0 empty and the pieces in elements 1..n. Lines:
// the piece after the last CR LF is the last one even when empty; a lone CR
// or LF does not cut. Any other mode gives element 0 alone.
void SplitText(int16_t mode, const QString& text, QStringList& parts);
