// The monthly list page: where each day's row lands, the shading and rules,
// the check column, the hour scale and numbers, the divisions and how the
// entry line meets the right edge.
#include <algorithm>
#include <cmath>
#include <optional>
#include <set>

#include "SchedulePrintKit.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "schedule_print/MonthListPage.h"
#include "schedule_print/MonthTitle.h"
#include "schedule_print/SchedulePrintButton.h"

namespace {


class MonthListPageTest : public SchedulePrintTest {
 protected:
  void SetUp() override {
    SchedulePrintTest::SetUp();
    source.options.OptShading = 0;  // plain rules unless a test asks for shading
  }
  std::vector<RecordedOp> drawPage(const QDate& first, int half = 0, double x1 = kX1, double x2 = kX2) {
    printer().clearOps();
    BeginPage();
    DrawMonthListPage(source, half, first, x1, x2);
    FinishOutput();
    const auto pages = Pages(printer());
    return pages.empty() ? std::vector<RecordedOp>{} : pages.back();
  }
  // Rules of the page header that lie on the body's top edge.
  int headerRules() {
    printer().clearOps();
    BeginPage();
    DrawMonthTitle(source.options, QDate(2009, 3, 1), kX1, kX2);
    FinishOutput();
    return int(RuleYs(Pages(printer()).back()).size());
  }
  double top() const { return PaperSettings.DataHeight; }
  double foot() const { return PaperSettings.FootHeight; }
  double rowHeight(int slotCount) const { return (foot() - top() - 1) / slotCount; }
  // The text line of a row's day number, 1-based slot.
  double slotOfY(double textY, int slotCount) const { return (textY - textGap() - top()) / rowHeight(slotCount) + 1; }
  double textGap() const { return foot() > 121 ? 1.0 : 0.1; }
  // Full-width horizontal rules across the page inside the body.
  static std::vector<double> RuleYs(const std::vector<RecordedOp>& ops) {
    std::vector<double> ys;
    for (const RecordedOp& op : ops)
      if (op.kind == RecordedOp::Line && op.y1 == op.y2 && op.x1 == kX1 && op.x2 == kX2 &&
          op.y1 >= PaperSettings.DataHeight - 0.01 && op.y1 < PaperSettings.FootHeight - 0.5)
        ys.push_back(op.y1);
    return ys;
  }
  // The x of every dotted vertical line in the body (points running down).
  static std::set<double> DottedXs(const std::vector<RecordedOp>& ops) {
    std::map<double, int> points;
    for (const RecordedOp& op : ops)
      if (op.kind == RecordedOp::Point && op.y1 > PaperSettings.DataHeight && op.y1 < PaperSettings.FootHeight)
        ++points[std::round(op.x1 * 1000) / 1000];
    std::set<double> xs;
    for (const auto& [x, n] : points)
      if (n > 20) xs.insert(x);
    return xs;
  }
  // Day-number texts (" 1" … "31") found on the page, with their y.
  static std::map<int, double> DayRows(const std::vector<RecordedOp>& ops) {
    std::map<int, double> rows;
    for (const RecordedOp& op : ops) {
      if (op.kind != RecordedOp::Text || std::abs(op.x1 - (kX1 + 0.4)) > 1e-3 || op.text.size() != 2) continue;
      bool ok = false;
      const int d = op.text.trimmed().toInt(&ok);
      if (ok && !rows.count(d)) rows[d] = op.y1;
    }
    return rows;
  }
};

TEST_F(MonthListPageTest, HalfMonthPagesAndFillerRows) {
  struct Case {
    QDate first;
    int half, firstDay, lastDay, slotCount;
  } cases[] = {
      {QDate(2009, 2, 17), 2, 17, 28, 16},
      {QDate(2009, 4, 17), 2, 17, 30, 16},
      {QDate(2009, 1, 17), 2, 17, 31, 16},
      {QDate(2009, 1, 1), 1, 1, 16, 16},
      {QDate(2009, 2, 1), 0, 1, 28, 31},
      {QDate(2009, 3, 1), 0, 1, 31, 31},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first.toString(Qt::ISODate).toStdString());
    const auto ops = drawPage(c.first, c.half);
    const auto rows = DayRows(ops);
    ASSERT_EQ(int(rows.size()), c.lastDay - c.firstDay + 1);
    EXPECT_EQ(rows.begin()->first, c.firstDay);
    EXPECT_EQ(rows.rbegin()->first, c.lastDay);
    for (const auto& [d, y] : rows) {
      const int slot = c.half ? d - c.firstDay + 1 : d;
      EXPECT_NEAR(slotOfY(y, c.slotCount), slot, 1e-4) << d;
    }
    // Without shading a rule between every two slotCount, fillers included, and
    // none above the first.
    const auto ys = RuleYs(ops);
    EXPECT_EQ(int(ys.size()), c.slotCount - 1 + headerRules());
  }
}

