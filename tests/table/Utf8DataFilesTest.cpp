// Table, chart and card files saved as UTF-8 by a Linux editor read as the
// text they hold, with or without a byte order mark, and never as garbage.
#include <gtest/gtest.h>

#include "TableFile.h"
#include "TestEnvironment.h"
#include "charts/GanttFile.h"
#include "charts/TreeFile.h"
#include "core/platform/CodePageChecks.h"
#include "core/platform/Codec.h"
#include "tables_cards/CardFile.h"
#include "tables_cards/CardPrint.h"

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

// The text in each encoding a user's file may come in.
struct Encoded {
  const char* what;
  QByteArray bytes;
};
std::vector<Encoded> EveryEncoding(const QString& text) {
  return {{"UTF-8", text.toUtf8()}, {"UTF-8 with BOM", kBom + text.toUtf8()}, {"code page 932", platform::ToSjis(text)}};
}

class Utf8DataFilesTest : public RingpadTest {};

TEST_F(Utf8DataFilesTest, TableFileReadsAsItsText) {
  for (const Encoded& e : EveryEncoding(QStringLiteral("品名,数量,備考\r\nりんご,３,産地直送\r\n@BIKO=朝市で\r\n"))) {
    SCOPED_TRACE(e.what);
    const TableOptions o = ReadTableFile(e.bytes, TableOptions(), homeFile("t.csv"), false);
    EXPECT_EQ(o.heading, QStringLiteral("品名,数量,備考"));
    EXPECT_EQ(o.body, QStringLiteral("りんご,３,産地直送"));
    EXPECT_EQ(o.remarks, QStringLiteral("朝市で"));
  }
}

TEST_F(Utf8DataFilesTest, GanttAndTreeFilesReadAsTheirText) {
  for (const Encoded& e : EveryEncoding(QStringLiteral("@TITLE=工程表\r\n設計,4/1,4/10\r\n@BIKO=予備日あり\r\n"))) {
    SCOPED_TRACE(e.what);
    const GanttFileContent gantt = ReadGanttFile(e.bytes);
    EXPECT_EQ(gantt.title.value_or(QString()), QStringLiteral("工程表"));
    EXPECT_EQ(gantt.data, QStringLiteral("設計,4/1,4/10"));
    EXPECT_EQ(gantt.remarks, QStringLiteral("予備日あり"));
    const TreeDocument tree = ReadTreeFile(e.bytes);
    EXPECT_EQ(tree.title, QStringLiteral("工程表"));
    EXPECT_EQ(tree.items, QStringLiteral("設計,4/1,4/10\r\n"));
    EXPECT_EQ(tree.remarks, QStringLiteral("予備日あり"));
  }
}

// A card file stays in the encoding it came in when its layout is stored:
// its records keep their bytes, so a head in another encoding would leave a
// file that reads right in neither.
TEST_F(Utf8DataFilesTest, CardFileReadsAsItsTextAndKeepsItsEncodingWhenStored) {
  const QString text = QStringLiteral("@TITLE=単語帳\r\n@TABLE_ITEM_XY(英語)=ITEM,1,2\r\n英語,日本語\r\nABLE,できる\r\n");
  for (const Encoded& e : EveryEncoding(text)) {
    SCOPED_TRACE(e.what);
    const CardHead head = ReadCardFile(e.bytes);
    EXPECT_EQ(head.title, QStringLiteral("単語帳"));
    ASSERT_EQ(head.columns.size(), 2u);
    EXPECT_EQ(head.columns[0].name, QStringLiteral("英語"));
    EXPECT_EQ(head.columns[0].position, QStringLiteral("ITEM,1,2"));
    CardJob job;
    job.Load(e.bytes, head.columns);
    EXPECT_EQ(job.columnNames, (QStringList{QStringLiteral("英語"), QStringLiteral("日本語")}));
    EXPECT_EQ(job.records, QStringList{QStringLiteral("ABLE,できる")});

    const QByteArray stored = WriteCardFile(e.bytes, {QStringLiteral("@TITLE=新しい題")});
    const QString expected = QStringLiteral("@TITLE=新しい題\r\n英語,日本語\r\nABLE,できる\r\n");
    if (e.bytes.startsWith(kBom)) EXPECT_EQ(stored, kBom + expected.toUtf8());
    else if (platform::ClassifyTextBytes(e.bytes) == platform::TextBytes::Utf8) EXPECT_EQ(stored, expected.toUtf8());
    else EXPECT_EQ(stored, platform::ToSjis(expected));
    EXPECT_EQ(ReadCardFile(stored).title, QStringLiteral("新しい題"));
  }
}

// Bytes cut inside a UTF-8 character are not UTF-8; text that is both valid
// UTF-8 and code page 932 Japanese is read as UTF-8.
TEST(TextBytesTest, ClassifiesEachKindOfFile) {
  const struct {
    QByteArray bytes;
    platform::TextBytes kind;
  } cases[] = {
      {"plain ascii\r\n", platform::TextBytes::CodePage932},
      {platform::ToSjis(QStringLiteral("日本語\r\n")), platform::TextBytes::CodePage932},
      {QStringLiteral("日本語\r\n").toUtf8(), platform::TextBytes::Utf8},
      {kBom + "ascii", platform::TextBytes::Utf8},
      {QByteArray(), platform::TextBytes::CodePage932},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::ClassifyTextBytes(c.bytes), c.kind) << c.bytes.toHex().constData();
  EXPECT_NE(platform::ClassifyTextBytes(kBom + QStringLiteral("日本語").toUtf8().chopped(1)), platform::TextBytes::Utf8);
}

}  // namespace
