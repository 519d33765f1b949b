#include "TwoDayPage.h"

#include <QStringList>

#include "core/dates/DateFormat.h"
#include "DayStyles.h"
#include "PrintFontSize.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFrame.h"
#include "core/print/PrintSurface.h"
#include "core/print/StepRange.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "schedule/SchedulePrintSource.h"

namespace {
constexpr double kHeadingStrip = 10;
constexpr double kFirstRow = 15;  // below the half's top
constexpr double kRowPitch = 5;
constexpr double kRowEndRoom = 4;  // above the half's bottom
}  // namespace

long TwoDayPageRows(double halfHeight) { return StepCount(kFirstRow, halfHeight - kRowEndRoom, kRowPitch); }

void DrawTwoDayPage(SchedulePrintSource& source, int, const QDate& pageFirstDay, double pageX1, double pageX2) {
  if (!pageFirstDay.isValid()) return;
  const ScheduleOptions& options = source.PrintOptions();
  const SchedulePrintControls controls = source.PrintControls();
  const PaperSettingsData& p = PaperSettings;
  SetPrinterScaleMode(kScaleMillimetres);
  DrawPageFrame(pageX1, pageX2);
  const double half = (p.FootHeight - p.HeadHeight) / 2.0;
  for (int i = 1; i <= 2; ++i) {
    const QDate day = pageFirstDay.addDays(i - 1);
    const double top = p.HeadHeight + (i - 1) * half;
    QStringList texts;
    DayKind kind = DayKind::Ordinary;
    source.GetDaySchedule(day, texts, kind);
    if (texts.isEmpty()) texts << QString();

    if (controls.Chk_amikake == 1) {
      FillBox(0, pageX1, top, pageX2, top + kHeadingStrip, p.ShadeColor);
    } else {
      DrawStyledLine(6, pageX1, top, pageX2, top, p.LineColor);
      DrawStyledLine(6, pageX1, top + kHeadingStrip, pageX2, top + kHeadingStrip, p.LineColor);
    }

    SetFontName(p.HeadFontName);
    SetFontSize(1.5f * p.HeadFontSize);
    SetFontBold(1);
    SetForeColor(DayKindTextColor(options, kind));
    SetCurrentX(pageX1 + 2);
    SetCurrentY(top + 1);
    PrintTextInline(FormatDate(day, QStringLiteral("mm月dd日")));
    SetFontBold(0);

    SetFontSize(ReducedFontSize(p.HeadFontSize, 2));
    SetForeColor(p.DataColor);
    PrintTextInline(QStringLiteral(" "));
    const float xw = GetCurrentX();
    SetCurrentX(pageX2 - 15);
    SetCurrentY(top + 1.5);
    PrintTextInline(FormatDate(day, QStringLiteral("yyyy\\/mm")));
    SetCurrentX(xw);
    SetCurrentY(top + 2);
    PrintTextNewLine(WeekdayLabel(options, day, kind) + u' ' + texts[0]);
    SetCurrentX(xw);
    GetDayAnnotations(source, day);
    PrintTextInline(source.RokuyouText + source.MoonMarkText);

    qsizetype next = 1;
    const long rows = TwoDayPageRows(half);
    for (long r = 0; r < rows; ++r) {
      const double y = top + kFirstRow + r * kRowPitch;
      if (controls.Chk_yokokei == 1) DrawStyledLine(-1, pageX1, y, pageX2, y, p.LineColor);
      if (controls.Chk_naiyou == 1 && next < texts.size()) {
        QString entry = texts[next++];
        ApplyColourPrefix(options, entry);
        SetCurrentX(pageX1 + 1);
        SetCurrentY(y + 1);
        PrintTextNewLine(entry);
      }
    }
  }
}
