// Key handlers of the month list and of the entry-text box.
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "ScheduleWindow.h"
#include "core/ui/KeyCodes.h"
#include "schedule/EntryKind.h"

bool ScheduleWindow::eventFilter(QObject* watched, QEvent* event) {
  const bool entryText = watched == Cmb_naiyou || (Cmb_naiyou && watched == Cmb_naiyou->lineEdit());
  if (event->type() == QEvent::KeyPress && (watched == List1 || entryText)) {
    const auto* key = static_cast<QKeyEvent*>(event);
    int16_t code = KeyDownCode(key);
    int16_t ascii = KeyPressCode(key);
    if (watched == List1) {
      List1_KeyDown(code, ShiftState(key));
      if (ascii != 0) List1_KeyPress(ascii);
      return false;
    }
    // Enter adds the typed entry, as the add button beside the box does.
    if (code == kKeyEnter && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
      Cmd_Update[1]->click();
      return true;
    }
    const int16_t pressedCode = code;
    Cmb_naiyou_KeyDown(code, ShiftState(key));
    if (pressedCode != 0 && code == 0) return true;
    if (ascii != 0) {
      Cmb_naiyou_KeyPress(ascii);
      if (ascii == 0) return true;
    }
    return false;
  }
  // Text committed by an input method is typed text as well.
  if (event->type() == QEvent::InputMethod && entryText) {
    const auto* input = static_cast<QInputMethodEvent*>(event);
    if (!input->commitString().isEmpty()) {
      int16_t ascii = static_cast<int16_t>(input->commitString().at(0).unicode());
      Cmb_naiyou_KeyPress(ascii);
      if (ascii == 0) return true;
    }
  }
  return PageWindow::eventFilter(watched, event);
}

// While the kind is 記号 the text is one of the symbols, chosen from the list
// only: nothing can be typed or deleted.
void ScheduleWindow::Cmb_naiyou_KeyDown(int16_t& KeyCode, int16_t Shift) {
  if (KeyCode == kKeyDelete && Cmb_yasumi->currentText() == EntryKind::Symbol) KeyCode = 0;
}

void ScheduleWindow::Cmb_naiyou_KeyPress(int16_t& KeyAscii) {
  if (Cmb_yasumi->currentText() == EntryKind::Symbol) KeyAscii = 0;
}
