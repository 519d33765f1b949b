#include "StoredValueCombo.h"

#include <QComboBox>

#include "SettingsFormLists.h"

namespace {
constexpr int kStoredRole = Qt::UserRole + 1;
}

bool IsStoredValueEntry(const QComboBox* list, int index) {
  return index >= 0 && index < list->count() && list->itemData(index, kStoredRole).toBool();
}

int RegularEntryCount(const QComboBox* list) {
  int n = list->count();
  while (n > 0 && IsStoredValueEntry(list, n - 1)) --n;
  return n;
}

void SelectRegularEntry(QComboBox* list, int index) {
  // Select first, then remove: removing the selected entry would make the
  // list select (and report) some other entry on the way.
  const int regular = RegularEntryCount(list);
  list->setCurrentIndex(index);
  while (list->count() > regular) list->removeItem(list->count() - 1);
}

void SelectStoredValueEntry(QComboBox* list, const QString& text, const QVariant& value) {
  const int regular = RegularEntryCount(list);
  if (regular == list->count()) {
    list->addItem(text, value);
    list->setItemData(regular, true, kStoredRole);
  } else {
    list->setItemText(regular, text);
    list->setItemData(regular, value);
  }
  list->setCurrentIndex(regular);
}

int FindRegularEntryWithData(const QComboBox* list, const QVariant& value) {
  const int regular = RegularEntryCount(list);
  for (int i = 0; i < regular; ++i)
    if (list->itemData(i) == value) return i;
  return -1;
}

void SelectPositionOrStored(QComboBox* list, int value) {
  if (value >= 0 && value < RegularEntryCount(list))
    SelectRegularEntry(list, value);
  else
    SelectStoredValueEntry(list, StoredValueEntryText(), value);
}

int PositionOrStoredValue(const QComboBox* list) {
  const int i = list->currentIndex();
  return IsStoredValueEntry(list, i) ? list->itemData(i).toInt() : i;
}
