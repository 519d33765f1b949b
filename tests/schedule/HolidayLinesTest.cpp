#include <gtest/gtest.h>

#include "QtPrint.h"

#include <QFile>
#include <QMap>

#include "TestEnvironment.h"
#include "core/platform/Codec.h"
#include "core/platform/TextLines.h"
#include "schedule/Calendar.h"
#include "schedule/HolidayLaw.h"
#include "schedule/HolidayLines.h"

namespace {

struct DayResult {
  bool holiday = false;
  QString heading;
};

// The holiday part of the per-date lookup, as the lookup does it: the lines
// of one month are gathered (dated lines of other years left out), a dated
// holiday line on a Sunday brings a substitute line for the next day, and
// each day takes the 祝日 and 振休 lines of its month and day.
QMap<int, DayResult> LookUpMonth(const QStringList& file, int year, int month) {
  const QString yyyy = QString::number(year);
  const QString mm = QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
  QStringList cache;
  for (const QString& line : file) {
    const QString kind = line.mid(11, 2);
    if (line.mid(5, 2) != mm) continue;
    if (line.left(4) != yyyy && line.left(5) != "    /" && line.left(5) != "0000/" &&
        kind != "記念" && kind != "毎年")
      continue;
    cache.append(line);
    if (line.left(4).trimmed().isEmpty() || line.mid(5, 2).trimmed().isEmpty() ||
        line.mid(8, 2).trimmed().isEmpty())
      continue;
    const QDate date(year, month, line.mid(8, 2).toInt());
    if (date.isValid() && date.dayOfWeek() == Qt::Sunday && kind == "祝日") {
      cache.append(DateToText(date.addDays(1)) + " 振休 振休");
    }
  }
  QMap<int, DayResult> days;
  for (int day = 1; day <= QDate(year, month, 1).daysInMonth(); ++day) {
    const QString md = mm + "/" + QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
    DayResult& r = days[day];
    for (const QString& line : cache) {
      if (line.mid(5, 5) != md) continue;
      if (line.mid(11, 2) == "祝日") {
        r.holiday = true;
        r.heading += line.mid(14).trimmed() + " ";
      } else if (line.mid(11, 2) == "振休") {
        r.holiday = true;
        r.heading += "振休";
      }
    }
  }
  return days;
}

// The holidays of the law, from the reference table kept beside the test.
QMap<QDate, QString> LawHolidays() {
  QMap<QDate, QString> law;
  QFile f(QStringLiteral(RINGPAD_TEST_FIXTURES "/law_holidays.txt"));
  if (!f.open(QIODevice::ReadOnly)) return law;
  for (const QByteArray& raw : f.readAll().split('\n')) {
    const QString line = QString::fromUtf8(raw);
    if (line.size() > 11) law.insert(DateFromText(line.left(10)), line.mid(11));
  }
  return law;
}

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

TEST_F(HolidayLinesTest, EveryDayFrom1999To2099IsAHolidayExactlyWhenTheLawSaysSo) {
  const QMap<QDate, QString> law = LawHolidays();
  ASSERT_GT(law.size(), 1700);
  const QStringList lines = WrittenLines();
  int mismatches = 0;
  for (int year = 1999; year <= 2099; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const QMap<int, DayResult> days = LookUpMonth(lines, year, month);
      for (auto it = days.cbegin(); it != days.cend(); ++it) {
        const QDate date(year, month, it.key());
        const bool expected = law.contains(date);
        QString name = law.value(date);
        if (name == "元日") name = "元旦";
        const bool named = name == "振替休日"
                               ? it->heading.contains("振休") || it->heading.contains(name)
                               : it->heading.split(' ').contains(name);
        if (it->holiday != expected || (expected && !named)) {
          ADD_FAILURE() << DateToText(date).toStdString() << " law: " << name.toStdString()
                        << " lines: " << it->heading.toStdString();
          if (++mismatches > 20) return;
        }
      }
    }
  }
}

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
  const QStringList everyYear = {"    /01/01 祝日 元旦",       "    /02/11 祝日 建国記念の日",
                                 "    /05/03 祝日 憲法記念日", "    /05/05 祝日 こどもの日",
                                 "    /11/03 祝日 文化の日",   "    /11/23 祝日 勤労感謝の日"};
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
      // Substitutes the lookup cannot derive: after an every-year line,
      // and after 4 May when 5 May follows.
      "2006/01/02 祝日 振替休日",     "2008/05/06 祝日 振替休日",
      "2009/05/06 祝日 振替休日",
  };
  for (const QString& line : expected) EXPECT_TRUE(lines.contains(line)) << line.toStdString();
  const QStringList absent = {
      "2003/05/04 祝日 国民の休日",  // a Sunday
      "2019/12/23 祝日 天皇誕生日", "2015/08/11 祝日 山の日", "2020/10/12 祝日 スポーツの日",
      "2021/08/09 祝日 振替休日",   // the lookup derives it from the Sunday line
  };
  for (const QString& line : absent) EXPECT_FALSE(lines.contains(line)) << line.toStdString();
}

TEST(HolidayLaw, EquinoxFormula) {
  EXPECT_EQ(HolidayLaw::VernalEquinoxDay(1999), 21);
  EXPECT_EQ(HolidayLaw::VernalEquinoxDay(2000), 20);
  EXPECT_EQ(HolidayLaw::AutumnalEquinoxDay(2011), 23);
  EXPECT_EQ(HolidayLaw::AutumnalEquinoxDay(2012), 22);
}

TEST_F(HolidayLinesTest, UnwritablePlaceIsReportedAndChangesNothing) {
  const QString path = homeFile("missing-folder/diduvuv.txt");
  EXPECT_FALSE(WriteHolidayLines(path));
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_EQ(messages().shown().size(), 1u);
}

}  // namespace
