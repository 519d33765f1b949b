// The month list, the date lists that choose its month, and the tab bar
// that switches between entry input and print options.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <memory>
#include <utility>

#include "ScheduleWindow.h"
#include "core/dates/DateLists.h"
#include "core/platform/MessageBox.h"
#include "core/platform/ProblemReport.h"
#include "core/platform/TextLines.h"
#include "core/print/PrintJob.h"
#include "core/ui/TabBar.h"
#include "schedule/MonthList.h"
#include "schedule/ScheduleFile.h"

namespace {
QList<MonthListRow> RowsOf(const QListWidget* list) {
  QList<MonthListRow> rows;
  for (int i = 0; i < list->count(); ++i)
    rows.append({list->item(i)->text(), list->item(i)->data(ScheduleWindow::ListLineNumberRole).toInt()});
  return rows;
}
}  // namespace

// A file that cannot be read lists nothing, and says so once: the list is
// refreshed on every activation of the window, where a message would only
// come back again, but an empty list must not pass for an empty schedule.
void ScheduleWindow::RefreshScheduleList() {
  if (ScheduleFilePath.isEmpty() || loadingWindow_) return;
  const QString yearText = Cmb_Nen->currentText();
  const QString monthText = Cmb_Tuki->currentText();
  setWindowTitle(QStringLiteral("予定表 - ") + ScheduleFilePath);

  // The lines go past one by one: a large schedule is never held whole for
  // the few lines of one month.
  const MonthListOptions options{Chk_dispday->isChecked(), DesignHasTimes, Options.OptDetailEntries};
  auto builder = std::make_unique<MonthListBuilder>(yearText, monthText, options);
  QString error;
  const QString path = ScheduleFileLocalPath();
  const QByteArray opening = std::exchange(openingBytes_, {});
  if (!opening.isEmpty() && openingStamp_ == DaySchedule::FileChangeStamp(path)) {
    platform::ForEachTextLineOf(opening, [&](const QString& line) { builder->add(line); });
    listReadFailureShown_ = false;
  } else if (QFileInfo::exists(path) &&
             !platform::ForEachTextLine(path, [&](const QString& line) { builder->add(line); }, &error)) {
    // What was read before the failure is not the file: the list shows
    // none of it.
    builder = std::make_unique<MonthListBuilder>(yearText, monthText, options);
    if (!listReadFailureShown_)
      platform::ReportProblem({platform::Problem::ViewReadFailed, ScheduleFilePath, error});
    listReadFailureShown_ = true;
  } else {
    listReadFailureShown_ = false;
  }
  const QSignalBlocker quiet(List1);
  List1->clear();
  for (const MonthListRow& row : builder->take()) {
    auto* item = new QListWidgetItem(row.text);
    item->setData(ListLineNumberRole, row.lineNumber);
    List1->addItem(item);
  }
  List1->setCurrentRow(-1);
}

// The blank year is read as this year, whose days the list offers.
void ScheduleWindow::ClampDayCombo() {
  const int index = ClampedDayIndex(Cmb_Nen->currentText(), Cmb_Tuki->currentText(), Cmb_Hi->currentText(),
                                    ScheduleToday().year());
  if (index >= 0 && index != Cmb_Hi->currentIndex()) Cmb_Hi->setCurrentIndex(index);
}

void ScheduleWindow::Cmb_Nen_Click() {
  ClampDayCombo();
  RefreshScheduleList();
}

void ScheduleWindow::Cmb_Tuki_Click() {
  ClampDayCombo();
  RefreshScheduleList();
}

void ScheduleWindow::Cmb_Hi_Click() { ClampDayCombo(); }

// A year after the list's last one shows the last listed year.
void ScheduleWindow::Cmd_Today_Click() {
  const QDate today = ScheduleToday();
  Cmb_Nen->setCurrentIndex(NearestYearListIndex(today.year()));
  Cmb_Tuki->setCurrentIndex(today.month() - 1);
  Cmb_Hi->setCurrentIndex(today.day() - 1);
  List1->setCurrentRow(-1);
  List1->clearSelection();
  const int row = FirstRowFromDay(RowsOf(List1), today.day());
  if (row < 0) return;
  List1->setCurrentRow(row);
  List1->scrollToItem(List1->item(row), QAbstractItemView::PositionAtTop);
}

void ScheduleWindow::List1_DblClick() { Cmd_Update[0]->click(); }

void ScheduleWindow::List1_KeyPress(int16_t& KeyAscii) {
  if (KeyAscii == 13) Cmd_Update[0]->click();
}

void ScheduleWindow::List1_KeyDown(int16_t& KeyCode, int16_t Shift) {
  if (KeyCode == 46) Cmd_Update[3]->click();
}

// A press beyond the last tab (the rest of a bar whose width the tabs do
// not fill) keeps the panel that is shown, and its tab.
void ScheduleWindow::Picture3_MouseDown(int Button, int Shift, int X, int Y) {
  BeginBusy(this);
  const int n = 1 + static_cast<int>(Picture3->Tag().count(u','));
  const int16_t t = TabBarClick(Picture3, static_cast<int16_t>(X));
  if (t >= 1 && t <= n && t <= static_cast<int>(Picture2.size())) {
    for (int i = 1; i <= n && i <= static_cast<int>(Picture2.size()); ++i) Picture2[i - 1]->setVisible(i == t);
  } else {
    DrawTabBar(Picture3, Picture3->Tag(), Picture2[1]->isVisibleTo(this) ? 2 : 1);
  }
  EndBusy(this);
}
