#pragma once
// The card window: each record of a CSV file printed as a card.
#include "core/ui/PageWindow.h"

class QPushButton;

class CardWindow : public PageWindow {
  Q_OBJECT
 public:
  explicit CardWindow(QWidget* parent = nullptr);

  QPushButton* Cmd_FileRead = nullptr;
  QPushButton* Cmd_FileWrite = nullptr;
  QPushButton* Cmd_print = nullptr;
};
