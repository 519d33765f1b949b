#include "DayPage.h"

#include <QStringList>

#include "core/dates/DateFormat.h"
#include "DayStyles.h"
#include "MiniCalendar.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/text/Numbers.h"
#include "core/dates/Calendar.h"
#include "schedule/SchedulePrintSource.h"
#include "core/text/StringHelpers.h"

namespace {

constexpr float kDayNumberSize = 24;
constexpr int kMaxRightColumnPasses = 100;

bool IsCheckEntry(const QString& text) { return text.startsWith(u'□') || text.startsWith(u'■'); }
bool IsPriority(QChar c) { return c >= u'A' && c <= u'D'; }

QString MonthPattern(const ScheduleOptions& options) {
  if (options.OptEnglish == 1) return options.OptNoYear == 1 ? QStringLiteral(" m ") : QStringLiteral(" yyyy\\/m ");
  return options.OptNoYear == 1 ? QStringLiteral(" m月 ") : QStringLiteral(" ggge年m月 ");
}

// The header; returns ya, the bottom of the day number's line.
double DrawDayTitle(SchedulePrintSource& source, const QDate& day, DayKind kind, const QString& label, double x1) {
  const ScheduleOptions& options = source.PrintOptions();
  const PaperSettingsData& p = PaperSettings;
  SetForeColor(p.DefaultColor);
  SetFontName(p.DefaultFontName);
  SetFontSize(kDayNumberSize);
  SetCurrentX(x1);
  SetCurrentY(2);
  PrintTextInline(QStringLiteral("%1").arg(day.day(), 2));
  const float xa = GetCurrentX() + 5;
  PrintTextNewLine(QString());
  const float ya = GetCurrentY();

  SetFontSize(p.DefaultFontSize);
  SetCurrentX(xa);
  SetCurrentY(ya - 2 * HalfCharWidthMm(p.DefaultFontSize) - 2);
  SetForeColor(DayKindTextColor(options, kind));
  PrintTextInline(WeekdayLabel(options, day, kind));
  SetForeColor(p.DataColor);
  PrintTextInline(FormatDate(day, MonthPattern(options)));
  if (options.OptWeekNumber == 1) {
    PrintTextInline(u' ' + FormatDate(WeekCountedDay(options, day), QStringLiteral("\\(ww週\\)")));
  }
  GetDayAnnotations(source, day);
  PrintTextInline(source.RokuyouText + source.MoonMarkText);
  if (!label.isEmpty()) PrintTextInline(u' ' + label);
  PrintTextNewLine(QString());
  return ya;
}

void DrawDayHourScale(SchedulePrintSource& source, const QStringList& texts, double x1, double xs, double y0) {
  const ScheduleOptions& options = source.PrintOptions();
  const PaperSettingsData& p = PaperSettings;
  SetFontName(p.DataFontName);
  SetFontSize(p.DataFontSize);
  const double h = HalfCharWidthMm(p.DataFontSize);
  DayHourScale scale = DayHourScaleOf(options.HourRangeIndex);
  if (scale.rows == 0) scale.rows = int(RoundHalfEven(std::max(0.0, (p.FootHeight - y0 - 2) / h / 3)));
  const bool entries = source.PrintControls().Chk_naiyou == 1;
  int hour = scale.firstHour;
  for (int i = 1; i <= scale.rows; ++i) {
    if (GetCurrentY() >= p.FootHeight - 3) break;
    const double yi = y0 + 1 + (i - 1) * (p.FootHeight - y0 - 4) / scale.rows;
    if (i >= 2) DrawStyledLine(-1, x1, yi, xs - 1, yi, p.LineColor);
    SetCurrentX(x1);
    SetCurrentY(yi + 0.5);
    if (i > scale.rows - scale.unlabelled || options.HourRangeIndex == 0) continue;
    const QString hourText = QStringLiteral("%1:").arg(hour, 2, 10, QLatin1Char('0'));
    SetForeColor(p.DataColor);
    PrintTextInline(hourText);
    const float xt = GetCurrentX();
    if (entries) {
      for (qsizetype k = 1; k < texts.size(); ++k) {
        QString entry = texts[k];
        ApplyColourPrefix(options, entry);
        if (entry.left(3) != hourText) continue;
        SetCurrentX(xt);
        PrintWrappedText((entry.mid(2, 3) == QStringLiteral(":00") ? entry.mid(6) : entry.mid(3)) + kCrLf, float(xs - 1));
      }
    }
    hour = (hour + 1) % 24;
  }
}

void DrawRightColumn(SchedulePrintSource& source, const QStringList& texts, double xs, double x2, double y0,
                     double yL) {
  const ScheduleOptions& options = source.PrintOptions();
  const PaperSettingsData& p = PaperSettings;
  const bool table = options.RuleFlags[0] == 1;
  const double right = x2 - 1;
  const double upperEnd = p.DataHeight + (p.FootHeight - p.DataHeight) * 2.0 / 5;
  const double h = HalfCharWidthMm(p.DataFontSize);
  SetFontName(p.DataFontName);
  SetFontSize(p.DataFontSize);
  SetForeColor(p.DataColor);
  double y = y0 + 2;
  if (table) DrawStyledLine(1, xs, y, right, y, p.LineColor);

  // One ruled row from 1 mm below y; print draws its content.
  const auto row = [&](auto print) {
    const double top = y;
    SetCurrentY(y + 1);
    print();
    SetCurrentX(xs + 1);
    PrintTextNewLine(QString());
    y = GetCurrentY();
    DrawStyledLine(1, xs, y + 1, right, y + 1, p.LineColor);
    return top;
  };
  const auto tableBorders = [&](double top) {
    DrawStyledLine(1, xs, top, xs, y + 1, p.LineColor);
    DrawStyledLine(-1, xs + 5, top, xs + 5, y + 1, p.LineColor);
    DrawStyledLine(-1, xs + 10, top, xs + 10, y + 1, p.LineColor);
    DrawStyledLine(1, right, top, right, y + 1, p.LineColor);
  };
  const auto at = [](double x, const QString& text) {
    SetCurrentX(x);
    PrintTextInline(text);
  };

  qsizetype upper = 1, lower = 1;
  bool separator = false;
  for (int pass = 1; pass <= kMaxRightColumnPasses; ++pass) {
    if (y < upperEnd) {
      QString entry;
      if (upper < texts.size()) {
        entry = texts[upper++];
        ApplyColourPrefix(options, entry);
        if (!IsCheckEntry(entry)) {
          if (y + 2 * h + 2 >= yL) break;
          continue;
        }
      }
      SetForeColor(p.DataColor);
      if (!table) {
        row([&] { at(xs + 1, entry.isEmpty() ? QStringLiteral("□") : entry); });
      } else {
        const double top = row([&] {
          if (entry.isEmpty()) return;
          const float lineY = GetCurrentY();
          if (entry.startsWith(u'■')) at(xs + 1, QStringLiteral("済"));
          if (entry.size() > 1 && IsPriority(entry[1])) at(xs + 6, entry.mid(1, 1));
          SetCurrentY(lineY);
          SetCurrentX(xs + 11);
          PrintTextFitTwoLines(CheckListTitle(entry), float(right));
          SetCurrentY(lineY);
        });
        tableBorders(top);
      }
    } else {
      if (!table && !separator) {
        DrawStyledLine(2, xs, y, right, y, p.LineColor);
        separator = true;
      }
      QString entry;
      if (lower < texts.size()) {
        entry = texts[lower++];
        ApplyColourPrefix(options, entry);
        if (entry.mid(2, 1) == QStringLiteral(":") || IsCheckEntry(entry)) {
          if (y + 2 * h + 2 >= yL) break;
          continue;
        }
      }
      row([&] {
        if (entry.isEmpty()) return;
        const float lineY = GetCurrentY();
        SetCurrentX(xs + 1);
        PrintTextFitTwoLines(entry, float(right));
        SetCurrentY(lineY);
      });
      SetForeColor(p.DataColor);
    }
    if (y + 2 * h + 2 >= yL) break;
  }
}

}  // namespace

