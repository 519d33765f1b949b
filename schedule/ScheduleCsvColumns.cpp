#include "ScheduleCsvColumns.h"

#include <QRegularExpression>
#include <algorithm>
#include <optional>

#include "ScheduleCsvValues.h"
#include "core/text/CsvLine.h"
#include "core/text/StringHelpers.h"

namespace {

constexpr int kHeaderFields = 3;
constexpr int kContentFields = 10;
constexpr int kNamedHeaderFields = 300;
constexpr int kOrderFields = 30;

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

// The meaning of a heading of the usual calendar exports.
enum class Heading { None, Date, Kind, Time, EndDate, EndTime, AllDay, Subject, Description, Location, Other };

Heading HeadingOf(const QString& field) {
  const QString h = TrimBlanks(field).toLower();
  if (h == QStringLiteral("日付") || h == QStringLiteral("開始日") || h == QStringLiteral("start date") ||
      h == QStringLiteral("開始日付"))
    return Heading::Date;
  if (h == QStringLiteral("種類")) return Heading::Kind;
  if (h == QStringLiteral("時刻") || h == QStringLiteral("開始時刻") || h == QStringLiteral("start time"))
    return Heading::Time;
  if (h == QStringLiteral("終了日") || h == QStringLiteral("end date") || h == QStringLiteral("終了日付"))
    return Heading::EndDate;
  if (h == QStringLiteral("終了時刻") || h == QStringLiteral("end time")) return Heading::EndTime;
  if (h.startsWith(QStringLiteral("終日")) || h.startsWith(QStringLiteral("all day"))) return Heading::AllDay;
  if (h == QStringLiteral("件名") || h == QStringLiteral("subject") || h == QStringLiteral("タイトル") ||
      h == QStringLiteral("title"))
    return Heading::Subject;
  if (h == QStringLiteral("内容") || h == QStringLiteral("説明") || h == QStringLiteral("description") ||
      h == QStringLiteral("メモ") || h == QStringLiteral("備考"))
    return Heading::Description;
  if (h == QStringLiteral("場所") || h == QStringLiteral("location")) return Heading::Location;
  return h.isEmpty() ? Heading::None : Heading::Other;
}

// A header of the usual calendar exports: a date heading among the fields,
// and a heading that the plain header does not know. The plain header keeps
// its own rules.
bool ReadNamedHeader(const QString& record, int number, ScheduleCsvColumns& c) {
  const QStringList fields = SplitCsvFields(record, kNamedHeaderFields);
  QList<Heading> headings;
  for (const QString& f : fields) headings.append(HeadingOf(f));
  if (!headings.contains(Heading::Date)) return false;
  const bool own = fields.size() == 3 && TrimBlanks(fields.at(0)) == kDateHeading &&
                   TrimBlanks(fields.at(1)) == kKindHeading && TrimBlanks(fields.at(2)) == QStringLiteral("内容");
  const bool named = own || std::any_of(headings.cbegin(), headings.cend(), [](Heading h) {
    return h == Heading::Subject || h == Heading::AllDay || h == Heading::Location || h == Heading::EndDate ||
           h == Heading::EndTime || (h == Heading::Description);
  });
  if (!named) return false;
  ScheduleCsvColumns found;
  found.headerLine = number;
  found.namedHeader = true;
  found.ownExport = own;
  int subject = 0, description = 0, location = 0;
  for (int i = 0; i < headings.size(); ++i) {
    const int column = i + 1;
    switch (headings.at(i)) {
      case Heading::Date: if (found.date == 0) found.date = column; break;
      case Heading::Kind: if (found.kind == 0) found.kind = column; break;
      case Heading::Time: if (found.time == 0) found.time = column; break;
      case Heading::AllDay: if (found.allDay == 0) found.allDay = column; break;
      case Heading::Subject: if (subject == 0) subject = column; break;
      case Heading::Description: if (description == 0) description = column; break;
      case Heading::Location: if (location == 0) location = column; break;
      default: break;
    }
  }
  found.text = subject != 0 ? subject : description;
  if (subject != 0) {
    if (location != 0) found.joined.append(location);
    if (description != 0) found.joined.append(description);
  } else if (location != 0) {
    found.joined.append(location);
  }
  c = found;
  return true;
}

const QRegularExpression& NumericDatePattern() {
  static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})[/.-](\\d{1,2})[/.-](\\d{4})(?: .*)?$"));
  return pattern;
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

