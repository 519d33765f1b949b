// Font and size lists, the input-method setting and the number format.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

#include "FormsTestSupport.h"
#include "core/text/FontLists.h"
#include "core/ui/FormHelpers.h"

namespace {

using FormHelpersTest = FormsTest;

const QStringList kPreferred = {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("ＭＳ 明朝"),
                                QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("ＭＳ Ｐ明朝")};
const QString kSeparator = QStringLiteral("-------------------");

TEST(FontList, PreferredFontsSeparatorThenTheDevicesOtherFonts) {
  const QStringList device = {QStringLiteral("Times New Roman"), QStringLiteral("@ＭＳ 明朝"),
                              QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAGothic")};
  EXPECT_EQ(BuildFontList(device),
            kPreferred + (QStringList{kSeparator, QStringLiteral("Times New Roman"), QStringLiteral("IPAGothic")}));
  // The preferred fonts are there even on a device without them.
  EXPECT_EQ(BuildFontList({}), kPreferred + QStringList{kSeparator});
  EXPECT_EQ(kSeparator.size(), 19);
}

TEST(FontList, EachFamilyOnceWhateverFoundriesShipIt) {
  const QStringList device = {QStringLiteral("C059 [urw]"), QStringLiteral("C059 [UKWN]"), QStringLiteral("C059"),
                              QStringLiteral("IPAGothic"), QStringLiteral("ＭＳ 明朝 [ms]"),
                              QStringLiteral("Name [with] brackets [x]")};
  const QStringList expected = kPreferred + QStringList{kSeparator, QStringLiteral("C059"),
                                                        QStringLiteral("IPAGothic"),
                                                        QStringLiteral("Name [with] brackets")};
  EXPECT_EQ(BuildFontList(device), expected);
}

TEST_F(FormHelpersTest, FillFontListRefillsAndSelectsTheFirstFont) {
  QComboBox list;
  list.addItems({QStringLiteral("old"), QStringLiteral("older")});
  FillFontList(&list);
  ASSERT_GE(list.count(), 5);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(list.itemText(i), kPreferred[i]);
  EXPECT_EQ(list.itemText(4), kSeparator);
  EXPECT_EQ(list.currentIndex(), 0);
  EXPECT_EQ(list.findText(QStringLiteral("old")), -1);
  for (int i = 5; i < list.count(); ++i) EXPECT_FALSE(list.itemText(i).startsWith(QLatin1Char('@')));
}

TEST_F(FormHelpersTest, FillFontSizeListAppendsTheSizesOnlyForItsKind) {
  QComboBox list;
  FillFontSizeList(&list, QStringLiteral("fontsize"));
  ASSERT_EQ(list.count(), 18);
  EXPECT_EQ(list.itemText(0), QStringLiteral(" 4"));
  EXPECT_EQ(list.itemText(1), QStringLiteral(" 4.5"));
  EXPECT_EQ(list.itemText(9), QStringLiteral(" 9.5"));
  EXPECT_EQ(list.itemText(14), QStringLiteral("13.5"));
  EXPECT_EQ(list.itemText(17), QStringLiteral("24"));
  EXPECT_TRUE(messages().shown().empty());

  FillFontSizeList(&list, QStringLiteral("SIZE"));
  EXPECT_EQ(list.count(), 18);
  EXPECT_EQ(messages().texts(), QStringList{QStringLiteral("パラメータがおかしい")});

  FillFontSizeList(&list, QStringLiteral("FontSize"));
  EXPECT_EQ(list.count(), 36) << "the list is not cleared first";
}

TEST_F(FormHelpersTest, ApplyImeModeTurnsOffOnlyTheModesThatSwitchJapaneseOn) {
  struct Row { int before; int afterWithImeKana; };
  const Row rows[] = {{0, 0}, {1, 0}, {2, 2}, {3, 3}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 8}};
  QWidget window;
  std::vector<QLineEdit*> boxes;
  for (const Row& r : rows) {
    boxes.push_back(new QLineEdit(&window));
    boxes.back()->setProperty(kImeModeProperty, r.before);
  }
  auto* memo = new QPlainTextEdit(&window);
  memo->setProperty(kImeModeProperty, 4);
  auto* notABox = new QWidget(&window);
  notABox->setProperty(kImeModeProperty, 4);

  ImeKana = 0;
  ApplyImeMode(&window);
  for (size_t i = 0; i < boxes.size(); ++i) EXPECT_EQ(boxes[i]->property(kImeModeProperty).toInt(), rows[i].before);

  ImeKana = 1;
  ApplyImeMode(&window);
  for (size_t i = 0; i < boxes.size(); ++i)
    EXPECT_EQ(boxes[i]->property(kImeModeProperty).toInt(), rows[i].afterWithImeKana) << "mode " << rows[i].before;
  EXPECT_EQ(memo->property(kImeModeProperty).toInt(), 0);
  EXPECT_EQ(notABox->property(kImeModeProperty).toInt(), 4) << "only text boxes change";
  EXPECT_EQ(ImeKana, 1) << "the setting itself is kept";
}

}  // namespace
