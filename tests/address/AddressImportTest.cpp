// The import's reading of other programs' address CSV: header, column map,
// the entry built from a line, and the insertion of many entries at once.
#include <gtest/gtest.h>

#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <QRandomGenerator>
#include <functional>

#include "address/AddressCsvImport.h"
#include "address/AddressImportMerge.h"
#include "address/AddressImportSource.h"
#include "address/AddressImportSynonyms.h"
#include "address/AddressRecord.h"
#include "address/PostalCodeData.h"
#include "core/platform/Codec.h"
#include "core/settings/AppGlobals.h"

namespace {

TEST(AddressImportHeader, NeedsATelephoneHeadingAndASeparator) {
  struct {
    const char* line;
    bool header;
  } rows[] = {
      {"氏名,電話,住所", true},   {"name\ttel", true},       {"氏名,ＴＥＬ", true},
      {"電話番号", false},        {"氏名,住所,mail", false}, {"", false},
      {"氏名,携帯電話", true},    {"Hotel,x", true},  // "TEL" anywhere in the upper-cased line
  };
  for (const auto& r : rows) EXPECT_EQ(IsAddressImportHeader(QString::fromUtf8(r.line)), r.header) << r.line;
}

TEST(AddressImportHeader, MapsColumnsThroughTheVocabulary) {
  struct {
    const char* header;
    QList<int> map;
    int category, tel, fax, mobile;
    bool givenNameFirst;
    const char* prefix;
  } rows[] = {
      {"氏名,電話,住所", {3, 5, 11}, 0, 0, 0, 0, false, ""},
      // Given name first; a mobile column makes "TEL" the home telephone.
      {"名,姓,TEL,携帯", {3, 3, 6, 5}, 0, 3, 0, 4, true, ""},
      // With a list-5 column the fax number is the home one, else the company's.
      {"氏名,電話,FAX", {3, 5, 17}, 0, 0, 3, 0, false, ""},
      {"氏名,自宅電話,FAX", {3, 6, 16}, 0, 0, 3, 0, false, ""},
      {"氏名,電話2", {3, 6}, 0, 0, 0, 0, false, ""},
      // Full-width headings, lower case and blanks; a name of two lists
      // belongs to the lower one.
      {" Name ,ＴＥＬ,e-mail,Category,メモ,電子メールアドレス", {3, 5, 13, 2, 15, 13}, 4, 2, 0, 0, false, ""},
      {"#氏名,#電話,#E-MAIL", {3, 5, 13}, 0, 0, 0, 0, false, "#"},
      {"氏名,電話,郵便番号(会社),勤務先住所,勤務先の番地,謎", {3, 5, 60, 61, 62, 0}, 0, 0, 0, 0, false, ""},
  };
  for (const auto& r : rows) {
    const AddressImportColumns c = AddressImportColumns::FromHeader(QString::fromUtf8(r.header));
    EXPECT_EQ(c.map, r.map) << r.header;
    EXPECT_EQ(c.categoryColumn, r.category) << r.header;
    EXPECT_EQ(c.telColumn, r.tel) << r.header;
    EXPECT_EQ(c.faxColumn, r.fax) << r.header;
    EXPECT_EQ(c.mobileColumn, r.mobile) << r.header;
    EXPECT_EQ(c.givenNameFirst, r.givenNameFirst) << r.header;
    EXPECT_EQ(c.prefix, QString::fromUtf8(r.prefix)) << r.header;
  }
}

TEST(AddressImportHeader, ColumnsPastThreeHundredAreIgnored) {
  QStringList headings{QStringLiteral("電話")};
  for (int i = 2; i <= 400; ++i) headings << (i == 350 ? QStringLiteral("氏名") : QStringLiteral("x"));
  const AddressImportColumns c = AddressImportColumns::FromHeader(headings.join(u','));
  EXPECT_EQ(c.map.size(), kImportMaxColumns);
  QStringList values{QStringLiteral("1")};
  for (int i = 2; i <= 400; ++i) values << QStringLiteral("v%1").arg(i);
  const AddressRecord r = BuildImportedRecord(values.join(u','), c, {});
  EXPECT_EQ(r.field(kFieldName), QString());
  EXPECT_EQ(r.field(kFieldTel), QStringLiteral("1"));
}

struct RecordCase {
  const char* header;
  const char* line;
  int field;
  const char* expected;
};

void ExpectRecords(const std::vector<RecordCase>& rows, const PostalLineLookup& lookup = {}) {
  for (const RecordCase& r : rows) {
    const AddressImportColumns c = AddressImportColumns::FromHeader(QString::fromUtf8(r.header));
    const AddressRecord record = BuildImportedRecord(QString::fromUtf8(r.line), c, lookup);
    EXPECT_EQ(record.field(r.field), QString::fromUtf8(r.expected)) << r.header << " / " << r.line << " field " << r.field;
  }
}

TEST(AddressImportRecord, JoinsConvertsAndCompletesTheFields) {
  ExpectRecords({
      {"氏名,電話,誕生日", "A,1,00120315", kFieldYobi, "2000/03/15"},
      {"氏名,電話,FAX", "A,1,03-5555-6666", kFieldYobi, "03-5555-6666"},
      {"氏名,電話,FAX", "A,1,03-5555-6666", kFieldKaisyaFax, ""},
      {"氏名,自宅電話,FAX", "A,1,03-5555-6666", kFieldKaisyaFax, "03-5555-6666"},
      {"名,姓,TEL,携帯", "太郎,山田,03-1111,090-2222", kFieldName, "山田 太郎"},
      {"名,姓,TEL,携帯", "太郎,山田,03-1111,090-2222", kFieldJitaku, "03-1111"},
      {"名,姓,TEL,携帯", "太郎,山田,03-1111,090-2222", kFieldTel, "090-2222"},
      // Other columns of one field join in column order.
      {"電話,住所,番地", "1,東京都,1-2", kFieldAddress1, "東京都 1-2"},
      {"電話,都道府県(自宅),番地(自宅),姓,名", "1,東京都,1-2,山田,太郎", kFieldAddress1, "東京都 1-2"},
      // The category column: true in any case or 1, false, anything else.
      {"氏名,電話,分類", "A,1, true ", kFieldBunrui, "私用"},
      {"氏名,電話,分類", "A,1,1", kFieldBunrui, "私用"},
      {"氏名,電話,分類", "A,1,FALSE", kFieldBunrui, "仕事"},
      {"氏名,電話,分類", "A,1,友人", kFieldBunrui, "友人"},
      {"氏名,電話", "A,1", kFieldBunrui, "私用"},
      {"氏名,電話", "A,1", kFieldFlags, "0|1|0|0|0|0|0|"},
      {"氏名,電話,印刷不要", "A,1,1|1|0|0|0|0|0|", kFieldFlags, "1|1|0|0|0|0|0|"},
      // Only a company: it names the entry.
      {"会社名,電話", "株式会社ミチ,1", kFieldName, "株式会社ミチ"},
      // Only a mail address: the nickname, and its initial as the reading.
      {"氏名,電話,mail", ",,a@x.jp", kFieldHandle, "a@x.jp"},
      {"氏名,電話,mail", ",,a@x.jp", kFieldKana, "A"},
      {"氏名,電話,mail", ",,@x.jp", kFieldKana, ""},
      {"氏名,電話", "tanaka,1", kFieldKana, "T"},
      {"氏名,電話", "ｔａｎａｋａ,1", kFieldKana, "T"},
      {"氏名,電話,愛称", "漢,1,yama", kFieldKana, "Y"},
      {"氏名,電話", "漢,1", kFieldKana, ""},
      {"氏名,電話,ﾌﾘｶﾞﾅ", "A,1,ヤマダ", kFieldKana, "ﾔﾏﾀﾞ"},
      // A nickname equal to the reading says nothing more.
      {"氏名,電話,愛称", ",1,X", kFieldHandle, ""},
      // Every heading and field behind the same mark.
      {"#氏名,#電話", "#A,#1", kFieldName, "A"},
      {"#氏名,#電話", "#A,#1", kFieldTel, "1"},
      {"\"'氏名\",'電話", "'A,'1", kFieldName, "A"},
      {"氏名,電話", "A,０３－１２３４", kFieldTel, "03-1234"},
      {"電話,住所1,住所2", "1,東京都\\n千代田,", kFieldAddress1, "東京都"},
      {"電話,住所1,住所2", "1,東京都\\n千代田,", kFieldAddress2, "千代田"},
      {"電話,住所1,住所2", "1,東京都\\n千代田,ビル", kFieldAddress1, "東京都\\n千代田"},
      {"氏名,電話,勤務先郵便番号,勤務先住所", "A,1,100-0001,千代田", kFieldKaisyaAddress1, "千代田"},
      {"氏名,電話,勤務先郵便番号,勤務先住所", "A,1,100-0001,千代田", kFieldKaisyaZip, "100-0001"},
  });
}

TEST(AddressImportRecord, DatesInTheSpareField) {
  struct {
    const char* value;
    const char* expected;
  } rows[] = {
      {"00120315", "2000/03/15"}, {"19991231", "1999/12/31"}, {"2000-3-5", "2000/03/05"},
      {"2000/3/5", "2000/03/05"}, {"20001332", "20001332"},   {"555-6666", "555-6666"},
      {"03555566", "03555566"},   {"2000-3/5", "2000-3/5"},   {"", ""},
  };
  for (const auto& r : rows) EXPECT_EQ(ImportedDateText(QString::fromUtf8(r.value)), QString::fromUtf8(r.expected)) << r.value;
}

TEST(AddressImportRecord, PostalCodeLooksUpAMissingAddress) {
  QStringList asked;
  const PostalLineLookup lookup = [&](const QString& code) -> std::optional<QString> {
    asked << code;
    if (code == QStringLiteral("1000001")) return QStringLiteral("1000001 東京都千代田区千代田");
    return QString();
  };
  ExpectRecords(
      {
          {"氏名,電話,郵便番号", "A,1,100-0001", kFieldAddress1, "★1000001 東京都千代田区千代田"},
          {"氏名,電話,郵便番号", "A,1,１００ｰ０００１", kFieldAddress1, "★1000001 東京都千代田区千代田"},
          {"氏名,電話,郵便番号", "A,1,999-9999", kFieldAddress1, "★"},
          {"氏名,電話,郵便番号", "A,1,〒abc", kFieldAddress1, ""},
          {"氏名,電話,郵便番号", "A,1,100", kFieldAddress1, ""},
          {"氏名,電話,郵便番号,住所", "A,1,100-0001,大阪", kFieldAddress1, "大阪"},
      },
      lookup);
  EXPECT_EQ(asked, (QStringList{"1000001", "1000001", "9999999"}));
  // No postal data installed: nothing is added.
  ExpectRecords({{"氏名,電話,郵便番号", "A,1,100-0001", kFieldAddress1, ""}},
                [](const QString&) -> std::optional<QString> { return std::nullopt; });
}

TEST(AddressImportRecord, PostalDataIsSearchedOnlyWhenInstalled) {
  QTemporaryDir dir;
  const QString saved = ImportDataFolder;
  ImportDataFolder = dir.path() + u'/';
  const QString dat = ImportDataFolder + "jxpostal1.dat";
  auto write = [](const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  };
  write(dat, platform::ToSjis(QStringLiteral("1000001 千代田 a\r\n1000002 皇居\r\n5300001 梅田\r\n")));
  EXPECT_EQ(LookUpPostalLine(QStringLiteral("1000001")), std::nullopt);
  write(ImportDataFolder + "jxpostal1.txt", "");
  EXPECT_EQ(LookUpPostalLine(QStringLiteral("1000001")), QStringLiteral("1000001 千代田 A"));
  EXPECT_EQ(LookUpPostalLine(QStringLiteral("5300001")), QStringLiteral("5300001 梅田"));
  EXPECT_EQ(LookUpPostalLine(QStringLiteral("9999999")), QString());
  // Out of order, or one huge line: the bisection still ends.
  write(dat, platform::ToSjis(QStringLiteral("9000000 x\r\n1000001 y\r\n5000000 z\r\n")) + QByteArray(1 << 20, '7'));
  EXPECT_NO_FATAL_FAILURE(LookUpPostalLine(QStringLiteral("1000001")));
  QFile::remove(dat);
  EXPECT_EQ(LookUpPostalLine(QStringLiteral("1000001")), QString());
  ImportDataFolder = saved;
}

TEST(AddressImportSynonyms, FramedHeadingsMatchWholeNamesOnly) {
  EXPECT_EQ(AddressImportListOf(FramedImportHeading(QStringLiteral("電話"))), 5);
  EXPECT_EQ(AddressImportListOf(FramedImportHeading(QStringLiteral("話"))), 0);
  EXPECT_EQ(AddressImportListOf(FramedImportHeading(QStringLiteral(""))), 0);
  EXPECT_EQ(AddressImportListOf(FramedImportHeading(QStringLiteral("ﾋﾞｼﾞﾈｽ Web ﾍﾟｰｼﾞ"))), 20);
  EXPECT_EQ(AddressImportListOf(FramedImportHeading(QStringLiteral("http://"))), 20);
}

// ---- Many entries inserted at once give the file of one rewrite per entry.

QString Line(const QString& kana, const QString& name, const QString& handle = QString()) {
  AddressRecord r;
  r.setField(kFieldKana, kana);
  r.setField(kFieldName, name);
  r.setField(kFieldHandle, handle);
  return r.toLine();
}

// One entry as a single rewrite places it: before the first greater line
// unless an equal one came first.
void InsertOneByOne(QStringList& lines, const AddressRecord& record) {
  const QString key = AddressImportKey(record);
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const QString other = AddressImportKey(AddressRecord::FromLine(lines.at(i)));
    if (other == key) return;
    if (key < other) {
      lines.insert(i, record.toLine());
      return;
    }
  }
  lines.append(record.toLine());
}

