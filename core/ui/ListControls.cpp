#include "ListControls.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

void RefillList(QComboBox* list, const QStringList& items) {
  const QSignalBlocker quiet(list);
  list->clear();
  list->addItems(items);
  // A combo box selects its first item by itself when it gets one.
  list->setCurrentIndex(-1);
}

void RefillList(QListWidget* list, const QStringList& items) {
  const QSignalBlocker quiet(list);
  list->clear();
  list->addItems(items);
  list->setCurrentRow(-1);
}
