#include "ScheduleClipboardText.h"

#include <algorithm>

#include "core/dates/Calendar.h"
#include "DaySchedule.h"
#include "core/text/Numbers.h"

namespace {

const QString kLineEnd = QStringLiteral("\r\n");
const QString kWeekdayLetters = QStringLiteral("日月火水木金土");
// Entries after a day's first one stand under it, past the six-column label.
const QString kIndent = QStringLiteral("      ");

QString MonthHeading(const QDate& day) {
  const QString rule = QString(43, u'-') + kLineEnd;
  return rule + QStringLiteral("%1/%2").arg(day.year(), 4, 10, QLatin1Char('0')).arg(day.month(), 2, 10, QLatin1Char('0')) +
         kLineEnd + rule;
}

QString DayBlock(const QDate& day, const QStringList& texts, DayKind kind) {
  QString block = ScheduleDayLabel(day, kind);
  bool added = false;
  for (qsizetype i = 0; i < texts.size(); ++i) {
    // Entries carry a one-character marker that only printing uses.
    const QString text = i == 0 ? texts.at(0) : texts.at(i).mid(1);
    if (text.isEmpty()) continue;
    if (added) block += kIndent;
    block += text + kLineEnd;
    added = true;
  }
  if (!added) block += kLineEnd;
  return block;
}

}  // namespace

QString ScheduleClipboardText(const QDate& start, const QString& sheetCountText,
                              const DayScheduleLookup& lookup) {
  if (!start.isValid()) return QString();
  QString text = QStringLiteral("予定表(") + DateToText(start) + u')' + kLineEnd;
  const int count = ToInt16(ParseNumber(sheetCountText) * 31);
  for (int i = 0; i < count; ++i) {
    const QDate day = start.addDays(i);
    QStringList texts;
    DayKind kind = DayKind::Ordinary;
    lookup(day, texts, kind);
    if (i == 0 || day.day() == 1) text += MonthHeading(day);
    text += DayBlock(day, texts, kind);
  }
  return text;
}

QString ScheduleClipboardText(const QDate& start, const QString& sheetCountText, DaySchedule& schedule,
                              const DayScheduleOptions& options) {
  QStringList unused;
  DayKind unusedKind = DayKind::Ordinary;
  schedule.GetDaySchedule(QDate(), options, unused, unusedKind);
  return ScheduleClipboardText(start, sheetCountText,
                               [&](const QDate& day, QStringList& texts, DayKind& kind) {
                                 schedule.GetDaySchedule(day, options, texts, kind);
                               });
}

QString ScheduleDayLabel(const QDate& day, DayKind kind) {
  const QString dd = QStringLiteral("%1").arg(day.day(), 2, 10, QLatin1Char('0'));
  const QChar weekday = kWeekdayLetters.at(WeekdayNumber(day) - 1);
  switch (kind) {
    case DayKind::RedWeekday:
    case DayKind::BlueWeekday: return dd + u'(' + weekday + u')';
    case DayKind::Holiday:
    case DayKind::SubstituteHoliday:
    case DayKind::RestDay: return dd + u'[' + weekday + u']';
    case DayKind::Ordinary: break;
  }
  return dd + u' ' + weekday + u' ';
}

QDate DateOfDateLists(const QString& yearText, const QString& monthText, const QString& dayText,
                      const QDate& today) {
  const QString year = yearText.trimmed().isEmpty() ? QString::number(today.year()) : yearText.trimmed();
  const QDate first = DateFromText(year + u'/' + monthText.trimmed() + QStringLiteral("/01"));
  if (!first.isValid()) return QDate();
  const int day = ToInt16(ParseNumber(dayText));
  if (day < 1) return QDate();
  return QDate(first.year(), first.month(), std::min(day, first.daysInMonth()));
}
