#include "SchedulePages.h"

#include "ScheduleWindow.h"
#include "core/ui/PageRegistry.h"

void RegisterSchedulePages() {
  RegisterPageWindowClass<ScheduleWindow>(QStringLiteral("yotei"));
}
