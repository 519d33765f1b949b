// The month calendar beside the to-do list, the day list of schedule
// entries under it, and the buttons that move the selected day.
#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>

#include "ToDoCalendarView.h"
#include "TodoWindow.h"
#include "core/platform/Clock.h"
#include "core/platform/CompanionProgram.h"
#include "core/platform/Shell.h"
#include "core/settings/AppGlobals.h"
#include "core/ui/Launcher.h"
#include "core/ui/MainWindow.h"
#include "core/dates/Calendar.h"
#include "schedule/CompanionCalendar.h"
#include "schedule/ScheduleFile.h"
#include "schedule/ScheduleFileChoice.h"

namespace {
// The companion calendar opens as a normal window with the focus.
constexpr int kNormalWithFocus = 1;
}  // namespace

// A bare name in the settings names a file in the program folder.
QString TodoWindow::linkedSchedulePath() const {
  if (LinkedScheduleFile.isEmpty()) return QString();
  const QString path = ScheduleFileLocation(LinkedScheduleFile);
  return path.contains(u'/') ? path : ProgramFolder + path;
}

void TodoWindow::DrawToDoCalendar(const QDate& date) {
  DayGrid = todo::DayGridOf(date);
  todo::DayFlagTable flags{};
  ListDaySchedule(date, flags);
  todo::ApplySubstituteHolidays(flags, date);
  lbl_calendar->setText(todo::CalendarCaption(date));
  Pic1->ShowMonth(date, DayGrid, flags);
}

void TodoWindow::ListDaySchedule(const QDate& date, todo::DayFlagTable& flags) {
  const QString path = linkedSchedulePath();
  if (path.isEmpty() || !QFileInfo(path).isFile()) return;
  QStringList lines;
  // A file that cannot be read is drawn like a missing one: the calendar is
  // drawn on every activation, and a message each time would block the page.
  if (!ScheduleFile::ReadLines(path, lines)) return;
  flags.fill(todo::kPlainDay);
  const QList<todo::DayListEntry> entries = todo::ListDayScheduleLines(lines, date, Chk_ListDay->isChecked(), flags);
  List1->setUpdatesEnabled(false);
  List1->clear();
  for (const todo::DayListEntry& entry : entries) {
    auto* item = new QListWidgetItem(entry.text);
    item->setData(ItemDataRole, entry.lineNumber);
    List1->addItem(item);
  }
  List1->setUpdatesEnabled(true);
}

void TodoWindow::Pic1_MouseDown(int x, int y) {
  const QDate day =
      todo::DayInCell(DayGrid, Pic1->MarkedDate(), todo::CalendarCellAt(x, y, Pic1->width(), Pic1->height()));
  if (!day.isValid()) return;
  SelectedDate = day;
  DrawToDoCalendar(SelectedDate);
}

void TodoWindow::Pic1_DblClick() {
  const bool ran = platform::RunCompanionProgram(CompanionCalendarName(), {DateToText(SelectedDate)}, kNormalWithFocus, [] {
    ShowCompanionMissingNotice(QStringLiteral("カレンダーをダブルクリックしたとき、\r\n"
                                              "姉妹ソフトのjxcalpadが有ると、\r\n"
                                              "予定内容付きの大きなカレンダーが表示できます。"),
                               CompanionCalendarName());
  });
  // The calendar program writes the same schedule file.
  if (ran) DrawToDoCalendar(SelectedDate);
}

void TodoWindow::Cmd_mm_Click(int index) {
  SelectedDate = todo::DateAfterButton(index, SelectedDate, platform::Today());
  DrawToDoCalendar(SelectedDate);
}

void TodoWindow::List1_DblClick() {
  MainWindow* main = CurrentMainWindow();
  if (main && main->mnu_frmCalender && main->mnu_frmCalender->isEnabled()) main->mnu_frmCalender->trigger();
}
