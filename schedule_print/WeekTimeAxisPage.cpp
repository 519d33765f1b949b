#include "WeekTimeAxisPage.h"

#include <QStringList>
#include <vector>

#include "core/dates/DateFormat.h"
#include "DayStyles.h"
#include "MiniCalendar.h"
#include "PrintFontSize.h"
#include "WeekTitle.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/dates/Calendar.h"
#include "schedule/SchedulePrintSource.h"
#include "core/text/StringHelpers.h"

namespace {

constexpr int kMaxHouseholdRows = 20;
constexpr int kMaxMemoRules = 101;

struct Column {
  double left, right;  // drawing edges, 0.5 mm inside the slot
  double top, bottom;
  bool stacked;        // the short days of 見開３列's right page
};

// What every column of one page shares.
struct PageContext {
  SchedulePrintSource& source;
  const ScheduleOptions& options;
  bool printEntries;
  int kind;
  QDate firstDay;
  double d, f, h, x1, x2, w;
};

std::vector<Column> ColumnsOf(const PageContext& c) {
  const double w = c.w, x1 = c.x1, d = c.d, f = c.f, h = c.h;
  const auto slot = [&](double from, double to) { return Column{from + 0.5, to - 0.5, d, f, false}; };
  const auto quarter = [&](int j) { return slot(x1 + j * w / 4, x1 + (j + 1) * w / 4); };
  const auto third = [&](int j) { return slot(x1 + j * w / 3, x1 + (j + 1) * w / 3); };
  std::vector<Column> columns;
  switch (c.kind) {
    case 1: case 3: case 7:
      for (int j = 0; j < 4; ++j) columns.push_back(quarter(j));
      break;
    case 2: case 4:
      for (int j = 0; j < 3; ++j) columns.push_back(quarter(j));
      if (c.kind == 4) columns[2].bottom = d + h / 2 - 2;
      break;
    case 5:
      for (int j = 0; j < 3; ++j) columns.push_back(third(j));
      break;
    case 6: {
      columns = {third(0), third(1), third(2), third(2)};
      const bool calendars = c.options.OptMiniCalendar == 1;
      columns[2].bottom = calendars ? d + h / 3 - 2 : d + h / 2 - 2;
      columns[3].top = calendars ? d + h / 3 + 2 : d + h / 2 + 2;
      columns[3].bottom = calendars ? d + 2 * h / 3 - 2 : f;
      columns[2].stacked = columns[3].stacked = true;
      break;
    }
    case 8:
      columns = {quarter(0), slot(x1 + w / 4, x1 + w / 4 + w / 5), slot(x1 + w / 4 + w / 5, x1 + w / 4 + 2 * w / 5)};
      break;
    default: break;
  }
  if ((c.kind == 1 || c.kind == 2) && c.options.OptHouseholdRows == 1)
    for (Column& col : columns) col.bottom = d + h * 4 / 5 - 2;
  return columns;
}

// Heading band: date, day label and annotations. Returns the scale top.
double DrawHeading(const PageContext& c, const Column& col, const QDate& day, const QStringList& texts,
                   DayKind dayKind) {
  const PaperSettingsData& p = PaperSettings;
  SetFontName(p.DefaultFontName);
  SetFontSize(p.DefaultFontSize);
  SetCurrentY(col.top + 2);
  for (int line = 0; line < 3; ++line) PrintTextNewLine(QString());
  const double scaleTop = GetCurrentY();
  if (c.options.OptShading == 1) FillBox(1, col.left, col.top + 1, col.right, scaleTop, p.ShadeColor);
  if (c.options.RuleFlags[0] == 1) DrawBox(1, col.left - 0.5, col.top + 1, col.right + 0.5, scaleTop, p.LineColor);

  SetCurrentX(col.left + 1);
  SetCurrentY(col.top + 2);
  if (day.month() != c.firstDay.addDays(6).month()) {
    SetForeColor(p.DefaultColor);
    PrintTextInline(FormatDate(day, QStringLiteral("mm\\/")));
  }
  SetForeColor(DayKindTextColor(c.options, dayKind));
  PrintTextInline(QStringLiteral("%1").arg(day.day(), 2));
  PrintTextNewLine(WeekdayLabel(c.options, day, dayKind));
  SetFontSize(ReducedFontSize(p.DefaultFontSize, 1));
  SetCurrentX(col.left);
  PrintTextNewLine(u' ' + texts.value(0));
  SetCurrentX(col.left);
  SetForeColor(p.DataColor);
  GetDayAnnotations(c.source, day);
  PrintTextNewLine(u' ' + c.source.RokuyouText + u' ' + c.source.MoonMarkText);
  return scaleTop;
}

// Texts that begin with a time ("hh:") belong on the hour rows.
bool Timed(const QString& stripped) { return stripped.size() >= 3 && stripped[2] == u':'; }

float EntryFontSize() { return 2 * PaperSettings.DataFontSize / 3; }

void DrawUntimedEntries(const PageContext& c, const Column& col, const QStringList& texts, double scaleTop) {
  SetFontName(PaperSettings.DataFontName);
  SetFontSize(EntryFontSize());
  SetCurrentY(scaleTop + 1);
  for (qsizetype j = 1; j < texts.size(); ++j) {
    QString entry = texts[j];
    ApplyColourPrefix(c.options, entry);
    if (Timed(entry)) continue;
    SetCurrentX(col.left);
    PrintTextFitTwoLines(entry + kCrLf, float(col.right));
  }
}

// The hour whose row closes the range that the hour numbers show.
int RangeEndHour(int hourRangeIndex) {
  switch (hourRangeIndex) {
    case 1: return 20;
    case 2: return 21;
    case 3: return 22;
    case 4: return 24;
    default: return -1;
  }
}

// The row whose line the check column starts from.
int CheckColumnHour(int hourRangeIndex) {
  switch (hourRangeIndex) {
    case 2: return 21;
    case 3: return 22;
    case 4: case 5: return 24;
    case 6: return 25;
    default: return 20;
  }
}

bool Labelled(int hourRangeIndex, int hour) {
  switch (hourRangeIndex) {
    case 1: case 7: return hour >= 8 && hour <= 19;
    case 2: return hour >= 8 && hour <= 20;
    case 3: return hour >= 8 && hour <= 21;
    case 4: return true;
    case 5: return hour >= 6 && hour <= 23;
    case 6: return hour >= 2;
    default: return false;
  }
}

float LabelFontSize() { return PaperSettings.DataFontSize / 2 + 0.5f; }

void DrawHourRows(const PageContext& c, const Column& col, bool firstColumn, const QStringList& texts,
                  double scaleTop) {
  const PaperSettingsData& p = PaperSettings;
  const int index = c.options.HourRangeIndex;
  const TimeAxisRows rows = TimeAxisRowsOf(index, c.options.OptMemo, scaleTop, col.bottom);
  const bool labels = firstColumn && index != 0;
  const double entryX = labels ? col.left + 4 * HalfCharWidthMm(LabelFontSize()) : col.left;
  for (int hour = rows.first; hour <= rows.last; ++hour) {
    const double y = rows.y(hour);
    if (y > col.bottom) break;
    const bool marked = hour == 6 || hour == 8 || hour == 9 || hour == 12 || hour == 13 || hour == 18;
    const int style = hour == RangeEndHour(index) || (marked && c.options.OptHorizontalRules == 1) ? 1 : -1;
    DrawStyledLine(style, col.left, y, col.right, y, p.LineColor);
    if (firstColumn && Labelled(index, hour)) {
      // In the data colour whatever colour the day's last entry left.
      SetFontName(p.DataFontName);
      SetFontSize(LabelFontSize());
      SetForeColor(p.DataColor);
      SetCurrentX(col.left);
      SetCurrentY(y + 0.5);
      PrintTextInline(u' ' + QString::number(index == 4 && hour >= 24 ? hour - 24 : hour));
    }
    if (!c.printEntries) continue;
    const QString prefix = QString::number(hour + 100).right(2) + u':';
    bool rowStarted = false;
    for (qsizetype j = 1; j < texts.size(); ++j) {
      // The marker is one character, so the time follows it.
      if (QStringView(texts[j]).mid(1, 3) != prefix) continue;
      if (!rowStarted) {
        SetFontName(p.DataFontName);
        SetFontSize(EntryFontSize());
        SetCurrentY(firstColumn ? y + 0.5 : y);
        rowStarted = true;
      }
      QString entry = texts[j];
      ApplyColourPrefix(c.options, entry);
      SetCurrentX(entryX);
      PrintTextFitTwoLines(entry.mid(6) + kCrLf, float(col.right));
    }
  }
  if (c.options.RuleFlags[1] == 1) {
    const double from = rows.y(CheckColumnHour(index));
    for (const double x : {col.left + 3, col.left + 6}) DrawStyledLine(-1, x, from, x, col.bottom, p.LineColor);
  }
}

// The two short days of 見開３列 share the third column: ruled in thirds.
void DrawStackedDay(const PageContext& c, const Column& col, bool secondDay, double scaleTop) {
  const PaperSettingsData& p = PaperSettings;
  if (secondDay && c.options.OptMiniCalendar != 1 && c.options.RuleFlags[0] != 1)
    DrawStyledLine(4, col.left, col.top, col.right, col.top, p.LineColor);
  for (int k = 0; k < 3; ++k) {
    const double y = scaleTop + k * (col.bottom - scaleTop) / 3;
    DrawStyledLine(1, col.left, y, col.right, y, p.LineColor);
  }
  // Their check column would run from their bottom to their bottom: none.
}

void DrawHouseholdRows(const PageContext& c, double top) {
  const PaperSettingsData& p = PaperSettings;
  static const QString kLabels[] = {QStringLiteral("財布残金"), QStringLiteral("食費"), QStringLiteral("交通費"),
                                    QStringLiteral("嗜好品")};
  SetFontName(p.DataFontName);
  SetFontSize(p.DataFontSize);
  SetForeColor(p.DataColor);
  const double rowHeight = 2 * HalfCharWidthMm(p.DataFontSize) + 1;
  for (int r = 1; r <= kMaxHouseholdRows; ++r) {
    const double y = top + (r - 1) * rowHeight;
    DrawStyledLine(r == 2 ? 1 : -1, c.x1, y, c.x2, y, p.LineColor);
    if (c.kind == 2 && r <= 4) {
      SetCurrentX(c.x1 + 3 * c.w / 4 + 1);
      SetCurrentY(y + 0.5);
      PrintTextInline(kLabels[r - 1]);
    }
    if (y + 2 * rowHeight >= c.f) break;
  }
  for (int q = 0; q < 4; ++q) DrawBox(1, c.x1 + q * c.w / 4, top, c.x1 + (q + 1) * c.w / 4, c.f, p.LineColor);
}

void DrawFourthQuarter(const PageContext& c, double scaleTop) {
  const PaperSettingsData& p = PaperSettings;
  const double l4 = c.x1 + 3 * c.w / 4 + 0.5, r4 = c.x2 - 0.5;
  SetFontName(p.HeadFontName);
  SetFontSize(2 * p.HeadFontSize);
  SetForeColor(p.HeadColor);
  SetCurrentX(l4);
  SetCurrentY(c.d + 2);
  PrintTextInline((QStringLiteral("  ") + QString::number(c.firstDay.month())).right(3));
  if (c.kind == 2) DrawStyledLine(-1, c.x1 + 3 * c.w / 4, scaleTop, c.x1 + 3 * c.w / 4, c.f - 2, p.LineColor);
  DrawStyledLine(1, l4 + 0.5, scaleTop, r4, scaleTop, p.LineColor);
  const double midY = c.d + c.h / 2;
  if (c.options.OptMiniCalendar == 1) {
    const double pitch = (c.f - scaleTop - 6) / 6;
    if (pitch > 0) {
      const QDate months[3] = {FirstDayOfPrevMonth(c.firstDay), FirstDayOfMonth(c.firstDay),
                               FirstDayOfNextMonth(c.firstDay)};
      for (int j = 0; j < 3; ++j) {
        const double y = scaleTop + 2 + j * pitch;
        DrawMiniCalendar(c.source, months[j], c.x2 - c.w / 4 + 2, y, c.x2 - 1, y + 5 * pitch / 7);
      }
    }
    if (c.kind == 2) DrawStyledLine(1, c.x2 - c.w / 4 + 2, midY, c.x2, midY, p.LineColor);
  }
  // The blank lower half beside the short third day is closed either way.
  if (c.kind == 4) DrawStyledLine(1, c.x2 - c.w / 2 + 0.5, midY, c.x2, midY, p.LineColor);
}

void DrawMemoArea(const PageContext& c) {
  const PaperSettingsData& p = PaperSettings;
  const double m = c.x1 + c.w / 4 + 2 * c.w / 5 + 1;
  for (int k = 0; k < kMaxMemoRules; ++k) {
    const double y = c.d + 5 + 4 * k;
    if (y > c.f) break;
    DrawStyledLine(-1, m, y, c.x2, y, p.LineColor);
  }
  if (c.options.OptShading == 1) FillBox(1, m, c.d + 1, c.x2, c.d + 5, p.ShadeColor);
  DrawBox(1, m, c.d + 1, c.x2, c.d + 5, p.LineColor);
}

}  // namespace

