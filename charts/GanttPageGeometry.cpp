#include "GanttPageGeometry.h"

#include "GanttPage.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"

double GanttPageGeometry::y(const QDate& d) const {
  return yL - static_cast<double>(PeriodStart.daysTo(d)) / D * (yL - yR);
}

GanttPageGeometry MakeGanttPageGeometry(const GanttPageOptions& o, double left, double right) {
  GanttPageGeometry g;
  g.left = left;
  g.right = right;
  g.h = HalfCharWidthMm(PaperSettings.DataFontSize);
  g.f = 2 * g.h;
  g.xT = left + o.TitleBlockHeight;
  g.xH = g.xT + 5;
  g.xB = right - o.RemarkLineCount * g.f;
  g.yO = PaperSettings.FootHeight - 12 * g.f;
  g.yL = PaperSettings.FootHeight - 14 * g.f - 1;
  g.yR = o.biko ? PaperSettings.HeadHeight + 10 * g.f : PaperSettings.HeadHeight;
  g.PeriodStart = o.PeriodStart;
  const qint64 days = o.PeriodStart.isValid() && o.PeriodEnd.isValid() ? o.PeriodStart.daysTo(o.PeriodEnd) : 0;
  // The job's period always spans at least a month; a degenerate one must
  // still not divide by zero.
  g.D = days > 0 ? static_cast<double>(days) : 1;
  return g;
}
