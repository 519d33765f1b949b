#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include "address/AddressBookEdit.h"
#include "address/AddressFile.h"
#include "address/AddressFlags.h"
#include "address/AddressRecord.h"
#include "address/AddressSortKey.h"
#include "core/platform/Codec.h"
#include "core/text/CsvLine.h"

namespace {

AddressRecord RecordOf(std::initializer_list<std::pair<int, QString>> fields) {
  AddressRecord r;
  for (const auto& [n, v] : fields) r.setField(n, v);
  return r;
}

TEST(AddressRecord, RemarkWithBreaksAndQuoteIsEncodedOnOneLineAndComesBack) {
  const QString remark = QStringLiteral("a\r\nb\"c");
  const AddressRecord r = RecordOf({{kFieldBikou3, remark}});
  const QString line = r.toLine();
  EXPECT_TRUE(line.contains(QStringLiteral(",\"a\\nb\"\"c\",")));
  EXPECT_FALSE(line.contains(u'\r'));
  EXPECT_EQ(AddressRecord::FromLine(line).field(kFieldBikou3), remark);

  // A doubled quote typed into the remark survives too.
  const AddressRecord pair = RecordOf({{kFieldBikou3, QStringLiteral("say \"\"hi\"\"")}});
  EXPECT_EQ(AddressRecord::FromLine(pair.toLine()).field(kFieldBikou3), QStringLiteral("say \"\"hi\"\""));
}

TEST(AddressRecord, QuotesAndCommasInAnyFieldKeepTheFollowingFieldsInPlace) {
  for (int n : {kFieldKana, kFieldName, kFieldFlags, kFieldPost, kFieldKaisyaSeat}) {
    AddressRecord r;
    for (int i = 1; i <= 30; ++i) r.setField(i, QStringLiteral("f%1").arg(i));
    r.setField(n, QStringLiteral("x\",\"y, \"z"));
    const AddressRecord back = AddressRecord::FromLine(r.toLine());
    for (int i = 1; i <= 30; ++i) EXPECT_EQ(back.field(i), r.field(i)) << "field " << n << " / " << i;
  }
}

TEST(AddressRecord, WritesTwentyOneFieldsThenUpToTheLastNonEmptyOne) {
  struct {
    const char* what;
    int lastFilled;
    int fieldsHeld;
    int fieldsWritten;
  } rows[] = {
      {"short line padded to 21", 3, 3, 21},
      {"trailing empty fields 30-35 dropped", 29, 35, 29},
      {"carried field 25", 25, 25, 25},
      {"field 350 kept", 350, 350, 350},
  };
  for (const auto& row : rows) {
    AddressRecord r;
    r.setField(row.fieldsHeld, QString());
    r.setField(row.lastFilled, QStringLiteral("v"));
    const QString line = r.toLine();
    EXPECT_EQ(SplitCsvFields(line).size(), row.fieldsWritten) << row.what;
    EXPECT_FALSE(line.endsWith(u',')) << row.what;
    EXPECT_EQ(AddressRecord::FromLine(line).field(row.lastFilled), QStringLiteral("v")) << row.what;
  }
}

TEST(AddressRecord, ReadsUnquotedAndTabLinesAndMissingFieldsAsEmpty) {
  const AddressRecord r = AddressRecord::FromLine(QStringLiteral("ｵﾄﾓﾀﾞﾁﾞ\t友人,\"おともだち\",,090"));
  EXPECT_EQ(r.field(kFieldKana), QStringLiteral("ｵﾄﾓﾀﾞﾁﾞ"));
  EXPECT_EQ(r.field(kFieldBunrui), QStringLiteral("友人"));
  EXPECT_EQ(r.field(kFieldName), QStringLiteral("おともだち"));
  EXPECT_EQ(r.field(kFieldTel), QStringLiteral("090"));
  EXPECT_EQ(r.field(kFieldBikou3), QString());
  EXPECT_EQ(r.field(0), QString());
  EXPECT_EQ(r.field(301), QString());
}

TEST(AddressRecord, ALineBreakOutsideTheRemarkCannotCutTheLine) {
  const AddressRecord r = RecordOf({{kFieldAddress1, QStringLiteral("a\r\nb")}, {kFieldPost, QStringLiteral("p")}});
  const QString line = r.toLine();
  EXPECT_FALSE(line.contains(u'\n'));
  EXPECT_EQ(AddressRecord::FromLine(line).field(kFieldPost), QStringLiteral("p"));
}

// Any field text without line breaks or the control codes the splitter drops
// survives being written and read back, whatever line it came from.
TEST(AddressRecord, FieldsOfEveryCsvSeedSurviveARoundTrip) {
  QDirIterator it(QStringLiteral(RINGPAD_SOURCE_DIR "/fuzz/corpus/csv_line"), QDir::Files);
  int seeds = 0;
  while (it.hasNext()) {
    QFile file(it.next());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = platform::FromSjis(file.readAll());
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("[\r\n]")))) {
      AddressRecord r;
      const QStringList fields = SplitCsvFields(line);
      for (qsizetype i = 0; i < fields.size(); ++i) {
        // 備考3 holds "\n" escapes by design; give it plain text here.
        QString v = fields.at(i);
        if (i + 1 == kFieldBikou3) v.replace(QStringLiteral("\\n"), QStringLiteral("/n"));
        r.setField(static_cast<int>(i + 1), v);
      }
      const AddressRecord back = AddressRecord::FromLine(r.toLine());
      for (int n = 1; n <= r.fieldCount(); ++n) {
        EXPECT_EQ(back.field(n), r.field(n)) << file.fileName().toStdString() << " field " << n;
      }
    }
    ++seeds;
  }
  EXPECT_GT(seeds, 0);
}

