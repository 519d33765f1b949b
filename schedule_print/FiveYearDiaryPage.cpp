#include "FiveYearDiaryPage.h"

#include <QStringList>
#include <algorithm>

#include "core/dates/DateFormat.h"
#include "DayStyles.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/text/Numbers.h"
#include "core/dates/Calendar.h"
#include "schedule/SchedulePrintSource.h"
#include "core/text/StringHelpers.h"

namespace {

constexpr double kShadeDrop = 0.3;
constexpr double kHourScaleIndent = 10;

QString MonthAndDay(const QString& diaryDay) { return diaryDay.mid(5); }

// The first year of the page; 0 for a blank year.
int FirstYear(const QString& diaryDay) { return int(ParseNumber(diaryDay.left(4))); }

void MarkBand(const ScheduleOptions& options, int k, double top, double height, double x1, double x2) {
  const PaperSettingsData& p = PaperSettings;
  if (options.OptShading == 1) {
    if (k % 2 == 1) FillBox(0, x1, top + kShadeDrop, x2, top + kShadeDrop + height, p.ShadeColor);
    return;
  }
  if (k >= 2) DrawStyledLine(1, x1, top, x2, top, p.LineColor);
  if (options.OptHourScale == 1) DrawStyledLine(-10, x1 + kHourScaleIndent, top, x2, top, p.LineColor);
}

void DrawYearBand(SchedulePrintSource& source, const QDate& day, double top, double x1, double x2) {
  const ScheduleOptions& options = source.PrintOptions();
  const PaperSettingsData& p = PaperSettings;
  QStringList texts;
  DayKind kind = DayKind::Ordinary;
  source.GetDaySchedule(day, texts, kind);
  if (texts.isEmpty()) texts << QString();

  SetCurrentX(x1);
  SetCurrentY(top + 0.5);
  SetFontName(p.DefaultFontName);
  SetFontSize(p.DefaultFontSize);
  SetForeColor(DayKindTextColor(options, kind));
  PrintTextInline(FormatDate(day, QStringLiteral("yyyy")) + WeekdayLabel(options, day, kind));
  SetFontName(p.DataFontName);
  SetFontSize(p.DataFontSize);
  SetForeColor(p.DataColor);
  GetDayAnnotations(source, day);
  PrintTextInline(source.RokuyouText + source.MoonMarkText + texts[0]);
  PrintTextNewLine(QString());

  for (qsizetype i = 1; i < texts.size(); ++i) {
    QString entry = texts[i];
    ApplyColourPrefix(options, entry);
    SetCurrentX(x1 + 1);
    // A long list runs on past its band rather than losing entries.
    PrintWrappedText(entry + kCrLf, float(x2));
  }
}

}  // namespace

QDate DiaryDayIn2000(const QString& diaryDay) { return DateFromText(QStringLiteral("2000/") + MonthAndDay(diaryDay)); }

void DrawFiveYearDiaryPage(SchedulePrintSource& source, int diaryYears, const QString& diaryDay, double pageX1,
                           double pageX2) {
  const ScheduleOptions& options = source.PrintOptions();
  const PaperSettingsData& p = PaperSettings;
  DrawPageFrame(pageX1, pageX2);
  const QDate titleDay = DiaryDayIn2000(diaryDay);
  QString title;
  if (titleDay.isValid())
    title = FormatDate(titleDay, options.OptEnglish == 1 ? QStringLiteral("mm\\/dd") : QStringLiteral("m月d日"));
  DrawPageHeader(title, pageX1, pageX2);

  // Without a year count from the window the page is still one whole band.
  const int years = std::max(1, diaryYears);
  const double band = (p.FootHeight - p.DataHeight - 1.0) / years;
  const int firstYear = FirstYear(diaryDay);
  for (int k = 1; k <= years; ++k) {
    const double top = p.DataHeight + (k - 1) * band;
    MarkBand(options, k, top, band, pageX1, pageX2);
    // A blank start year has no years to show; 29 February of a common
    // year has no day to show.
    if (firstYear <= 0) continue;
    const QDate day = DateFromText(QString::number(firstYear + k - 1) + u'/' + MonthAndDay(diaryDay));
    if (day.isValid()) DrawYearBand(source, day, top, pageX1, pageX2);
  }
  DrawPageFooter(QString(), pageX1, pageX2);
}
