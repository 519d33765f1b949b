#include "SchedulePages.h"

#include "RingpadC.h"
#include "core/ui/PageRegistry.h"

void RegisterSchedulePages() {
  RegisterPageWindowClass<RingpadC>(QStringLiteral("yotei"));
}
