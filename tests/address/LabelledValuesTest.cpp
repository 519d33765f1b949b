#include <gtest/gtest.h>

#include "address/LabelledValues.h"

namespace {

using Extractor = void (*)(const QString&, QString&, QString&);

TEST(LabelledValues, TakeTheValueAndLeaveTheRestOfTheLine) {
  struct {
    Extractor take;
    QString label, line, gained, lineAfter;
  } rows[] = {
      {TakeNumberAfterLabel, "TEL", "TEL: 03-1234-5678 (office)", "03-1234-5678 ", "(office)"},
      {TakeNumberAfterLabel, "TEL", "TEL 03 1234 5678", "03 ", "1234 5678"},
      {TakeNumberAfterLabel, "TEL", "TEL (03)1234-5678", "(03)1234-5678 ", ""},
      {TakeNumberAfterLabel, "TEL", "TEL:", " ", ""},
      {TakeNumberAfterLabel, "TEL", "【TEL】 0120-00-0000", "0120-00-0000 ", ""},
      {TakeNumberAfterLabel, "TEL", "HOTEL 03-1111", "03-1111 ", "HO"},
      {TakeNumberAfterLabel, "tel", "Tel：03:12】34 x", "031234 ", "x"},
      {TakeNumberAfterLabel, "FAX", "TEL 03", "", "TEL 03"},
      {TakeTextAfterLabel, "住所", "住所: 東京都千代田区", "東京都千代田区 ", ""},
      {TakeTextAfterLabel, "住所", "新住所", "", "新住所"},
      {TakeTextAfterLabel, "休み", "休みます", "ます ", ""},
      {TakeTextAfterLabel, "休み", "休みさえ", "", "休みさえ"},
      {TakeTextAfterLabel, "店名", "【店名】：", " ", ""},
      {TakeTextAfterLabel, "店名", "店名 ", "", "店名 "},
      {TakeTextAfterLabel, "mail", "連絡 MAIL a@b", "a@b ", "連絡"},
      {TakeTextAfterLabel, "ｍａｉｌ", "ＭＡＩＬ x", "x ", ""},
      {TakeLineWithWord, "無休", "年中無休", "年中無休 ", ""},
      {TakeLineWithWord, "無休", "無休もあり", "", "無休もあり"},
      {TakeLineWithWord, "無休", "   ", "", "   "},
  };
  for (const auto& r : rows) {
    QString line = r.line;
    QString acc;
    r.take(r.label, line, acc);
    EXPECT_EQ(acc, r.gained) << r.line.toStdString();
    EXPECT_EQ(line, r.lineAfter) << r.line.toStdString();
  }
}

// The accumulator is tested for the word itself, so a line is copied once
// however many of the words it holds.
TEST(CopyLineWithWord, AddsALineOnceAndLeavesItUnchanged) {
  QString acc;
  QString first = QStringLiteral("税理士 山田");
  QString second = QStringLiteral("税理士事務所");
  CopyLineWithWord(QStringLiteral("税理士"), first, acc);
  CopyLineWithWord(QStringLiteral("税理士"), second, acc);
  EXPECT_EQ(acc, QStringLiteral("税理士 山田 "));
  EXPECT_EQ(second, QStringLiteral("税理士事務所"));

  QString both = QStringLiteral("医師 歯科医");
  QString acc2;
  CopyLineWithWord(QStringLiteral("医師"), both, acc2);
  CopyLineWithWord(QStringLiteral("歯科医"), both, acc2);
  EXPECT_EQ(acc2, QStringLiteral("医師 歯科医 "));
  EXPECT_EQ(both, QStringLiteral("医師 歯科医"));
}

TEST(LabelledValues, TakeAnyTextWithoutReadingPastTheLine) {
  const QString labels[] = {"", " ", "TEL", "ß", "】", "：", "x"};
  const QString lines[] = {"", "TEL", "ßTEL", "x】", "：", QString(5000, u'【') + "TEL", QString::fromUtf8("\xF0\x9F\x98\x80TEL")};
  for (Extractor take : {TakeNumberAfterLabel, TakeTextAfterLabel, TakeLineWithWord, CopyLineWithWord})
    for (const QString& label : labels)
      for (const QString& l : lines) {
        QString line = l;
        QString acc;
        take(label, line, acc);
        EXPECT_LE(line.size(), l.size());
      }
  EXPECT_EQ(UpperLatin(QStringLiteral("straße ａｂ")), QStringLiteral("STRAßE ＡＢ"));
}

}  // namespace
