#include "ScheduleCsvColumns.h"

#include <algorithm>

#include "ScheduleCsvValues.h"
#include "core/text/CsvLine.h"
#include "core/text/StringHelpers.h"

namespace {

constexpr int kHeaderFields = 3;
constexpr int kContentFields = 10;

const QString kDateHeading = QStringLiteral("日付");
const QString kKindHeading = QStringLiteral("種類");
const QString kTimeHeading = QStringLiteral("時刻");

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// A value with ":" whose trimmed text begins and ends with a digit.
bool LooksLikeTime(const QString& value) {
  if (!value.contains(u':')) return false;
  const QString trimmed = TrimBlanks(value);
  return !trimmed.isEmpty() && IsDigit(trimmed.front()) && IsDigit(trimmed.back());
}

void ExamineHeaderField(const QString& value, int field, int lineNumber, ScheduleCsvColumns& c) {
  if (value == kDateHeading && c.date == 0) {
    c.date = field;
    c.headerLine = lineNumber;
  } else if (value == kKindHeading && c.kind == 0) {
    c.kind = field;
  } else if (value == kTimeHeading && c.time == 0) {
    c.time = field;
  } else if (c.text == 0 && c.date != 0) {
    c.text = field;
  }
}

void ExamineContentField(const QString& value, int field, ScheduleCsvColumns& c) {
  if (c.date == 0 && ReadImportDate(value)) {
    c.date = field;
  } else if (c.kind == 0 && OccursInImportKindNames(value)) {
    c.kind = field;
  } else if (c.time == 0 && LooksLikeTime(value)) {
    c.time = field;
  } else if (c.time != 0 && c.endTime == 0 && LooksLikeTime(value)) {
    if (c.time < field) c.endTime = field;
  } else {
    if (c.text == 0 && c.date != 0) c.text = field;
    if (c.time != 0 && c.text <= c.time) c.text = c.time + 1;
    if (c.endTime != 0 && c.text <= c.endTime) c.text = c.endTime + 1;
  }
}

}  // namespace

void DetectHeaderColumns(const QStringList& lines, ScheduleCsvColumns& columns) {
  // The last line is read but never examined.
  const qsizetype examined = std::min<qsizetype>(lines.size() - 1, kHeaderSearchLines);
  for (qsizetype i = 0; i < examined; ++i) {
    // A line with fewer fields has empty ones in their place, which can
    // still become the text column.
    const QStringList fields = SplitCsvFields(lines.at(i), kHeaderFields);
    for (int f = 0; f < kHeaderFields; ++f)
      ExamineHeaderField(f < fields.size() ? fields.at(f) : QString(), f + 1, static_cast<int>(i + 1), columns);
  }
}

void DetectContentColumns(const QStringList& lines, ScheduleCsvColumns& columns) {
  for (const QString& line : lines) {
    const QStringList fields = SplitCsvFields(line, kContentFields);
    for (int f = 0; f < kContentFields; ++f)
      ExamineContentField(f < fields.size() ? fields.at(f) : QString(), f + 1, columns);
  }
  if (columns.date != 0) columns.headerLine = 0;
}

ScheduleCsvColumns DetectScheduleCsvColumns(const QStringList& lines) {
  ScheduleCsvColumns columns;
  DetectHeaderColumns(lines, columns);
  if (columns.date == 0) DetectContentColumns(lines, columns);
  return columns;
}
