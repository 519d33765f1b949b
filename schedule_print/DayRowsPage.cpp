#include "DayRowsPage.h"

#include <QStringList>
#include <cmath>

#include "DayStyles.h"
#include "MiniCalendar.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "schedule/DaySchedule.h"
#include "schedule/SchedulePrintSource.h"
#include "core/text/StringHelpers.h"

namespace {

const QString kDayRowCircledNumbers = QStringLiteral("①②③④⑤⑥⑦⑧⑨⑩⑪⑫⑬⑭⑮⑯⑰⑱⑲⑳");
// Ruled memo pages never draw more lines than this in one part, whatever
// the font and body height make of the pitch.
constexpr int kMaxMemoLines = 100;

void RuleAcross(double style, double y, double x1, double x2) {
  DrawStyledLine(style, x1, y, x2, y, PaperSettings.LineColor);
}

void DrawDayBands(SchedulePrintSource& source, int pageMode, const QDate& pageFirstDay, double x1, double x2,
                  double mid) {
  const PaperSettingsData& p = PaperSettings;
  const ScheduleOptions& options = source.PrintOptions();
  const double bandHeight = (double(p.FootHeight) - p.DataHeight) / 7;
  SetCurrentY(p.DataHeight);
  for (int b = 0; b < 7; ++b) {
    const double bandTop = p.DataHeight + bandHeight * b;
    SetCurrentY(bandTop);
    RuleAcross(2, bandTop, x1, x2);
  }
  if (pageMode == 0 && options.OptMemoEntries == 1) {
    for (int b = 0; b < 7; ++b) {
      QStringList texts;
      DayKind kind = DayKind::Ordinary;
      source.GetDaySchedule(pageFirstDay.addDays(b), texts, kind);
      SetFontName(p.DataFontName);
      SetFontSize(p.DataFontSize);
      double y = p.DataHeight + bandHeight * b;
      int timeCount = 0;
      for (qsizetype i = 1; i < texts.size(); ++i) {
        QString entry = texts[i];
        const bool timed = entry.startsWith(kTimedEntryMarker);
        if (timed) ++timeCount;
        ApplyColourPrefix(options, entry);
        SetCurrentX(mid + 1);
        SetCurrentY(y);
        if (timed && timeCount < 20) PrintTextInline(kDayRowCircledNumbers.mid(timeCount - 1, 1));
        SetCurrentY(y);
        PrintTextFitTwoLines(entry + kCrLf, float(x2 - 2));
        y = GetCurrentY();
      }
    }
  }
  if (pageMode == 4 && options.OptMiniCalendar == 1) {
    const QDate first(pageFirstDay.year(), pageFirstDay.month(), 1);
    DrawMiniCalendar(source, first, x2 - 20, p.DataHeight + bandHeight * 6 + 1, x2, p.FootHeight - 1);
  }
}

// Rules down the body at the line pitch of the default font plus 1 mm, from
// the current y while it is not below limitY; each line prints label.
void RuledLines(double limitY, const QString& label, double x1, double x2) {
  for (int line = 1; line <= kMaxMemoLines && GetCurrentY() <= limitY; ++line) {
    const double y = GetCurrentY();
    if (line > 1) RuleAcross(-1, y, x1, x2);
    SetCurrentX(x1);
    SetCurrentY(y + 1);
    PrintTextNewLine(label);
  }
}

void DrawCheckListPage(double x1, double x2) {
  const PaperSettingsData& p = PaperSettings;
  SetCurrentY(p.DataHeight);
  SetFontName(p.DefaultFontName);
  SetFontSize(p.DefaultFontSize);
  SetForeColor(p.DefaultColor);
  RuledLines(p.DataHeight + (double(p.FootHeight) - p.DataHeight) / 2, QStringLiteral("□"), x1, x2);
  RuleAcross(1, GetCurrentY(), x1, x2);
  RuledLines(p.FootHeight - 30.0, QString(), x1, x2);
  RuleAcross(1, GetCurrentY(), x1, x2);
}

void DrawThirdsPage(double x1, double x2) {
  const PaperSettingsData& p = PaperSettings;
  const double pitch = 2 * HalfCharWidthMm(p.DefaultFontSize) + 1;
  const int thirdLine = int(std::nearbyint((double(p.FootHeight) - p.DataHeight) / pitch / 3));
  SetCurrentY(p.DataHeight);
  SetFontName(p.DefaultFontName);
  SetFontSize(p.DefaultFontSize);
  SetForeColor(p.DefaultColor);
  for (int j = 1; j <= kMaxMemoLines && GetCurrentY() <= p.FootHeight; ++j) {
    const double y = GetCurrentY();
    if (j > 1) RuleAcross(j == thirdLine || j == 2 * thirdLine ? 2 : -1, y, x1, x2);
    SetCurrentX(x1);
    SetCurrentY(y + 1);
    PrintTextNewLine(QString());
  }
  RuleAcross(1, GetCurrentY(), x1, x2);
}

}  // namespace

void DrawDayRowsOrMemoPage(SchedulePrintSource& source, int pageMode, const QDate& pageFirstDay, double pageX1,
                           double pageX2) {
  const PaperSettingsData& p = PaperSettings;
  const ScheduleOptions& options = source.PrintOptions();
  const double mid = pageX1 + (pageX2 - pageX1) / 2;
  DrawPageFrame(pageX1, pageX2);
  switch (pageMode) {
    case 0:
    case 4: DrawDayBands(source, pageMode, pageFirstDay, pageX1, pageX2, mid); break;
    case 2: DrawCheckListPage(pageX1, pageX2); break;
    case 3: DrawThirdsPage(pageX1, pageX2); break;
    default: break;
  }
  if (options.RuleFlags[0] == 1) DrawBox(1, pageX1, p.DataHeight, pageX2, p.FootHeight, p.LineColor);
  if (pageMode == 0 && options.OptMemoEntries == 1) DrawStyledLine(-1, mid, p.DataHeight, mid, p.FootHeight, p.LineColor);
  DrawPageHeader(QString(), pageX1, pageX2);
  DrawPageFooter(QString(), pageX1, pageX2);
}
