#include <gtest/gtest.h>

#include "QtPrint.h"

#include <QFile>
#include <QMap>

#include "TestEnvironment.h"
#include "core/platform/Codec.h"
#include "core/platform/TextLines.h"
#include "core/dates/Calendar.h"
#include "core/dates/HolidayLaw.h"
#include "schedule/HolidayLines.h"

namespace {

class HolidayLinesTest : public RingpadTest {
 protected:
  QStringList WrittenLines() {
    const QString path = homeFile("diduvuv.txt");
    EXPECT_TRUE(WriteHolidayLines(path));
    QStringList lines;
    EXPECT_TRUE(platform::ReadTextLines(path, lines));
    return lines;
  }
};

TEST_F(HolidayLinesTest, FileFormat) {
  const QString path = homeFile("diduvuv.txt");
  WriteBytes(path, "old content that must go\r\n");
  ASSERT_TRUE(WriteHolidayLines(path));
  const QByteArray bytes = ReadBytes(path);
  EXPECT_TRUE(bytes.startsWith(platform::ToSjis("    /01/01 祝日 元旦\r\n")));
  EXPECT_TRUE(bytes.endsWith("\r\n"));
  EXPECT_FALSE(bytes.contains("old content"));
  EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));

  QStringList lines;
  ASSERT_TRUE(platform::ReadTextLines(path, lines));
  const QStringList everyYear = {"    /01/01 祝日 元旦", "    /05/03 祝日 憲法記念日",
                                 "    /05/05 祝日 こどもの日", "    /11/03 祝日 文化の日",
                                 "    /11/23 祝日 勤労感謝の日"};
  EXPECT_EQ(lines.mid(0, everyYear.size()), everyYear);
  for (const QString& line : lines.mid(everyYear.size())) {
    ASSERT_TRUE(DateFromText(line.left(10)).isValid()) << line.toStdString();
    EXPECT_EQ(line.mid(10, 4), " 祝日 ");
  }
  // Dated lines come year by year, each year in date order.
  QStringList dated = lines.mid(everyYear.size());
  QStringList sorted = dated;
  sorted.sort();
  EXPECT_EQ(dated, sorted);
}

TEST_F(HolidayLinesTest, MovingHolidaysAsTheLawDatesThem) {
  const QStringList lines = WrittenLines();
  const QStringList expected = {
      "1999/01/15 祝日 成人の日",     "2000/01/10 祝日 成人の日",
      "2002/07/20 祝日 海の日",       "2003/07/21 祝日 海の日",
      "2003/09/15 祝日 敬老の日",     "2004/09/20 祝日 敬老の日",
      "1999/03/21 祝日 春分の日",     "2000/03/20 祝日 春分の日",
      "2011/09/23 祝日 秋分の日",     "2012/09/22 祝日 秋分の日",
      "1999/10/10 祝日 体育の日",     "2000/10/09 祝日 体育の日",
      "2019/10/14 祝日 体育の日",     "2022/10/10 祝日 スポーツの日",
      "2006/04/29 祝日 みどりの日",   "2007/04/29 祝日 昭和の日",
      "2007/05/04 祝日 みどりの日",   "2006/05/04 祝日 国民の休日",
      "2018/12/23 祝日 天皇誕生日",   "2020/02/23 祝日 天皇誕生日",
      "2016/08/11 祝日 山の日",       "2021/08/08 祝日 山の日",
      "2019/05/01 祝日 即位の日",     "2019/04/30 祝日 国民の休日",
      "2019/05/02 祝日 国民の休日",   "2019/10/22 祝日 即位礼正殿の儀",
      "2009/09/22 祝日 国民の休日",   "2092/03/19 祝日 春分の日",
      // Substitutes the lookup does not derive: after an every-year line,
      // and passing over the holidays after the Sunday.
      "2006/01/02 祝日 振替休日",     "2008/05/06 祝日 振替休日",
      "2009/05/06 祝日 振替休日",     "2025/05/06 祝日 振替休日",
      // Before 1999.
      "1949/01/15 祝日 成人の日",     "1988/04/29 祝日 天皇誕生日",
      "1989/04/29 祝日 みどりの日",   "1989/12/23 祝日 天皇誕生日",
      "1988/05/04 祝日 国民の休日",   "1987/05/04 祝日 振替休日",
      "1973/04/29 祝日 天皇誕生日",   "1966/09/15 祝日 敬老の日",
      "1967/02/11 祝日 建国記念の日", "1989/02/24 祝日 昭和天皇の大喪の礼",
      "1948/09/23 祝日 秋分の日",     "1960/03/20 祝日 春分の日",
  };
  for (const QString& line : expected) EXPECT_TRUE(lines.contains(line)) << line.toStdString();
  const QStringList absent = {
      "2003/05/04 祝日 国民の休日",  // a Sunday
      "2019/12/23 祝日 天皇誕生日", "2015/08/11 祝日 山の日", "2020/10/12 祝日 スポーツの日",
      "1966/02/11 祝日 建国記念の日", "1965/09/15 祝日 敬老の日", "1972/05/04 祝日 振替休日",
      "1986/05/04 祝日 国民の休日",  // a Sunday
      "2025/05/05 祝日 振替休日",
      "2021/08/09 祝日 振替休日", "1973/04/30 祝日 振替休日",  // derived from the Sunday line
  };
  for (const QString& line : absent) EXPECT_FALSE(lines.contains(line)) << line.toStdString();
}

TEST(HolidayLaw, EquinoxFormula) {
  EXPECT_EQ(HolidayLaw::VernalEquinoxDay(1999), 21);
  EXPECT_EQ(HolidayLaw::VernalEquinoxDay(2000), 20);
  EXPECT_EQ(HolidayLaw::AutumnalEquinoxDay(2011), 23);
  EXPECT_EQ(HolidayLaw::AutumnalEquinoxDay(2012), 22);
  // Before 1980 the formula cuts its negative leap term towards zero.
  EXPECT_EQ(HolidayLaw::VernalEquinoxDay(1960), 20);
  EXPECT_EQ(HolidayLaw::AutumnalEquinoxDay(1948), 23);
}

TEST_F(HolidayLinesTest, UnwritablePlaceIsReportedAndChangesNothing) {
  const QString path = homeFile("missing-folder/diduvuv.txt");
  EXPECT_FALSE(WriteHolidayLines(path));
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_EQ(messages().shown().size(), 1u);
}

}  // namespace
