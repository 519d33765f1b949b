#include "ScheduleLine.h"

#include <algorithm>

#include "core/dates/Calendar.h"

namespace {

const QString kZeroYear = QStringLiteral("0000");

}  // namespace

QStringView ScheduleLine::columnsView(int first, int count) const {
  if (first < 1 || count <= 0 || first > line_.size()) return {};
  return QStringView(line_).sliced(first - 1, std::min<qsizetype>(count, line_.size() - (first - 1)));
}

QString ScheduleLine::text() const { return line_.size() < 15 ? QString() : line_.mid(14); }

QString ScheduleLine::trimmedText() const {
  QString t = text();
  qsizetype end = t.size();
  while (end > 0 && t.at(end - 1) == u' ') --end;
  t.truncate(end);
  return t;
}

bool ScheduleLine::hasNoYear() const {
  const QString y = yearField();
  return y == ScheduleLine::kNoYear || y == kZeroYear;
}

QString ScheduleLine::Compose(const QString& year, const QString& month, const QString& day,
                              QChar separator, const QString& kind, const QString& text) {
  return year + u'/' + month + u'/' + day + separator + kind + separator + text;
}

QString ScheduleLine::ComposeDated(const QDate& date, const QString& kind, const QString& text) {
  return DateToText(date) + u' ' + kind + u' ' + text;
}

int ScheduleLine::DigitsValue(const QString& field) {
  if (field.isEmpty()) return 0;
  int value = 0;
  for (QChar c : field) {
    if (c < u'0' || c > u'9') return 0;
    value = value * 10 + (c.unicode() - u'0');
  }
  return value;
}