DayHourScale DayHourScaleOf(int index) {
  switch (index) {
    case 1: return {8, 16, 4};
    case 2: return {8, 17, 4};
    case 3: return {8, 18, 4};
    case 4: return {8, 24, 0};
    case 5: return {5, 21, 2};
    case 6: return {0, 26, 2};
    default: return {8, 0, 0};
  }
}

QString CheckListTitle(const QString& entry) {
  QString title;
  if (entry.size() > 2 && entry[2] == u':') title = entry.mid(3);
  else if (entry.size() > 1 && (IsPriority(entry[1]) || entry[1] == u' ' || entry[1] == u'　')) title = entry.mid(2);
  else title = entry.mid(1);
  const qsizetype tab = title.indexOf(u'\t');
  return tab < 0 ? title : title.left(tab);
}

void DrawDayPage(SchedulePrintSource& source, int, const QDate& pageDay, double pageX1, double pageX2) {
  if (!pageDay.isValid()) return;
  const ScheduleOptions& options = source.PrintOptions();
  const PaperSettingsData& p = PaperSettings;
  DrawPageFrame(pageX1, pageX2);
  const double w = pageX2 - pageX1;
  const double bodyHeight = p.FootHeight - p.DataHeight;
  const bool narrow = w < kDayPageRightColumnWidth;
  const double xs = narrow ? pageX2 : pageX1 + w * 4 / 7;
  const double yL = options.OptMiniCalendar == 1 ? p.DataHeight + bodyHeight * 5 / 7 : p.FootHeight - 3.0;
  QStringList texts;
  DayKind kind = DayKind::Ordinary;
  source.GetDaySchedule(pageDay, texts, kind);
  if (texts.isEmpty()) texts << QString();

  const double y0 = DrawDayTitle(source, pageDay, kind, texts[0], pageX1);
  if (p.TitleStyle != 0) DrawStyledLine(4, pageX1, y0, pageX2, y0, p.LineColor);
  DrawDayHourScale(source, texts, pageX1, xs, y0);
  if (!narrow) {
    DrawRightColumn(source, texts, xs, pageX2, y0, yL);
    if (options.OptMiniCalendar == 1) {
      const double mid = yL + bodyHeight / 7;
      DrawMiniCalendar(source, FirstDayOfMonth(pageDay), xs + 4, yL, pageX2 - 1, mid);
      DrawStyledLine(1, xs, mid, pageX2 - 1, mid, p.LineColor);
      DrawMiniCalendar(source, FirstDayOfNextMonth(pageDay), xs + 4, mid, pageX2 - 1, p.FootHeight - 1.0);
    }
  }
  DrawPageFooter(QString(), pageX1, pageX2);
}
