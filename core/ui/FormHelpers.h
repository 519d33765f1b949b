#pragma once
// Helpers that the windows share for their controls.
#include <QString>

class QComboBox;
class QListWidget;
class QWidget;

// Refills the list with the font list (preferred fonts, separator, installed
// families) and selects position 0.
void FillFontList(QComboBox* list);
void FillFontList(QListWidget* list);

// kind "FONTSIZE" (any case) appends the 18 point sizes without clearing the
// list; any other kind shows "パラメータがおかしい" and changes nothing.
void FillFontSizeList(QComboBox* list, const QString& kind);
void FillFontSizeList(QListWidget* list, const QString& kind);

// The input-method mode that a window's layout gives a text box is kept in
// the box's dynamic property "ImeMode" (0 no control, 1 on, 2 off, 3 disabled,
// 4 hiragana, 5 katakana, 6 half-width katakana, 7 full-width alphanumerics,
// 8 half-width alphanumerics). When ImeKana is not 0, every text box of the
// window whose mode switches Japanese input on (1, 4, 5, 6, 7) gets mode 0.
// Qt offers no control of the input method's mode, so the modes take no
// effect on typing; the setting is kept for the settings file.
void ApplyImeMode(QWidget* window);

// Name of the dynamic property that holds a text box's input-method mode.
inline const char* kImeModeProperty = "ImeMode";

// The control with its object name, the name tests and the settings file know
// it by, so that a window builds each control in one expression.
template <typename Control>
Control* WithObjectName(Control* control, const QString& name) {
  control->setObjectName(name);
  return control;
}
