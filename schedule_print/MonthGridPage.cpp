#include "MonthGridPage.h"

#include <QStringList>

#include "core/dates/DateFormat.h"
#include "DayStyles.h"
#include "MiniCalendar.h"
#include "MonthGridCell.h"
#include "MonthGridGeometry.h"
#include "MonthTitle.h"
#include "PrintFontSize.h"
#include "ScheduleTable.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/StepRange.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/text/JapaneseText.h"
#include "core/dates/Calendar.h"
#include "schedule/SchedulePrintSource.h"
#include "WeekdayMarks.h"

namespace {

constexpr int kMonthGridDaySteps = 32;
constexpr int kMarginDayRows = 31;

void DrawWeekdayHeader(const ScheduleOptions& options, int gridMode, const GridBand& band, const CellLayout& layout) {
  const PaperSettingsData& p = PaperSettings;
  const bool invert = options.OptGridInvert == 1;
  const int s = band.sundayStart ? 1 : 0;
  const auto columns = GridColumns(gridMode);
  for (int c = 0; c < 7; ++c) {
    if (!columns[c].shown) continue;
    const double cx = layout.x1 + columns[c].left * layout.w;
    const double cw = columns[c].width * layout.w;
    if (!invert && options.OptShading == 1) FillBox(0, cx, band.top, cx + cw, layout.gridTop, p.ShadeColor);
    if (invert) FillBox(0, cx, band.top, cx + cw - 1, layout.gridTop - 1, p.ShadeColor);
    SetForeColor(p.DefaultColor);
    if (options.OptColourPrint == 1) {
      const QChar mark = kWeekdayColours.at(c + 1 - s);
      if (mark == u'R') SetForeColor(kRed);
      else if (mark == u'B') SetForeColor(kBlue);
    }
    const QString name = options.OptEnglish == 1 ? kEnglishNames.mid((c + 1 - s) * 3, 3)
                                                 : kJapaneseNames.mid(c + 1 - s, 1);
    SetFontName(p.DefaultFontName);
    SetFontSize(p.DefaultFontSize);
    SetCurrentY(band.top + 1);
    SetCurrentX(cx + (cw - layout.hw * AnsiByteLen(name)) / 2);
    PrintTextInline(name);
    if (!invert) {
      // The narrow weekend's last Saturday and Sunday share one cell.
      const double bottom = gridMode == 8 && c == 6 ? band.bottom - layout.rowHeight : band.bottom;
      DrawStyledLine(1, cx, band.top, cx, bottom, p.LineColor);
    }
  }
}

void DrawWeekLines(int gridMode, const GridBand& band, const CellLayout& layout) {
  const double x1 = gridMode == 3 ? layout.x1 + layout.w / 4 : layout.x1;
  const double x2 = gridMode == 2 ? layout.x1 + layout.w * 3 / 4 : layout.x1 + layout.w;
  for (int r = 1; r <= band.weekRows; ++r) {
    const double y = layout.gridTop + (r - 1) * layout.rowHeight;
    DrawStyledLine(1, x1, y, x2, y, PaperSettings.LineColor);
  }
}

void DrawStackedTitleAndFrame(const ScheduleOptions& options, const GridBand& band, double x1, double x2) {
  const PaperSettingsData& p = PaperSettings;
  SetForeColor(p.HeadColor);
  SetFontName(p.HeadFontName);
  SetFontSize(p.HeadFontSize);
  SetCurrentX(x1);
  SetCurrentY(band.top - (p.DataHeight - p.HeadHeight));
  PrintTextInline(FormatDate(band.month, options.OptEnglish == 1 ? QStringLiteral("yyyy\\/m mmmm")
                                                                 : QStringLiteral("ggge年m月 (yyyy)")));
  DrawBox(2, x1, band.top, x2, band.bottom, p.LineColor);
}

// The day list in the margin of the spreads with a margin. Rules stand at
// whole steps from the band's top, so the 32nd lands on its bottom.
void DrawMarginDayList(SchedulePrintSource& source, int gridMode, const GridBand& band, double x1, double w) {
  const ScheduleOptions& options = source.PrintOptions();
  const PaperSettingsData& p = PaperSettings;
  const double mx = gridMode == 2 ? x1 + 3 * w / 4 : x1;
  DrawStyledLine(1, mx, band.top, mx, band.bottom, p.LineColor);
  if (options.OptGridMargin != 1) return;
  SetFontName(p.DataFontName);
  SetFontSize(std::max(kSmallestPrintFontSize, p.DataFontSize * 3 / 5));
  const double h = (band.bottom - band.top) / kMarginDayRows;
  const QString letters = options.OptEnglish == 1 ? QStringLiteral("SMTWTFS") : QStringLiteral("日月火水木金土");
  for (int k = 0; k <= kMarginDayRows; ++k) {
    const double y = band.top + k * h;
    DrawStyledLine(1, mx, y, mx + w / 4, y, p.LineColor);
    const QDate day = band.month.addDays(k);
    if (k == kMarginDayRows || day.month() != band.month.month()) continue;
    QStringList texts;
    DayKind kind = DayKind::Ordinary;
    source.GetDaySchedule(day, texts, kind);
    SetCurrentX(mx);
    SetCurrentY(y + 0.5);
    PrintTextInline(DayNumberLabel(options, kind, day) + letters.at(WeekdayNumber(day) - 1));
  }
}

}  // namespace

