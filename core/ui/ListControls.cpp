#include "ListControls.h"

#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>
#include <cmath>

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

CharacterWidthCombo::CharacterWidthCombo(int characters, QWidget* parent)
    : QComboBox(parent), characters_(characters) {}

QSize CharacterWidthCombo::sizeHint() const { return minimumSizeHint(); }

// Measured as Qt measures a combo box adjusted to its least contents length
// with an icon: the characters as wide as an X, the icon beside them, a line
// of text at least 14 pixels high, then the style's frame and arrow.
QSize CharacterWidthCombo::minimumSizeHint() const {
  const QFontMetrics metrics = fontMetrics();
  const QSize icon = iconSize();
  const int textHeight = std::max(static_cast<int>(std::ceil(QFontMetricsF(metrics).height())), 14) + 2;
  const QSize contents(characters_ * metrics.horizontalAdvance(u'X') + icon.width() + 4,
                       std::max(textHeight, icon.height() + 2));
  QStyleOptionComboBox option;
  initStyleOption(&option);
  return style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, this);
}
