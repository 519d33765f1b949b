// Imported rows made into schedule lines, and the merge that skips the lines
// held already.
#include <gtest/gtest.h>

#include "core/platform/Codec.h"
#include "core/platform/TextLines.h"
#include "schedule/ScheduleCsvImport.h"

namespace {

QStringList Fixture(const char* name) {
  QStringList lines;
  platform::ReadTextLines(QStringLiteral(RINGPAD_TEST_FIXTURES "/") + QLatin1String(name), lines);
  return lines;
}

struct RowCase {
  ScheduleCsvColumns columns;
  const char* row;
  const char* line;  // nullptr: no line
};

TEST(ImportedRow, BecomesOneScheduleLine) {
  const ScheduleCsvColumns header{1, 2, 0, 0, 3, 1};
  const ScheduleCsvColumns timed{1, 0, 2, 0, 3, 1};
  const ScheduleCsvColumns textFirst{1, 3, 0, 0, 2, 1};
  const ScheduleCsvColumns endTime{1, 5, 2, 3, 4, 0};
  const ScheduleCsvColumns dateOnly{1, 0, 0, 0, 0, 0};
  const RowCase cases[] = {
      {header, "2001/5/3,赤,会議", "2001/05/03,赤　,会議"},
      {header, "2001/5/3,a,会議", "2001/05/03,ａ　,会議"},
      {header, "2001/5/3,毎年です,会議", "    /05/03,毎年,会議"},
      {header, "2001/5/3,,会議,本社", "2001/05/03,　　,会議,本社"},
      {header, "2001/5/3,記念,", "2001/05/03,記念,"},
      {header, "2001/5/3,,", nullptr},
      {header, "2001/5/3", nullptr},
      {timed, "2001/5/3,9:30,会議,本社", "2001/05/03,時刻,09:30 会議,本社"},
      {timed, "2001/5/3,9:30,", "2001/05/03,時刻,09:30 "},
      // A value that is no time stays at the start of the text.
      {timed, "2001/5/3,終日,会議", "2001/05/03,　　,終日 会議"},
      {textFirst, "2001/5/3,会議,記念", "2001/05/03,記念,会議,記念"},
      {endTime, "2001/05/03,10:00,12:00,打合せ", "2001/05/03,時刻,10:00 打合せ"},
      // Recurring kinds get their date parts blanked as the editor writes
      // them, and "*" parts read as blank parts.
      {header, "2001/5/3,毎年,誕生日", "    /05/03,毎年,誕生日"},
      {header, "2001/5/3,毎月,給料日", "    /  /03,毎月,給料日"},
      {header, "2001/5/3,第２,火曜:ゴミ", "    /  /  ,第２,火曜:ゴミ"},
      {header, "2001/5/3,月３,日曜:町内会", "    /05/  ,月３,日曜:町内会"},
      {header, "2001/5/3,祝日,文化の日", "    /05/03,祝日,文化の日"},
      {header, "2001/5/3,祝日,海の日", "2001/05/03,祝日,海の日"},
      {header, "****/05/03,毎年,誕生日", "    /05/03,毎年,誕生日"},
      {header, "****/02/29,毎年,閏日", "    /02/29,毎年,閏日"},
      {header, "****/**/**,毎週,月曜:朝会", "    /  /  ,毎週,月曜:朝会"},
      {header, "1970/05/03,記念,結婚", "1970/05/03,記念,結婚"},
      {dateOnly, "2001/5/3,会議", nullptr},
  };
  for (const RowCase& c : cases) {
    const ImportedRow row = ConvertImportedRow(QString::fromUtf8(c.row), c.columns);
    if (c.line) {
      EXPECT_EQ(row.result, ImportedRow::Result::Line) << c.row;
      EXPECT_EQ(row.line, QString::fromUtf8(c.line)) << c.row;
    } else {
      EXPECT_NE(row.result, ImportedRow::Result::Line) << c.row << " gave " << row.line.toStdString();
    }
  }
}

TEST(ImportedRow, ABrokenDateIsReportedAsSuch) {
  const ScheduleCsvColumns header{1, 2, 0, 0, 3, 1};
  for (const char* row : {"2001/02/30,赤,会議", "****/02/30,毎年,誕生日", "***/05/03,毎年,x", "10:00,赤,会議", ",赤,会議"})
    EXPECT_EQ(ConvertImportedRow(QString::fromUtf8(row), header).result, ImportedRow::Result::BrokenDate) << row;
}

TEST(ScheduleLineMerge, SeparatorBlanksBecomeCommasAndEqualLinesAreSkipped) {
  EXPECT_EQ(WithCommaSeparators(QStringLiteral("    /01/01 祝日 元旦")), QStringLiteral("    /01/01,祝日,元旦"));
  EXPECT_EQ(WithCommaSeparators(QStringLiteral("2001/05/03,赤　 会議 a")), QStringLiteral("2001/05/03,赤　,会議 a"));
  EXPECT_EQ(WithCommaSeparators(QStringLiteral("2001/05/03")), QStringLiteral("2001/05/03"));
  EXPECT_EQ(WithCommaSeparators(QStringLiteral("2001/05/03 赤")), QStringLiteral("2001/05/03,赤"));

  ScheduleLineMerge merge({QStringLiteral("2001/05/03 赤　 会議"), QStringLiteral("2001/05/03 赤　 会議")});
  EXPECT_FALSE(merge.append(QStringLiteral("2001/05/03,赤　,会議")));
  EXPECT_TRUE(merge.append(QStringLiteral("2001/05/03,赤　,会議 ")));
  EXPECT_FALSE(merge.append(QStringLiteral("2001/05/03,赤　,会議 ")));
  EXPECT_TRUE(merge.append(QStringLiteral("2001/05/04,赤　,会議")));
  // Lines that the file held twice stay twice; only new ones are tested.
  EXPECT_EQ(merge.lines(), (QStringList{"2001/05/03,赤　,会議", "2001/05/03,赤　,会議", "2001/05/03,赤　,会議 ",
                                        "2001/05/04,赤　,会議"}));
  EXPECT_EQ(merge.appendedCount(), 2);
}

struct FixtureCase {
  const char* file;
  QStringList added;
  QStringList broken;
};

TEST(ImportScheduleCsvRows, FixtureFilesGiveTheirLines) {
  const FixtureCase cases[] = {
      {"header_comma.csv",
       {"2001/05/03,赤　,会議", "2001/05/04,　　,資料, 第2版", "2001/05/05,記念,彼は\"大丈夫\"と言った",
        "2001/05/07,黄　,ランチ"},
       {}},
      {"header_tab.txt",
       {"2001/05/03,時刻,09:30 会議,本社", "2001/05/03,　　,終日イベント", "2001/05/08,時刻,13:05 来客"},
       {}},
      {"no_header.csv",
       {"2001/05/03,時刻,10:00 打合せ", "2001/05/04,時刻,13:00 来客, 応接室"},
       {"2001/02/30,10:00,11:00,壊れた日付"}},
  };
  for (const FixtureCase& c : cases) {
    const QStringList csv = Fixture(c.file);
    ASSERT_FALSE(csv.isEmpty()) << c.file;
    const ScheduleCsvColumns columns = DetectScheduleCsvColumns(csv);
    ScheduleLineMerge merge({QStringLiteral("2001/05/01 祝日 x")});
    QStringList broken;
    ImportScheduleCsvRows(csv, columns, merge, [&](const QString& line) { broken << line; });
    EXPECT_EQ(merge.lines(), QStringList{"2001/05/01,祝日,x"} + c.added) << c.file;
    EXPECT_EQ(broken, c.broken) << c.file;

    ScheduleLineMerge again(merge.lines());
    ImportScheduleCsvRows(csv, columns, again, {});
    EXPECT_EQ(again.appendedCount(), 0) << c.file;
  }
}

}  // namespace

namespace {

TEST(ScheduleLineMerge, AddedLinesJoinTheFileAsItStandsAtTheWrite) {
  ScheduleLineMerge merge({QStringLiteral("2001/05/01 祝日 x")});
  ASSERT_TRUE(merge.append(QStringLiteral("2001/05/03,赤　,会議")));
  ASSERT_TRUE(merge.append(QStringLiteral("2001/05/04,　　,出張")));
  // Meanwhile another program added a line, one of them among others.
  QList<QByteArray> current{platform::ToSjis(QStringLiteral("2001/05/01 祝日 x")),
                            platform::ToSjis(QStringLiteral("2001/05/02,　　,別")),
                            platform::ToSjis(QStringLiteral("2001/05/04,　　,出張"))};
  merge.moveAddedInto(current);
  QStringList lines;
  for (const QByteArray& line : current) lines.append(platform::FromSjis(line));
  EXPECT_EQ(lines, (QStringList{"2001/05/01,祝日,x", "2001/05/02,　　,別", "2001/05/04,　　,出張",
                                "2001/05/03,赤　,会議"}));
}

}  // namespace
