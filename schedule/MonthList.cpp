#include "MonthList.h"

#include <algorithm>

#include "core/dates/Calendar.h"
#include "core/dates/DateLists.h"
#include "EntryKind.h"
#include "core/dates/LunarCalendar.h"
#include "core/text/Numbers.h"

namespace {

const QString kRuleDateStart = QStringLiteral("    /  /");

// Columns 9-10, the day that orders the rows.
QString DayKey(const QString& rowText) { return rowText.mid(8, 2); }

// A year field read as the lines' readers read it: "0" put in front, so a
// blank field reads 0.
int YearValue(const QString& field) { return ToInt32(ParseNumber(QStringLiteral("0") + field)); }

// The text a line is listed with: the separators (columns 11 and 14) shown
// as blanks, so that the rows look alike whatever the writer put there.
QString ListedText(const QString& line) {
  QString text = line;
  for (qsizetype at : {10, 13})
    if (at < text.size()) text[at] = u' ';
  return text;
}

// The listed text of a line for the year and month, or a null text when the
// line is not listed.
QString ListedLine(const QString& line, const QString& yearText, const QString& monthText,
                   const MonthListOptions& options) {
  const QString kind = line.mid(11, 2);
  const bool timed = kind == EntryKind::Detail || kind == EntryKind::Time;
  if (timed && !(options.designHasTimes && options.optDetailEntries == 1)) return QString();
  if (!line.startsWith(kRuleDateStart) && line.mid(5, 2) != monthText) return QString();

  const QString year = line.left(4);
  const QString text = ListedText(line);
  if (YearValue(year) == 0 || year == yearText || year == QLatin1String("1900")) return text;
  if (kind != EntryKind::Anniversary) return QString();
  if (yearText == kBlankYear) return text;
  return text + QStringLiteral("(%1)").arg(YearValue(yearText) - YearValue(year));
}

}  // namespace

QString DayRowText(const QDate& date) {
  static const QString kRule = QString(11, QChar(0xFFE3));  // "￣"
  static const QString kWeekdayNames = QStringLiteral("日月火水木金土");
  const QChar weekday = kWeekdayNames.at(WeekdayNumber(date) - 1);
  const bool weekend = date.dayOfWeek() == Qt::Saturday || date.dayOfWeek() == Qt::Sunday;
  QString rokuyou, moon;
  LunarDayInfo(date, rokuyou, moon);
  const QString name = (weekend ? QStringLiteral("(%1)") : QStringLiteral(" %1 ")).arg(weekday);
  return DateToText(date) + kRule + name + rokuyou + u' ';
}

QList<MonthListRow> BuildMonthList(const QStringList& fileLines, const QString& yearText,
                                   const QString& monthText, const MonthListOptions& options) {
  MonthListBuilder builder(yearText, monthText, options);
  for (const QString& line : fileLines) builder.add(line);
  return builder.take();
}

MonthListBuilder::MonthListBuilder(const QString& yearText, const QString& monthText,
                                   const MonthListOptions& options)
    : yearText_(yearText), monthText_(monthText), options_(options) {
  if (options.listDays && yearText != kBlankYear) {
    const QDate first = DateFromText(yearText + u'/' + monthText + QStringLiteral("/01"));
    for (QDate d = first; d.isValid() && d.month() == first.month(); d = d.addDays(1))
      rows_.append({DayRowText(d), 0});
  }
}

void MonthListBuilder::add(const QString& line) {
  ++lineNumber_;
  const QString text = ListedLine(line, yearText_, monthText_, options_);
  // A copy of the characters only: the line may share its storage with many
  // others that are not kept.
  if (!text.isNull()) rows_.append({QString(text.constData(), text.size()), lineNumber_});
}

QList<MonthListRow> MonthListBuilder::take() {
  // Each row goes after every row of its day or an earlier one: day rows
  // were added first, so a day's lines follow its day row in file order.
  std::stable_sort(rows_.begin(), rows_.end(), [](const MonthListRow& a, const MonthListRow& b) {
    return DayKey(a.text) < DayKey(b.text);
  });
  return std::move(rows_);
}

int FirstRowFromDay(const QList<MonthListRow>& rows, int day) {
  const QString key = QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
  for (int i = 0; i < rows.size(); ++i)
    if (DayKey(rows[i].text) >= key) return i;
  return -1;
}

int ClampedDayIndex(const QString& yearText, const QString& monthText, const QString& dayText,
                    int yearForBlank) {
  if (yearText.isEmpty() || monthText.isEmpty() || dayText.isEmpty()) return -1;
  const QString year = yearText == kBlankYear ? QString::number(yearForBlank) : yearText;
  const QDate date = DateFromText(year + u'/' + monthText + u'/' + dayText);
  if (date.isValid()) return date.day() - 1;
  const QDate first = DateFromText(year + u'/' + monthText + QStringLiteral("/01"));
  if (!first.isValid()) return -1;
  return DaysInMonth(first) - 1;
}