TEST_F(MonthListPageTest, ShadingAndRulesUnderShading) {
  source.lines = {QStringLiteral("2009/03/20 祝日 春分の日")};
  source.options.OptShading = 1;
  source.options.OptHorizontalRules = 1;
  auto ops = drawPage(QDate(2009, 3, 1));
  EXPECT_EQ(int(RuleYs(ops).size()), 31 + headerRules());  // one above every row, the first too
  int fills = 0;
  for (const RecordedOp& op : ops)
    if (op.kind == RecordedOp::FilledBox && op.x1 == kX1 && op.x2 == kX2) ++fills;
  EXPECT_EQ(fills, 5 + 4 + 1);  // Sundays, Saturdays and the holiday

  source.options.OptHorizontalRules = 0;
  ops = drawPage(QDate(2009, 2, 1));
  EXPECT_EQ(int(RuleYs(ops).size()), headerRules());
  std::vector<double> shaded;
  for (const RecordedOp& op : ops)
    if (op.kind == RecordedOp::FilledBox && op.x1 == kX1 && op.x2 == kX2) shaded.push_back(op.y1);
  ASSERT_EQ(shaded.size(), 16u);  // odd slotCount to the foot, fillers included
  EXPECT_NEAR(shaded.back(), top() + rowHeight(31) * 30, 1e-4);
}

TEST_F(MonthListPageTest, CheckColumn) {
  source.options.RuleFlags[1] = 1;
  source.options.HourRangeIndex = 2;
  const auto ops = drawPage(QDate(2009, 3, 1));
  const auto rows = DayRows(ops);
  const double h32 = (foot() - top() - 1) / 32;
  EXPECT_NEAR(rows.at(1), top() + h32 + textGap(), 1e-4);  // the first slot stays empty
  EXPECT_NEAR(rows.at(31), top() + 31 * h32 + textGap(), 1e-4);
  for (const RecordedOp& op : ops) EXPECT_FALSE(op.kind == RecordedOp::Text && op.fontSize == 5) << "hour number";
  const double xc = kX1 + (kX2 - kX1) * 2 / 3;
  const auto xs = DottedXs(ops);
  EXPECT_EQ(xs.size(), 2u);
  EXPECT_TRUE(xs.count(std::round(xc * 1000) / 1000));
  EXPECT_TRUE(xs.count(std::round((xc + 3) * 1000) / 1000));
}

TEST_F(MonthListPageTest, HourNumbers) {
  const auto numbersAbove = [&](const std::vector<RecordedOp>& ops) {
    QStringList numbers;
    for (const RecordedOp& op : ops)
      if (op.kind == RecordedOp::Text && op.fontSize == 5 && op.y1 < top()) numbers << op.text;
    return numbers;
  };
  source.options.HourRangeIndex = 4;
  QStringList expected;
  for (int hour = 8; hour <= 31; ++hour) expected << u' ' + QString::number(hour % 24);
  EXPECT_EQ(numbersAbove(drawPage(QDate(2009, 3, 1))), expected);

  source.options.HourRangeIndex = 2;
  source.options.OptDottedScale = 1;
  expected = QStringList{" 8", " .", " .", " .", " 12", " .", " .", " .", " .", " .", " 18", " .", " 20"};
  EXPECT_EQ(numbersAbove(drawPage(QDate(2009, 3, 1))), expected);

  source.options.HourRangeIndex = 0;
  EXPECT_TRUE(numbersAbove(drawPage(QDate(2009, 3, 1))).isEmpty());
}

