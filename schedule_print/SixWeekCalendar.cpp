#include "SixWeekCalendar.h"

#include <QStringList>

#include "core/dates/DateFormat.h"
#include "DayStyles.h"
#include "MiniCalendar.h"
#include "MonthGridCell.h"
#include "MonthTitle.h"
#include "PrintFontSize.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFrame.h"
#include "core/print/PrintSurface.h"
#include "core/print/RotatedText.h"
#include "core/print/StepRange.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"
#include "core/text/Numbers.h"
#include "core/dates/Calendar.h"
#include "schedule/SchedulePrintSource.h"
#include "WeekdayMarks.h"

namespace {

constexpr int32_t kNeighbourFill = 0xFBFBFB;
constexpr int kSixWeekDaySteps = 43;
constexpr int kWeekRows = 6;
// Pages this narrow print entries smaller still.
constexpr int kNarrowPageWidth = 90;

void UseFont(const QString& name, float size) {
  // A section without a font name leaves the current face in use.
  if (!name.isEmpty()) SetFontName(name);
  SetFontSize(size);
}

void PrintTurned(double x, double y, const QString& text) {
  SetCurrentX(x);
  SetCurrentY(y);
  PrintRotatedTextAtCursor(text);
}

QString TwoDigitMonth(const QDate& day) { return QStringLiteral("%1").arg(day.month(), 2); }

}  // namespace

SixWeekGeometry SixWeekGeometryOf(int kind, double pageX1, double pageX2) {
  const PaperSettingsData& p = PaperSettings;
  SixWeekGeometry g;
  if (kind == 0) {
    g = {pageX1, pageX2, p.DataHeight + 2.0, double(p.FootHeight), p.DefaultFontName, p.DataFontName,
         ReducedFontSize(p.DefaultFontSize, 1), ReducedFontSize(p.DataFontSize, 1)};
  } else {
    const QString section = kind == 3 ? QStringLiteral("SIZE_A5") : QStringLiteral("SIZE_A4");
    g.x1 = 2 * HalfCharWidthMm(27) + 15;
    g.x2 = 195;
    g.top = kind == 1 ? 14 : kind == 2 ? 5 : pageX1;
    g.bottom = kind == 1 ? 270 : kind == 2 ? 202.5 : pageX2;
    g.dayFont = GetIniValue(section, QStringLiteral("DEFAULT_FONTNAME")).trimmed();
    g.entryFont = GetIniValue(section, QStringLiteral("DATA_FONTNAME")).trimmed();
    const double daySize = ParseNumber(GetIniValue(section, QStringLiteral("DEFAULT_FONTSIZE"))) + 2;
    const double entrySize = ParseNumber(GetIniValue(section, QStringLiteral("DATA_FONTSIZE"))) - 2;
    g.daySize = float(std::clamp(daySize, double(kSmallestPrintFontSize), 1000.0));
    g.entrySize = float(std::clamp(entrySize, double(kSmallestPrintFontSize), 1000.0));
  }
  if (p.PageWidth <= kNarrowPageWidth) g.entrySize = ReducedFontSize(g.entrySize, 2);
  return g;
}