void ScheduleCsvColumnDetector::updateOrder(const QStringList& fields, int first, int last) {
  if (order_.size() < kOrderFields) order_.resize(kOrderFields);
  for (int f = first; f <= std::min<int>(last, int(fields.size())); ++f) {
    const QString value = TrimBlanks(fields.at(f - 1));
    if (value.isEmpty()) continue;
    OrderEvidence& e = order_[f - 1];
    const QRegularExpressionMatch m = NumericDatePattern().match(value);
    if (!m.hasMatch()) {
      ++e.other;
      continue;
    }
    e.dates = true;
    if (m.captured(1).toInt() > 12) e.firstOver12 = true;
    if (m.captured(2).toInt() > 12) e.secondOver12 = true;
  }
}

ScheduleCsvColumns ScheduleCsvColumnDetector::headerColumns(qsizetype examined) const {
  ScheduleCsvColumns columns;
  for (qsizetype i = 0; i < examined; ++i) {
    if (ReadNamedHeader(head_.at(i), int(i + 1), columns)) return columns;
  }
  DetectHeaderColumns(head_.mid(0, examined + 1), columns);
  return columns;
}

void ScheduleCsvColumnDetector::feed(const QString& record) {
  ++records_;
  if (headerDecided_) {
    // Only the date column's order can still be open.
    if (header_.date <= kOrderFields) updateOrder(SplitCsvFields(record, header_.date), header_.date, header_.date);
    return;
  }
  if (records_ == 1) firstRecord_ = record;
  if (head_.size() <= kHeaderSearchLines) head_.append(record);
  const QStringList fields = SplitCsvFields(record, std::max(kContentFields, kOrderFields));
  for (int f = 0; f < kContentFields; ++f)
    ExamineContentField(f < fields.size() ? fields.at(f) : QString(), f + 1, content_);
  updateOrder(fields, 1, kOrderFields);
  // With the header search lines read, a header found settles the columns.
  if (records_ == kHeaderSearchLines + 1) {
    header_ = headerColumns(kHeaderSearchLines);
    headerDecided_ = header_.date != 0;
  }
}

bool ScheduleCsvColumnDetector::settled() const {
  if (!headerDecided_) return false;
  return header_.date > order_.size() || !order_.at(header_.date - 1).dates;
}

ScheduleCsvColumns ScheduleCsvColumnDetector::finish() {
  ScheduleCsvColumns columns;
  // The last record never serves as a header.
  const qsizetype examined = std::min<qsizetype>(records_ - 1, kHeaderSearchLines);
  if (headerDecided_) {
    columns = header_;
  } else {
    columns = headerColumns(std::max<qsizetype>(examined, 0));
  }
  if (columns.date == 0) {
    columns = content_;
    if (columns.date != 0) columns.headerLine = 0;
  }

  // Dates that are not year-first: month or day first, when the values of
  // the column settle which. English headings come from programs that
  // write month first, so they settle it when the values do not.
  // Under a header a broken value only breaks its own row; without one,
  // a column is taken as dates only when all its values are.
  const auto orderOf = [&](int column, bool english) -> std::optional<ImportDateOrder> {
    if (column < 1 || column > order_.size()) return std::nullopt;
    const OrderEvidence& e = order_.at(column - 1);
    const int others = columns.headerLine != 0 ? 0 : e.other;
    if (!e.dates || others > 0) return std::nullopt;
    if (e.firstOver12 && e.secondOver12) return std::nullopt;
    if (e.firstOver12) return ImportDateOrder::DayFirst;
    if (e.secondOver12 || english) return ImportDateOrder::MonthFirst;
    return std::nullopt;
  };
  if (columns.date == 0) {
    for (int f = 1; f <= kContentFields; ++f) {
      if (const auto order = orderOf(f, false)) {
        ScheduleCsvColumns byValues = content_;
        byValues.date = f;
        byValues.dateOrder = *order;
        byValues.headerLine = 0;
        if (byValues.text == 0 || byValues.text == f) byValues.text = f == 1 ? 2 : 1;
        columns = byValues;
        break;
      }
    }
  } else if (columns.headerLine != 0) {
    const QStringList header = SplitCsvFields(head_.at(columns.headerLine - 1), kNamedHeaderFields);
    const bool english = columns.date <= header.size() && !header.at(columns.date - 1).isEmpty() &&
                         header.at(columns.date - 1).at(0).unicode() < 0x80;
    if (const auto order = orderOf(columns.date, english)) columns.dateOrder = *order;
  }

  // A first record without a date is a header, never a row.
  if (columns.date != 0 && columns.headerLine == 0 && records_ > 0) {
    const QStringList fields = SplitCsvFields(firstRecord_, columns.date);
    const QString value = columns.date <= fields.size() ? fields.at(columns.date - 1) : QString();
    if (!ReadImportDate(value, columns.dateOrder)) columns.headerLine = 1;
  }
  return columns;
}

ScheduleCsvColumns DetectScheduleCsvColumns(const QStringList& lines) {
  ScheduleCsvColumnDetector detector;
  for (const QString& line : lines) detector.feed(line);
  return detector.finish();
}
