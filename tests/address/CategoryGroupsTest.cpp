#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "address/AddressCategoryGroups.h"

namespace {

using Lists = std::array<QString, AddressCategoryGroups::kGroupCount + 1>;

class CategoryGroups : public SettingsTest {};

TEST_F(CategoryGroups, DefaultsAreWrittenTogetherWhenTheFirstGroupIsEmpty) {
  WriteIniValue(kAddressSection, QStringLiteral("BUNRUI3"), QStringLiteral("古い,値"));
  WriteIniValue(kAddressSection, QStringLiteral("BUNRUI5"), QStringLiteral("趣味,釣り"));
  const AddressCategoryGroups g = AddressCategoryGroups::Load();
  EXPECT_EQ(GetIniValue(kAddressSection, QStringLiteral("BUNRUI3")),
            QStringLiteral("仕事関連,仕事,自社,自社(退職者),協力会社,得意先,取引先,見込客"));
  EXPECT_EQ(GetIniValue(kAddressSection, QStringLiteral("BUNRUI4")), QStringLiteral("秘密"));
  EXPECT_EQ(g.name(5), QStringLiteral("趣味"));
  EXPECT_EQ(g.filterItems().first(), kCategoryFrequent);
  EXPECT_EQ(g.filterItems().at(1), kCategoryAll);
  EXPECT_EQ(g.filterItems().at(2), QStringLiteral("便利電話帳"));
  EXPECT_EQ(g.filterItems().at(3), QStringLiteral("  便利電話"));
  EXPECT_EQ(g.filterItems().last(), kCategoryOther);
  EXPECT_EQ(g.editorItems().first(), QStringLiteral("便利電話"));
  EXPECT_FALSE(g.editorItems().contains(QStringLiteral("秘密")));

  // Once the first group is set, the others are left as they are.
  WriteIniValue(kAddressSection, QStringLiteral("BUNRUI3"), QStringLiteral("仕事"));
  EXPECT_EQ(AddressCategoryGroups::Load().list(3), QStringLiteral("仕事"));
}

TEST(CategoryGroupsParse, MembershipIsTheFramedSubstringTest) {
  Lists lists;
  lists[2] = QStringLiteral("プライベート,親戚,友人,知人,私用");
  lists[4] = QStringLiteral("秘密");
  lists[6] = QStringLiteral(",名無しの分類");
  const AddressCategoryGroups g = AddressCategoryGroups::Parse(lists);
  struct {
    const char* category;
    int group;
    bool member;
  } rows[] = {
      {"友人", 2, true}, {"人", 2, true},   {"プライベート", 2, true}, {"自分", 2, false},
      {"秘密", 4, true}, {"", 2, false},    {"名無しの分類", 6, false}, {"私", 2, false},
  };
  for (const auto& r : rows) EXPECT_EQ(g.isMember(r.group, QString::fromUtf8(r.category)), r.member) << r.category;
  EXPECT_FALSE(g.isInAnyGroup(QStringLiteral("自分")));
}

TEST(CategoryGroupsParse, ReservedNamesAreRefusedAndItemsTrimmedAndCapped) {
  Lists lists;
  lists[1] = QStringLiteral("仕事, 全て ,,  得意先 ,その他");
  QStringList many{QStringLiteral("多")};
  for (int i = 2; i <= 50; ++i) many << QStringLiteral("c%1").arg(i);
  lists[2] = many.join(u',');
  lists[3] = QStringLiteral(",,,,");
  lists[7] = QStringLiteral("よく使う,x");
  const AddressCategoryGroups g = AddressCategoryGroups::Parse(lists);
  EXPECT_EQ(g.refusals(), (QStringList{QStringLiteral("分類に「全て」は指定できません"),
                                       QStringLiteral("分類に「その他」は指定できません"),
                                       QStringLiteral("分類に「よく使う」は指定できません")}));
  EXPECT_TRUE(g.editorItems().contains(QStringLiteral("得意先")));
  EXPECT_TRUE(g.editorItems().contains(QStringLiteral("c20")));
  EXPECT_FALSE(g.editorItems().contains(QStringLiteral("c21")));
  EXPECT_FALSE(g.filterItems().contains(QStringLiteral("  全て")));
  EXPECT_EQ(g.name(7), QString());
  EXPECT_FALSE(g.isMember(7, QStringLiteral("x")));  // a group without a name has no members
}

TEST(CategoryGroupsParse, FilterTakesGroupsFrequentAllAndOther) {
  Lists lists;
  lists[2] = QStringLiteral("プライベート,親戚,友人,知人,私用");
  lists[3] = QStringLiteral("仕事関連,仕事,自社");
  const AddressCategoryGroups g = AddressCategoryGroups::Parse(lists);
  const QString off = QStringLiteral("0|0|0|0|0|0|0|");
  const QString on = QStringLiteral("0|1|0|0|0|0|0|");
  struct {
    const char* filter;
    const char* category;
    QString flags;
    bool listed;
  } rows[] = {
      {"プライベート", "友人", off, true}, {"プライベート", "仕事", off, false},
      {"プライベート", "プライベート", off, true}, {"全て", "何でも", off, true},
      {"よく使う", "仕事", on, true},      {"よく使う", "仕事", off, false},
      {"その他", "自分", off, true},       {"その他", "友人", off, false},
      {"その他", "", off, true},           {"その他", "その他", off, true},
      {"友人", "友人", off, true},         {"友人", "知人", off, false},
  };
  for (const auto& r : rows)
    EXPECT_EQ(g.passesFilter(QString::fromUtf8(r.filter), QString::fromUtf8(r.category), r.flags), r.listed)
        << r.filter << " / " << r.category;
}

}  // namespace
