// The ten editing buttons of the to-do window. Each change writes the whole
// file back in file order at once, so the file always equals the list; a
// file that another writer changed since the list was loaded is not written
// over but read again, so that nothing the other wrote is lost.
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
#include "core/platform/ScreenCursor.h"

void TodoWindow::cmd_update_click(int Index) {
  setEnabled(false);
  platform::SetHourglassCursor();
  bool changed = false;
  bool added = false;
  todo::ToDoList list = TakeList();
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
      if (!typed.trimmed().isEmpty() && todo::CheckTypedText(typed)) {
        todo::AddItem(list, todo::NewLine(StatusMarkCycle, typed, today));
        changed = added = true;
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
    // The typed text stays in its box until the file holds it.
    if (writeBack(todo::LinesInFileOrder(list)) && added) {
      Txt_ToDoItem->clear();
      txt_start->setText(todo::DateText(today));
    }
  }
  platform::SetDefaultCursor();
  setEnabled(true);
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

bool TodoWindow::writeBack(const QStringList& lines) {
  const todo::SeenResult result = todo::ChangeSeenDataFile(todo::LocalPath(ToDoFilePath), ShownFileLines,
                                                           [&lines](QStringList& now) {
                                                             now = lines;
                                                             return true;
                                                           });
  if (result == todo::SeenResult::Done) return true;
  // The list never shows what the file does not hold.
  LoadToDoList();
  if (result == todo::SeenResult::Stale) todo::ShowStaleListMessage(todo::kToDoFileSubject);
  return false;
}
