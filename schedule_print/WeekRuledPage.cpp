#include "WeekRuledPage.h"

#include <QStringList>

#include "core/dates/DateFormat.h"
#include "DayStyles.h"
#include "MiniCalendar.h"
#include "MonthListPage.h"
#include "PrintFontSize.h"
#include "WeekTitle.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/text/Numbers.h"
#include "core/dates/Calendar.h"
#include "schedule/DaySchedule.h"
#include "schedule/SchedulePrintSource.h"
#include "core/text/StringHelpers.h"

namespace {

const QString kCircledNumbers = QStringLiteral("①②③④⑤⑥⑦⑧⑨⑩⑪⑫⑬⑭⑮⑯⑰⑱⑲");
constexpr float kScaleFontSize = 5;
constexpr int kThreeColumnsIndex = 7;

struct Band {
  double top, bottom, left, right;
};

struct PageShape {
  int bands;
  double bandHeight;
  int lineCount;
};

PageShape ShapeOf(int kind, double h) {
  const int weekLines = PaperSettings.SuperOrganiserMode == 1 ? 3 : 6;
  switch (kind) {
    case 1: return {4, h / 4, 10};
    case 2: return {3, h / 4, 10};
    case 3: return {3, h / 3, 14};
    case 4: return {4, h / 3, 14};
    case 5: return {7, h / 6, 6};
    default: return {7, h / 7, weekLines};
  }
}

// Saturday and Sunday share the last row of kinds 4 and 5, each in a half.
Band BandOf(int kind, int i, const PageShape& shape, double x1, double x2) {
  const double d = PaperSettings.DataHeight, mid = x1 + (x2 - x1) / 2;
  const int sharedRow = kind == 4 ? 2 : kind == 5 ? 5 : -1;
  if (sharedRow >= 0 && i >= sharedRow) {
    const double top = d + sharedRow * shape.bandHeight;
    return {top, top + shape.bandHeight, i == sharedRow ? x1 : mid, i == sharedRow ? mid : x2};
  }
  const double top = d + i * shape.bandHeight;
  return {top, top + shape.bandHeight, x1, x2};
}

bool HasHourScale(int kind, int i) { return kind != 4 && !(kind == 5 && i >= 5); }

// A non-negative number printed with its sign place.
QString Signed(int n) { return n < 0 ? QString::number(n) : u' ' + QString::number(n); }

QString HourLabel(int hour, const HourRange& range, bool dotted) {
  if (dotted && hour != range.start && hour != 12 && hour != range.end &&
      !(hour == 18 && range.end >= 20))
    return QStringLiteral(".");
  return (QStringLiteral("  ") + Signed(hour % 24)).right(2);
}

void DrawWritingLines(const ScheduleOptions& options, int i, const Band& band, double textLeft,
                      const PageShape& shape) {
  const PaperSettingsData& p = PaperSettings;
  const double pitch = shape.bandHeight / shape.lineCount;
  const bool rules = options.OptHorizontalRules == 1;
  if (options.OptShading == 1) {
    const double x = rules ? textLeft : band.left;
    for (int j = 2; j <= shape.lineCount; j += 2)
      FillBox(0, x, band.top + (j - 1) * pitch, band.right, band.top + j * pitch, p.ShadeColor);
  }
  if (i > 0) DrawStyledLine(1, band.left, band.top, band.right, band.top, p.LineColor);
  if (options.OptShading != 1 && rules)
    for (int j = 1; j < shape.lineCount; ++j)
      DrawStyledLine(-1, textLeft, band.top + j * pitch, band.right, band.top + j * pitch, -1);
}

void DrawHourScale(const ScheduleOptions& options, const Band& band, double textLeft, const PageShape& shape) {
  const PaperSettingsData& p = PaperSettings;
  const int index = options.HourRangeIndex;
  if (index == kThreeColumnsIndex) {
    SetFontName(p.DataFontName);
    SetFontSize(kScaleFontSize);
    SetForeColor(p.DataColor);
    const double pitch = shape.bandHeight / shape.lineCount;
    for (int j = 1; j <= shape.lineCount; ++j)
      for (int c = 0; c < 3; ++c) {
        SetCurrentX(textLeft + c * (band.right - textLeft) / 3);
        SetCurrentY(band.top + (j - 1) * pitch + 1);
        PrintTextInline(Signed(6 * c + j - 1));
      }
    return;
  }
  const HourRange range = HourRangeOf(index);
  const double step = ((band.right - 2) - (textLeft + 1)) / (range.end - range.start);
  // Positions run on to the band's edge, so a fine scale (steps of 2 mm or
  // less) gets one more hour after its end. Counted by hours too, so a band
  // too narrow for its scale cannot loop on.
  const int lastHour = step > 0 ? range.end + 24 : range.end;
  for (int hour = range.start; hour <= lastHour; ++hour) {
    const double x = textLeft + 1 + (hour - range.start) * step;
    if (x > band.right) break;
    if (options.OptHourScale == 1)
      DrawStyledLine(1, x, band.top, x, band.top + (hour == 12 || hour == 18 ? 1 : 0.5), -1);
    if (index != 0) {
      SetFontName(p.DataFontName);
      SetFontSize(kScaleFontSize);
      SetForeColor(p.DataColor);
      SetCurrentX(x - 1);
      SetCurrentY(band.bottom - 2);
      PrintTextInline(HourLabel(hour, range, options.OptDottedScale == 1));
    }
  }
}

// Returns the top of the writing area: below a horizontal heading, the band
// top beside a vertical one.
double DrawDateHeading(SchedulePrintSource& source, int kind, int i, const QDate& pageFirstDay, const Band& band,
                       const QStringList& texts, DayKind dayKind, bool shortenLastBox) {
  const PaperSettingsData& p = PaperSettings;
  const ScheduleOptions& options = source.PrintOptions();
  const QDate day = pageFirstDay.addDays(i);
  if (options.DesignStyleText == QStringLiteral("ボックス")) {
    const double bottom = band.top + 0.5 + 2 * HalfCharWidthMm(p.DefaultFontSize);
    const bool shortened = kind == 0 && i == 6 && shortenLastBox;
    const double right = shortened ? band.right - (band.right - band.left) / 3 : band.right;
    if (!shortened && options.OptShading == 1 && dayKind != DayKind::Ordinary)
      FillBox(0, band.left, band.top, right, bottom, DayKindBackColor(options, dayKind));
    DrawBox(1, band.left, band.top, right, bottom, p.LineColor);
  }
  SetFontName(p.DefaultFontName);
  SetFontSize(p.DefaultFontSize);
  SetCurrentX(band.left + 0.5);
  SetCurrentY(band.top + 0.5);
  const QString number = QStringLiteral("%1").arg(day.day(), 2);
  const int32_t ink = DayKindTextColor(options, dayKind);
  if (options.DesignStyleText == QStringLiteral("縦並び")) {
    SetFontName(QStringLiteral("Times New Roman"));
    SetFontSize(2 * p.DefaultFontSize);
    SetForeColor(ink);
    PrintTextNewLine(number);
    SetFontName(p.DefaultFontName);
    SetFontSize(p.DefaultFontSize);
    SetCurrentX(band.left + 0.5);
    PrintTextNewLine(WeekdayLabel(options, day, dayKind));
    SetFontSize(ReducedFontSize(p.DefaultFontSize, 1));
    SetCurrentY(GetCurrentY() + 0.2);
    SetCurrentX(band.left + 1);
    SetForeColor(p.DataColor);
    GetDayAnnotations(source, day);
    PrintTextNewLine(source.RokuyouText);
    if (!texts.value(0).isEmpty()) {
      SetCurrentY(GetCurrentY() + 0.2);
      SetCurrentX(band.left + 0.5);
      PrintTextNewLine(texts.value(0));
    }
    if (!source.MoonMarkText.isEmpty()) {
      SetCurrentY(GetCurrentY() + 0.2);
      SetCurrentX(band.left + 0.5);
      PrintTextNewLine(u' ' + source.MoonMarkText);
    }
    return band.top;
  }
  if (day.month() != pageFirstDay.addDays(6).month()) {
    SetForeColor(p.DefaultColor);
    PrintTextInline(FormatDate(day, QStringLiteral("m\\/")));
  }
  SetForeColor(ink);
  PrintTextInline(number);
  PrintTextInline(WeekdayLabel(options, day, dayKind));
  SetForeColor(p.DataColor);
  GetDayAnnotations(source, day);
  PrintTextInline(source.RokuyouText);
  PrintTextInline(source.MoonMarkText);
  PrintTextNewLine(u' ' + texts.value(0));
  return GetCurrentY();
}

void DrawEntries(const ScheduleOptions& options, const QStringList& texts, double top, double textLeft,
                 double right) {
  const PaperSettingsData& p = PaperSettings;
  SetFontName(p.DataFontName);
  SetFontSize(p.DataFontSize);
  SetCurrentY(top + 1);
  for (qsizetype j = 1; j < texts.size(); ++j) {
    QString entry = texts[j];
    ApplyColourPrefix(options, entry);
    SetCurrentX(textLeft + 1);
    PrintTextFitTwoLines(entry + kCrLf, float(right));
  }
}

// The hour of a timed entry, from its two leading digits; -1 when they are
// not two digits.
int EntryHour(const QString& entry) {
  if (entry.size() < 2 || !entry[0].isDigit() || !entry[1].isDigit() || entry[0].unicode() > '9' ||
      entry[1].unicode() > '9')
    return -1;
  return (entry[0].unicode() - '0') * 10 + (entry[1].unicode() - '0');
}

// The memo design keeps its entries on the memo page; the week page only
// numbers the day's timed entries on the hour scale, in the order of the
// memo page's list, so the two pages can be read together.
void DrawTimeMarks(const ScheduleOptions& options, const QStringList& texts, double top, double textLeft,
                   double pageX2) {
  const PaperSettingsData& p = PaperSettings;
  if (options.HourRangeIndex == 0 || options.HourRangeIndex == kThreeColumnsIndex) return;
  const HourRange range = HourRangeOf(options.HourRangeIndex);
  const float size = ReducedFontSize(p.DataFontSize, 3);
  const double step = ((pageX2 - 2) - (textLeft + 1)) / (range.end - range.start);
  SetFontName(p.DataFontName);
  SetFontSize(size);
  int count = 0;
  for (qsizetype j = 1; j < texts.size(); ++j) {
    if (!texts[j].startsWith(kTimedEntryMarker)) continue;
    ++count;
    QString entry = texts[j];
    ApplyColourPrefix(options, entry);
    const int hour = EntryHour(entry);
    if (count > kCircledNumbers.size() || hour < range.start || hour > range.end) continue;
    SetCurrentX(textLeft + 1 - HalfCharWidthMm(size) + (hour - range.start) * step);
    SetCurrentY(top + 1);
    PrintTextInline(kCircledNumbers.mid(count - 1, 1));
  }
}

void DrawCornerCalendar(SchedulePrintSource& source, const QDate& pageFirstDay, double x1, double x2) {
  const PaperSettingsData& p = PaperSettings;
  const double h = double(p.FootHeight) - p.DataHeight;
  DrawMiniCalendar(source, FirstDayOfMonth(pageFirstDay), x2 - 0.8 * (x2 - x1) / 3 + 1, p.FootHeight - 0.8 * h / 7 + 1,
                   x2 - 1, p.FootHeight - 1);
}

}  // namespace

