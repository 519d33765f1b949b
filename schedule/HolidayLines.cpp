#include "HolidayLines.h"

#include <QMap>
#include <QSet>

#include "EntryKind.h"
#include "HolidayLaw.h"
#include "ScheduleFile.h"
#include "ScheduleLine.h"

namespace {

QString MonthDay(const QDate& d) { return d.toString(QStringLiteral("MM/dd")); }

// The every-year holidays as "mm/dd" + name: on that date under that name in
// every year of the range.
QSet<QString> EveryYearHolidays(const QList<QList<Holiday>>& years) {
  QMap<QString, int> count;
  for (const QList<Holiday>& year : years) {
    for (const Holiday& h : year) {
      if (h.type == HolidayType::National) ++count[MonthDay(h.date) + h.name];
    }
  }
  QSet<QString> every;
  for (auto it = count.cbegin(); it != count.cend(); ++it) {
    if (it.value() == years.size()) every.insert(it.key());
  }
  return every;
}

}  // namespace

QStringList HolidayLines(int firstYear, int lastYear) {
  QList<QList<Holiday>> years;
  for (int y = firstYear; y <= lastYear; ++y) years.append(HolidayLaw::HolidaysOfYear(y));
  const QSet<QString> every = EveryYearHolidays(years);

  QStringList lines;
  if (!years.isEmpty()) {
    for (const Holiday& h : years.first()) {
      if (h.type == HolidayType::National && every.contains(MonthDay(h.date) + h.name)) {
        lines.append(QStringLiteral("    /") + MonthDay(h.date) + u' ' + EntryKind::Holiday + u' ' +
                     h.name);
      }
    }
  }

  for (const QList<Holiday>& year : years) {
    QSet<QDate> dated;  // days with a dated holiday line
    for (const Holiday& h : year) {
      const bool everyYear =
          h.type == HolidayType::National && every.contains(MonthDay(h.date) + h.name);
      if (everyYear) continue;
      if (h.type == HolidayType::Substitute) {
        // The lookup derives this one from the Sunday line before it.
        const QDate sunday = h.date.addDays(-1);
        if (sunday.dayOfWeek() == Qt::Sunday && sunday.month() == h.date.month() &&
            dated.contains(sunday)) {
          continue;
        }
      }
      dated.insert(h.date);
      lines.append(ScheduleLine::ComposeDated(h.date, EntryKind::Holiday, h.name));
    }
  }
  return lines;
}

bool WriteHolidayLines(const QString& path) {
  return ScheduleFile::Write(path, HolidayLines());
}
