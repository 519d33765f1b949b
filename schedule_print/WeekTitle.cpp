#include "WeekTitle.h"

#include "core/dates/DateFormat.h"

QString WeekTitleText(const ScheduleOptions& options, const QDate& pageFirstDay, int16_t byWeekStart) {
  const QDate month = byWeekStart == 1 ? pageFirstDay : pageFirstDay.addDays(6);
  const bool english = options.OptEnglish == 1;
  if (options.OptWeekNumber != 1)
    return FormatDate(month, english ? QStringLiteral("yyyy\\/m mmmm") : QStringLiteral("ggge年m月 (yyyy)"));
  // Counted with Sunday weeks; a Sunday start moves the counted day on by
  // one, so a week that ends on the year's first days may be week 0.
  const int week = SundayWeekOfYear(pageFirstDay.addDays(6 + options.OptSundayStart)) - 1;
  if (english) return FormatDate(month, QStringLiteral("yyyy\\/m mmmm")) + QStringLiteral(" (%1)").arg(week);
  return FormatDate(month, QStringLiteral("ggge年m月 (yyyy/")) + QStringLiteral("%1週)").arg(week);
}
