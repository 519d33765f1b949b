#pragma once
// The schedule window's print button: checks the choices, runs the print
// dialog, works out the design code and the start date, offers them to the
// drivers of the size mode and ends the job.
#include "ScheduleDrivers.h"
#include "schedule/SchedulePrintSource.h"

void Cmd_print_Click(SchedulePrintSource& source,
                     const SchedulePrintDrivers& drivers = StandardSchedulePrintDrivers());

// The first day a job starts from: the 1st of the chosen month, or for the
// weekly designs the Sunday or Monday that opens the chosen day's week. A
// null date when the lists make no date.
QDate PrintStartDay(const SchedulePrintControls& controls, int16_t optSundayStart);
