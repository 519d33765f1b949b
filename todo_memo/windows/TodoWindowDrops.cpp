// Drops onto the calendar, the day buttons and the day list, each of which
// becomes a schedule line after the user agrees; and the day list mailed.
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>

#include "DataFiles.h"
#include "ToDoCalendarView.h"
#include "LineItemList.h"
#include "ToDoLine.h"
#include "ToDoScheduleEntries.h"
#include "ToDoSettings.h"
#include "TodoWindow.h"
#include "core/platform/Clipboard.h"
#include "core/platform/Clock.h"
#include "core/platform/MessageBox.h"
#include "core/platform/Shell.h"
#include "core/text/StringHelpers.h"
#include "schedule/EntryKind.h"
#include "schedule/ScheduleLine.h"

namespace {

const QString kListTag = QStringLiteral("LIST2");
const QString kMascotTag = QStringLiteral("IMAGE_JX");

// The file can be replaced: its folder takes a new file and the file itself
// is not write-protected.
bool CanReplace(const QString& path) {
  const QFileInfo file(path);
  const QFileInfo folder(file.absolutePath());
  return folder.isDir() && folder.isWritable() && (!file.exists() || file.isWritable());
}

void TellNothingWritten(const QString& reason) {
  platform::ShowMessage(reason + QStringLiteral("\n予定には何も書き込んでいません。"), platform::MsgButtons::Ok,
                        platform::MsgIcon::Exclamation);
}

}  // namespace

QString TodoWindow::mascotText() const { return TrimBlanks(Txt_ToDoItem->text()); }

QString TodoWindow::selectedItem() const {
  const int row = List2->currentRow();
  return row >= 0 && List2->isRowSelected(row) ? List2->text(row) : QString();
}

bool TodoWindow::confirmDrop(const QDate& date, bool toDoItem, const QString& text) {
  return platform::ShowMessage(todo::DropQuestion(date, toDoItem, text), platform::MsgButtons::OkCancel,
                               platform::MsgIcon::Information) == platform::MsgResult::Ok;
}

bool TodoWindow::InsertScheduleLine(const QDate& date, const QString& kind, const QString& text) {
  return addScheduleLine(date, kind, text, nullptr);
}

bool TodoWindow::addScheduleLine(const QDate& date, const QString& kind, const QString& text,
                                 todo::AddedScheduleLine* added) {
  const QString path = linkedSchedulePath();
  if (path.isEmpty() || !QFileInfo(path).isFile()) {
    TellNothingWritten(QStringLiteral("予定ファイル「") + LinkedScheduleFile + QStringLiteral("」が見つかりません。"));
    return false;
  }
  return todo::AddScheduleLine(path, ScheduleLine::ComposeDated(date, kind, text), added);
}

bool TodoWindow::takeScheduleLineBack(const todo::AddedScheduleLine& added) {
  if (todo::TakeScheduleLineBack(added)) return true;
  platform::ShowMessage(QStringLiteral("予定ファイル「") + LinkedScheduleFile + QStringLiteral("」に追加した\n「") +
                            added.line + QStringLiteral("」を取り消せませんでした。\n予定表の画面で確かめてください。"),
                        platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
  return false;
}

void TodoWindow::Pic1_DragDrop(const QString& sourceTag, int x, int y) {
  const QDate day =
      todo::DayInCell(DayGrid, Pic1->MarkedDate(), todo::CalendarCellAt(x, y, Pic1->width(), Pic1->height()));
  if (!day.isValid()) return;
  // The day is chosen even when the user then cancels.
  SelectedDate = day;
  if (sourceTag == kListTag) {
    dropItemOnDay(day);
  } else if (sourceTag == kMascotTag) {
    const QString text = mascotText();
    if (text.isEmpty() || !todo::CheckTypedText(text) || !confirmDrop(day, false, text)) return;
    InsertScheduleLine(day, EntryKind::Plain, text);
    DrawToDoCalendar(SelectedDate);
  }
}

// The item is scheduled for the day and takes that day as its date, in the
// schedule file and in the to-do file alike, or in neither: every check and
// question of the to-do file comes before the schedule line is written, and
// a to-do write that fails all the same takes the line back out.
bool TodoWindow::dropItemOnDay(const QDate& day) {
  const QString line = selectedItem();
  if (line.isEmpty()) return false;
  const QString item = todo::BeforeFirstTab(line);
  if (!confirmDrop(day, true, todo::ItemTextOf(item))) return false;
  const QString toDoPath = todo::LocalPath(ToDoFilePath);
  if (!CanReplace(toDoPath)) {
    TellNothingWritten(QStringLiteral("「") + ToDoFilePath + QStringLiteral("」に書き込めません。"));
    return false;
  }
  if (!toDoFileMayChange()) return false;
  todo::ToDoList list = TakeList();
  if (!list.hasCurrent()) return false;
  list.texts[list.current] = todo::RedatedItem(line, day);

  todo::AddedScheduleLine added;
  const bool scheduled = addScheduleLine(day, todo::ScheduleKindOfImportance(item), todo::ItemTextOf(item), &added);
  if (scheduled) {
    PutList(list);
    // In file order, as every edit writes, so a sorted view never reorders
    // the file.
    if (!writeBack(todo::LinesInFileOrder(list))) {
      if (takeScheduleLineBack(added))
        TellNothingWritten(QStringLiteral("「") + ToDoFilePath + QStringLiteral("」を書き換えられませんでした。"));
      DrawToDoCalendar(SelectedDate);
      return false;
    }
  }
  DrawToDoCalendar(SelectedDate);
  if (!scheduled) return false;
  Txt_ToDoItem->setText(item.mid(2));
  txt_start->setText(todo::DateText(day));
  return true;
}

void TodoWindow::Cmd_mm_DragDrop(int, const QString& sourceTag) {
  // The buttons take the typed text only, and always for today.
  if (sourceTag != kMascotTag) return;
  const QString text = mascotText();
  if (text.isEmpty() || !todo::CheckTypedText(text)) return;
  const QDate today = platform::Today();
  if (!confirmDrop(today, false, text)) return;
  InsertScheduleLine(today, EntryKind::Plain, text);
  DrawToDoCalendar(SelectedDate);
}

void TodoWindow::List1_DragDrop(const QString& sourceTag) {
  if (sourceTag == kListTag) {
    const QString line = selectedItem();
    if (line.isEmpty()) return;
    if (!confirmDrop(SelectedDate, true, todo::ItemTextOf(line))) return;
    InsertScheduleLine(SelectedDate, todo::ScheduleKindOfImportance(line), todo::DayListEntryText(line));
    DrawToDoCalendar(SelectedDate);
  } else if (sourceTag == kMascotTag) {
    const QString text = mascotText();
    if (text.isEmpty() || !todo::CheckTypedText(text) || !confirmDrop(SelectedDate, false, text)) return;
    InsertScheduleLine(SelectedDate, EntryKind::Plain, todo::MascotDayListText(text));
    DrawToDoCalendar(SelectedDate);
  }
}

void TodoWindow::cmd_mail_Click() {
  QStringList entries;
  for (int i = 0; i < List1->count(); ++i) entries << List1->item(i)->text();
  const todo::DayMail mail = todo::DayMailOf(SelectedDate, entries);
  platform::ClipboardClear();
  platform::ClipboardSetText(mail.clipboardText);
  OpenMailLink(QString(), QString(), mail.subject, mail.body);
}