void DrawMonthGridPage(SchedulePrintSource& source, int gridMode, const QDate& pageFirstDay, double pageX1,
                       double pageX2) {
  if (!pageFirstDay.isValid()) return;
  const ScheduleOptions& options = source.PrintOptions();
  const PaperSettingsData& p = PaperSettings;
  const GridPageRange range = GridPageRangeOf(gridMode, pageX1, pageX2);
  const double x1 = range.x1, x2 = range.x2, w = x2 - x1;
  const double hw = HalfCharWidthMm(p.DefaultFontSize);
  const bool invert = options.OptGridInvert == 1;

  if (gridMode != -1) DrawPageFrame(x1, x2);
  const std::vector<GridBand> bands = MonthGridBands(gridMode, pageFirstDay, x1, x2, options);
  const auto columns = GridColumns(gridMode);
  for (const GridBand& band : bands) {
    for (const MiniCalendarBox& mini : band.miniCalendars)
      DrawMiniCalendar(source, mini.month, mini.x1, mini.y1, mini.x2, mini.y2);
    CellLayout layout;
    layout.x1 = x1;
    layout.w = w;
    layout.hw = hw;
    layout.gridTop = band.top + GridHeaderHeight(hw);
    layout.rowHeight = (band.bottom - layout.gridTop) / band.weekRows;
    SetFontName(p.DefaultFontName);
    SetForeColor(p.DataColor);

    int row = 1;
    for (int i = 0; i < kMonthGridDaySteps; ++i) {
      const QDate day = band.month.addDays(i);
      if (day.month() != band.month.month()) break;
      const int c = GridColumnOf(day, band.sundayStart);
      if (i > 0 && c == 0) ++row;
      if (!columns[c].shown) continue;
      DrawMonthGridCell(source, day, x1 + columns[c].left * w, layout.gridTop + (row - 1) * layout.rowHeight,
                        columns[c].width * w, layout);
    }
    DrawWeekdayHeader(options, gridMode, band, layout);
    if (!invert) DrawWeekLines(gridMode, band, layout);
    if (gridMode == 21) DrawStackedTitleAndFrame(options, band, x1, x2);
  }

  const GridBand& last = bands.back();
  if (gridMode != -1 && options.OptMemo == 1) {
    const bool rightPage = gridMode >= 1 && gridMode <= 8 && gridMode % 2 == 0;
    DrawScheduleTable(source, rightPage ? 1 : 0, x1, last.bottom, x2, p.FootHeight);
  }
  if (gridMode == 2 || gridMode == 3) DrawMarginDayList(source, gridMode, last, x1, w);
  if (options.OptMiniCalendar == 1 && (gridMode == 6 || gridMode == 8)) {
    const double h = last.bottom - last.top;
    DrawMiniCalendar(source, FirstDayOfNextMonth(pageFirstDay), x2 - w / 3 + 1, last.bottom - h / 6 + 3, x2 - 1,
                     last.bottom - 1);
  }

  if (gridMode == -1) {
    const bool withMini = options.OptMiniCalendar == 1 && options.OptMemo != 1;
    SetForeColor(p.HeadColor);
    SetFontName(p.HeadFontName);
    QString pattern;
    if (options.OptEnglish == 1) {
      SetFontName(QStringLiteral("Times New Roman"));
      pattern = options.OptNoYear == 1 ? QStringLiteral("m") : QStringLiteral("yyyy\\/m mmmm");
    } else {
      pattern = options.OptNoYear == 1 ? QStringLiteral("m月") : QStringLiteral("ggge年m月 (yyyy)");
    }
    SetFontSize(withMini ? 38 : 24);
    SetCurrentX(x1);
    SetCurrentY(withMini ? 30 : 7);
    PrintTextInline(FormatDate(pageFirstDay, pattern));
    if (!invert) DrawBox(2, x1, last.top, x2, last.bottom, p.LineColor);
    return;
  }
  if (gridMode == 21) return;
  if (gridMode == 0 || gridMode % 2 == 1) DrawMonthTitle(options, pageFirstDay, x1, x2);
  else DrawPageHeader(QString(), x1, x2);
  DrawPageFooter(QString(), x1, x2);
  if (!invert) DrawBox(2, x1, bands.front().top, x2, p.FootHeight, p.LineColor);
}