// The header band is too low for the title and a row of hour numbers above
// each other: the numbers stand under the title's text box, never in it,
// on each month list design at the bible size and at A5, whole page or half;
// the title keeps its place.
TEST_F(SchedulePrintTest, MonthListHourNumbersStandBelowTheTitle) {
  for (const int paper : {0, 6}) {
    for (const int design : {2, 3, 4}) {
      SCOPED_TRACE(testing::Message() << "size " << paper << " design " << design);
      LoadPaperSettings(paper);
      FakeScheduleSource source;
      source.options.HourRangeIndex = 4;
      source.choose(design, 0, QDate(2010, 2, 1));
      printer().clearOps();
      Cmd_print_Click(source);
      int titles = 0, numbers = 0;
      for (const std::vector<RecordedOp>& page : Pages(printer())) {
        double titleBottom = -1;
        for (const RecordedOp& op : page)
          if (op.kind == RecordedOp::Text && op.text.contains(QStringLiteral("平成22年2月 (2010)"))) {
            EXPECT_NEAR(op.y1, PaperSettings.HeadHeight, 1e-4) << "the title stays";
            titleBottom = std::max(titleBottom, op.y1 + op.fontSize * 25.4 / 72);
            ++titles;
          }
        for (const RecordedOp& op : page)
          if (op.kind == RecordedOp::Text && op.fontSize == 5 && op.y1 < PaperSettings.DataHeight) {
            EXPECT_GE(op.y1, titleBottom - 1e-4) << op.text.toStdString();
            ++numbers;
          }
      }
      EXPECT_GT(titles, 0);
      EXPECT_GE(numbers, 24) << "the hours are numbered";
    }
  }
}

// Positions compared in order, to a thousandth of a millimetre.
void ExpectPositions(std::vector<double> got, std::vector<double> want) {
  std::sort(got.begin(), got.end());
  std::sort(want.begin(), want.end());
  ASSERT_EQ(got.size(), want.size()) << "got " << testing::PrintToString(got) << ", want " << testing::PrintToString(want);
  for (size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], want[i], 1e-3) << i;
}

// The hour ticks standing on a row's top edge, left to right: (x, length).
std::vector<std::pair<double, double>> TicksOfRow(const std::vector<RecordedOp>& ops, double y) {
  std::vector<std::pair<double, double>> out;
  for (const RecordedOp& op : ops)
    if (op.kind == RecordedOp::Line && op.x1 == op.x2 && std::abs(op.y1 - y) < 1e-4 && op.y2 > op.y1 &&
        op.y2 - op.y1 < 1.01)
      out.emplace_back(op.x1, op.y2 - op.y1);
  std::sort(out.begin(), out.end());
  return out;
}

struct HourRangeCase {
  int index, start, end;
};
const HourRangeCase kHourRanges[] = {{1, 8, 19}, {4, 8, 31}, {5, 6, 23}, {6, 0, 23}, {7, 9, 19}, {0, 9, 19}};

TEST_F(MonthListPageTest, HourTicksInEveryRow) {
  source.options.OptHourScale = 1;
  for (const HourRangeCase& c : kHourRanges) {
    SCOPED_TRACE(c.index);
    source.options.HourRangeIndex = int16_t(c.index);
    const auto ops = drawPage(QDate(2009, 3, 1));
    for (int d = 1; d <= 31; ++d) {
      const auto ticks = TicksOfRow(ops, top() + rowHeight(31) * (d - 1));
      // One tick an hour from EntryX + 1 to PageX2 − 2, long at 9, 12 and 18.
      ASSERT_EQ(int(ticks.size()), c.end - c.start + 1) << d;
      const double step = (kX2 - 2 - ticks.front().first) / (c.end - c.start);
      for (int i = 0; i <= c.end - c.start; ++i) {
        const int hour = c.start + i;
        EXPECT_NEAR(ticks[i].first, ticks.front().first + i * step, 1e-3) << d << " " << hour;
        EXPECT_NEAR(ticks[i].second, hour == 9 || hour == 12 || hour == 18 ? 1.0 : 0.5, 1e-6) << d << " " << hour;
      }
    }
  }
  // No ticks under shading or beside the vertical rules.
  source.options.HourRangeIndex = 1;
  for (const auto& [shading, vertical] : {std::pair{1, 0}, std::pair{0, 1}}) {
    source.options.OptShading = int16_t(shading);
    source.options.RuleFlags[0] = int16_t(vertical);
    const auto ops = drawPage(QDate(2009, 3, 1));
    for (int d = 1; d <= 31; ++d) EXPECT_TRUE(TicksOfRow(ops, top() + rowHeight(31) * (d - 1)).empty()) << d;
  }
}

