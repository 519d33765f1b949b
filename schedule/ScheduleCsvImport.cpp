#include "ScheduleCsvImport.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <optional>

#include "EntryComposer.h"
#include "EntryKind.h"
#include "ScheduleCsvValues.h"
#include "core/platform/Codec.h"
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

bool IsTrueFlag(const QString& value) {
  const QString v = TrimBlanks(value).toLower();
  return v == QStringLiteral("true") || v == QStringLiteral("1") || v == QStringLiteral("yes") ||
         v == QStringLiteral("on") || v == QStringLiteral("はい") || v == QStringLiteral("オン") ||
         v == QStringLiteral("○");
}

struct DateParts {
  QString year, month, day;
};

// A date with parts written "*", as the program's own export writes the
// parts a recurring entry leaves blank.
std::optional<DateParts> StarredDate(const QString& value) {
  static const QRegularExpression pattern(QStringLiteral("^(\\d{4}|\\*{4})/(\\d{2}|\\*{2})/(\\d{2}|\\*{2})$"));
  const QString v = TrimBlanks(value);
  if (!v.contains(u'*')) return std::nullopt;
  const QRegularExpressionMatch m = pattern.match(v);
  if (!m.hasMatch()) return std::nullopt;
  DateParts p{m.captured(1), m.captured(2), m.captured(3)};
  // A leap year, so that a 29 February of every year is a date.
  const QDate check(p.year.startsWith(u'*') ? 2000 : p.year.toInt(), p.month.startsWith(u'*') ? 1 : p.month.toInt(),
                    p.day.startsWith(u'*') ? 1 : p.day.toInt());
  if (!check.isValid()) return std::nullopt;
  p.year.replace(u'*', u' ');
  p.month.replace(u'*', u' ');
  p.day.replace(u'*', u' ');
  return p;
}

std::optional<DateParts> DateOfRow(const QString& value, const ScheduleCsvColumns& c) {
  if (std::optional<DateParts> starred = StarredDate(value)) return starred;
  const std::optional<QDate> date = ReadImportDate(value, c.dateOrder);
  if (!date) return std::nullopt;
  return DateParts{date->toString(QStringLiteral("yyyy")), date->toString(QStringLiteral("MM")),
                   date->toString(QStringLiteral("dd"))};
}

// The record from the given field (from 1) to its end, as written.
QString RawFieldsFrom(const QString& record, int field) {
  int separators = 0;
  bool quoted = false;
  for (qsizetype i = 0; i < record.size(); ++i) {
    if (separators == field - 1) return record.mid(i);
    const QChar ch = record.at(i);
    if (ch == u'"')
      quoted = !quoted;
    else if (!quoted && (ch == u',' || ch == u'\t'))
      ++separators;
  }
  return QString();
}

// The rest of the program's own export as its text. A spreadsheet that
// saved the file again quotes a text holding a comma or a quote; the text
// is then that one field unquoted. Anything else stands as written.
QString OwnExportText(const QString& rest) {
  if (rest.size() >= 2 && rest.startsWith(u'"') && rest.endsWith(u'"')) {
    const QString inner = rest.mid(1, rest.size() - 2);
    const bool needed = inner.contains(u',') || inner.contains(QStringLiteral("\"\""));
    QString unquoted = inner;
    unquoted.replace(QStringLiteral("\"\""), QStringLiteral("\""));
    // Quotes inside must all have been doubled for it to be one field.
    if (needed && !QString(inner).remove(QStringLiteral("\"\"")).contains(u'"')) return unquoted;
  }
  return rest;
}

QString WithoutLineBreaks(QString text) { return text.replace(u'\r', u' ').replace(u'\n', u' '); }

}  // namespace

ImportedRow ConvertImportedRow(const QString& csvLine, const ScheduleCsvColumns& c) {
  CsvFieldArray fields;
  SplitCsvLine(csvLine, fields);
  const std::optional<DateParts> date = DateOfRow(fields[c.date], c);
  if (!date) return {ImportedRow::Result::BrokenDate, QString()};

  // An all-day event's start time (often 0:00) is no time of the entry; a
  // value that is no time of day stays in the text.
  std::optional<QTime> time;
  QString text;
  const QString timeValue = c.time != 0 ? fields[c.time] : QString();
  const bool allDay = c.allDay != 0 && IsTrueFlag(fields[c.allDay]);
  if (!TrimBlanks(timeValue).isEmpty() && !allDay) {
    time = ReadImportTime(timeValue);
    text = time ? time->toString(QStringLiteral("HH:mm ")) : TrimBlanks(timeValue) + u' ';
  }
  if (c.ownExport && c.text != 0) {
    text += OwnExportText(RawFieldsFrom(csvLine, c.text));
  } else if (c.text != 0) {
    text += fields[c.text];
    if (c.namedHeader) {
      for (int column : c.joined)
        if (!fields[column].isEmpty()) text += u',' + fields[column];
    } else {
      const QString next = fields[c.text + 1];
      if (!next.isEmpty()) text += u',' + next;
    }
  }
  text = WithoutLineBreaks(text);
  const QString kind = KindOf(fields, c, time.has_value());
  if (text.isEmpty() && kind == EntryKind::Plain) return {ImportedRow::Result::Nothing, QString()};
  DateParts parts = *date;
  BlankRecurringDateParts(kind, text, parts.year, parts.month, parts.day);
  return {ImportedRow::Result::Line, parts.year + u'/' + parts.month + u'/' + parts.day + u',' + kind + u',' + text};
}

