#pragma once
// Key events as the windows' key handlers see them: a key code on key down
// (46 Delete, 13 Enter, ...) and a character code on key press (13 Enter,
// 8 Backspace, the typed character otherwise). A handler that sets the code
// to 0 drops the key.
#include <cstdint>

class QKeyEvent;

constexpr int16_t kKeyDelete = 46;
constexpr int16_t kKeyEnter = 13;

// The shift state: 1 Shift, 2 Control, 4 Alt, added.
int16_t ShiftState(const QKeyEvent* event);
// The key code of a key-down event; 0 for keys without one.
int16_t KeyDownCode(const QKeyEvent* event);
// The character code of a key-press event; 0 when the key types nothing.
// Control with a letter gives the control character (1 to 26).
int16_t KeyPressCode(const QKeyEvent* event);
