#include "AddressWindowTest.h"

QStringList ListTexts(const AddressWindow& w) {
  QStringList out;
  for (int i = 0; i < w.List1->count(); ++i) out << w.List1->item(i)->text();
  return out;
}

QStringList ListNames(const AddressWindow& w) {
  QStringList out;
  for (const QString& line : ListTexts(w)) out << line.mid(3).section(u'\t', 0, 0).trimmed();
  return out;
}

bool SelectByName(AddressWindow& w, const QString& name) {
  const int row = static_cast<int>(ListNames(w).indexOf(name));
  if (row < 0) return false;
  w.List1->setCurrentRow(row);
  return true;
}