QList<QByteArray> Encoded(const QStringList& lines) {
  QList<QByteArray> out;
  for (const QString& l : lines) out << platform::ToSjis(l);
  return out;
}

TEST(AddressImportMerge, EqualsOneRewritePerEntryOnSortedAndUnsortedFiles) {
  const QStringList kana{"ｱ", "ｲ", "ｳ", "ｴ", "ｵ", "ｶ", ""};
  const QStringList names{"山田", "A", "", "a very long name that the key cuts at twenty bytes!"};
  QRandomGenerator random(20261210);
  auto pick = [&](const QStringList& from) { return from.at(random.bounded(int(from.size()))); };
  for (int round = 0; round < 30; ++round) {
    QStringList file{QStringLiteral("header")};
    const int existing = random.bounded(12);
    for (int i = 0; i < existing; ++i) file << Line(pick(kana), pick(names), random.bounded(3) ? QString() : "h");
    if (round % 2 == 0) std::sort(file.begin() + 1, file.end(), [](const QString& a, const QString& b) {
        return AddressImportKey(AddressRecord::FromLine(a)) < AddressImportKey(AddressRecord::FromLine(b));
      });
    QList<AddressRecord> records;
    for (int i = 0; i < 20; ++i) records << AddressRecord::FromLine(Line(pick(kana), pick(names) + (random.bounded(4) ? "" : "x"), random.bounded(3) ? QString() : "h"));

    QStringList expected = file;
    for (const AddressRecord& r : records) InsertOneByOne(expected, r);
    AddressImportMerge merge(Encoded(file));
    for (const AddressRecord& r : records) merge.insert(r);
    EXPECT_EQ(merge.takeLines(), Encoded(expected)) << "round " << round;
  }
}