TimeAxisRows TimeAxisRowsOf(int hourRangeIndex, int optMemo, double scaleTop, double columnBottom) {
  const int first = hourRangeIndex == 5 ? 4 : hourRangeIndex == 6 ? 0 : 6;
  const int last = hourRangeIndex == 4 || optMemo == 1 ? 29 : 24;
  return {first, last, scaleTop, columnBottom};
}

void DrawWeekTimeAxisPage(SchedulePrintSource& source, int timeAxisPageKind, const QDate& pageFirstDay,
                          double pageX1, double pageX2) {
  const PaperSettingsData& p = PaperSettings;
  const SchedulePrintControls controls = source.PrintControls();
  const PageContext c{source,
                      source.PrintOptions(),
                      controls.Chk_naiyou == 1,
                      timeAxisPageKind,
                      pageFirstDay,
                      double(p.DataHeight),
                      double(p.FootHeight),
                      double(p.FootHeight - p.DataHeight),
                      pageX1,
                      pageX2,
                      pageX2 - pageX1};

  DrawPageFrame(pageX1, pageX2);
  const bool titled = c.kind == 1 || c.kind == 3 || c.kind == 5;
  DrawPageHeader(titled ? WeekTitleText(c.options, pageFirstDay, controls.chk_tukikijyun) : QString(), pageX1,
                 pageX2);

  const std::vector<Column> columns = ColumnsOf(c);
  double firstScaleTop = c.d;
  for (size_t i = 0; i < columns.size(); ++i) {
    const Column& col = columns[i];
    const QDate day = pageFirstDay.addDays(qint64(i));
    QStringList texts;
    DayKind dayKind = DayKind::Ordinary;
    source.GetDaySchedule(day, texts, dayKind);
    const double scaleTop = DrawHeading(c, col, day, texts, dayKind);
    if (i == 0) firstScaleTop = scaleTop;
    if (c.printEntries) DrawUntimedEntries(c, col, texts, scaleTop);
    if (col.stacked) DrawStackedDay(c, col, i == 3, scaleTop);
    else DrawHourRows(c, col, i == 0, texts, scaleTop);
    if (c.options.RuleFlags[0] == 1) DrawBox(1, col.left - 0.5, col.top + 1, col.right + 0.5, col.bottom, p.LineColor);
  }

  if (c.kind == 6 && c.options.OptMiniCalendar == 1) {
    const Column& col = columns[3];
    const double top = c.d + 2 * c.h / 3, bottom = top + c.h / 6 - 3;
    DrawMiniCalendar(source, FirstDayOfMonth(pageFirstDay), col.left + 1, top, col.right, bottom);
    DrawMiniCalendar(source, FirstDayOfNextMonth(pageFirstDay), col.left + 1, bottom, col.right, bottom + c.h / 6 - 3);
  }
  if ((c.kind == 1 || c.kind == 2) && c.options.OptHouseholdRows == 1) DrawHouseholdRows(c, columns[0].bottom);
  if (c.kind == 2 || c.kind == 4) DrawFourthQuarter(c, firstScaleTop);
  if (c.kind == 8) DrawMemoArea(c);
  DrawPageFooter(QString(), pageX1, pageX2);
}