void DrawWeekRuledPage(SchedulePrintSource& source, int ruledPageKind, const QDate& pageFirstDay, double pageX1,
                       double pageX2) {
  const PaperSettingsData& p = PaperSettings;
  const ScheduleOptions& options = source.PrintOptions();
  const SchedulePrintControls controls = source.PrintControls();
  const int kind = ruledPageKind;
  const double h = p.FootHeight - p.DataHeight, mid = pageX1 + (pageX2 - pageX1) / 2;
  // The right half of an A4 side is placed from the same width it is
  // recognised by, so a front page is known however the page was placed.
  const bool frontPage = pageX1 == p.PageLeft || float(pageX2) == GetScaleWidth();
  const PageShape shape = ShapeOf(kind, h);

  DrawPageFrame(pageX1, pageX2);
  SetCurrentY(p.DataHeight);
  double textLeft = pageX1;
  for (int i = 0; i < shape.bands; ++i) {
    const Band band = BandOf(kind, i, shape, pageX1, pageX2);
    textLeft = options.OptHorizontalRules == 1 ? band.left + 0.2 * (band.right - band.left) + 1
                                               : band.left + 5 * HalfCharWidthMm(p.DefaultFontSize);
    DrawWritingLines(options, i, band, textLeft, shape);
    if (HasHourScale(kind, i)) DrawHourScale(options, band, textLeft, shape);

    QStringList texts;
    DayKind dayKind = DayKind::Ordinary;
    source.GetDaySchedule(pageFirstDay.addDays(i), texts, dayKind);
    const double top = DrawDateHeading(source, kind, i, pageFirstDay, band, texts, dayKind,
                                       options.OptMiniCalendar == 1 && pageX1 == p.PageLeft);
    if (kind == 6 && options.OptMemoEntries == 1) DrawTimeMarks(options, texts, top, textLeft, pageX2);
    else DrawEntries(options, texts, top, textLeft, band.right);
  }

  switch (kind) {
    case 0:
      if ((options.OptMiniCalendar == 1 && frontPage) || (controls.chk_mini_ura == 1 && !frontPage))
        DrawCornerCalendar(source, pageFirstDay, pageX1, pageX2);
      break;
    case 2:
    case 3: {
      const double y = p.DataHeight + (kind == 2 ? 3 * h / 4 : 2 * h / 3);
      DrawStyledLine(2, pageX1, y, pageX2, y, p.LineColor);
      if (options.OptMiniCalendar == 1) DrawCornerCalendar(source, pageFirstDay, pageX1, pageX2);
      break;
    }
    case 4:
    case 5:
      DrawStyledLine(1, mid, p.DataHeight + (kind == 4 ? 2 * h / 3 : 5 * h / 6), mid, p.FootHeight, p.LineColor);
      break;
    case 6:
      if (options.OptMiniCalendar == 1) DrawCornerCalendar(source, pageFirstDay, pageX1, pageX2);
      break;
    default: break;
  }

  if (options.RuleFlags[0] == 1) DrawBox(1, pageX1, p.DataHeight, pageX2, p.FootHeight, p.LineColor);
  if (kind == 0) {
    if (options.RuleFlags[1] == 1) {
      const double x = pageX1 + 2 * (pageX2 - pageX1) / 3;
      for (const double at : {RoundHalfEven(x), RoundHalfEven(x + 3)})
        DrawStyledLine(-1, at, p.DataHeight, at, p.FootHeight, p.LineColor);
    }
    const int divisions = std::max(0, controls.cmb_tatekei);
    for (int k = 1; k <= divisions; ++k) {
      const double x = textLeft + k * (pageX2 - textLeft) / (divisions + 1);
      DrawStyledLine(-1, x, p.DataHeight, x, p.FootHeight, p.LineColor);
    }
  }

  const bool rightPage = kind == 2 || kind == 4;
  DrawPageHeader(rightPage ? QString() : WeekTitleText(options, pageFirstDay, controls.chk_tukikijyun), pageX1,
                 pageX2);
  DrawPageFooter(QString(), pageX1, pageX2);
}