TEST(AddressRecord, HugeAndBrokenLinesNeitherCrashNorLoseFields) {
  const QString manyFields = QStringLiteral("a,").repeated(9999) + QStringLiteral("last");
  AddressRecord r = AddressRecord::FromLine(manyFields);
  EXPECT_EQ(r.field(10000), QStringLiteral("last"));
  EXPECT_EQ(AddressRecord::FromLine(r.toLine()).field(10000), QStringLiteral("last"));

  const QString big = QString(1 << 20, u'漢');
  r = AddressRecord::FromLine(QStringLiteral("\"x\",\"") + big);
  EXPECT_EQ(r.field(2), big);

  for (const char* broken : {"\"", "\"\"\"", ",\",\x01\x02\"\"", "\x7f\"\t\"\""}) {
    const AddressRecord b = AddressRecord::FromLine(QString::fromLatin1(broken));
    EXPECT_GE(AddressRecord::FromLine(b.toLine()).fieldCount(), kAddressAlwaysWritten);
  }
}

TEST(AddressFlags, ReadsWhatThereIsAndWritesSevenDigits) {
  struct {
    const char* field;
    int noPrint, active;
    std::array<int, 5> checks;
    const char* written;
  } rows[] = {
      {"1|1|0|0|0|0|0|", 1, 1, {0, 0, 0, 0, 0}, "1|1|0|0|0|0|0|"},
      {"0|1|", 0, 1, {0, 0, 0, 0, 0}, "0|1|0|0|0|0|0|"},
      {"", 0, 0, {0, 0, 0, 0, 0}, "0|0|0|0|0|0|0|"},
      {"x|1|", 0, 1, {0, 0, 0, 0, 0}, "0|1|0|0|0|0|0|"},
      {"0|0|1| |1|a|1", 0, 0, {1, 0, 1, 0, 1}, "0|0|1|0|1|0|1|"},
      {"abc", 0, 0, {0, 0, 0, 0, 0}, "0|0|0|0|0|0|0|"},
  };
  for (const auto& row : rows) {
    const AddressFlags f = AddressFlags::Parse(QString::fromLatin1(row.field));
    EXPECT_EQ(f.noPrint, row.noPrint) << row.field;
    EXPECT_EQ(f.active, row.active) << row.field;
    EXPECT_EQ(f.checks, row.checks) << row.field;
    EXPECT_EQ(f.toField(), QString::fromLatin1(row.written)) << row.field;
  }
  EXPECT_EQ(AddressFlags{}.toField(), kClearedAddressFlags);
  EXPECT_TRUE(IsFrequentlyUsed(QStringLiteral("0|1|")));
  EXPECT_FALSE(IsFrequentlyUsed(QStringLiteral("0|2|")));
  EXPECT_FALSE(IsFrequentlyUsed(QStringLiteral("0|")));
}

