#include "ScheduleDrivers.h"

// Drivers whose designs are not printable yet accept no code, so the print
// button reports the design as not printable.
int PrintWeeklyDesigns(SchedulePrintSource&, int16_t&, QDate&) { return 0; }

SchedulePrintDrivers StandardSchedulePrintDrivers() {
  return {{PrintYearMonthDesigns, PrintWeeklyDesigns, PrintDailyDesigns, PrintCalendarPlanDesigns},
          {PrintFourUpSheets, PrintCalendarPlanDesigns}};
}