TEST_F(MonthListPageTest, VerticalRulesAndHourLines) {
  source.options.OptHourScale = 1;
  source.options.HourRangeIndex = 1;
  // EntryX from the first tick of a page without the vertical rules.
  const double entryX = TicksOfRow(drawPage(QDate(2009, 3, 1)), top()).at(0).first - 1;
  source.options.RuleFlags[0] = 1;
  const auto solidXs = [&](const std::vector<RecordedOp>& ops) {
    std::vector<double> xs;
    for (const RecordedOp& op : ops)
      if (op.kind == RecordedOp::Line && op.x1 == op.x2 && std::abs(op.y1 - top()) < 1e-6 &&
          std::abs(op.y2 - foot()) < 1e-6 && std::find_if(xs.begin(), xs.end(), [&](double x) { return std::abs(x - op.x1) < 1e-3; }) == xs.end())
        xs.push_back(op.x1);
    return xs;
  };
  const std::vector<double> frameRules{kX1, entryX - 0.3, kX2};
  const double w = kX2 - entryX;
  for (const HourRangeCase& c : kHourRanges) {
    SCOPED_TRACE(c.index);
    source.options.HourRangeIndex = int16_t(c.index);
    std::vector<double> solid = frameRules, dotted;
    if (c.index == 0) {
      dotted = {entryX + w * 3 / 9, entryX + w * 7 / 9};
    } else {
      // A column an hour; solid lines where 12, 18 and 24 o'clock end.
      const int columns = c.end - c.start + 1;
      for (int i = 1; i <= columns; ++i) {
        const double x = entryX + i * w / columns;
        const int hour = c.start + i;
        if (hour == 12 || hour == 18 || hour == 24) {
          if (std::abs(x - kX2) > 1e-3) solid.push_back(x);
        } else {
          dotted.push_back(x);
        }
      }
    }
    const auto ops = drawPage(QDate(2009, 3, 1));
    ExpectPositions(solidXs(ops), solid);
    const auto dots = DottedXs(ops);
    ExpectPositions({dots.begin(), dots.end()}, dotted);
  }
  // Without 目盛線 only the sides and the date column's separator.
  source.options.OptHourScale = 0;
  const auto ops = drawPage(QDate(2009, 3, 1));
  ExpectPositions(solidXs(ops), frameRules);
  EXPECT_TRUE(DottedXs(ops).empty());
}

TEST_F(MonthListPageTest, StackedDayNumberAndWeekday) {
  source.options.DesignStyleText = QStringLiteral("縦並び");
  source.options.OptHourScale = 1;
  source.options.HourRangeIndex = 1;
  source.lines = {QStringLiteral("2009/03/10 予定 会議")};
  const auto ops = drawPage(QDate(2009, 3, 1));
  const double rowTop = top() + rowHeight(31) * 9, line = rowTop + textGap();
  // A blank and the number end the row's first line; the weekday stands
  // under them at the page's left.
  QStringList firstLine;
  std::optional<RecordedOp> weekday, entry;
  for (const RecordedOp& op : ops) {
    if (op.kind != RecordedOp::Text) continue;
    if (std::abs(op.y1 - line) < 1e-4 && op.x1 < kX1 + 5) firstLine << op.text;
    if (std::abs(op.x1 - (kX1 + 0.4)) < 1e-4 && op.y1 > line + 0.1 && op.y1 < rowTop + rowHeight(31)) weekday = op;
    if (op.text == QStringLiteral("会") && !entry) entry = op;  // the entry's first character
  }
  EXPECT_EQ(firstLine, (QStringList{QStringLiteral(" "), QStringLiteral("10")}));
  ASSERT_TRUE(weekday && entry);
  EXPECT_TRUE(weekday->text.contains(u'火'));
  SetFontName(PaperSettings.DefaultFontName);
  SetFontSize(PaperSettings.DefaultFontSize);
  const double entryX = weekday->x1 + MeasureTextWidth(weekday->text);
  // The entries go on the first line, after the weekday's width.
  EXPECT_NEAR(entry->y1, line, 1e-4);
  EXPECT_NEAR(entry->x1, entryX + 0.5, 1e-3);
  EXPECT_NEAR(TicksOfRow(ops, rowTop).at(0).first, entryX + 1, 1e-3);
}