QString CharactersOutsideCodePage932(const QString& text) {
  // Code page 932 has no "?" inside a double-byte character, so a text
  // whose encoding holds no more "?" than the text holds none.
  if (platform::ToSjis(text).count('?') == text.count(u'?')) return QString();
  QString found;
  for (char32_t code : text.toUcs4()) {
    if (code < 0x80) continue;
    const QString ch = QString::fromUcs4(&code, 1);
    if (found.contains(ch)) continue;
    if (platform::ToSjis(ch) == QByteArrayLiteral("?")) found += ch;
  }
  return found;
}

QString WithCommaSeparators(const QString& line) {
  QString out = line;
  for (int column : {kFirstSeparator, kSecondSeparator})
    if (out.size() >= column && out.at(column - 1) == u' ') out[column - 1] = u',';
  return out;
}

ScheduleLineMerge::ScheduleLineMerge(const QStringList& storedLines) {
  lines_.reserve(size_t(storedLines.size()));
  table_.assign(64, 0);
  for (const QString& line : storedLines) {
    QByteArray bytes = platform::ToSjis(WithCommaSeparators(line));
    const size_t hash = qHash(bytes);
    // A line the file holds twice stays twice; only its first is looked up.
    if (holds(bytes, hash)) {
      lines_.push_back(std::move(bytes));
    } else {
      add(std::move(bytes), hash);
    }
  }
  stored_ = lines_.size();
}

bool ScheduleLineMerge::holds(const QByteArray& line, size_t hash) const {
  if (table_.empty()) return false;
  const size_t mask = table_.size() - 1;
  for (size_t slot = hash & mask; table_[slot] != 0; slot = (slot + 1) & mask) {
    if (lines_[table_[slot] - 1] == line) return true;
  }
  return false;
}

void ScheduleLineMerge::add(QByteArray line, size_t hash) {
  lines_.push_back(std::move(line));
  if (2 * (held_ + 1) > qsizetype(table_.size())) grow();
  const size_t mask = table_.size() - 1;
  size_t slot = hash & mask;
  while (table_[slot] != 0) slot = (slot + 1) & mask;
  table_[slot] = uint32_t(lines_.size());
  ++held_;
}

void ScheduleLineMerge::grow() {
  std::vector<uint32_t> old(std::max<size_t>(64, table_.size() * 2), 0);
  old.swap(table_);
  const size_t mask = table_.size() - 1;
  for (uint32_t entry : old) {
    if (entry == 0) continue;
    size_t slot = qHash(lines_[entry - 1]) & mask;
    while (table_[slot] != 0) slot = (slot + 1) & mask;
    table_[slot] = entry;
  }
}

bool ScheduleLineMerge::append(const QString& line) {
  QByteArray bytes = platform::ToSjis(line);
  const size_t hash = qHash(bytes);
  if (holds(bytes, hash)) return false;
  add(std::move(bytes), hash);
  ++appended_;
  return true;
}

QStringList ScheduleLineMerge::lines() const {
  QStringList out;
  out.reserve(qsizetype(lines_.size()));
  for (const QByteArray& line : lines_) out.append(platform::FromSjis(line));
  return out;
}

void ScheduleLineMerge::moveAddedInto(QList<QByteArray>& current) {
  QSet<QByteArray> held;
  held.reserve(current.size());
  for (QByteArray& line : current) {
    // Only a line whose separators change is encoded again; the others
    // keep their bytes.
    const QString text = platform::FromSjis(line);
    const QString withCommas = WithCommaSeparators(text);
    if (withCommas != text) line = platform::ToSjis(withCommas);
    held.insert(line);
  }
  current.reserve(current.size() + appended_);
  for (size_t i = stored_; i < lines_.size(); ++i) {
    if (!held.contains(lines_[i])) current.append(std::move(lines_[i]));
    lines_[i] = QByteArray();
  }
  // Spent: give back the table and the slots before the file is built.
  lines_.resize(stored_);
  lines_.shrink_to_fit();
  std::vector<uint32_t>().swap(table_);
  held_ = 0;
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
