#include <gtest/gtest.h>

#include <QFile>
#include <cerrno>
#include <vector>

#include "TableFile.h"
#include "TableTemplates.h"
#include "TestEnvironment.h"
#include "core/platform/Codec.h"
#include "core/platform/ProblemReport.h"
#include "core/platform/SystemError.h"
#include "core/platform/TextLines.h"
#include "core/settings/DataFileRead.h"
#include "core/ui/HelpPage.h"
#include "tables_cards/windows/TableWindow.h"

namespace {

class TableFileTest : public RingpadTest {
 protected:
  // What the window does on a read: template 0 first, then the lines.
  TableOptions Read(const QByteArray& bytes, const TableOptions& before = TableOptions()) {
    return ReadTableFile(bytes, before, homeFile("t.csv"), false);
  }
};

TableOptions Filled() {
  TableOptions o;
  ApplyTableTemplate(o, 3, false);
  o.remarks = "一行目\r\n二行目";
  o.yoko = 1;
  o.midasi = 1;
  o.midasiAmi = 0;
  o.coln = 1;
  o.keisen = 1;
  o.amikake = 1;
  o.wakuHosome = 1;
  o.tensen = 1;
  o.biko2 = 1;
  o.date = 1;
  o.page = 1;
  o.keisenYoko = 3;
  o.widthPos = {2, 6, 0, 0, 0, 0, 0, 0, 40};
  return o;
}

TEST_F(TableFileTest, WriterKeepsItsOrderAndEndsTheWidthLineWithAComma) {
  TableOptions o;
  o.title = "T";
  o.heading = "a,b";
  o.body = "1,2";
  o.colsPos = 1;
  o.rowsPos = 2;
  o.widthPos = {2, 6};
  const QByteArray expected =
      "@TITLE=T\r\n@TABLE_LANDSCAPE=0\r\n@TABLE_COL_TITLE_VISIBLE=0\r\n"
      "@TABLE_COL_TITLE_AMIKAKE=1\r\n@TABLE_COL_NO=0\r\n@TABLE_COL_SU=2\r\n"
      "@TABLE_COL_WIDTH=10,30,0,0,0,0,0,0,0,\r\n@TABLE_KEISEN=0\r\n@TABLE_AMIKAKE=0\r\n"
      "@TABLE_WAKU_HOSOME=0\r\n@TABLE_TENSEN=0\r\n@TABLE_ROW_MAX=5\r\n@TABLE_CHKBIKO2=0\r\n"
      "@TABLE_CHKDATE=0\r\n@TABLE_CHKPAGE=0\r\n@TABLE_KEISEN_YOKO=1\r\n@CSV=\r\na,b\r\n1,2\r\n\r\n";
  EXPECT_EQ(WriteTableFile(o), expected);
  o.remarks = "x\r\ny";
  EXPECT_TRUE(WriteTableFile(o).endsWith("1,2\r\n@BIKO=x\r\n@BIKO=y\r\n"));
}

TEST_F(TableFileTest, WrittenFileReadsBackAndIsByteIdenticalWhenWrittenAgain) {
  TableOptions written = Filled();
  written.fontSizePos = 5;
  written.men = 3;
  written.notitle = 1;
  written.amikakeCol = 4;
  const QByteArray first = WriteTableFile(written);

  TableOptions before;
  before.amikakeCol = 7;
  const TableOptions read = Read(first, before);
  TableOptions expected = written;
  expected.fontSizePos = 0;  // not kept: template 0's
  expected.men = 0;
  expected.notitle = 0;
  expected.amikakeCol = 7;  // not kept: as it was
  EXPECT_EQ(read, expected);
  EXPECT_EQ(WriteTableFile(read), first);
}

// A body's rows: its lines, its last line break ending the last row, so
// that blank rows at the end are rows like any other.
QStringList BodyRows(QString body) {
  if (body.endsWith(QStringLiteral("\r\n"))) body.chop(2);
  return body.isEmpty() ? QStringList() : body.split(QStringLiteral("\r\n"));
}

// The body goes into the file as it is, with a line break added only where
// it has none at its end; read back, the table has the rows it was written
// with, blank rows at its end too, and writing it again gives the same bytes.
TEST_F(TableFileTest, BodyIsWrittenAsItEndsAndReadsBackItsRows) {
  const struct {
    const char* body;
    const char* written;
  } bodies[] = {
      {"a", "a\r\n"},
      {"a\r\n", "a\r\n"},
      {"a\r\n\r\n", "a\r\n\r\n"},          // one blank row at the end
      {"a\r\n\r\n\r\n", "a\r\n\r\n\r\n"},  // two
      {"a\r\n\r\nb", "a\r\n\r\nb\r\n"},
      {"\r\n\r\n", "\r\n\r\n"},
      {"", "\r\n"},  // an empty body is one empty line
  };
  const struct {
    const char* remarks;
    const char* written;
  } remarkTexts[] = {{"", "\r\n"},
                     {"x", "@BIKO=x\r\n"},
                     {"x\r\n", "@BIKO=x\r\n@BIKO=\r\n"},
                     {"x\r\n\r\ny", "@BIKO=x\r\n@BIKO=\r\n@BIKO=y\r\n"}};
  for (const auto& r : remarkTexts) {
    for (const auto& b : bodies) {
      SCOPED_TRACE(QByteArray(b.body).toHex().toStdString() + "|" + r.remarks);
      TableOptions o;
      o.body = b.body;
      o.remarks = r.remarks;
      const QByteArray bytes = WriteTableFile(o);
      EXPECT_TRUE(bytes.endsWith(QByteArray("@CSV=\r\n\r\n") + b.written + r.written)) << bytes.toStdString();
      const TableOptions back = Read(bytes);
      EXPECT_EQ(BodyRows(back.body), BodyRows(b.body));
      EXPECT_EQ(back.remarks, QString(r.remarks));
      EXPECT_EQ(WriteTableFile(back), bytes);
    }
  }
  // The travel cost template's body ends with its line break: no empty line
  // is added after it.
  TableOptions travel;
  ApplyTableTemplate(travel, 8, false);
  ASSERT_TRUE(travel.remarks.isEmpty());
  const QByteArray file = WriteTableFile(travel);
  EXPECT_TRUE(file.endsWith(platform::ToSjis(QStringLiteral("新幹線,9400\r\n\r\n"))));
  EXPECT_FALSE(file.endsWith("\r\n\r\n\r\n"));
}

TEST_F(TableFileTest, PlainCsvAndSpecialLines) {
  struct Case {
    const char* content;
    const char* heading;
    const char* body;
  };
  const Case cases[] = {
      {"h1,h2\r\n1,2\r\n3,4\r\n", "h1,h2", "1,2\r\n3,4"},
      {"h1,h2\n1,2\r3,4", "h1,h2", "1,2\r\n3,4"},
      {"@PAGE\r\n@NOSUCH=1\r\nx\r\n", "@PAGE", "@NOSUCH=1\r\nx"},
      {"@table_landscape=1\r\nrow\r\n", "@table_landscape=1", "row"},
      {"@CSV=\r\n", "", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    const TableOptions o = Read(c.content);
    EXPECT_EQ(o.heading, QString::fromUtf8(c.heading)) << c.content;
    EXPECT_EQ(o.body, QString::fromUtf8(c.body)) << c.content;
    EXPECT_EQ(o.yoko, 0);
    EXPECT_EQ(o.title, homeFile("t"));
  }
  EXPECT_EQ(ReadTableFile("x\r\n", TableOptions(), homeFile("u.CsV"), false).title, homeFile("u"));
}

TEST_F(TableFileTest, OptionValuesAndTheirRanges) {
  TableOptions before;
  before.keisen = 1;
  struct Case {
    const char* line;
    std::function<void(TableOptions&)> change;
  };
  const Case cases[] = {
      {"@TABLE_COL_WIDTH=20,,35", [](TableOptions& o) { o.widthPos = {4, 0, 7}; }},
      {"@TABLE_COL_WIDTH=12,4,200,205,-5,5,5,5,5,5,5,5",
       [](TableOptions& o) { o.widthPos = {2, 0, 40, 0, 0, 1, 1, 1, 1}; }},
      {"@TABLE_COL_SU=1", [](TableOptions& o) { o.colsPos = 0; }},
      {"@TABLE_COL_SU=0", [](TableOptions& o) { o.colsPos = -1; }},
      {"@TABLE_COL_SU=99", [](TableOptions&) {}},
      {"@TABLE_ROW_MAX=2", [](TableOptions&) {}},
      {"@TABLE_ROW_MAX=99", [](TableOptions&) {}},
      {"@TABLE_ROW_MAX=60", [](TableOptions& o) { o.rowsPos = 57; }},
      {"@TABLE_ROW_MAX=4.5", [](TableOptions& o) { o.rowsPos = 1; }},  // halves to even
      {"@TABLE_KEISEN_YOKO=7", [](TableOptions&) {}},
      {"@TABLE_KEISEN_YOKO=0", [](TableOptions& o) { o.keisenYoko = 0; }},
      {"@TABLE_KEISEN=2", [](TableOptions&) {}},
      {"@TABLE_KEISEN=0", [](TableOptions& o) { o.keisen = 0; }},
      {"@TABLE_COL_NO=1", [](TableOptions& o) { o.coln = 1; }},
      {"@TITLE=", [](TableOptions& o) { o.title = ""; }},
  };
  for (const Case& c : cases) {
    TableOptions expected = before;
    ApplyTableTemplate(expected, 0, false);
    expected.title = homeFile("t");
    c.change(expected);
    EXPECT_EQ(Read(QByteArray(c.line) + "\r\n", before), expected) << c.line;
  }
}

TEST_F(TableFileTest, BadFilesAreRefusedOrReadAsText) {
  // The window reads the bytes first (a failure shows the message and
  // leaves the table as it was), then the options.
  platform::ProblemReport problem;
  QByteArray content;
  // What the user is told of a refused read.
  const auto message = [&problem] { return platform::ProblemMessage(problem).text; };
  EXPECT_EQ(ReadDataFileWithinLimit(homeFile("missing.csv"), content, problem), DataFileRead::Unreadable);
  EXPECT_EQ(message(), "「" + homeFile("missing.csv") + "」を読み込めませんでした。(" + platform::SystemErrorText(ENOENT) + ")");

  QFile big(homeFile("big.csv"));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  ASSERT_TRUE(big.resize(100LL * 1024 * 1024));
  big.close();
  EXPECT_EQ(ReadDataFileWithinLimit(homeFile("big.csv"), content, problem), DataFileRead::TooLarge);
  EXPECT_EQ(message(), "ファイルが大きすぎます（10MBまで）: " + homeFile("big.csv"));
  EXPECT_TRUE(content.isEmpty());
  EXPECT_EQ(ReadDataFileWithinLimit(homeFile("big.csv"), content, problem, "big"), DataFileRead::TooLarge);
  EXPECT_EQ(message(), "ファイルが大きすぎます（10MBまで）: big");

  QByteArray wide = "h";
  for (int i = 0; i < 10000; ++i) wide += ",c";
  const QByteArray junk("\x00\xff\x81\r\n\x82", 6);
  for (const QByteArray& content :
       {wide + "\r\n" + QByteArray(100000, 'x'), junk, QByteArray("\xe8\xa1\xa8,a\n")}) {
    const TableOptions o = Read(content);
    EXPECT_FALSE(o.heading.isEmpty());
  }
}

// The window's read reports its refusals by kind: a failed read as the
// caller asks (a warning unless the file holds the window's data), a file
// over the limit by its shown name; nothing is read then.
TEST_F(TableFileTest, RefusedReadsReachTheReportHandlerByKind) {
  std::vector<platform::ProblemReport> reports;
  const platform::ProblemHandlerScope collect([&](const platform::ProblemReport& r) {
    reports.push_back(r);
    return false;
  });
  QFile big(homeFile("big.csv"));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  ASSERT_TRUE(big.resize(kDataFileMaxBytes + 1));
  big.close();
  QByteArray content = "stale";
  EXPECT_FALSE(ReadDataFileWithinLimitOrReport(homeFile("missing.csv"), content));
  EXPECT_FALSE(ReadDataFileWithinLimitOrReport(homeFile("missing.csv"), content, QString(), platform::Problem::ReadFailed));
  EXPECT_FALSE(ReadDataFileWithinLimitOrReport(homeFile("big.csv"), content, "big"));
  EXPECT_TRUE(content.isEmpty());
  ASSERT_EQ(reports.size(), 3u);
  EXPECT_EQ(reports[0].problem, platform::Problem::ViewReadFailed);
  EXPECT_EQ(reports[0].subject, homeFile("missing.csv"));
  EXPECT_EQ(reports[0].reason, platform::SystemErrorText(ENOENT));
  EXPECT_EQ(reports[1].problem, platform::Problem::ReadFailed);
  EXPECT_EQ(reports[2].problem, platform::Problem::FileTooLarge);
  EXPECT_EQ(reports[2].text, "ファイルが大きすぎます（10MBまで）: big");
  EXPECT_TRUE(messages().texts().isEmpty());
}

TEST_F(TableFileTest, HelpTextNamesTheSupportPages) {
  const QStringList lines = TableHelpText().split("\r\n");
  EXPECT_EQ(lines.size(), 16);
  EXPECT_EQ(lines[0], "[使い方]");
  EXPECT_TRUE(lines[12].startsWith("　　たとえば、「"));
  EXPECT_EQ(lines[14], MoreHelpLine() + "。");
  EXPECT_EQ(lines[15], "");
}

}  // namespace
