#include "YearCalendar.h"

#include <QStringList>

#include "core/dates/DateFormat.h"
#include "DayStyles.h"
#include "PrintFontSize.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/dates/Calendar.h"
#include "schedule/SchedulePrintSource.h"
#include "WeekdayMarks.h"

namespace {

constexpr int16_t kDottedStyle = 2;
constexpr int16_t kSolidStyle = 0;

QString YearTitle(const ScheduleOptions& options, const QDate& day) {
  if (options.OptEnglish == 1) return FormatDate(day, QStringLiteral("yyyy"));
  return FormatDate(day, QStringLiteral("ggge年(yyyy)")) + u' ' + ZodiacSignOfYear(day);
}

void DrawWeekdayRow(const ScheduleOptions& options, double x, double columnStep) {
  const PaperSettingsData& p = PaperSettings;
  const bool sunday = options.OptSundayStart != 0;
  const QString names = sunday ? QStringLiteral("日月火水木金土") : QStringLiteral("月火水木金土日");
  const QString letters = sunday ? QStringLiteral("SMTWTFS") : QStringLiteral("MTWTFSS");
  for (int j = 0; j < 7; ++j) {
    SetForeColor(p.DefaultColor);
    if (options.OptColourPrint == 1) {
      if (j == (sunday ? 0 : 6)) SetForeColor(kRed);
      if (j == (sunday ? 6 : 5)) SetForeColor(kBlue);
    }
    SetCurrentX(x + j * columnStep);
    PrintTextInline(options.OptEnglish == 1 ? letters.mid(j, 1) + u' ' : names.mid(j, 1));
  }
  PrintTextNewLine(QString());
  SetCurrentY(GetCurrentY() + 0.5);
}

void DrawDays(SchedulePrintSource& source, const QDate& first, double x, double columnStep) {
  const ScheduleOptions& options = source.PrintOptions();
  const PaperSettingsData& p = PaperSettings;
  const bool sunday = options.OptSundayStart != 0;
  SetFontName(p.DefaultFontName);
  SetFontSize(ReducedFontSize(p.DefaultFontSize, 1));
  for (int d = 1; d <= first.daysInMonth(); ++d) {
    const QDate day = first.addDays(d - 1);
    const int c = (WeekdayNumber(day) + (sunday ? 6 : 5)) % 7;
    if (d > 1 && c == 0) PrintTextNewLine(QString());
    QStringList texts;
    DayKind kind = DayKind::Ordinary;
    source.GetDaySchedule(day, texts, kind);
    SetCurrentX(x + c * columnStep);
    if (kind != DayKind::Ordinary) {
      SetForeColor(DayKindTextColor(options, kind));
      if (options.OptColourPrint == 0 &&
          (kind == DayKind::Holiday || kind == DayKind::SubstituteHoliday || kind == DayKind::RestDay)) {
        const float x0 = GetCurrentX(), y0 = GetCurrentY();
        const double r = GetFontSize() / 5.6;
        SetDrawStyle(kDottedStyle);
        SetDrawWidth(2);
        DrawCircle(x0 + 0.9 * r, y0 + 0.9 * r, r, 0);
        // The frames and rules drawn after the days stay solid.
        SetDrawStyle(kSolidStyle);
        SetCurrentX(x0);
        SetCurrentY(y0);
      }
    } else {
      SetForeColor(p.DataColor);
    }
    PrintTextInline(QStringLiteral("%1").arg(d, 2));
    SetForeColor(p.DataColor);
  }
}

}  // namespace

void DrawYearCalendar(SchedulePrintSource& source, const QDate& pageFirstDay, double pageX1, double pageX2) {
  if (!pageFirstDay.isValid()) return;
  const ScheduleOptions& options = source.PrintOptions();
  const SchedulePrintControls controls = source.PrintControls();
  const PaperSettingsData& p = PaperSettings;
  const double w = pageX2 - pageX1;
  const int columns = controls.Chk_retu == 1 ? 2 : 3;
  const int rows = 12 / columns;
  const int year = pageFirstDay.year();

  DrawPageFrame(pageX1, pageX2);
  DrawPageHeader(YearTitle(options, pageFirstDay), pageX1, pageX2);

  const QString heading = controls.txt_midasi;
  double headingShift = 0;
  if (!heading.isEmpty()) {
    const float width = MeasureTextWidth(heading);
    SetCurrentY(p.DataHeight + (10 - HalfCharWidthMm(p.HeadFontSize)) / 2);
    SetCurrentX(pageX1 + (w - width) / 2);
    SetFontName(p.HeadFontName);
    SetFontSize(p.HeadFontSize);
    PrintTextInline(heading);
    SetCurrentY(p.DataHeight);
    headingShift = 3 * HalfCharWidthMm(p.HeadFontSize);
  }

  const double columnStep = w / (7.3 * columns);
  for (int i = 1; i <= 12; ++i) {
    const bool april = options.OptAprilStart == 1;
    const int month = april ? (i <= 9 ? i + 3 : i - 9) : i;
    const bool nextYear = april && i > 9;
    const QDate first(nextYear ? year + 1 : year, month, 1);
    const int col = (i - 1) % columns, row = (i - 1) / columns;
    const double x = pageX1 + col * (w / columns + w / (25.0 * columns));
    const double y = p.DataHeight + 5 + row * (p.FootHeight - p.DataHeight - 10.0) / rows + headingShift;

    SetFontName(p.DefaultFontName);
    SetFontSize(p.DefaultFontSize);
    SetForeColor(p.HeadColor);
    SetCurrentY(y);
    if (nextYear) {
      SetCurrentX(x);
      PrintTextNewLine(FormatDate(first, options.OptEnglish == 1 ? QStringLiteral(" yyyy mmm")
                                                                 : QStringLiteral(" yyyy mm月")));
    } else {
      SetCurrentX(x + w / 8);
      PrintTextNewLine(options.OptEnglish == 1 ? FormatDate(first, QStringLiteral("mmm"))
                                               : QString::number(month) + QStringLiteral("月"));
    }
    SetCurrentY(GetCurrentY() + 0.5);
    DrawWeekdayRow(options, x, columnStep);
    DrawDays(source, first, x, columnStep);
  }
  DrawPageFooter(QString(), pageX1, pageX2);
}
