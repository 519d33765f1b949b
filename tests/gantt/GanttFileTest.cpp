// The chart file: what is written, what is read back, and that a file read
// and written again keeps its bytes.
#include <gtest/gtest.h>

#include "charts/GanttFile.h"
#include "core/platform/Codec.h"

namespace {
GanttChartData SampleChart() {
  GanttChartData c;
  c.title = QStringLiteral(" 受注 計画 ");
  c.makeDate = QStringLiteral(" 2002/02/03 ");
  c.name = QStringLiteral("  山田 ");
  c.span = 2;
  c.box = 3;
  c.sort = 1;
  c.biko = 1;
  c.jisseki = 0;
  c.autoColor = 1;
  c.cellHeight = 6;
  c.data = QStringLiteral("項目名,予定開始\r\nA,2002/03/01\r\n B,2002/03/05");
  c.remarks = QStringLiteral("一行目\r\n二行目");
  return c;
}
}  // namespace

TEST(GanttFile, WritesTheOptionLinesHeaderTasksAndRemarks) {
  const QString text = platform::FromSjis(WriteGanttFile(SampleChart()));
  EXPECT_EQ(text, QStringLiteral(
                      "@TITLE= 受注 計画 \r\n@UPDATE=2002/02/03\r\n@NAME=山田\r\n"
                      "@GANT_SPAN= 2\r\n@GANT_BOX= 3\r\n@GANT_SORT= 1\r\n"
                      "@GANT_BIKO=1\r\n@GANT_JISSEKI=0\r\n@GANT_AUTOCOLOR=1\r\n@GANT_CELLHEIGHT=6\r\n@CSV=\r\n"
                      "項目,開始予定,終了予定,予想工数,担当,優先,TYPE,開始実績,終了実績,実績工数,要否,,成果物,備考\r\n"
                      "項目名,予定開始\r\nA,2002/03/01\r\n B,2002/03/05\r\n"
                      "@BIKO=一行目\r\n@BIKO=二行目\r\n"));

  GanttChartData empty;
  empty.data = QStringLiteral("h\r\n");
  const QByteArray bytes = WriteGanttFile(empty);
  // Index 0 keeps its blank; an empty remark text gives an empty last line.
  EXPECT_TRUE(bytes.contains("@GANT_SPAN= 0\r\n"));
  EXPECT_TRUE(bytes.endsWith("h\r\n\r\n"));
  EXPECT_FALSE(bytes.contains("@BIKO"));

  empty.remarks = QStringLiteral("a\r\n");
  EXPECT_TRUE(WriteGanttFile(empty).endsWith("h\r\n@BIKO=a\r\n@BIKO=\r\n"));
}

TEST(GanttFile, ReadBackRestoresEverythingAndRewritesTheSameBytes) {
  const GanttChartData chart = SampleChart();
  const QByteArray first = WriteGanttFile(chart);
  const GanttFileContent c = ReadGanttFile(first);
  EXPECT_EQ(c.title, chart.title);
  EXPECT_EQ(c.makeDate, QStringLiteral("2002/02/03"));
  EXPECT_EQ(c.name, QStringLiteral("山田"));
  EXPECT_EQ(c.span, 2);
  EXPECT_EQ(c.box, 3);
  EXPECT_EQ(c.sort, 1);
  EXPECT_EQ(c.biko, 1);
  EXPECT_EQ(c.jisseki, 0);
  EXPECT_EQ(c.autoColor, 1);
  EXPECT_EQ(c.cellHeight, 6);
  EXPECT_EQ(c.data, chart.data);
  EXPECT_EQ(c.remarks, chart.remarks);

  // The text grew by a line on every save and load; now it is stable,
  // with and without remarks, and with a remark text ending in a break.
  for (const QString& remarks : {QString(), QStringLiteral("a"), QStringLiteral("a\r\n"), QStringLiteral("\r\n\r\nb")}) {
    GanttChartData d = chart;
    d.remarks = remarks;
    d.data += QStringLiteral("\r\n");
    const QByteArray once = WriteGanttFile(d);
    const GanttFileContent back = ReadGanttFile(once);
    EXPECT_EQ(back.remarks, remarks);
    d.data = back.data;
    d.remarks = back.remarks;
    EXPECT_EQ(WriteGanttFile(d), once) << remarks.toStdString();
  }
}

TEST(GanttFile, ReaderTakesAnyLineEndAndDropsTheFixedHeaderWherever) {
  const QByteArray header = platform::ToSjis(
      QStringLiteral("項目,開始予定,終了予定,予想工数,担当,優先,TYPE,開始実績,終了実績,実績工数,要否,,成果物,備考"));
  const QByteArray file = "@GANT_SPAN=2\n@GANT_BOX=1\r@CSV=\r\n" + header + "\r\n" + header +
                          "\nx,1\r\n" + header + "\r\n@BIKO=r\r\ny\r\n@title=t\r\n@gant_box=3";
  const GanttFileContent c = ReadGanttFile(file);
  EXPECT_EQ(c.span, 2);  // value without a blank
  EXPECT_EQ(c.box, 1);
  // Keys count only as written in upper case: the others are task lines.
  EXPECT_EQ(c.data, QStringLiteral("x,1\r\ny\r\n@title=t\r\n@gant_box=3"));
  EXPECT_EQ(c.remarks, QStringLiteral("r"));
  EXPECT_FALSE(c.title.has_value());
  EXPECT_FALSE(c.jisseki.has_value());
}

TEST(GanttFile, BinaryBytesReadWithoutHarm) {
  QByteArray junk;
  for (int i = 0; i < 4096; ++i) junk.append(static_cast<char>((i * 73 + 11) & 0xFF));
  const GanttFileContent c = ReadGanttFile(junk);
  EXPECT_FALSE(c.data.isEmpty());
}
