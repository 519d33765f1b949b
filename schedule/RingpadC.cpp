#include "RingpadC.h"

#include <QListWidget>

#include "ScheduleFileChoice.h"

RingpadC::RingpadC(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("予定表 (カレンダー/日記)"));
  buildControls();
}

void RingpadC::Form_Activate() { RefreshScheduleList(); }

int RingpadC::ListRowLineNumber(int row) const {
  const QListWidgetItem* item = List1->item(row);
  return item ? item->data(ListLineNumberRole).toInt() : 0;
}

QString RingpadC::ScheduleFileLocalPath() const { return ScheduleFileLocation(ScheduleFilePath); }
