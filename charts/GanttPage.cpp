#include "GanttPage.h"

namespace {
GanttPageDrawer& Drawer() {
  static GanttPageDrawer drawer;
  return drawer;
}
}  // namespace

void SetGanttPageDrawer(GanttPageDrawer drawer) { Drawer() = std::move(drawer); }

void DrawGanttPage(const GanttPageOptions& options, int16_t& page, const std::vector<int16_t>& LinePage,
                   const QStringList& lines, int16_t PageLeft, int16_t PageWidth) {
  if (Drawer()) {
    Drawer()(options, page, LinePage, lines, PageLeft, PageWidth);
    return;
  }
  // The page itself is not drawn yet: the job still makes its pages.
}
