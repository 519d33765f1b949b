#include "GanttTaskRows.h"

#include <cmath>

#include "GanttColumns.h"
#include "GanttPage.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PrintSurface.h"
#include "core/print/RotatedText.h"
#include "core/settings/PaperSettings.h"
#include "core/text/ColorTable.h"
#include "core/text/CsvFieldArray.h"
#include "core/text/CsvLine.h"
#include "core/text/Numbers.h"
#include "core/text/StringHelpers.h"
#include "core/dates/Calendar.h"

namespace {
const int32_t kDefaultGrey = RgbValue(192, 192, 192);

void RowTextAt(double x, double y, float size, const QString& text) {
  SetFontName(PaperSettings.DataFontName);
  SetFontSize(size);
  SetCurrentX(x);
  SetCurrentY(y);
  PrintRotatedTextAtCursor(text);
}

double RuleStyle(int level) { return level <= 0 ? 2 : level == 1 ? 1 : -1; }

int32_t AutoColour(int s) {
  switch (s) {
    case 1: return RgbValue(0, 0, 255);
    case 2: return RgbValue(0, 255, 0);
    case 3: return RgbValue(0, 255, 255);
    case 4: return RgbValue(255, 0, 0);
    case 5: return RgbValue(255, 0, 255);
    case 6: return RgbValue(255, 255, 0);
    case 7: return RgbValue(100, 100, 100);
    case 8: return RgbValue(255, 255, 255);
    default: return kDefaultGrey;
  }
}

// The type word must match exactly: "赤 " is not red.
int32_t TypeColour(const QString& word, int32_t colour) {
  static const struct { const char16_t* word; int r, g, b; } kWords[] = {
      {u"黒", 0, 0, 0},       {u"青", 0, 0, 255},   {u"緑", 0, 255, 0},       {u"水", 0, 255, 255},
      {u"空", 0, 255, 255},   {u"赤", 255, 0, 0},   {u"紫", 255, 0, 255},     {u"黄", 255, 255, 0},
      {u"灰", 100, 100, 100}, {u"白", 255, 255, 255},
  };
  for (const auto& w : kWords)
    if (word == QString::fromUtf16(w.word)) return RgbValue(w.r, w.g, w.b);
  return colour;
}

struct TaskDates {
  QDate PS, PE, AS, AE;  // invalid when the field holds no date
};

QDate Clamp(const QDate& d, const GanttPageOptions& o) {
  if (!d.isValid()) return d;
  if (d < o.PeriodStart) return o.PeriodStart;
  if (d > o.PeriodEnd) return o.PeriodEnd;
  return d;
}

// The shaded and outlined rectangle of a progress or actual mark.
void ShadedBox(double x1, double y1, double x2, double y2, double outlineStyle) {
  FillBox(0, x1, y1, x2, y2, PaperSettings.ShadeColor);
  DrawBox(outlineStyle, x1, y1, x2, y2, PaperSettings.LineColor);
}

void DrawBar(const GanttPageOptions& o, const GanttPageGeometry& g, const TaskDates& t, double rowX, double Q,
             int32_t colour, double progress) {
  const bool planned = t.PS.isValid() && t.PE.isValid();
  const bool actual = t.AS.isValid() && t.AE.isValid();
  switch (o.box) {
    case 1:  // 台形
      if (planned) DrawStyledLine(1, rowX + Q, g.y(t.PS), rowX + Q, g.y(t.PE), PaperSettings.LineColor);
      if (!o.jisseki) return;
      if (t.AS.isValid() && t.PS.isValid())
        DrawStyledLine(1, rowX + Q, g.y(t.PS), rowX + 3 * Q, g.y(t.AS), PaperSettings.LineColor);
      if (actual) DrawStyledLine(1, rowX + 3 * Q, g.y(t.AS), rowX + 3 * Q, g.y(t.AE), PaperSettings.LineColor);
      if (t.AE.isValid() && t.PE.isValid())
        DrawStyledLine(1, rowX + Q, g.y(t.PE), rowX + 3 * Q, g.y(t.AE), PaperSettings.LineColor);
      return;
    case 3:  // 矢印
      if (!planned) return;
      DrawStyledLine(2, rowX + Q, g.y(t.PS), rowX + Q, g.y(t.PE), colour);
      DrawStyledLine(2, rowX + Q, g.y(t.PS), rowX + Q + 1, g.y(t.PS) - 1, colour);
      DrawStyledLine(2, rowX + Q, g.y(t.PE), rowX + Q + 1, g.y(t.PE) + 1, colour);
      return;
    default: {  // 棒線, and ２本線 with a narrower plan beside the actual mark
      const bool twoLines = o.box == 2;
      const double planBottom = twoLines ? rowX + 2 * Q : rowX + 3 * Q;
      if (planned) {
        if (colour != kDefaultGrey) FillBox(0, rowX + Q, g.y(t.PS), planBottom, g.y(t.PE), colour);
        DrawBox(1, rowX + Q, g.y(t.PS), planBottom, g.y(t.PE), PaperSettings.LineColor);
      }
      if (!o.jisseki) return;
      if (!twoLines && planned) {
        const double yPS = g.y(t.PS);
        const double yP = yPS - (yPS - g.y(t.PE)) * progress;
        ShadedBox(rowX + Q, yPS, rowX + 3 * Q, yP, 1);
      }
      if (actual) {
        const double top = twoLines ? rowX + 2.5 * Q : rowX + Q;
        ShadedBox(top, g.y(t.AS), rowX + 3 * Q, g.y(t.AE), -1);
      }
      return;
    }
  }
}
}  // namespace

