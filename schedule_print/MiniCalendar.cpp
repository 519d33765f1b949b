#include "MiniCalendar.h"

#include <QStringList>
#include <algorithm>

#include "core/dates/DateFormat.h"
#include "DayStyles.h"
#include "core/print/PrintSurface.h"
#include "core/print/RotatedText.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "schedule/SchedulePrintSource.h"
#include "WeekdayMarks.h"

namespace {

// Weekday colours by column position, the Sunday at either end.
// No month has more days than this; the loop stops at the month's end.
constexpr int kMiniCalendarDaySteps = 32;

// Sets the ink of the weekday name in column k (1-based) and returns the name.
QString WeekdayName(const ScheduleOptions& options, int k) {
  const int s = options.OptSundayStart != 0 ? 1 : 0;
  SetForeColor(PaperSettings.DefaultColor);
  if (options.OptColourPrint == 1) {
    const QChar mark = kWeekdayColours.at(k - s);  // 1-based k + 1 - s
    if (mark == u'R') SetForeColor(kRed);
    else if (mark == u'B') SetForeColor(kBlue);
  }
  if (options.OptEnglish == 1) return kEnglishInitials.mid(2 * (k - s), 2);
  return kJapaneseNames.mid(k - s, 1);
}

int WeekdayColumn(const ScheduleOptions& options, const QDate& d) {
  const int weekday = d.dayOfWeek() % 7 + 1;  // Sunday = 1
  return options.OptSundayStart == 0 ? (weekday + 5) % 7 : (weekday + 6) % 7;
}

bool Circled(DayKind kind) {
  return kind == DayKind::Holiday || kind == DayKind::SubstituteHoliday || kind == DayKind::RestDay;
}

// Calls draw(day, column, row) for each day of the month from monthDate.
template <class Draw>
void ForEachDay(SchedulePrintSource& source, const QDate& monthDate, Draw draw) {
  const ScheduleOptions& options = source.PrintOptions();
  int row = 1;
  for (int i = 0; i < kMiniCalendarDaySteps; ++i) {
    const QDate d = monthDate.addDays(i);
    if (d.month() != monthDate.month()) break;
    const int column = WeekdayColumn(options, d);
    if (i > 0 && column == 0) ++row;
    QStringList texts;
    DayKind kind = DayKind::Ordinary;
    source.GetDaySchedule(d, texts, kind);
    draw(d, kind, column, row);
  }
}

}  // namespace

float MiniCalendarFontSize(double x1, double y1, double x2, double y2) {
  return float(std::min(x2 - x1, y2 - y1) * 5.67 / 14);
}

float MiniCalendarApiFontSize(double x1, double y1, double x2, double y2) {
  return float(std::min((x2 - x1) * 5.6 / 14, (y2 - y1) * 5.67 / 14));
}

void DrawMiniCalendar(SchedulePrintSource& source, const QDate& monthDate, double x1, double y1, double x2,
                      double y2) {
  if (!monthDate.isValid()) return;
  const ScheduleOptions& options = source.PrintOptions();
  const float fs = MiniCalendarFontSize(x1, y1, x2, y2);
  const float hw = HalfCharWidthMm(fs);
  SetFontName(PaperSettings.DataFontName);
  SetFontSize(fs);
  SetForeColor(PaperSettings.DefaultColor);

  const QString title = FormatDate(monthDate, QStringLiteral("yyyy\\/m"));
  SetCurrentY(y1);
  SetCurrentX(x1 + ((x2 - x1) - hw * title.size()) / 2);
  PrintTextNewLine(title);

  const double w = (x2 - x1) / 7;
  const double rowY = GetCurrentY();
  for (int k = 1; k <= 7 && x1 + (k - 1) * w <= x2 - 1; ++k) {
    const QString name = WeekdayName(options, k);
    SetCurrentY(rowY);
    SetCurrentX(x1 + (k - 1) * w + (options.OptEnglish == 1 ? hw / 2 : 0));
    PrintTextInline(name);
  }
  PrintTextNewLine(QString());
  const double top = GetCurrentY();

  ForEachDay(source, monthDate, [&](const QDate& d, DayKind kind, int column, int row) {
    const double cx = x1 + column * (x2 - x1) / 7;
    const double cy = top + (row - 1) * (y2 - top) / 6;
    const int32_t colour = DayKindTextColor(options, kind);
    SetForeColor(colour);
    SetCurrentX(d.day() < 10 ? cx + hw / 2 : cx);
    SetCurrentY(cy);
    PrintTextNewLine(QString::number(d.day()));
    if (Circled(kind)) {
      const double s = GetFontSize() / 5.6;
      SetDrawStyle(0);
      SetDrawWidth(1);
      DrawCircle(cx + s, cy + s, 0.9 * s, colour);
    }
  });
  SetForeColor(PaperSettings.DefaultColor);
}

void DrawMiniCalendarApi(SchedulePrintSource& source, const QDate& monthDate, double x1, double y1, double x2,
                         double y2) {
  if (!monthDate.isValid()) return;
  const ScheduleOptions& options = source.PrintOptions();
  const float fs = MiniCalendarApiFontSize(x1, y1, x2, y2);
  const float hw = HalfCharWidthMm(fs);
  SetFontName(PaperSettings.DataFontName);
  SetFontSize(fs);
  SetForeColor(PaperSettings.DefaultColor);

  SetCurrentX(x1);
  SetCurrentY(y2);
  PrintRotatedTextAtCursor(FormatDate(monthDate, QStringLiteral("yyyy\\/m")));

  const double slice = (x2 - x1) / 8;
  const double h = (y2 - y1) / 7;
  for (int k = 1; k <= 7 && y2 - (k - 1) * h >= y1 + 1; ++k) {
    const QString name = WeekdayName(options, k);
    SetCurrentX(x1 + slice);
    SetCurrentY(y2 - (k - 1) * h);
    PrintRotatedTextAtCursor(name);
  }

  ForEachDay(source, monthDate, [&](const QDate& d, DayKind kind, int column, int row) {
    const double cx = x1 + (row + 1) * slice;
    const double cy = y2 - column * h;
    const int32_t colour = DayKindTextColor(options, kind);
    SetForeColor(colour);
    SetCurrentX(cx);
    SetCurrentY(d.day() < 10 ? cy + hw / 2 : cy);
    PrintRotatedTextAtCursor(QStringLiteral("%1").arg(d.day(), 2));
    if (Circled(kind)) {
      const double s = GetFontSize() / 5.6;
      SetDrawStyle(0);
      SetDrawWidth(1);
      DrawCircle(cx + s, cy - s, 0.9 * s, colour);
    }
  });
  SetForeColor(PaperSettings.DefaultColor);
}
