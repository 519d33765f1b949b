#include "GanttPage.h"

#include "GanttPageGeometry.h"
#include "GanttPrintPlan.h"
#include "GanttTaskRows.h"
#include "core/platform/TestSeamRegistry.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PrintSurface.h"
#include "core/print/RotatedText.h"
#include "core/print/SheetPlan.h"
#include "core/settings/PaperSettings.h"
#include "core/text/StringHelpers.h"

namespace {
GanttPageDrawer& Drawer() {
  static GanttPageDrawer drawer;
  return drawer;
}

// The chart lies sideways, so every text reads upwards.
void TextAt(const QString& font, float size, double x, double y, const QString& text) {
  SetFontName(font);
  SetFontSize(size);
  SetCurrentX(x);
  SetCurrentY(y);
  PrintRotatedTextAtCursor(text);
}

void DrawSignOffBlock(const GanttPageOptions& o, const GanttPageGeometry& g) {
  const double head = PaperSettings.HeadHeight;
  const double f = g.f;
  const int32_t line = PaperSettings.LineColor;
  const QString& font = PaperSettings.DataFontName;
  const float size = PaperSettings.DataFontSize;
  DrawBox(2, g.left, head, g.xT, head + 12 * f, line);
  DrawStyledLine(1, g.left + f - 0.2, head, g.left + f - 0.2, head + 12 * f, line);
  for (int i = 1; i <= 3; ++i) DrawStyledLine(1, g.left, head + 3 * f * i, g.xT, head + 3 * f * i, line);
  const QString labels[] = {QStringLiteral("作成"), QStringLiteral("点検"), QStringLiteral("検査"), QStringLiteral("承認")};
  for (int i = 1; i <= 4; ++i) TextAt(font, size * 2 / 3, g.left + 0.3, head + 3 * f * i - f, labels[i - 1]);
  TextAt(font, size, g.left + f + 0.3, head + 3 * f - 0.2, TrimBlanks(o.name));
  const QDate made = GanttDate(o.makeDate);
  if (made.isValid())
    TextAt(font, size * 2 / 3, g.left + 2 * f + f / 3 - 0.1, head + 3 * f - 0.2, made.toString(QStringLiteral("yy/MM/dd")));
}

void DrawAuthorLine(const GanttPageOptions& o, const GanttPageGeometry& g) {
  const double head = PaperSettings.HeadHeight;
  const QString& font = PaperSettings.DataFontName;
  const float size = PaperSettings.DataFontSize;
  TextAt(font, size, g.left, head + 10 * g.h, o.makeDate);
  // Every character counts as full width, whatever its real width.
  TextAt(font, size, g.left, head + g.h * (2.0 * o.name.size() + 12), o.name);
}

void DrawMonthAxis(const GanttPageOptions& o, const GanttPageGeometry& g) {
  QDate d = o.PeriodStart;
  if (!d.isValid()) return;
  const QString& font = PaperSettings.DataFontName;
  const float size = PaperSettings.DataFontSize;
  for (int i = 1; i <= 100; ++i) {
    const double y = g.y(d);
    if (i > 1) DrawStyledLine(-1, g.xT, y, g.xB, y, PaperSettings.LineColor);
    const QDate next = NextMonthStart(d);
    const double w = static_cast<double>(d.daysTo(next)) * (g.yL - g.yR) / g.D;
    TextAt(font, size, g.xT + 0.3, y - w / 2 + g.h, QStringLiteral("%1").arg(d.month(), 2, 10, QLatin1Char('0')));
    d = next;
    if (d >= o.PeriodEnd) break;
  }
}

void DrawFrame(const GanttPageGeometry& g) {
  const double head = PaperSettings.HeadHeight;
  const double foot = PaperSettings.FootHeight;
  const int32_t line = PaperSettings.LineColor;
  DrawBox(2, g.xT, head, g.right, foot, line);
  DrawStyledLine(2, g.xH, head, g.xH, foot, line);
  for (double y : {g.yO, g.yL, g.yR}) DrawBox(1, g.xT, y, g.xB, y, line);
}

void DrawOverallRemarks(const GanttPageOptions& o, const GanttPageGeometry& g) {
  if (o.RemarkLineCount == 0) return;
  DrawStyledLine(1, g.xB, PaperSettings.DataHeight, g.xB, PaperSettings.FootHeight, PaperSettings.LineColor);
  SetFontName(PaperSettings.DataFontName);
  SetFontSize(PaperSettings.DataFontSize);
  double x = g.xB + 0.2;
  SetCurrentX(x);
  qsizetype start = 0;
  for (int printed = 0; printed < o.RemarkLineCount && GetCurrentX() <= g.right; ++printed) {
    const qsizetype p = o.remarks.indexOf(QStringLiteral("\r\n"), start);
    if (p < 0) break;
    SetCurrentX(x);
    SetCurrentY(PaperSettings.FootHeight - 1);
    PrintRotatedTextAtCursor(o.remarks.mid(start, p - start));
    x += 2 * HalfCharWidthMm(GetFontSize());
    SetCurrentX(x);
    start = p + 2;
  }
}
}  // namespace

void SetGanttPageDrawer(GanttPageDrawer drawer) {
  platform::RegisterSeamReset([] { SetGanttPageDrawer({}); });
  Drawer() = std::move(drawer);
}

void DrawGanttPage(const GanttPageOptions& o, int16_t& page, const std::vector<int16_t>& LinePage,
                   const QStringList& lines, int16_t PageLeft, int16_t PageWidth) {
  if (Drawer()) {
    Drawer()(o, page, LinePage, lines, PageLeft, PageWidth);
    return;
  }
  SetPrinterScaleMode(kScaleMillimetres);
  const GanttPageGeometry g = MakeGanttPageGeometry(o, PageLeft, PageWidth);
  TextAt(PaperSettings.HeadFontName, PaperSettings.HeadFontSize, g.left, PaperSettings.FootHeight, o.title);
  if (o.sign) DrawSignOffBlock(o, g);
  else DrawAuthorLine(o, g);
  const QString& font = PaperSettings.DataFontName;
  const float size = PaperSettings.DataFontSize;
  TextAt(font, size, g.xT + 0.3, PaperSettings.FootHeight - 1, QStringLiteral("項目"));
  TextAt(font, size, g.xT + 0.3, g.yO - 0.3, QStringLiteral("担当"));
  if (o.biko) TextAt(font, size, g.xT + 0.3, g.yR - 0.3, QStringLiteral("備考"));
  DrawMonthAxis(o, g);
  DrawFrame(g);
  DrawGanttTaskRows(o, page, LinePage, lines, g);
  DrawOverallRemarks(o, g);
}

bool PrintGanttPages(const GanttPrintPlan& plan, const GanttPageOptions& options) {
  // Without one task row a page would only divide by zero rows.
  if (plan.RowsPerPage <= 0) return false;
  RunSheetPlan(PlanNumberedFronts(plan.pageCount, 1), [&](const PlannedPage& page) {
    int16_t drawn = int16_t(page.item);
    DrawGanttPage(options, drawn, plan.LinePage, plan.lines, int16_t(page.x1), int16_t(page.x2));
  });
  return true;
}