TEST(AddressImportMerge, DropsEntriesAlreadyThereAndCountsThem) {
  AddressImportMerge merge(Encoded({"header", Line("ｱ", "A"), Line("ｶ", "K")}));
  EXPECT_FALSE(merge.insert(AddressRecord::FromLine(Line(" ｱ", "A "))));
  EXPECT_TRUE(merge.insert(AddressRecord::FromLine(Line("ｲ", "I"))));
  EXPECT_FALSE(merge.insert(AddressRecord::FromLine(Line("ｲ", "I"))));
  EXPECT_EQ(merge.insertedCount(), 1);
  EXPECT_EQ(merge.droppedCount(), 2);
  EXPECT_EQ(merge.takeLines(), Encoded({"header", Line("ｱ", "A"), Line("ｲ", "I"), Line("ｶ", "K")}));
  // An empty file gets its header.
  AddressImportMerge fresh({});
  fresh.insert(AddressRecord::FromLine(Line("ｱ", "A")));
  EXPECT_EQ(fresh.takeLines(), Encoded({kAddressHeader, Line("ｱ", "A")}));
}

// The header is looked for in the first three lines, each line passed over
// counted for its message; lines without data give no entry.
TEST(AddressImportFileBytes, HeaderSearchAndEntries) {
  struct {
    const char* text;
    int skipped;
    bool header;
    QStringList names;
  } rows[] = {
      {"氏名,電話\r\nA,1\r\n,\r\n\r\nB,2\r\n", 0, true, {"A", "B"}},
      {"x\r\ny\n氏名,電話\nA,1", 2, true, {"A"}},
      {"a\r\nb\r\nc\r\n氏名,電話\r\nA,1\r\n", 3, false, {}},
      {"a,b\r\n", 1, false, {}},
      {"", 0, false, {}},
  };
  const PostalLineLookup none = [](const QString&) -> std::optional<QString> { return std::nullopt; };
  for (const auto& r : rows) {
    const AddressImportFile file = ReadAddressImportFile(platform::ToSjis(QString::fromUtf8(r.text)), none);
    EXPECT_EQ(file.skippedHeaderLines, r.skipped) << r.text;
    EXPECT_EQ(file.hasHeader, r.header) << r.text;
    QStringList names;
    for (const AddressRecord& record : file.records) names << record.field(kFieldName);
    EXPECT_EQ(names, r.names) << r.text;
  }
}

}  // namespace