void DrawSixWeekCalendar(SchedulePrintSource& source, int kind, const QDate& pageFirstDay, double pageX1,
                         double pageX2) {
  if (!pageFirstDay.isValid()) return;
  const ScheduleOptions& options = source.PrintOptions();
  const PaperSettingsData& p = PaperSettings;
  if (kind == 0) DrawPageFrame(pageX1, pageX2);
  const SixWeekGeometry g = SixWeekGeometryOf(kind, pageX1, pageX2);
  const double d = HalfCharWidthMm(g.daySize);
  const double h = (g.bottom - g.top) / 7;
  const double gridLeft = g.x1 + 2 * d + 2;
  const double w = (g.x2 - gridLeft) / kWeekRows;
  const bool sunday = options.OptSundayStart != 0;
  const QString& style = options.DesignStyleText;
  const bool neighbours = kind == 1 && options.OptNeighbourMonths != 0;
  UseFont(g.dayFont, g.daySize);
  SetForeColor(p.DataColor);

  int row = 1;
  for (int i = 0; i < kSixWeekDaySteps; ++i) {
    const QDate day = pageFirstDay.addDays(i);
    const bool outside = day.month() != pageFirstDay.month();
    if (outside && !neighbours) break;
    const int c = (WeekdayNumber(day) + (sunday ? 6 : 5)) % 7;
    if (i > 0 && c == 0) ++row;
    if (row > kWeekRows) break;
    const double x0 = gridLeft + (row - 1) * w, y0 = g.bottom - c * h;

    QStringList texts;
    DayKind dayKind = DayKind::Ordinary;
    source.GetDaySchedule(day, texts, dayKind);
    if (texts.isEmpty()) texts << QString();
    // The cycle and moon texts of this page are its own; the week number
    // is the window's field as on every page.
    const QString keptRokuyou = source.RokuyouText, keptMoon = source.MoonMarkText;
    GetDayAnnotations(source, day);
    const QString rokuyou = source.RokuyouText;
    source.RokuyouText = keptRokuyou;
    source.MoonMarkText = keptMoon;

    const int32_t back = DayKindBackColor(options, dayKind);
    if (options.OptShading == 1 && dayKind != DayKind::Ordinary && style != QStringLiteral("網掛ライン"))
      FillBox(0, x0, y0, x0 + w, y0 - h, back);
    if (neighbours && outside) FillBox(0, x0, y0, x0 + w, y0 - h, kNeighbourFill);

    UseFont(g.dayFont, g.daySize);
    if (style == QStringLiteral("ボックス")) DrawBox(1, x0, y0, x0 + 2 * d, y0 - 3.8 * d, p.LineColor);
    else if (style == QStringLiteral("ライン")) DrawStyledLine(1, x0 + 2 * d, y0, x0 + 2 * d, y0 - h, p.LineColor);
    else if (style == QStringLiteral("網掛ライン")) FillBox(0, x0, y0, x0 + 2 * d, y0 - h, back);
    PrintTurned(x0 + 0.2, y0, DayNumberLabel(options, dayKind, day));

    SetForeColor(p.DataColor);
    UseFont(g.entryFont, g.entrySize);
    const double e = HalfCharWidthMm(g.entrySize);
    if (options.OptRokuyou == 1) PrintTurned(x0 + d - e, y0 - 4 * d, rokuyou);
    const QString label = source.WeekNumberText + texts[0];
    if (!label.isEmpty()) PrintTurned(x0 + d - e, options.OptRokuyou == 1 ? y0 - 4 * d - 4.2 * e : y0 - 4 * d, label);
    double xe = x0 + 2 * d;
    for (qsizetype k = 1; k < texts.size(); ++k) {
      QString entry = texts[k];
      ApplyColourPrefix(options, entry);
      if (entry.isEmpty()) continue;
      PrintTurned(xe, y0 - 0.3, CutEntryToCell(entry, h, g.entrySize));
      xe += 2 * e;
    }
  }

  if (options.OptShading == 1) FillBox(0, g.x1, g.top, gridLeft, g.bottom, p.ShadeColor);
  UseFont(g.dayFont, g.daySize);
  const int s = sunday ? 1 : 0;
  for (int k = 1; k <= 7; ++k) {
    const double y = g.bottom - (k - 1) * h;
    if (y < g.top + 5) break;
    if (k == 2 || k == 3) DrawStyledLine(1, g.x1, y, g.x2, y, p.LineColor);
    else if (k >= 4) DrawStyledLine(1, g.x1, y, g.x2 - w, y, p.LineColor);
    SetForeColor(p.DefaultColor);
    if (options.OptColourPrint == 1) {
      const QChar mark = kWeekdayColours.at(k - s);
      if (mark == u'R') SetForeColor(kRed);
      else if (mark == u'B') SetForeColor(kBlue);
    }
    const QString name = options.OptEnglish == 1 ? kEnglishNames.mid((k - s) * 3, 3) : kJapaneseNames.mid(k - s, 1);
    PrintTurned(g.x1 + 1, y - (g.bottom - g.top) / 18, name);
  }
  ForEachStep(gridLeft, g.x2 - 5, w, [&](double x) { DrawStyledLine(1, x, g.top, x, g.bottom, p.LineColor); });

  const QString era = FormatDate(pageFirstDay, QStringLiteral("ggge年(yyyy)"));
  const double w27 = HalfCharWidthMm(27);
  if (kind == 0) {
    DrawMonthTitle(options, pageFirstDay, pageX1, pageX2);
  } else if (kind == 3) {
    UseFont(g.dayFont, 20);
    SetForeColor(p.HeadColor);
    PrintTurned(2 * w27 - 2, g.bottom - 3 * d, TwoDigitMonth(pageFirstDay) + QStringLiteral("月 ") + era);
    DrawMiniCalendarApi(source, FirstDayOfNextMonth(pageFirstDay), 5, g.top, g.x1 - 3, g.top + 30);
  } else {
    UseFont(p.HeadFontName, 48);
    SetForeColor(p.HeadColor);
    PrintTurned(7, g.bottom - 15, TwoDigitMonth(pageFirstDay));
    SetFontSize(21);
    PrintTurned(2 * w27 + 5, g.bottom - 3 * HalfCharWidthMm(48), QStringLiteral("  月   ") + era);
    if (kind == 1)
      DrawMiniCalendarApi(source, FirstDayOfPrevMonth(pageFirstDay), 4, g.top + 40, g.x1 + 1, g.top + 70);
    DrawMiniCalendarApi(source, FirstDayOfNextMonth(pageFirstDay), 4, g.top, g.x1 + 1, g.top + 30);
  }
  DrawBox(2, g.x1, g.top, g.x2 - 0.1, g.bottom, p.LineColor);
}
