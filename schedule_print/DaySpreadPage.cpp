#include "DaySpreadPage.h"

#include <QStringList>

#include "core/dates/DateFormat.h"
#include "DayStyles.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "schedule/SchedulePrintSource.h"

namespace {

constexpr int kHoursAPage = 12;

// The date, week number, annotations and label; no weekday.
QString SpreadTitle(SchedulePrintSource& source, const QDate& day, const QString& label) {
  const ScheduleOptions& options = source.PrintOptions();
  QString title = FormatDate(day, options.OptEnglish == 1 ? QStringLiteral(" yyyy\\/m/d ") : QStringLiteral(" ggge年m月d日 "));
  if (options.OptWeekNumber == 1) title += u' ' + FormatDate(WeekCountedDay(options, day), QStringLiteral("\\(ww週\\)"));
  GetDayAnnotations(source, day);
  title += u' ' + source.RokuyouText + source.MoonMarkText;
  if (!label.isEmpty()) title += u' ' + label;
  return title;
}

}  // namespace

void DrawDayHeader(SchedulePrintSource& source, int spreadHalf, const QDate& pageDay, double pageX1, double pageX2) {
  const PaperSettingsData& p = PaperSettings;
  DrawPageFrame(pageX1, pageX2);
  if ((spreadHalf == 1 || spreadHalf == 2) && pageDay.isValid()) {
    QStringList texts;
    DayKind kind = DayKind::Ordinary;
    source.GetDaySchedule(pageDay, texts, kind);
    const QString label = texts.isEmpty() ? QString() : texts[0];
    DrawPageHeader(spreadHalf == 1 ? SpreadTitle(source, pageDay, label) : QString(), pageX1, pageX2);

    const double body = p.FootHeight - p.DataHeight;
    const double band = body / 10;
    const double row = (body - 1 - band) / kHoursAPage;
    const int firstHour = spreadHalf == 1 ? 0 : kHoursAPage;
    for (int k = 0; k < kHoursAPage; ++k) {
      const double y = p.DataHeight + 1 + k * row;
      // The first row sits on the header band's own edge.
      if (k >= 1) DrawStyledLine(-1, pageX1, y, pageX2, y, p.LineColor);
      SetFontName(p.DefaultFontName);
      SetFontSize(p.DefaultFontSize);
      SetForeColor(p.DefaultColor);
      SetCurrentX(pageX1);
      SetCurrentY(y + 0.5);
      PrintTextInline(u' ' + QString::number(firstHour + k));
    }
    const double bandTop = p.FootHeight - band;
    DrawStyledLine(1, pageX1, bandTop, pageX2, bandTop, p.LineColor);
    const double middle = pageX1 + (pageX2 - pageX1) / 2;
    DrawStyledLine(1, middle, p.DataHeight, middle, bandTop, p.LineColor);
  }
  DrawPageFooter(QString(), pageX1, pageX2);
}
