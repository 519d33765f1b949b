#include "KeyCodes.h"

#include <QKeyEvent>

int16_t ShiftState(const QKeyEvent* event) {
  const Qt::KeyboardModifiers m = event->modifiers();
  return static_cast<int16_t>((m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
                              (m & Qt::AltModifier ? 4 : 0));
}

int16_t KeyDownCode(const QKeyEvent* event) {
  const int key = event->key();
  switch (key) {
    case Qt::Key_Delete: return kKeyDelete;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kKeyEnter;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    default: break;
  }
  if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
    return static_cast<int16_t>(key);
  return 0;
}

int16_t KeyPressCode(const QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return kKeyEnter;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Escape: return 27;
    default: break;
  }
  // Control with a letter types a control character (Ctrl+V is 22).
  const int key = event->key();
  if ((event->modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
    return static_cast<int16_t>(key - Qt::Key_A + 1);
  const QString text = event->text();
  return text.isEmpty() ? 0 : static_cast<int16_t>(text.at(0).unicode());
}
