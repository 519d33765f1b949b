#include "SchedulePrinting.h"

#include "SchedulePrintButton.h"
#include "schedule/SchedulePrintSource.h"

void RegisterSchedulePrinting() {
  SetSchedulePrintHandler([](SchedulePrintSource& source) { Cmd_print_Click(source); });
}
