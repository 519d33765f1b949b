#include "ScheduleDrivers.h"

int PrintYearMonthDesigns(SchedulePrintSource&, int16_t&, QDate&) { return 0; }
