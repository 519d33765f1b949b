#include <gtest/gtest.h>

#include "core/platform/Codec.h"
#include "core/text/JapaneseText.h"

namespace {

QString U(const char16_t* s) { return QString::fromUtf16(s); }

const QString kStrayLead = QString(QChar(0x30FB));  // how a lone lead byte decodes

TEST(AnsiByteLen, CountsCodePage932Bytes) {
  struct { const char16_t* text; int bytes; } rows[] = {
      {u"", 0}, {u"abc", 3}, {u"日付", 4}, {u"電話帳", 6}, {u"aあ", 3},
      {u"ｱｲｳ", 3}, {u"ガイド", 6}, {u"\u3000", 2}, {u"a\U0001F600b", 3},
  };
  for (const auto& r : rows) EXPECT_EQ(AnsiByteLen(U(r.text)), r.bytes) << QString::fromUtf16(r.text).toStdString();
}

TEST(AnsiByteLen, CountsNulAndControlCharacters) {
  QString text = QStringLiteral("a");
  text += QChar(0);
  text += QStringLiteral("\r\n");
  EXPECT_EQ(AnsiByteLen(text), 4);
}

struct SliceCase {
  const char* what;
  QString (*slice)(const QString&, int32_t, int32_t);
  const char16_t* text;
  int32_t start;
  int32_t count;
  QString expected;
};

QString Left(const QString& t, int32_t, int32_t n) { return LeftBytes(t, n); }
QString Right(const QString& t, int32_t, int32_t n) { return RightBytes(t, n); }
QString Mid(const QString& t, int32_t s, int32_t n) { return MidBytes(t, s, n); }
QString MidFit(const QString& t, int32_t s, int32_t n) { return MidFitBytes(t, s, n); }

TEST(ByteSlices, CutByBytesAndDecodeWhatIsCut) {
  const SliceCase rows[] = {
      {"left whole chars", Left, u"あいう", 0, 4, U(u"あい")},
      {"left cuts a lead byte", Left, u"あいう", 0, 3, U(u"あ") + kStrayLead},
      {"left one stray byte", Left, u"あ", 0, 1, kStrayLead},
      {"left zero", Left, u"abc", 0, 0, QString()},
      {"left negative", Left, u"abc", 0, -5, QString()},
      {"left beyond end", Left, u"aあ", 0, 99, U(u"aあ")},
      {"left pads a name key", Left, u"山田          ", 0, 6, U(u"山田  ")},
      {"right crlf", Right, u"memo\r\n", 0, 2, U(u"\r\n")},
      {"right whole chars", Right, u"あいう", 0, 4, U(u"いう")},
      {"right cuts a trail byte", Right, u"aア", 0, 1, U(u"A")},  // 0x83 0x41: trail 0x41 reads as "A"
      {"right beyond start", Right, u"aあ", 0, 10, U(u"aあ")},
      {"right zero", Right, u"abc", 0, 0, QString()},
      {"mid ascii", Mid, u"abcdef", 2, 3, U(u"bcd")},
      {"mid past end", Mid, u"abc", 2, 10, U(u"bc")},
      {"mid start past end", Mid, u"abc", 4, 1, QString()},
      {"mid start before first byte", Mid, u"abc", 0, 2, U(u"ab")},
      {"mid kanji", Mid, u"日付,種類", 6, 4, U(u"種類")},
      {"mid ends on a lead byte", Mid, u"x日付", 2, 3, U(u"日") + kStrayLead},
      {"midfit whole", MidFit, u"あいう", 1, 4, U(u"あい")},
      {"midfit takes the cut char whole", MidFit, u"あいう", 1, 3, U(u"あい")},
      {"midfit mixed", MidFit, u"aあb", 1, 2, U(u"aあ")},
      {"midfit zero", MidFit, u"あいう", 1, 0, QString()},
      {"midfit beyond", MidFit, u"あ", 1, 9, U(u"あ")},
      {"midfit keeps a surrogate pair whole", MidFit, u"a\U0001F600b", 1, 2, U(u"a\U0001F600")},
  };
  for (const auto& r : rows)
    EXPECT_EQ(r.slice(U(r.text), r.start, r.count), r.expected) << r.what;
}

TEST(ByteSlices, MidBytesWithoutCountTakesTheRest) {
  EXPECT_EQ(MidBytes(U(u"日付,種類"), 6), U(u"種類"));
  EXPECT_EQ(MidBytes(U(u"abc"), 9), QString());
}

TEST(ByteSlices, NeverReadOutsideOnHugeCounts) {
  const QString text = U(u"あいう");
  EXPECT_EQ(MidBytes(text, INT32_MAX, INT32_MAX), QString());
  EXPECT_EQ(MidBytes(text, INT32_MIN, INT32_MAX), text);
  EXPECT_EQ(LeftBytes(text, INT32_MAX), text);
  EXPECT_EQ(RightBytes(text, INT32_MAX), text);
  EXPECT_EQ(MidFitBytes(text, INT32_MAX, 4), QString());
}

TEST(InStrBytes, FindsByBytePosition) {
  struct { int32_t start; const char16_t* text; const char16_t* find; int32_t expected; } rows[] = {
      {1, u"日付,種類,内容", u",", 5},
      {6, u"日付,種類,内容", u",", 10},
      {11, u"日付,種類,内容", u",", 0},
      {1, u"日付,種類,内容", u"予定", 0},
      {1, u"日付,種類,内容", u"種類", 6},
      {0, u"abc", u"a", 1},
      {1, u"", u"a", 0},
      {2, u"abc", u"", 2},
      {4, u"abc", u"", 0},
      {1, u"abc", u"B", 0},              // bytes compare exactly
      {1, u"ア", u"A", 2},               // ア is 0x83 0x41: found at its trail byte
      {1, u"line\r\nnext", u"\r\n", 5},
  };
  for (const auto& r : rows)
    EXPECT_EQ(InStrBytes(r.start, U(r.text), U(r.find)), r.expected)
        << QString::fromUtf16(r.text).toStdString() << " / " << QString::fromUtf16(r.find).toStdString();
}

TEST(WidthConversion, ConvertsOnlyTheCharactersOfTheTables) {
  using Convert = QString (*)(const QString&);
  const Convert full = ToFullWidth;
  const Convert half = ToHalfWidthKana;
  struct { Convert fn; const char16_t* in; const char16_t* out; } rows[] = {
      {full, u"abc 123", u"ａｂｃ\u3000１２３"},
      {full, u"ｶﾞｲﾄﾞ", u"カﾞイトﾞ"},  // voiced marks untouched
      {full, u"10:30", u"１０:３０"},
      {full, u"a-b/c*d+e@f~g=h", u"ａ－ｂ／ｃ＊ｄ＋ｅ＠ｆ\uFFE3ｇ＝ｈ"},
      {full, u"!?.,()", u"!?.,()"},
      {full, u"ｧｯｰ､｡ｦﾝ", u"ァッー、。ヲン"},
      {full, u"･｢｣", u"･｢｣"},
      {full, u"漢字ひらがな", u"漢字ひらがな"},
      {full, u"", u""},
      {half, u"ガイド", u"ｶﾞｲﾄﾞ"},
      {half, u"ＴＥＬ（自宅）", u"TEL(自宅)"},
      {half, u"ヴあいう", u"ヴあいう"},
      {half, u"パピプペポ", u"ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ"},
      {half, u"ダヂヅデド・", u"ﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞ･"},
      {half, u"\u3000\uFFE3", u" ~"},
      {half, u"ｱabc", u"ｱabc"},
      {half, u"！？", u"！？"},
  };
  for (const auto& r : rows) EXPECT_EQ(r.fn(U(r.in)), U(r.out)) << QString::fromUtf16(r.in).toStdString();
}

TEST(WidthConversion, HalfWidthUndoesFullWidthForEveryTableCharacter) {
  const QString half = QStringLiteral(
      u" 1234567890abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-/*+@~="
      u"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜｦﾝｧｨｩｪｫｬｭｮｯｰ､｡");
  const QString full = ToFullWidth(half);
  ASSERT_EQ(full.size(), half.size());
  for (qsizetype i = 0; i < half.size(); ++i) {
    EXPECT_NE(full.at(i), half.at(i)) << i;
    EXPECT_EQ(platform::SjisCharBytes(full.at(i)), 2) << i;
  }
  EXPECT_EQ(ToHalfWidthKana(full), half);
}

TEST(WidthConversion, LongTextsConvertWhole) {
  const QString text = QString(40000, u'a');
  EXPECT_EQ(ToFullWidth(text), QString(40000, u'ａ'));
  EXPECT_EQ(ToHalfWidthKana(QString(40000, u'ガ')).size(), 80000);
}

}  // namespace
