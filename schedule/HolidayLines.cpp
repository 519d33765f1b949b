#include "HolidayLines.h"

#include <QMap>
#include <QSet>

#include "EntryKind.h"
#include "core/dates/HolidayLaw.h"
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
  // The law came in July of its first year. Every-year lines have no year
  // range anyway (they show in the years before the law too), so that half
  // year does not turn 元旦 and the other fixed days into dated lines.
  const qsizetype partial = firstYear == HolidayLaw::kFirstYear && lastYear > firstYear ? 1 : 0;
  const QList<QList<Holiday>> fullYears = years.mid(partial);
  const QSet<QString> every = EveryYearHolidays(fullYears);
  const auto isEveryYear = [&every](const Holiday& h) {
    return h.type == HolidayType::National && every.contains(MonthDay(h.date) + h.name);
  };

  QStringList lines;
  if (!fullYears.isEmpty()) {
    for (const Holiday& h : fullYears.first()) {
      if (isEveryYear(h))
        lines.append(QStringLiteral("    /") + MonthDay(h.date) + u' ' + EntryKind::Holiday + u' ' + h.name);
    }
  }
  for (const QList<Holiday>& year : years) {
    QSet<QDate> dated;  // days with a dated holiday line
    for (const Holiday& h : year) {
      if (isEveryYear(h)) continue;
      if (h.type == HolidayType::Substitute) {
        // The lookup derives the Monday after a dated Sunday line itself,
        // in the short form its headings use; only the substitutes it
        // cannot derive are written out.
        const QDate sunday = h.date.addDays(-1);
        if (sunday.dayOfWeek() == Qt::Sunday && sunday.month() == h.date.month() && dated.contains(sunday))
          continue;
      }
      dated.insert(h.date);
      lines.append(ScheduleLine::ComposeDated(h.date, EntryKind::Holiday, h.name));
    }
  }
  return lines;
}

bool WriteHolidayLines(const QString& path, const DataFileWriteOptions& options) {
  return ScheduleFile::Write(path, HolidayLines(), options);
}
