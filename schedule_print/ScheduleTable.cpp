#include "ScheduleTable.h"

#include "core/print/DrawStyledLine.h"
#include "core/print/PrintSurface.h"
#include "core/print/StepRange.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "schedule/SchedulePrintSource.h"

namespace {
constexpr int kDefaultMemoLines = 12;
}

int ScheduleTableRowCount(int memoLineCount) { return memoLineCount < 1 ? kDefaultMemoLines : memoLineCount; }

void DrawScheduleTable(SchedulePrintSource& source, int secondPageTable, double pageX1, double tableTop,
                       double pageX2, double tableBottom) {
  const ScheduleOptions& options = source.PrintOptions();
  const PaperSettingsData& p = PaperSettings;
  const int lines = ScheduleTableRowCount(options.MemoLineCount);
  const double w = pageX2 - pageX1;
  const double h = (p.FootHeight - tableTop) / (lines + 1);
  const bool english = options.OptEnglish == 1;
  const int firstLetter = u'A' + (secondPageTable != 0 ? lines : 0);

  const auto text = [&](double x, double y, const QString& t) {
    SetFontName(p.DefaultFontName);
    SetFontSize(p.DefaultFontSize);
    SetForeColor(p.DefaultColor);
    SetCurrentX(x);
    SetCurrentY(y);
    PrintTextInline(t);
  };

  // Rows are counted rather than summed, so the last one neither drifts past
  // FootHeight nor goes missing.
  const long rows = StepCount(tableTop, p.FootHeight - 1, h);
  for (long k = 0; k < rows; ++k) {
    const double y = tableTop + double(k) * h;
    const long n = k - 1;
    if (n < 0) {
      if (options.OptShading == 1) FillBox(0, pageX1, y, pageX2, y + h, p.ShadeColor);
      DrawBox(2, pageX1, y, pageX2, y + h, p.LineColor);
      text(pageX1 + 1, y + 0.5, QStringLiteral("No"));
      text(pageX1 + 5 * w / 14 + 1, y + 0.5, english ? QStringLiteral("PLAN") : QStringLiteral("予定"));
      text(pageX1 + 5 * w / 7 + 1, y + 0.5, english ? QStringLiteral("DATE") : QStringLiteral("日付"));
      text(pageX1 + 6 * w / 7 + 1, y + 0.5, english ? QStringLiteral("TIME") : QStringLiteral("時刻"));
      continue;
    }
    if (options.OptShading == 1 && n % 2 == 1) FillBox(0, pageX1, y, pageX2, y + h, p.ShadeColor);
    DrawStyledLine(1, pageX1, y, pageX2, y, p.LineColor);
    text(pageX1 + 2, y + 0.5, QString(QChar(char16_t(firstLetter + n))));
  }
  DrawStyledLine(1, pageX1 + w / 14, tableTop, pageX1 + w / 14, p.FootHeight, p.LineColor);
  DrawStyledLine(1, pageX1 + 6 * w / 7, tableTop, pageX1 + 6 * w / 7, p.FootHeight, p.LineColor);
  DrawStyledLine(1, pageX1 + 5 * w / 7, tableTop, pageX1 + 5 * w / 7, p.FootHeight, p.LineColor);
  DrawBox(2, pageX1, tableTop, pageX2, tableBottom, p.LineColor);
}
