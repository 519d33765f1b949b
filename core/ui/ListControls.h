#pragma once
// Filling a list from code runs none of its change handlers and leaves it
// without a selection, as a newly filled list is; selecting an item then
// runs the handler once.
#include <QComboBox>
#include <QStringList>

class QListWidget;

void RefillList(QComboBox* list, const QStringList& items);
void RefillList(QListWidget* list, const QStringList& items);

// A combo box as wide as a number of characters and an icon, whatever its
// items. QComboBox sizes itself so only once it has built its popup, which
// then costs every page that has one at its start rather than at first use.
class CharacterWidthCombo : public QComboBox {
 public:
  CharacterWidthCombo(int characters, QWidget* parent);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 private:
  int characters_;
};
