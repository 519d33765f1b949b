// The card file's head, positions, snapping and the stored file.
#include "TestEnvironment.h"
#include "core/platform/Codec.h"
#include "core/print/PrintSurface.h"
#include "tables_cards/CardFile.h"

namespace {
QByteArray Crlf(const QStringList& lines) { return platform::ToSjis(lines.join("\r\n") + "\r\n"); }
}  // namespace

TEST(CardFile, SnapsDropsDownToTheHalfCharacterGrid) {
  const struct {
    double x, y;
    const char* stored;
  } cases[] = {
      {10.3, 4.9, "ITEM,9.52381,4.761905"},
      {-2, 1, "ITEM,0,0"},
      {3.2, 1.6, "ITEM,3.174603,1.587302"},
  };
  for (const auto& c : cases) {
    const CardPoint at = SnapCardPoint(c.x, c.y, 9);
    EXPECT_EQ(FormatCardPosition(at.x, at.y), QString::fromLatin1(c.stored)) << c.x << "," << c.y;
  }
}

TEST(CardFile, PositionsNeedNumbersAndIgnoreFieldsPastTheSeventh) {
  EXPECT_TRUE(ParseCardPosition("ITEM,3.5,7"));
  EXPECT_DOUBLE_EQ(ParseCardPosition("ITEM,3.5,7")->x, 3.5);
  EXPECT_FALSE(ParseCardPosition("ITEM,abc,5"));
  EXPECT_FALSE(ParseCardPosition("ITEM,5"));
  EXPECT_FALSE(ParseCardPosition(""));
  QString many = "ITEM,1,2";
  for (int i = 0; i < 17; ++i) many += ",x";
  EXPECT_DOUBLE_EQ(ParseCardPosition(many)->y, 2);
  EXPECT_EQ(CardPositionColour("ITEM,1,2,255"), 255);
  EXPECT_FALSE(CardPositionColour("ITEM,1,2"));
}

TEST(CardFile, HeadListsNamedColumnsWithTheirHeaderIndexAndKeepsOtherOptionLines) {
  const CardHead head = ReadCardFile(Crlf({
      "@TITLE(2001/08/18 11:44:18)=単語",
      "@FONTNAME=ＭＳ 明朝",
      "@COLOR=1",
      "@TABLE_ITEM_XY(電話)=ITEM,1,2",
      "@TABLE_ITEM_XY(名前)=ITEM,3,4",
      "@MEMO(x)=keep",
      ",名前,電話,住所",
      "@not an option",
  }));
  EXPECT_EQ(head.title, "単語");
  EXPECT_EQ(head.extraLines, QStringList({"@COLOR=1", "@MEMO(x)=keep"}));
  ASSERT_EQ(head.columns.size(), 3u);
  EXPECT_EQ(head.columns[0].name, "名前");
  EXPECT_EQ(head.columns[0].headerIndex, 2);
  EXPECT_EQ(head.columns[0].position, "ITEM,3,4");
  EXPECT_EQ(head.columns[1].position, "ITEM,1,2");
  EXPECT_EQ(head.columns[2].name, "住所");
  EXPECT_TRUE(head.columns[2].position.isEmpty());  // listed, not placed
}

TEST(CardFile, HeadKeepsTheFirstThreeHundredColumnsAndSurvivesOddFiles) {
  QStringList names;
  for (int i = 0; i < 10000; ++i) names << QStringLiteral("c%1").arg(i);
  EXPECT_EQ(ReadCardFile(Crlf({names.join(",")})).columns.size(), 300u);
  EXPECT_TRUE(ReadCardFile(QByteArray()).columns.empty());
  EXPECT_EQ(ReadCardFile(Crlf({"@TITLE=t", "@X=1"})).header, "@X=1");
  ReadCardFile(QByteArray("\x00\xff\x81,\x82\r\n\x01", 8));  // binary bytes: no crash
}

TEST(CardFile, StoringReplacesOnlyTheLeadingOptionLines) {
  const QByteArray original = Crlf({"@TITLE=old", "@TABLE_ITEM_XY(a)=ITEM,1,1", "a,b", "@record,1", "x,y", "@OPT=after"});
  const QByteArray stored = WriteCardFile(original, {"@TITLE=new", "@TABLE_ITEM_XY(b)=ITEM,2,2"});
  EXPECT_EQ(stored, Crlf({"@TITLE=new", "@TABLE_ITEM_XY(b)=ITEM,2,2", "a,b", "@record,1", "x,y", "@OPT=after"}));
  // Bytes that are not code page 932 after the head come back unchanged.
  const QByteArray foreign = QByteArray("@T=1\r\nh\r\n\xe3\x81\x82\r\n");
  EXPECT_TRUE(WriteCardFile(foreign, {"@T=2"}).endsWith(QByteArray("h\r\n\xe3\x81\x82\r\n")));
}

TEST(CardFile, SampleFileHoldsTheVocabulary) {
  const QByteArray sample = CardSampleFile();
  const CardHead head = ReadCardFile(sample);
  EXPECT_EQ(head.title, "さんぷるデータ");
  EXPECT_EQ(head.columns.size(), 12u);
  EXPECT_EQ(head.columns[2].position, "ITEM,3.174603,1.587302");
  EXPECT_TRUE(sample.startsWith(platform::ToSjis("@TITLE(2001/08/18 11:44:18)=さんぷるデータ\r\n@FONTNAME=ＭＳ 明朝\r\n")));
  EXPECT_TRUE(sample.endsWith(platform::ToSjis(",,INTERFERE,妨害する/干渉する/妨げる/邪魔する\r\n")));
  EXPECT_EQ(sample.count("\r\n"), 7 + 24);
}

// A file as the layout writer stores it reads back to a head that writes the
// very same bytes: nothing of the head is lost or reordered, and the records
// pass through untouched, in code page 932 and in UTF-8 alike.
TEST(CardFile, StoredFileReadAndStoredAgainKeepsItsBytes) {
  const QDateTime stamp(QDate(2024, 5, 6), QTime(7, 8, 9));
  const struct {
    const char* what;
    QStringList lines;
    QString fontName;
    float fontSize;
    bool utf8;
  } cases[] = {
      {"placed columns and a kept option line",
       {"@TITLE(2024/05/06 07:08:09)=単語", "@FONTNAME=ＭＳ 明朝", "@FONTSIZE=9",
        "@TABLE_ITEM_XY(英語)=ITEM,3.174603,1.587302", "@TABLE_ITEM_XY(日本語)=ITEM,3.174603,7.936508,255",
        "@COLOR=1", "読み,英語,日本語", ",ABLE,できる", "@record,1,2"},
       "ＭＳ 明朝", 9, false},
      {"nothing placed, an empty title, a fractional size",
       {"@TITLE(2024/05/06 07:08:09)=", "@FONTNAME=IPAexGothic", "@FONTSIZE=10.5", "a,b", "1,2"},
       "IPAexGothic", 10.5f, false},
      {"a UTF-8 file",
       {"@TITLE(2024/05/06 07:08:09)=住所録", "@FONTNAME=ＭＳ ゴシック", "@FONTSIZE=12",
        "@TABLE_ITEM_XY(名前)=ITEM,1,2", "名前,電話", "山川,052"},
       "ＭＳ ゴシック", 12, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const QString text = c.lines.join("\r\n") + "\r\n";
    const QByteArray bytes = c.utf8 ? text.toUtf8() : platform::ToSjis(text);
    const CardHead head = ReadCardFile(bytes);
    EXPECT_EQ(WriteCardFile(bytes, CardHeadLines(head, {stamp, c.fontName, c.fontSize})), bytes);
  }
}
