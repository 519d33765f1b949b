#include <gtest/gtest.h>

#include "address/AddressTextConversions.h"
#include "address/Honorific.h"
#include "address/ReadingKeys.h"
#include "address/SurnameReadingTable.h"

namespace {

struct Case {
  QString in;
  QString out;
};

TEST(ConvertAddressForVertical, ConvertsOnlyTheTrailingRunOfTableCharacters) {
  const Case rows[] = {
      {"中央町3-5", "中央町三｜五"},
      {"１丁目２番地３号", "一丁目二番地三号"},
      {"ビル５Ｆ", "ビル五Ｆ"},
      {"５Ｘ", "５Ｘ"},
      {"123", "一二三"},
      {"", ""},
      {"  4-b ", "四｜Ｂ"},
      {"1ﾉ2.3ｰ4", "一ノ二・三｜四"},
  };
  for (const Case& c : rows) EXPECT_EQ(ConvertAddressForVertical(c.in), c.out) << c.in.toStdString();
}

TEST(NormalizePhoneChars, MakesNumbersHalfWidthAndLeavesTheRest) {
  const Case rows[] = {
      {"０９０ー１２３４ー５６７８", "090-1234-5678"},
      {"（０３）　", "(03) "},
      {" ０３－１２３４ ", "03-1234"},
      {"＃１２＊／内線ABC", "#12*/内線ABC"},
      {"", ""},
  };
  for (const Case& c : rows) EXPECT_EQ(NormalizePhoneChars(c.in), c.out) << c.in.toStdString();
}

TEST(DigitsOnly, KeepsHalfWidthDigitsOnly) {
  EXPECT_EQ(DigitsOnly(QStringLiteral("090-1234-5678")), QStringLiteral("09012345678"));
  EXPECT_EQ(DigitsOnly(QStringLiteral("０９０")), QString());
  EXPECT_EQ(DigitsOnly(QString()), QString());
}

TEST(IndexKeyOfReading, ClassifiesTheFirstCharacterByItsKanaRow) {
  const Case rows[] = {
      {"", "ﾜ"},   {"  ", "ﾜ"},  {" ｶﾞｸ", "ｶ"}, {"ｧ", "ｱ"},  {"ｮ", "ﾔ"},  {"ｯ", "ﾜ"},
      {"ｰ", "ﾜ"},  {"ﾝ", "ﾜ"},   {"ｦ", "ﾜ"},    {"a", "A"},  {"7", "7"},  {"ア", "ﾜ"},
      {"ﾊﾟ", "ﾊ"}, {"ｵｶﾀﾞ", "ｱ"}, {"ﾖｼﾀﾞ", "ﾔ"}, {"ﾛ", "ﾗ"},  {"ﾜ", "ﾜ"},  {"ｚ", "ﾜ"},
  };
  for (const Case& c : rows) EXPECT_EQ(IndexKeyOfReading(c.in), c.out) << c.in.toStdString();
}

TEST(GuessSurnameKana, MatchesTheFirstTwoCharactersOfTheTrimmedName) {
  const Case rows[] = {
      {"", ""},
      {"佐", ""},
      {"佐藤花子", "ｻﾄｳ"},
      {"佐藤 花子", "ｻﾄｳ"},
      {" 渡辺", "ﾜﾀﾅﾍﾞ"},
      {"中島田一郎", "ﾅｶｼﾞﾏ"},  // a longer surname gets the listed one's reading
      {"佐々木", ""},
  };
  for (const Case& c : rows) EXPECT_EQ(GuessSurnameKana(c.in), c.out) << c.in.toStdString();
}

TEST(SurnameReadingTable, HoldsTwoKanjiSurnamesWithHalfWidthReadings) {
  for (const SurnameReading& row : SurnameReadingTable()) {
    EXPECT_EQ(row.surname.size(), 2) << row.surname.toStdString();
    ASSERT_FALSE(row.reading.isEmpty()) << row.surname.toStdString();
    EXPECT_NE(row.reading.at(0), u'ﾞ') << row.surname.toStdString();
    for (QChar c : row.reading) EXPECT_TRUE(c >= u'ｦ' && c <= u'ﾟ') << row.surname.toStdString();
  }
}

TEST(SplitHonorific, SetsOffAnExistingHonorificOrAddsTheDefault) {
  struct {
    QString position, name, out;
  } rows[] = {
      {"", "", " 様"},
      {"部長", "", " 御中"},
      {"", "山田様", "山田 様"},
      {"", "山田 様", "山田  様"},
      {"", "山田殿", "山田 殿"},
      {"", "田中くん", "田中くん"},
      {"", "田中さん ", "田中さん "},
      {"部長", "花ちゃん", "花ちゃん"},
      {"", "株式会社X御中", "株式会社X 御中"},
      {"", "山田先生", "山田 先生"},
      {"", "山田 行", "山田  行"},
      {"", "山田行", "山田行 様"},
      {"部長", "山田", "山田 御中"},
  };
  for (const auto& r : rows) EXPECT_EQ(SplitHonorific(r.position, r.name), r.out) << r.name.toStdString();
}

}  // namespace
