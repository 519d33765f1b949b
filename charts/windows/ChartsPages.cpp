#include "ChartsPages.h"

#include "GanttWindow.h"
#include "TreeWindow.h"
#include "core/ui/PageRegistry.h"

void RegisterChartsPages() {
  RegisterPageWindowClass<GanttWindow>(QStringLiteral("gant"));
  RegisterPageWindowClass<TreeWindow>(QStringLiteral("tree"));
}