void DrawGanttTaskRows(const GanttPageOptions& o, int16_t page, const std::vector<int16_t>& LinePage,
                       const QStringList& lines, const GanttPageGeometry& g) {
  const float size = PaperSettings.DataFontSize;
  const double span = g.xB - g.xH;
  const double nominal = o.CellHeight + (o.box == 3 ? 4 : 2) * g.h;
  const double rows = std::floor(span / nominal);
  // The job refuses a page without room for a row; a direct caller gets
  // nothing rather than a division by zero.
  if (rows < 1) return;
  const double P = span / rows;
  const double Q = P / 4;
  const GanttColumnMap& map = o.columns;
  const int progressColumn = static_cast<int>(std::lround(map.ProgressColumn));
  const double head = PaperSettings.HeadHeight;
  const double foot = PaperSettings.FootHeight;

  int n = 0;
  int s = 0;
  int level = 0;
  double rowX = g.xH - P;
  CsvFieldArray fields(kGanttPageFields);
  for (int i = 1; i < lines.size() && i < static_cast<int>(LinePage.size()); ++i) {
    if (LinePage[i] != page) continue;
    level = GetIndentLevel(lines[i]);
    SplitCsvLineCount(lines[i], fields);
    TaskDates t;
    t.PS = Clamp(GanttDate(fields[map.StartColumn[0]]), o);
    t.PE = Clamp(GanttDate(fields[map.EndColumn[0]]), o);
    t.AS = Clamp(GanttDate(fields[map.StartColumn[1]]), o);
    t.AE = Clamp(GanttDate(fields[map.EndColumn[1]]), o);

    const QString name = TrimBlanks(fields[1]);
    const QChar first = name.isEmpty() ? QChar() : name[0];
    const bool sameRow = IsSameRowMark(first);
    const bool milestone = !sameRow && (IsMilestoneMark(first) || first.isNull());
    if (!sameRow && IsHiddenTaskMark(first)) continue;
    if (sameRow || milestone) {
      ++s;
    } else {
      ++n;
      s = 0;
    }
    rowX = g.xH + (n - 1) * P;

    int32_t colour = kDefaultGrey;
    if (o.autoColor) colour = AutoColour(s);
    if (map.TypeColumn != 0) colour = TypeColour(fields[map.TypeColumn], colour);
    double progress = progressColumn != 0 ? ParseNumber(fields[progressColumn]) : 0;
    // "50%" reads as 50: a shade past the bar's end helps nobody.
    if (!(progress >= 0)) progress = 0;
    if (progress > 1) progress = 1;
    if (!milestone || (t.PS.isValid() && t.PE.isValid())) DrawBar(o, g, t, rowX, Q, colour, progress);

    if (milestone) {
      if (t.PS.isValid() && !name.isEmpty()) RowTextAt(rowX + 1, g.y(t.PS), size * 2 / 3, name);
      continue;
    }
    if (n != 1) DrawStyledLine(RuleStyle(level), rowX, head, rowX, foot, PaperSettings.LineColor);
    const double textX = rowX + o.CellHeight / 2.0;
    if (!sameRow) {
      RowTextAt(textX, foot - 0.5, size, fields[1]);
    } else if (t.PS.isValid()) {
      RowTextAt(rowX + 0.3, g.y(t.PS), size / 2, TrimBlanks(fields[1].mid(level + 1)));
    }
    if (!sameRow) RowTextAt(textX, g.yO - 0.5, size, fields[map.OwnerColumn]);
    if (o.endDay && t.PE.isValid())
      RowTextAt(textX, g.y(t.PE) - 0.2, size * 3 / 4, QStringLiteral("%1").arg(t.PE.day(), 2, 10, QLatin1Char('0')));
    if (map.RemarksColumn != 0 && o.biko) RowTextAt(textX, g.yR - 0.5, size, fields[map.RemarksColumn]);
  }

  while (rowX < g.xB - 1) {
    ++n;
    rowX = g.xH + (n - 1) * P;
    if (n > 1) DrawStyledLine(RuleStyle(level), rowX, head, rowX, foot, PaperSettings.LineColor);
    level = 1;
  }
}
