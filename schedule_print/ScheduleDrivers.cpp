#include "ScheduleDrivers.h"

SchedulePrintDrivers StandardSchedulePrintDrivers() {
  return {{PrintYearMonthDesigns, PrintWeeklyDesigns, PrintDailyDesigns, PrintCalendarPlanDesigns},
          {PrintFourUpSheets, PrintCalendarPlanDesigns}};
}