TEST(AddressSortKey, OrdersByReadingThenNameThenNicknameOnTwentyBytes) {
  const QString twenty = QStringLiteral("あいうえおかきくけこ");  // 20 bytes
  struct {
    const char* what;
    QString a[3];
    QString b[3];
    int order;  // -1 a < b, 0 equal, 1 a > b
  } rows[] = {
      {"same reading, name decides", {"ﾔﾏﾀﾞ", "山田一郎", "z"}, {"ﾔﾏﾀﾞ", "山田二郎", "a"}, -1},
      {"same reading and name, nickname decides", {"ﾔﾏﾀﾞ", "山田", "いち"}, {"ﾔﾏﾀﾞ", "山田", "に"}, -1},
      {"names equal in 20 bytes", {"ｱ", twenty + "さ", ""}, {"ｱ", twenty + "し", ""}, 0},
      {"trimmed before padding", {" ｱ ", " 名 ", ""}, {"ｱ", "名", ""}, 0},
      {"Latin before hiragana", {"abc", "", ""}, {"あ", "", ""}, -1},
      {"hiragana before half-width katakana", {"あ", "", ""}, {"ｱ", "", ""}, -1},
      {"digits before Latin", {"9", "", ""}, {"A", "", ""}, -1},
      {"upper before lower, no folding", {"Z", "", ""}, {"a", "", ""}, -1},
  };
  for (const auto& row : rows) {
    const QString ka = AddressSortKey(row.a[0], row.a[1], row.a[2]);
    const QString kb = AddressSortKey(row.b[0], row.b[1], row.b[2]);
    const int got = ka < kb ? -1 : (kb < ka ? 1 : 0);
    EXPECT_EQ(got, row.order) << row.what;
  }
}

TEST(AddressSortKey, EveryPartIsExactlyTwentyBytesEvenWhenACharacterIsCut) {
  // The 20th byte falls on the first half of 漢: it is dropped for a blank.
  const QString name = QStringLiteral("a") + QStringLiteral("漢").repeated(10);
  const QString cut = PadCutBytes(name, 20);
  EXPECT_EQ(cut, QStringLiteral("a") + QStringLiteral("漢").repeated(9) + u' ');
  EXPECT_EQ(platform::SjisByteLength(cut), 20);
  EXPECT_EQ(PadCutBytes(QString(), 20), QString(20, u' '));
  const QString key = AddressSortKey(QStringLiteral("ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅ"), name, name);
  EXPECT_EQ(key.left(20), QStringLiteral("ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄ"));
  EXPECT_EQ(platform::SjisByteLength(key.mid(20)), 40);
}

}  // namespace

// The file's bytes give its lines and the lines give the same bytes back,
// quoted fields and commas inside them kept as they stand.
TEST(AddressFileBytes, RoundTrip) {
  QStringList file = AddressFile::DefaultLines();
  file << QStringLiteral("\"ﾔﾏﾀﾞ\",\"友人\",\"山田, 太郎\",,\"090-1\",,\"0|1|0|0|0|0|0|\"") << QString();
  const QByteArray bytes = platform::ToSjis(file.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
  const QStringList lines = ReadAddressFile(bytes);
  EXPECT_EQ(lines, file);
  EXPECT_EQ(lines.first(), kAddressHeader);
  EXPECT_EQ(WriteAddressFile(lines), bytes);
  EXPECT_EQ(WriteAddressFile(ReadAddressFile(platform::ToSjis(kAddressHeader))),
            platform::ToSjis(kAddressHeader + "\r\n"));
  EXPECT_TRUE(ReadAddressFile(QByteArray()).isEmpty());
}

// An add, update or delete made on the file as it stands now: the line to
// replace or remove must still be the one shown, the new line goes to its
// sorted place and the header is put back.
TEST(AddressBookChange, AddsUpdatesAndDeletesOnlyWhatWasShown) {
  const QString a = QStringLiteral("ｱ,c,a"), k = QStringLiteral("ｶ,c,k"), s = QStringLiteral("ｻ,c,s");
  const AddressRecord ki = AddressRecord::FromLine(QStringLiteral("ｷ,c,ki"));
  const QStringList file{QStringLiteral("old header"), a, s};
  struct {
    const char* what;
    int removeLine;
    QString expected;
    bool withEntry;
    bool done;
    QStringList after;
    int inserted;
  } cases[] = {
      {"add", 0, {}, true, true, {kAddressHeader, a, ki.toLine(), s}, 3},
      {"update", 3, s, true, true, {kAddressHeader, a, ki.toLine()}, 3},
      {"delete", 2, a, false, true, {kAddressHeader, s}, -1},
      {"line changed since shown", 3, k, true, false, file, -1},
      {"line gone", 4, s, false, false, file, -1},
      {"header line", 1, file[0], false, false, file, -1},
  };
  for (const auto& c : cases) {
    QStringList lines = file;
    int inserted = -1;
    EXPECT_EQ(ChangeAddressBook(lines, c.removeLine, c.expected, c.withEntry ? &ki : nullptr, &inserted), c.done)
        << c.what;
    EXPECT_EQ(lines, c.after) << c.what;
    EXPECT_EQ(inserted, c.inserted) << c.what;
  }
  QStringList empty;
  EXPECT_TRUE(ChangeAddressBook(empty, 0, {}, &ki, nullptr));
  EXPECT_EQ(empty, (QStringList{kAddressHeader, ki.toLine()}));
}
