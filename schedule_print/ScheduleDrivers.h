#pragma once
// The print drivers of the schedule window. The print button offers every
// driver of the size mode the design code and the start date; a driver whose
// code it is runs the sheet and page loop of the layout and returns 1 (also
// when the user stops the job at a prompt), any other returns 0 and leaves
// both arguments alone.
#include <QDate>
#include <cstdint>
#include <functional>
#include <vector>

class SchedulePrintSource;
struct SchedulePrintControls;
struct SheetPlan;

using SchedulePrintDriver = std::function<int(SchedulePrintSource&, int16_t& designCode, QDate& startDay)>;

int PrintYearMonthDesigns(SchedulePrintSource& source, int16_t& designCode, QDate& startDay);
// The sheets of a year or month design (one of PrintYearMonthDesigns' codes)
// for n sheets (twoN pages where a page is a side), measured on the printer
// as it stands.
SheetPlan PlanYearMonthDesign(int16_t designCode, int n, int twoN, QDate startDay);
int PrintWeeklyDesigns(SchedulePrintSource& source, int16_t& designCode, QDate& startDay);
// The sheets of a weekly design (a PrintWeeklyDesigns code but 202, whose
// later weeks hang on the user's first answer) for n sheets (twoN pages where
// a page is a side); states the width it sets side by side, then measures.
SheetPlan PlanWeeklyDesign(int16_t designCode, int n, int twoN, QDate startDay);
int PrintDailyDesigns(SchedulePrintSource& source, int16_t& designCode, QDate& startDay);
// The sheets of a daily design (a PrintDailyDesigns code) from the date lists
// and the count; no sheet when the chosen date is no date.
SheetPlan PlanDailyDesign(int16_t designCode, const SchedulePrintControls& controls);
int PrintCalendarPlanDesigns(SchedulePrintSource& source, int16_t& designCode, QDate& startDay);
// The sheets of a large calendar (codes 251, 252, 253, 261) for n sheets;
// sizeChoice is the size list's choice.
SheetPlan PlanCalendarDesign(int16_t designCode, int sizeChoice, int n, QDate startDay);
int PrintFourUpSheets(SchedulePrintSource& source, int16_t& designCode, QDate& startDay);
// The landscape sheets of a four-up design (a PrintFourUpSheets code) from its
// first day: four pages a sheet, fronts only, so nothing is asked.
SheetPlan PlanFourUpSheets(int16_t designCode, int sheets, QDate startDay);

// The drivers asked, in order, in the normal sizes and in the four-fold ones.
struct SchedulePrintDrivers {
  std::vector<SchedulePrintDriver> normal;
  std::vector<SchedulePrintDriver> fourFold;
};
SchedulePrintDrivers StandardSchedulePrintDrivers();