TEST_F(MonthListPageTest, DivisionsOnWholeMillimetres) {
  source.controls.cmb_tatekei = 2;  // three parts
  const auto xs = DottedXs(drawPage(QDate(2009, 3, 1)));
  ASSERT_EQ(xs.size(), 2u);
  for (double x : xs) EXPECT_EQ(x, std::round(x));
  source.controls.cmb_tatekei = 0;
  EXPECT_TRUE(DottedXs(drawPage(QDate(2009, 3, 1))).empty());
}

TEST_F(MonthListPageTest, EntryLineAtTheRightEdge) {
  const QString longEntry(200, QChar(u'あ'));
  source.lines = {QStringLiteral("2009/03/10 予定 ") + longEntry};
  const auto widest = [&](const std::vector<RecordedOp>& ops) {
    double right = 0;
    QString last;
    for (const RecordedOp& op : ops)
      if (op.kind == RecordedOp::Text && op.text.contains(u'あ')) {
        const double end = op.x1 + MeasureTextWidth(op.text);
        if (end > right) right = end;
        last = op.text;
      }
    return std::make_pair(right, last);
  };
  source.options.RightEdgeMode = 4;
  EXPECT_GT(widest(drawPage(QDate(2009, 3, 1))).first, kX2 + 50);
  source.options.RightEdgeMode = 1;
  const auto ops = drawPage(QDate(2009, 3, 1));
  EXPECT_LE(widest(ops).first, kX2 + 0.01);
  EXPECT_TRUE(TextsOf(ops).join(QString()).contains(u'…'));
}

TEST_F(MonthListPageTest, JoinedLineKeepsColourCharacters) {
  QStringList texts{QString(), QStringLiteral("・会議"), QStringLiteral("・電話")};  // marker first
  SetForeColor(0);
  const QString line = JoinedEntryLine(source.options, texts);
  EXPECT_EQ(line.size(), 2 * (1 + 2 + 2));
  EXPECT_EQ(line[0], QChar(char16_t(0)));  // a colour switch, not an end
  EXPECT_EQ(line.mid(1, 4), QStringLiteral("会議") + QChar(char16_t(7)) + u' ');
}

TEST_F(MonthListPageTest, HostileDaysNeverHang) {
  QStringList lines;
  for (int i = 0; i < 50; ++i) lines << QStringLiteral("2009/03/05 予定 項目%1").arg(i);
  lines << QStringLiteral("2009/03/06 予定 ") + QString(2000, QChar(u'字'));
  lines << QStringLiteral("2009/03/07 予定 前") + QChar(char16_t(0)) + QStringLiteral("後");
  lines << QStringLiteral("2009/03/08 予定 a") + QChar(char16_t(1)) + QChar(char16_t(7)) + QStringLiteral("b");
  source.lines = lines;
  source.options.OptHourScale = 1;
  source.options.HourRangeIndex = 3;
  for (int mode = 0; mode <= 4; ++mode) {
    SCOPED_TRACE(mode);
    source.options.RightEdgeMode = int16_t(mode);
    const auto ops = drawPage(QDate(2009, 3, 1));
    const QString all = TextsOf(ops).join(QString());
    EXPECT_TRUE(all.contains(QStringLiteral("前"))) << "text before a NUL is kept";
  }
  // A page narrower than the day column: no ticks, no hour numbers, no hang.
  const auto ops = drawPage(QDate(2009, 3, 1), 0, 8, 10);
  for (const RecordedOp& op : ops) EXPECT_FALSE(op.kind == RecordedOp::Text && op.fontSize == 5) << op.text.toStdString();
}

}  // namespace
