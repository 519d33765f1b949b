// The to-do list: filling it from the file in the chosen order, and the
// handlers of its mouse and keys.
#include <QComboBox>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QItemSelection>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include "DataFiles.h"
#include "LineItemList.h"
#include "ToDoOrder.h"
#include "ToDoSettings.h"
#include "TodoWindow.h"
#include "core/platform/MessageBox.h"
#include "core/platform/ProblemReport.h"
#include "core/platform/ScreenCursor.h"
#include "core/platform/TextLines.h"
#include "core/ui/KeyCodes.h"

namespace {
constexpr int16_t kKeySpace = 32;
constexpr int16_t kKeyLeft = 37;
constexpr int16_t kKeyRight = 39;

}  // namespace

void TodoWindow::LoadToDoList() {
  List2->clear();
  QStringList lines;
  const QString path = todo::LocalPath(ToDoFilePath);
  // A missing file shows as no lines, as the first write finds it; one that
  // cannot be read gets no write, for the write reads it again first. The
  // empty list of a file that cannot be read must not pass for an empty
  // file: it is said, once rather than at every activation.
  // Emptied with its storage: clear() would keep room for every old line
  // while the file is read again.
  ShownFileLines = QStringList();
  if (!QFileInfo(path).isFile()) return;
  QString error;
  if (!platform::ReadTextLinesWith(path, lines, todo::ReadToDoFile, &error)) {
    if (!toDoReadFailureTold_) platform::ReportProblem({platform::Problem::ViewReadFailed, path, error});
    toDoReadFailureTold_ = true;
    return;
  }
  toDoReadFailureTold_ = false;
  ShownFileLines = lines;
  const auto order = static_cast<todo::DisplayOrder>(std::max(0, cmb_sort->currentIndex()));
  // A long file takes a while to sort exactly; the pointer says so.
  const bool sorting = todo::IsSorted(order);
  if (sorting) platform::SetHourglassCursor();
  const todo::ToDoList list = todo::ListInDisplayOrder(lines, order);
  if (sorting) platform::SetDefaultCursor();
  PutList(list);
}

todo::ToDoList TodoWindow::TakeList() const {
  todo::ToDoList list;
  // The texts and line numbers are shared with the list box's, not copied.
  list.texts = List2->texts();
  list.itemData = List2->itemData();
  list.selected = QList<bool>(list.texts.size(), false);
  for (const QItemSelectionRange& range : List2->selectionModel()->selection())
    for (int row = range.top(); row <= range.bottom(); ++row) list.selected[row] = true;
  list.current = List2->currentRow();
  return list;
}

void TodoWindow::PutList(const todo::ToDoList& list) {
  List2->setUpdatesEnabled(false);
  List2->setEntries(list.texts, list.itemData);
  // One selection change for the whole list, however long.
  QItemSelection selection;
  for (int i = 0; i < list.size(); ++i)
    if (list.selected[i]) {
      const QModelIndex at = List2->model()->index(i, 0);
      selection.select(at, at);
    }
  if (list.hasCurrent())
    List2->selectionModel()->setCurrentIndex(List2->model()->index(list.current, 0), QItemSelectionModel::NoUpdate);
  List2->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  List2->setUpdatesEnabled(true);
}

void TodoWindow::List2_DblClick() { cmd_update_click(0); }

void TodoWindow::List2_KeyDown(int16_t& KeyCode, int16_t Shift) {
  // The keys act on the selection in every order, also while the buttons
  // of the level changes are disabled.
  switch (KeyCode) {
    case kKeySpace: KeyCode = 0; cmd_update_click(6); break;
    case kKeyLeft: KeyCode = 0; cmd_update_click(7); break;
    case kKeyRight: KeyCode = 0; cmd_update_click(8); break;
    default: break;
  }
}

void TodoWindow::List2_KeyPress(int16_t& KeyAscii) {
  if (KeyAscii != kKeyEnter) return;
  KeyAscii = 0;
  cmd_update_click(0);
  List2->setFocus();
}

bool TodoWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == List2 && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    int16_t code = KeyDownCode(key);
    const int16_t pressed = code;
    List2_KeyDown(code, ShiftState(key));
    if (pressed != 0 && code == 0) return true;
    int16_t ascii = KeyPressCode(key);
    if (ascii == kKeyEnter) {
      List2_KeyPress(ascii);
      return true;
    }
    return false;
  }
  // A blank that an input method commits is the Space key all the same.
  if (watched == List2 && event->type() == QEvent::InputMethod) {
    const QString committed = static_cast<QInputMethodEvent*>(event)->commitString();
    if (committed == QStringLiteral(" ") || committed == QStringLiteral("\u3000")) {
      int16_t code = kKeySpace;
      List2_KeyDown(code, 0);
      return true;
    }
  }
  if (watched == Txt_ToDoItem && event->type() == QEvent::FocusIn) {
    // After the click that gave the focus has placed the caret.
    QTimer::singleShot(0, this, [this] { Txt_ToDoItem_GotFocus(); });
  }
  return PageWindow::eventFilter(watched, event);
}
