#include "TreePage.h"

#include <algorithm>
#include <cmath>

#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/SheetPlan.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/text/CsvFieldArray.h"
#include "core/text/CsvLine.h"
#include "core/text/StringHelpers.h"

void TreeChart::Prepare(const QString& items) {
  lines = TreeItemLines(items);
  levels.clear();
  levels.reserve(size_t(lines.size()));
  for (const QString& line : lines) levels.push_back(GetIndentLevel(line));
  measures = MeasureTree(boxLayout, remarks);
  pages = AssignTreePages(levels, paging, measures.rowsPerPage);
}

int32_t LeadingHexValue(const QString& text) {
  uint32_t value = 0;
  for (int i = 0; i < text.size() && i < 8; ++i) {
    const char16_t c = text[i].unicode();
    int digit;
    if (c >= u'0' && c <= u'9') digit = c - u'0';
    else if (c >= u'a' && c <= u'f') digit = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F') digit = c - u'A' + 10;
    else break;
    value = value * 16 + uint32_t(digit);
  }
  return int32_t(value);
}

int32_t TreeChart::LevelColour(int level) const {
  const int index = level < 0 ? 0 : level > 20 ? 20 : level;
  return LeadingHexValue(colours[size_t(index)]);
}

namespace {

QString Field(const CsvFieldArray& fields, int n, int count) {
  return n <= count ? TrimBlanks(fields[n]) : QString();
}

void BoxTextAt(const QString& text, double x, double y, double right, int32_t colour) {
  SetForeColor(colour);
  SetCurrentX(x);
  SetCurrentY(y);
  PrintTextFitTwoLines(text, float(right));
}

void DrawRow(const TreeChart& chart, const QString& line, int level, double x0, double y0, int32_t firstColour) {
  const PaperSettingsData& p = PaperSettings;
  const double W = chart.measures.boxWidth;
  const double H = chart.measures.rowHeight;
  const double C = kTreeCell;
  const int lineWidth = chart.thinLines ? 1 : 2;
  DrawBox(lineWidth, x0, y0 + C / 4, x0 + W, y0 + H - C / 4, p.LineColor);

  CsvFieldArray fields(3);
  const int count = SplitCsvLineCount(line.mid(level), fields);
  const QString f1 = Field(fields, 1, count), f2 = Field(fields, 2, count), f3 = Field(fields, 3, count);
  const double right = x0 + W - 0.5;
  const double mid = x0 + W / 2;
  const double top = y0 + C / 2;
  const double lower = y0 + H / 2 + 0.5;
  auto across = [&](double y) { DrawStyledLine(1, x0, y, x0 + W, y, p.LineColor); };
  switch (chart.boxLayout) {
    case 1:
      BoxTextAt(f1 + QStringLiteral(" ") + f2, x0 + 1, top, right, firstColour);
      break;
    case 3:
      across(y0 + H / 2);
      BoxTextAt(f1, x0 + 1, top, right, firstColour);
      BoxTextAt(f2, x0 + 1, lower, right, p.DataColor);
      break;
    case 4:
      across(y0 + H / 2);
      DrawStyledLine(1, mid, y0 + H / 2, mid, y0 + H - C / 4, p.LineColor);
      BoxTextAt(f1, x0 + 1, top, right, firstColour);
      BoxTextAt(f2, x0 + 1, lower, mid - 0.5, p.DataColor);
      BoxTextAt(f3, mid + 1, lower, right, p.DataColor);
      break;
    case 5:
      across(y0 + H / 2);
      DrawStyledLine(1, mid, y0 + C / 4, mid, y0 + H / 2, p.LineColor);
      BoxTextAt(f1, x0 + 1, top, mid - 0.5, firstColour);
      BoxTextAt(f2, mid + 1, top, right, p.DataColor);
      BoxTextAt(f3, x0 + 1, lower, right, p.DataColor);
      break;
    case 6:
      SetForeColor(firstColour);
      SetCurrentX(x0 + 1);
      SetCurrentY(top);
      PrintWrappedText(f1, float(right));
      break;
    case 7: {
      const double third = (H - C / 2) / 3;
      across(y0 + C / 4 + third);
      across(y0 + C / 4 + 2 * third);
      BoxTextAt(f1, x0 + 1, y0 + C / 4 + 0.5, right, firstColour);
      BoxTextAt(f2, x0 + 1, y0 + C / 4 + third + 0.5, right, p.DataColor);
      BoxTextAt(f3, x0 + 1, y0 + C / 4 + 2 * third + 0.5, right, p.DataColor);
      break;
    }
    default:  // 0 and 2: one text
      BoxTextAt(f1, x0 + 1, top, right, firstColour);
      break;
  }
}

}  // namespace

void DrawTreePage(int page, const TreeChart& chart, const TreeConnectors& connectors, double left, double right) {
  const PaperSettingsData& p = PaperSettings;
  SetPrinterScaleMode(kScaleMillimetres);
  SetFontName(p.DataFontName);
  SetFontSize(p.DataFontSize);
  const double H = chart.measures.rowHeight;
  const double C = kTreeCell;
  const double I = kTreeIndent;
  const bool topPages = chart.paging == TreePaging::TopLevelPages;
  const int minContinuing = topPages ? 2 : 1;
  // The deepest indent whose box still ends inside the page; deeper levels
  // stand at that indent rather than run off the page's right edge.
  const int deepestIndent = std::max(0, int(std::floor((right - left - chart.measures.boxWidth) / I)));
  auto indentX = [&](int level) { return left + std::min(level, deepestIndent) * I; };
  int row = 0;
  for (const TreeRow& drawn : chart.pages.rowsOf(page)) {
    const size_t i = drawn.line;
    const int level = chart.levels[i];
    const bool parentRow = drawn.parent;
    ++row;
    const double y0 = p.DataHeight + (row - 1) * H + C / 2;
    const double x0 = indentX(level);
    if (level > 0 && !(parentRow && level == 1)) {
      const double xv = x0 - I / 2;
      DrawStyledLine(1, xv, y0 + H / 2, x0, y0 + H / 2, p.LineColor);
      DrawStyledLine(1, xv, y0 - C / 4, xv, connectors.siblingFollows(i) ? y0 + H : y0 + H / 2, p.LineColor);
    }
    double lastColumn = -1;  // levels past the deepest indent share one column
    for (int L : connectors.continuingLevels(i, minContinuing)) {
      const double xl = indentX(L) - I / 2;
      if (xl == lastColumn) continue;
      lastColumn = xl;
      DrawStyledLine(1, xl, y0 - C / 4, xl, y0 + H, p.LineColor);
    }
    const int32_t firstColour = chart.levelColours ? chart.LevelColour(level) : p.DataColor;
    DrawRow(chart, chart.lines[int(i)], level, x0, y0, firstColour);
  }
  if (!chart.remarks.isEmpty()) {
    SetForeColor(p.DefaultColor);
    SetFontName(p.DefaultFontName);
    SetFontSize(p.DefaultFontSize - 1);
    SetCurrentX(left + 1);
    SetCurrentY(p.FootHeight - std::floor(4 * chart.measures.cw));
    PrintTextFitTwoLines(chart.remarks, float(right - 0.5));
  }
  DrawPageHeader(TrimBlanks(chart.title), left, right);
  DrawPageFooter(QString(), left, right);
}

void PrintTreePages(const TreeChart& chart) {
  const TreeConnectors connectors(chart.levels);
  RunSheetPlan(PlanNumberedFronts(chart.pages.pageCount, 1), [&](const PlannedPage& page) {
    DrawTreePage(page.item, chart, connectors, page.x1, page.x2);
  });
}
