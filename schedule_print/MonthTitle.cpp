#include "MonthTitle.h"

#include "core/dates/DateFormat.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"

QString MonthTitleText(const ScheduleOptions& options, const QDate& month) {
  const bool english = options.OptEnglish == 1;
  const bool noYear = options.OptNoYear == 1;
  QString pattern;
  if (!english) pattern = noYear ? QStringLiteral("m月") : QStringLiteral("ggge年m月 (yyyy)");
  else pattern = noYear ? QStringLiteral("m mmmm") : QStringLiteral("yyyy\\/m mmmm");
  return FormatDate(month, pattern);
}

double DrawMonthTitle(const ScheduleOptions& options, const QDate& month, double pageX1, double pageX2) {
  DrawPageHeader(MonthTitleText(options, month), pageX1, pageX2);
  // The header leaves the title's font, at the size it was drawn, in force.
  return PaperSettings.HeadHeight + ActiveSurface().textHeight();
}
