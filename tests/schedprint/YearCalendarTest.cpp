// The year calendar page: title, block arrangement, April start, the day
// loop's end, holiday rings and the heading line.
#include <cmath>
#include <set>

#include "SchedulePrintKit.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "core/text/ColorTable.h"
#include "schedule_print/YearCalendar.h"

namespace {


class YearCalendarTest : public SchedulePrintTest {
 protected:
  std::vector<RecordedOp> draw(const QDate& day) {
    printer().clearOps();
    BeginPage();
    DrawYearCalendar(source, day, kX1, kX2);
    FinishOutput();
    return Pages(printer()).back();
  }
  // The month titles with their positions, in drawing order.
  static std::vector<RecordedOp> MonthTitles(const std::vector<RecordedOp>& ops) {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : ops)
      if (op.kind == RecordedOp::Text && op.text.contains(u'月') && op.text.size() > 1) out.push_back(op);
    return out;
  }
  // Day numbers of a month block: the texts after its title up to the next.
  static QStringList DaysAfter(const std::vector<RecordedOp>& ops, const QString& title) {
    QStringList days;
    bool in = false;
    for (const RecordedOp& op : ops) {
      if (op.kind != RecordedOp::Text) continue;
      if (op.text == title) { in = true; continue; }
      if (in && op.text.contains(u'月') && op.text.size() > 1) break;
      bool number = false;
      op.text.trimmed().toInt(&number);
      if (in && number && op.text.size() == 2) days << op.text.trimmed();
    }
    return days;
  }
};

TEST_F(YearCalendarTest, TitleAndAnyDateOfTheYear) {
  const auto ops = draw(QDate(2009, 3, 1));
  EXPECT_TRUE(FindText(ops, QStringLiteral("平成21年(2009) 丑")));
  EXPECT_EQ(TextsOf(draw(QDate(2009, 12, 31))), TextsOf(ops));
  source.options.OptEnglish = 1;
  EXPECT_TRUE(FindText(draw(QDate(2009, 3, 1)), QStringLiteral("2009")));
}

TEST_F(YearCalendarTest, ThreeOrTwoColumns) {
  for (int twoColumns : {0, 1}) {
    SCOPED_TRACE(twoColumns);
    source.controls.Chk_retu = int16_t(twoColumns);
    const auto titles = MonthTitles(draw(QDate(2009, 1, 1)));
    ASSERT_EQ(titles.size(), 12u);
    std::set<double> xs, ys;
    for (const RecordedOp& t : titles) {
      xs.insert(std::round(t.x1 * 100));
      ys.insert(std::round(t.y1 * 100));
    }
    EXPECT_EQ(xs.size(), twoColumns ? 2u : 3u);
    EXPECT_EQ(ys.size(), twoColumns ? 6u : 4u);
  }
}

TEST_F(YearCalendarTest, AprilStartRunsIntoTheNextYear) {
  source.options.OptAprilStart = 1;
  const auto ops = draw(QDate(2009, 6, 1));
  const auto titles = MonthTitles(ops);
  ASSERT_EQ(titles.size(), 12u);
  QStringList texts;
  for (const RecordedOp& t : titles) texts << t.text;
  EXPECT_EQ(texts.mid(0, 9).join(u','), QStringLiteral("4月,5月,6月,7月,8月,9月,10月,11月,12月"));
  EXPECT_EQ(texts.mid(9), (QStringList{QStringLiteral(" 2010 01月"), QStringLiteral(" 2010 02月"),
                                       QStringLiteral(" 2010 03月")}));
  // The year-carrying titles start at the block's left edge, the others W/8 in.
  EXPECT_NEAR(titles[9].x1, kX1, 1e-3);
  EXPECT_NEAR(titles[0].x1, kX1 + 80.0 / 8, 1e-3);
  EXPECT_EQ(DaysAfter(ops, QStringLiteral(" 2010 02月")).size(), 28);
}

TEST_F(YearCalendarTest, LeapFebruary) {
  const auto ops = draw(QDate(2008, 1, 1));
  const QStringList days = DaysAfter(ops, QStringLiteral("2月"));
  ASSERT_EQ(days.size(), 29);
  EXPECT_EQ(days.last(), QStringLiteral("29"));
}

TEST_F(YearCalendarTest, HolidaysRingedOnlyWithoutColour) {
  source.lines = {QStringLiteral("2009/03/20 祝日 春分の日")};
  const auto dayOp = [](const std::vector<RecordedOp>& ops, const QString& month, const QString& day) {
    bool in = false;
    for (const RecordedOp& op : ops) {
      if (op.kind != RecordedOp::Text) continue;
      if (op.text == month) in = true;
      else if (in && op.text == day) return op;
    }
    return RecordedOp{};
  };
  const auto ops = draw(QDate(2009, 1, 1));
  const auto circles = [&] { std::vector<RecordedOp> c; for (auto& o : ops) if (o.kind == RecordedOp::Circle) c.push_back(o); return c; }();
  ASSERT_EQ(circles.size(), 1u);  // the holiday; Sundays get none
  const RecordedOp twenty = dayOp(ops, QStringLiteral("3月"), QStringLiteral("20"));
  const double r = (PaperSettings.DefaultFontSize - 1) / 5.6;
  EXPECT_NEAR(circles[0].x1, twenty.x1 + 0.9 * r, 1e-3);
  EXPECT_NEAR(circles[0].x2, r, 1e-3);
  EXPECT_EQ(circles[0].drawStyle, 2);
  EXPECT_EQ(twenty.color, uint32_t(ColorByIndex(0)));
  EXPECT_EQ(dayOp(ops, QStringLiteral("3月"), QStringLiteral(" 1")).color, uint32_t(ColorByIndex(0)));

  source.options.OptColourPrint = 1;
  const auto coloured = draw(QDate(2009, 1, 1));
  EXPECT_TRUE([&] { for (auto& o : coloured) if (o.kind == RecordedOp::Circle) return false; return true; }());
  EXPECT_EQ(dayOp(coloured, QStringLiteral("3月"), QStringLiteral("20")).color, uint32_t(ColorByIndex(4)));
  EXPECT_EQ(dayOp(coloured, QStringLiteral("3月"), QStringLiteral(" 7")).color, uint32_t(ColorByIndex(1)));
}

TEST_F(YearCalendarTest, HeadingMovesEveryBlockDown) {
  const auto plain = MonthTitles(draw(QDate(2009, 1, 1)));
  source.controls.txt_midasi = QStringLiteral("家族の予定");
  const auto ops = draw(QDate(2009, 1, 1));
  const auto shifted = MonthTitles(ops);
  ASSERT_EQ(plain.size(), shifted.size());
  const double shift = 3 * HalfCharWidthMm(PaperSettings.HeadFontSize);
  for (size_t i = 0; i < plain.size(); ++i) EXPECT_NEAR(shifted[i].y1 - plain[i].y1, shift, 1e-3);
  EXPECT_TRUE(FindText(ops, QStringLiteral("家族の予定")));
  // A heading far too long overruns; nothing else moves further.
  source.controls.txt_midasi = QString(300, u'長');
  const auto longOnes = MonthTitles(draw(QDate(2009, 1, 1)));
  for (size_t i = 0; i < plain.size(); ++i) EXPECT_NEAR(longOnes[i].y1, shifted[i].y1, 1e-3);
}

}  // namespace
