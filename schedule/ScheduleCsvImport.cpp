#include "ScheduleCsvImport.h"

#include "EntryKind.h"
#include "ScheduleCsvValues.h"
#include "core/text/CsvLine.h"
#include "core/text/JapaneseText.h"
#include "core/text/StringHelpers.h"

namespace {

// Columns of the two separators of a schedule line, from 1.
constexpr int kFirstSeparator = 11;
constexpr int kSecondSeparator = 14;

QString KindOf(const CsvFieldArray& fields, const ScheduleCsvColumns& c, bool timed) {
  if (timed) return EntryKind::Time;
  if (c.kind == 0) return EntryKind::Plain;
  return (ToFullWidth(fields[c.kind]) + EntryKind::Plain).left(2);
}

}  // namespace

ImportedRow ConvertImportedRow(const QString& csvLine, const ScheduleCsvColumns& c) {
  CsvFieldArray fields;
  SplitCsvLine(csvLine, fields);
  const std::optional<QDate> date = ReadImportDate(fields[c.date]);
  if (!date) return {ImportedRow::Result::BrokenDate, QString()};

  // A value in the time column that is no time of day leaves the row
  // untimed rather than inventing a time.
  std::optional<QTime> time;
  if (c.time != 0 && !fields[c.time].isEmpty()) time = ReadImportTime(fields[c.time]);
  QString text = time ? time->toString(QStringLiteral("HH:mm ")) : QString();
  if (c.text != 0) {
    text += fields[c.text];
    const QString next = fields[c.text + 1];
    if (!next.isEmpty()) text += u',' + next;
  }
  const QString kind = KindOf(fields, c, time.has_value());
  if (text.isEmpty() && kind == EntryKind::Plain) return {ImportedRow::Result::Nothing, QString()};
  return {ImportedRow::Result::Line, date->toString(QStringLiteral("yyyy/MM/dd")) + u',' + kind + u',' + text};
}

QString WithCommaSeparators(const QString& line) {
  QString out = line;
  for (int column : {kFirstSeparator, kSecondSeparator})
    if (out.size() >= column && out.at(column - 1) == u' ') out[column - 1] = u',';
  return out;
}

ScheduleLineMerge::ScheduleLineMerge(const QStringList& storedLines) {
  lines_.reserve(storedLines.size());
  held_.reserve(storedLines.size());
  for (const QString& line : storedLines) {
    lines_.append(WithCommaSeparators(line));
    held_.insert(lines_.back());
  }
}

bool ScheduleLineMerge::append(const QString& line) {
  if (held_.contains(line)) return false;
  held_.insert(line);
  lines_.append(line);
  ++appended_;
  return true;
}

void ImportScheduleCsvRows(const QStringList& csvLines, const ScheduleCsvColumns& columns, ScheduleLineMerge& merge,
                           const BrokenDateReport& brokenDate) {
  for (qsizetype i = columns.headerLine; i < csvLines.size(); ++i) {
    const QString& line = csvLines.at(i);
    if (TrimBlanks(line).isEmpty()) continue;
    const ImportedRow row = ConvertImportedRow(line, columns);
    if (row.result == ImportedRow::Result::Line)
      merge.append(row.line);
    else if (row.result == ImportedRow::Result::BrokenDate && brokenDate)
      brokenDate(line);
  }
}
