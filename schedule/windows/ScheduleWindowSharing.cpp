// The per-date lookup under the window's options, and the schedule handed
// to the clipboard and to the companion calendar.
#include <QComboBox>
#include <QLineEdit>

#include "CompanionCalendarRun.h"
#include "ScheduleWindow.h"
#include "core/dates/DateLists.h"
#include "core/platform/Clipboard.h"
#include "schedule/ScheduleClipboardText.h"

DayScheduleOptions ScheduleWindow::DayOptions() const {
  DayScheduleOptions options;
  options.ScheduleFilePath = ScheduleFileLocalPath();
  options.OptRecurring = Options.OptRecurring;
  options.OptDetailEntries = Options.OptDetailEntries;
  options.OptHolidayNames = Options.OptHolidayNames;
  options.OptPrintEntries = Options.OptPrintEntries;
  options.RedWeekday = Options.RedWeekday;
  options.BlueWeekday = Options.BlueWeekday;
  options.ShiftPattern = Options.ShiftPattern;
  return options;
}

void ScheduleWindow::GetDaySchedule(const QDate& day, QStringList& texts, DayKind& kind) {
  daySchedule_.GetDaySchedule(day, DayOptions(), texts, kind);
}

QDate ScheduleWindow::ChosenDate() const {
  return DateOfDateLists(Cmb_Nen->currentText(), Cmb_Tuki->currentText(), Cmb_Hi->currentText(), ScheduleToday());
}

// Lists that make no date copy nothing.
void ScheduleWindow::cmd_toclip_Click() {
  const QDate start = ChosenDate();
  if (!start.isValid()) return;
  platform::ClipboardSetText(ScheduleClipboardText(start, Txt_maisu->text(), daySchedule_, DayOptions()));
}

// The calendar may change the schedule file while it runs.
void ScheduleWindow::cmd_bear_Click() {
  if (RunCompanionCalendar(ChosenDate())) RefreshScheduleList();
}
