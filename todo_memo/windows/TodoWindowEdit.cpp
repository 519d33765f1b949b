// The ten editing buttons of the to-do window. Each change writes the whole
// file back in file order at once, so the file always equals the list. When
// another writer (a second copy of the program) changed the file since the
// list was loaded, a change goes in on the file as it stands, where the file
// now has the lines it touches, and the list is read again; only a change of
// a line that is no longer there as the list showed it is refused, so that
// nothing the other wrote is lost.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "DataFiles.h"
#include "LineItemList.h"
#include "ToDoLine.h"
#include "ToDoSettings.h"
#include "TodoWindow.h"
#include "core/platform/Clock.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrintJob.h"

void TodoWindow::cmd_update_click(int Index) {
  BeginBusy(this);
  bool changed = false;
  todo::ToDoList list = TakeList();
  const todo::ToDoList before = list;
  const QDate today = platform::Today();
  const QString typed = Txt_ToDoItem->text();

  switch (Index) {
    case 0:  // 表示
      if (list.hasCurrent()) {
        const todo::ShownItem shown = todo::ShowLine(list.texts[list.current], today);
        Txt_ToDoItem->setText(shown.text);
        txt_start->setText(shown.date);
      }
      break;
    case 1:  // 追加
      // The typed text stays in its box until the file holds it.
      if (!typed.trimmed().isEmpty() && todo::CheckTypedText(typed) &&
          addToDoLine(list, todo::NewLine(StatusMarkCycle, typed, today))) {
        Txt_ToDoItem->clear();
        txt_start->setText(todo::DateText(today));
      }
      break;
    case 2:  // 更新
      if (list.hasCurrent() && !typed.trimmed().isEmpty() &&
          todo::CheckTypedText(typed + txt_start->text())) {
        list.texts[list.current] = todo::UpdatedLine(list.texts[list.current], typed, txt_start->text());
        changed = true;
      }
      break;
    case 3:  // 削除
      if (list.hasCurrent()) deleteCurrent(list, changed);
      break;
    case 4: changed = todo::MoveSelectedUp(list); break;
    case 5: changed = todo::MoveSelectedDown(list); break;
    case 6:
      changed = todo::ChangeSelected(list, [this](const QString& line) {
        return todo::WithNextStatusMark(line, StatusMarkCycle);
      });
      break;
    case 7: changed = todo::ChangeSelected(list, todo::WithLevelLess); break;
    case 8: changed = todo::ChangeSelected(list, todo::WithLevelMore); break;
    case 9: changed = todo::ChangeSelected(list, todo::WithNextImportance); break;
    default: break;
  }

  if (changed) {
    PutList(list);
    writeListChange(before, list);
  }
  EndBusy(this);
  List2->setFocus();
}

void TodoWindow::deleteCurrent(todo::ToDoList& list, bool& changed) {
  list.selected.fill(false);
  list.selected[list.current] = true;
  PutList(list);
  const QString item = todo::ItemPart(list.texts[list.current]);
  platform::MessageRequest ask;
  ask.text = QStringLiteral("「") + item + QStringLiteral("」\nを削除します");
  ask.buttons = platform::MsgButtons::OkCancel;
  ask.icon = platform::MsgIcon::Exclamation;
  ask.defaultButton = 2;
  if (platform::ShowMessage(ask) != platform::MsgResult::Ok) return;
  Txt_ToDoItem->setText(item);
  todo::RemoveItem(list, list.current);
  changed = true;
}

bool TodoWindow::toDoFileMayChange() {
  switch (todo::CheckSeenDataFile(todo::LocalPath(ToDoFilePath), ShownFileLines)) {
    case todo::SeenResult::Done: return true;
    case todo::SeenResult::Stale:
      LoadToDoList();
      todo::ShowStaleListMessage(todo::kToDoFileSubject);
      return false;
    case todo::SeenResult::Failed: return false;
  }
  return false;
}

bool TodoWindow::addToDoLine(const todo::ToDoList& list, const QString& line) {
  // The line the current entry shows, counted in file order.
  int anchor = -1;
  if (list.hasCurrent()) {
    anchor = 0;
    for (int data : list.itemData)
      if (data < list.itemData[list.current]) ++anchor;
  }
  const QStringList seen = ShownFileLines;
  bool changedBehind = false;
  int at = 0;
  QStringList written;
  // A read that fails under the lock is told there, and nothing is written.
  if (!todo::ChangeDataFile(todo::LocalPath(ToDoFilePath), [&](QStringList& lines) {
        changedBehind = lines != seen;
        at = todo::AddPositionInFile(lines, seen, anchor);
        lines.insert(at, line);
        written = lines;
        return true;
      }, false))
    return false;
  ShownFileLines = written;
  todo::ToDoList shown = list;
  if (!changedBehind && list.size() == seen.size()) {
    todo::AddItem(shown, line);
  } else {
    // The list shows what the other copy wrote too.
    LoadToDoList();
    shown = TakeList();
    shown.selected.fill(false);
    for (int i = 0; i < shown.size(); ++i)
      if (shown.itemData[i] == at) {
        shown.selected[i] = true;
        shown.current = i;
      }
  }
  PutList(shown);
  return true;
}

bool TodoWindow::writeListChange(const todo::ToDoList& before, const todo::ToDoList& after) {
  const QStringList seen = ShownFileLines;
  bool changedBehind = false;
  bool stale = false;
  QStringList written;
  const bool done = todo::ChangeDataFile(todo::LocalPath(ToDoFilePath), [&](QStringList& lines) {
        changedBehind = lines != seen;
        stale = !todo::ApplyListChange(before, after, seen, lines);
        written = lines;
        return !stale;
      }, false);
  if (done) ShownFileLines = written;
  if (done && !changedBehind) return true;
  // The list shows the file: what the other copy wrote too, or what stays
  // after a failure, which has been told (a read that fails again here is
  // the same failure).
  if (!done && !stale) toDoReadFailureTold_ = true;
  const QString current = after.hasCurrent() ? after.texts[after.current] : QString();
  LoadToDoList();
  if (stale) {
    todo::ShowStaleListMessage(todo::kToDoFileSubject);
    return false;
  }
  if (done) {
    // The entry the change left current stays current where the file has it.
    todo::ToDoList shown = TakeList();
    const int at = shown.texts.indexOf(current);
    if (at >= 0) {
      shown.selected.fill(false);
      shown.selected[at] = true;
      shown.current = at;
      PutList(shown);
    }
  }
  return done;
}

bool TodoWindow::writeBack(const QStringList& lines) {
  const todo::SeenResult result = todo::ChangeSeenDataFile(todo::LocalPath(ToDoFilePath), ShownFileLines,
                                                           [&lines](QStringList& now) {
                                                             now = lines;
                                                             return true;
                                                           });
  if (result == todo::SeenResult::Done) return true;
  // The list never shows what the file does not hold. A failure has been
  // told; a read that fails again here is the same failure.
  if (result == todo::SeenResult::Failed) toDoReadFailureTold_ = true;
  LoadToDoList();
  if (result == todo::SeenResult::Stale) todo::ShowStaleListMessage(todo::kToDoFileSubject);
  return false;
}
