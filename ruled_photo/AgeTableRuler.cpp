#include "AgeTableRuler.h"

#include <QDate>

#include "RuledPageText.h"
#include "RuledPaperOptions.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/dates/Calendar.h"
#include "core/dates/DateFormat.h"

namespace {

constexpr int kAges = 100;
constexpr int kLinesPerColumn = 50;

// The first day of each era, printed after the line of the year it began.
QString EraMarker(int year) {
  switch (year) {
    case 2019: return QStringLiteral(" 05/01");
    case 1989: return QStringLiteral(" 01/08");
    case 1926: return QStringLiteral(" 12/25");
    case 1912: return QStringLiteral(" 07/30");
    default: return QString();
  }
}

QString AgeLine(int age, int year) {
  const QDate lastDay(year, 12, 31);
  return QStringLiteral("%1 ").arg(age, 2, 10, QLatin1Char('0')) + FormatDate(lastDay, QStringLiteral("gggee")) +
         QStringLiteral(" %1").arg(year, 4, 10, QLatin1Char('0')) + u' ' + ZodiacSignOfYear(lastDay);
}

}  // namespace

void DrawAgeTable(const RuledPaperOptions& o, int year, double left, double right) {
  const PaperSettingsData& p = PaperSettings;
  DrawPageFrame(left, right);
  DrawPageHeader(QStringLiteral("年齢早見表 (%1年)").arg(year), left, right);
  SetFontName(p.DataFontName);
  SetFontSize(p.DataFontSize * 0.95f);
  const float r = float(p.FootHeight - p.DataHeight) / 51;
  for (int k = 1; k <= kAges; ++k) {
    const int age = k - 1;
    const int Y = year - age;
    const bool rightColumn = k > kLinesPerColumn;
    const int i = rightColumn ? k - 51 : k - 1;
    SetCurrentX(rightColumn ? left + (right - left) / 2 : left);
    SetCurrentY(float(p.DataHeight) + float(i) * r + r / 2);
    PrintTextInline(AgeLine(age, Y));
    const QString marker = EraMarker(Y);
    if (!marker.isEmpty()) PrintTextInline(marker);
  }
  DrawPageFooter(QStringLiteral("誕生日がきていない人は１を引いてください。"), left, right);
}

void DrawRulerPage(const RuledPaperOptions& o, double left, double right) {
  const PaperSettingsData& p = PaperSettings;
  const float l = float(left);
  const float r = float(right);
  SetFontName(p.HeadFontName);
  SetFontSize(p.HeadFontSize);
  SetCurrentX(l + 1);
  SetCurrentY(p.HeadHeight);
  PrintTextInline(o.Txt_Title);
  DrawStyledLine(4, l, p.DataHeight, r - 20, p.DataHeight, p.LineColor);
  SetFontName(p.DefaultFontName);
  SetFontSize(p.DefaultFontSize);
  SetCurrentX(l + 5);
  SetCurrentY(p.DataHeight + 10);
  PrintTextNewLine(QStringLiteral("微調整量: ") + TrimBlanks(o.Txt_monosasi) + QStringLiteral(" (約1/1000mm)"));

  // A tick that an absurd correction pushes off the paper could never show.
  const float bottom = GetScaleHeight();
  for (float k = 0; k <= float(p.FootHeight); k += 1) {
    const float c = float(BoxNumber(o.Txt_monosasi));
    const float y = k + k * 0.001f * c;
    if (!(y >= 0 && y <= bottom)) continue;
    const long mm = long(k);
    if (mm % 10 == 0) {
      DrawStyledLine(1, r, y, r - 9, y, p.LineColor);
      SetFontName(p.DefaultFontName);
      SetFontSize(p.DefaultFontSize);
      SetCurrentX(r - 12);
      SetCurrentY(y);
      PrintTextNewLine(QString::number(mm / 10));
    } else {
      DrawStyledLine(1, r, y, r - (mm % 5 == 0 ? 7 : 5), y, p.LineColor);
    }
  }
  DrawStyledLine(4, l, p.FootHeight, r - 20, p.FootHeight, p.LineColor);
}
