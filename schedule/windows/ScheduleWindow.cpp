#include "ScheduleWindow.h"

#include <QListWidget>

#include "schedule/ScheduleFileChoice.h"

ScheduleWindow::ScheduleWindow(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("予定表 (カレンダー/日記)"));
  buildControls();
}

void ScheduleWindow::Form_Activate() { RefreshScheduleList(); }

int ScheduleWindow::ListRowLineNumber(int row) const {
  const QListWidgetItem* item = List1->item(row);
  return item ? item->data(ListLineNumberRole).toInt() : 0;
}

QString ScheduleWindow::ScheduleFileLocalPath() const { return ScheduleFileLocation(ScheduleFilePath); }
