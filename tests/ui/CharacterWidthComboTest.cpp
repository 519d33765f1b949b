// A combo box sized by a number of characters takes the size Qt gives a
// combo box adjusted to that least contents length with an icon, whatever
// its font and items, without building its popup first.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFont>

#include "core/ui/ListControls.h"

namespace {

TEST(CharacterWidthComboTest, SizedAsQtSizesALeastContentsLengthCombo) {
  struct Case {
    int characters;
    int pointSize;  // 0: the application's font
    QStringList items;
  };
  const Case cases[] = {
      {16, 0, {}},
      {16, 0, {QStringLiteral("VIDAZU.txt"), QStringLiteral("とても長いファイル名のやることリストです.txt")}},
      {1, 20, {QStringLiteral("x")}},
      {40, 7, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.characters);
    QComboBox qt;
    CharacterWidthCombo ours(c.characters, nullptr);
    qt.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    qt.setMinimumContentsLength(c.characters);
    for (QComboBox* combo : {&qt, static_cast<QComboBox*>(&ours)}) {
      if (c.pointSize > 0) {
        QFont font = combo->font();
        font.setPointSize(c.pointSize);
        combo->setFont(font);
      }
      combo->addItems(c.items);
    }
    EXPECT_EQ(ours.sizeHint(), qt.sizeHint());
    EXPECT_EQ(ours.minimumSizeHint(), qt.minimumSizeHint());
  }
}

}  // namespace
