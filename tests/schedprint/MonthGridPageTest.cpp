// The month grid page with one month on a page: week rows, where each day
// lands, the day decorations, the memo table, mini calendars and entries.
#include "SchedulePrintKit.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "core/text/ColorTable.h"
#include "core/text/JapaneseText.h"
#include "schedule_print/MonthGridCell.h"
#include "schedule_print/MonthGridGeometry.h"
#include "schedule_print/MonthGridPage.h"
#include "schedule_print/ScheduleTable.h"

namespace {


class MonthGridPageTest : public SchedulePrintTest {
 protected:
  std::vector<RecordedOp> drawPage(const QDate& month, int gridMode = 0) {
    printer().clearOps();
    BeginPage();
    DrawMonthGridPage(source, gridMode, month, kX1, kX2);
    FinishOutput();
    const auto pages = Pages(printer());
    return pages.empty() ? std::vector<RecordedOp>{} : pages.back();
  }
  GridBand band(const QDate& month) { return MonthGridBands(0, month, kX1, kX2, source.options).front(); }
  double gridTop(const GridBand& b) const { return b.top + GridHeaderHeight(HalfCharWidthMm(PaperSettings.DefaultFontSize)); }
  double rowHeight(const GridBand& b) const { return (b.bottom - gridTop(b)) / b.weekRows; }
  // (column, row) of a day number's text, 1-based row.
  std::pair<int, int> cellOf(const std::vector<RecordedOp>& ops, const QDate& month, const QString& label) {
    const RecordedOp* op = nullptr;
    for (const RecordedOp& o : ops)
      if (o.kind == RecordedOp::Text && o.text == label && !op) op = &o;
    if (!op) return {-1, -1};
    const GridBand b = band(month);
    return {int((op->x1 - kX1 + 0.01) / ((kX2 - kX1) / 7)), int((op->y1 - 1 - gridTop(b) + 0.01) / rowHeight(b)) + 1};
  }
};

TEST_F(MonthGridPageTest, WeekRowsByTheHideRule) {
  struct Case {
    QDate month;
    int sundayStart, hide, rows;
  } cases[] = {
      {QDate(2013, 6, 1), 1, 1, 6},  // 30 days from a Saturday
      {QDate(2015, 2, 1), 1, 1, 5},  // four full weeks still get five rows
      {QDate(2015, 2, 1), 1, 0, 6},
      {QDate(2009, 3, 1), 0, 1, 6},  // 31 days from a Sunday, Monday start
      {QDate(2009, 6, 1), 0, 1, 5},  // the 1st in column 0 adds no row
      {QDate(2009, 8, 1), 0, 1, 6},  // 31 days from a Saturday, Monday start
      {QDate(2009, 8, 1), 1, 1, 6},
      {QDate(2009, 4, 1), 1, 1, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.month.toString(Qt::ISODate).toStdString());
    source.options.OptSundayStart = int16_t(c.sundayStart);
    source.options.OptHideSixthWeek = int16_t(c.hide);
    const auto ops = drawPage(c.month);
    EXPECT_EQ(band(c.month).weekRows, c.rows);
    // One week rule per row, across the page.
    int rules = 0;
    for (const RecordedOp& op : ops)
      if (op.kind == RecordedOp::Line && op.y1 == op.y2 && op.x1 == kX1 && op.x2 == kX2 &&
          op.y1 > gridTop(band(c.month)) - 0.01 && op.y1 < band(c.month).bottom - 0.01)
        ++rules;
    EXPECT_EQ(rules, c.rows);
    // The last day sits in the last used row, which is never past the grid.
    const QDate last = c.month.addDays(c.month.daysInMonth() - 1);
    const auto [col, row] = cellOf(ops, c.month, QStringLiteral("%1").arg(last.day(), 3) + u' ');
    EXPECT_LE(row, c.rows);
    EXPECT_EQ(col, GridColumnOf(last, c.sundayStart == 1));
  }
}

TEST_F(MonthGridPageTest, DaysInTheirCellsWithHolidayBrackets) {
  source.lines = {QStringLiteral("2009/03/20 祝日 春分の日")};
  const auto ops = drawPage(QDate(2009, 3, 1));
  EXPECT_EQ(cellOf(ops, QDate(2009, 3, 1), QStringLiteral("  1 ")), std::make_pair(6, 1));
  EXPECT_EQ(cellOf(ops, QDate(2009, 3, 1), QStringLiteral("[20]")), std::make_pair(4, 4));
  EXPECT_EQ(cellOf(ops, QDate(2009, 3, 1), QStringLiteral(" 31 ")), std::make_pair(1, 6));
  EXPECT_TRUE(TextsOf(ops).join(QString()).contains(QStringLiteral("春分の日")));
  EXPECT_TRUE(FindText(ops, QStringLiteral("平成21年3月 (2009)")));
  // Weekday names centred over Monday-first columns.
  const QStringList texts = TextsOf(ops);
  const qsizetype mon = texts.indexOf(QStringLiteral("月"));
  ASSERT_GE(mon, 0);
  EXPECT_EQ(texts.mid(mon, 7).join(QString()), QStringLiteral("月火水木金土日"));
}

// Ops inside one cell's rectangle.
std::vector<RecordedOp> InCell(const std::vector<RecordedOp>& ops, double x, double y, double w, double h) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : ops)
    if (op.x1 >= x - 0.01 && op.x1 < x + w - 0.01 && op.y1 >= y - 0.01 && op.y1 < y + h - 0.01) out.push_back(op);
  return out;
}

TEST_F(MonthGridPageTest, DayStylesShadingAndInversion) {
  PaperSettings.ShadeColor = 0xEEEEEE;
  const float hw = HalfCharWidthMm(PaperSettings.DefaultFontSize);
  const double cellW = 80.0 / 7, rowH = 20;
  const double cx = 20, cy = 40;
  CellLayout layout;
  layout.x1 = kX1;
  layout.w = 80;
  layout.hw = hw;
  layout.rowHeight = rowH;
  const uint32_t shade = 0xEEEEEE, white = 0xFFFFFF;
  struct Case {
    const char* style;
    int shading, lineColour, invert;
    QDate day;  // 2009/03/20 a holiday, 2009/03/18 an ordinary day
    std::function<void(const std::vector<RecordedOp>&)> check;
  };
  const QDate holiday(2009, 3, 20), ordinary(2009, 3, 18);
  const auto numberColour = [](const std::vector<RecordedOp>& ops) {
    for (const RecordedOp& op : ops)
      if (op.kind == RecordedOp::Text) return op.color;
    return uint32_t(0x123456);
  };
  const auto fills = [](const std::vector<RecordedOp>& ops) {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : ops)
      if (op.kind == RecordedOp::FilledBox) out.push_back(op);
    return out;
  };
  const Case cases[] = {
      {"ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", 1, 0, 0, holiday, [&](const auto& ops) {
         ASSERT_EQ(fills(ops).size(), 1u);  // the whole cell in the holiday shade
         EXPECT_NEAR(fills(ops)[0].x2, cx + cellW, 1e-3);
         EXPECT_NEAR(fills(ops)[0].y2, cy + rowH, 1e-3);
       }},
      {"ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", 1, 0, 0, ordinary, [&](const auto& ops) { EXPECT_TRUE(fills(ops).empty()); }},
      {"ボックス", 0, 0, 0, ordinary, [&](const auto& ops) {
         const auto boxes = [&] { std::vector<RecordedOp> b; for (auto& o : ops) if (o.kind == RecordedOp::Box) b.push_back(o); return b; }();
         ASSERT_EQ(boxes.size(), 1u);
         EXPECT_NEAR(boxes[0].x2, cx + 4 * hw * 0.95, 1e-3);
         EXPECT_NEAR(boxes[0].y2, cy + 1 + 2 * hw, 1e-3);
       }},
      {"ボックス角", 0, 0, 0, ordinary, [&](const auto& ops) {
         bool chamfer = false;
         for (const RecordedOp& o : ops)
           if (o.kind == RecordedOp::Line && std::abs(o.x1 - (cx + 4 * hw - 1)) < 1e-3 &&
               std::abs(o.y1 - (cy + 1 + 2 * hw)) < 1e-3 && std::abs(o.x2 - (cx + 4 * hw)) < 1e-3 &&
               std::abs(o.y2 - (cy + 2 * hw)) < 1e-3)
             chamfer = true;
         EXPECT_TRUE(chamfer);
       }},
      {"ライン", 0, 0, 0, ordinary, [&](const auto& ops) {
         bool across = false;
         for (const RecordedOp& o : ops)
           if (o.kind == RecordedOp::Line && std::abs(o.y1 - (cy + 1 + 2 * hw)) < 1e-3 && std::abs(o.x2 - (cx + cellW)) < 1e-3)
             across = true;
         EXPECT_TRUE(across);
       }},
      {"網掛ライン", 1, 0, 0, holiday, [&](const auto& ops) {
         ASSERT_EQ(fills(ops).size(), 1u);  // only the top strip, never the cell
         EXPECT_NEAR(fills(ops)[0].y2, cy + 1 + 2 * hw, 1e-3);
         EXPECT_NEAR(fills(ops)[0].x2, cx + cellW, 1e-3);
       }},
      {"ボックス網掛", 1, 0, 0, ordinary, [&](const auto& ops) {
         ASSERT_EQ(fills(ops).size(), 1u);
         EXPECT_EQ(fills(ops)[0].color, shade);
         EXPECT_NEAR(fills(ops)[0].x2, cx + 4 * hw - 1, 1e-3);
         EXPECT_NE(numberColour(ops), white);
       }},
      {"ボックス網掛", 1, 1, 0, ordinary, [&](const auto& ops) {
         ASSERT_EQ(fills(ops).size(), 1u);
         EXPECT_EQ(fills(ops)[0].color, uint32_t(ColorByIndex(1)));
         EXPECT_EQ(numberColour(ops), white);
       }},
      {"ボックス網掛", 0, 0, 0, holiday, [&](const auto& ops) {
         ASSERT_EQ(fills(ops).size(), 1u);
         EXPECT_EQ(fills(ops)[0].color, shade);  // colour off: the holiday shade is the plain one
         EXPECT_EQ(numberColour(ops), white);
       }},
      {"ボックス網掛", 0, 19, 0, ordinary, [&](const auto& ops) {
         ASSERT_EQ(fills(ops).size(), 1u);
         EXPECT_EQ(fills(ops)[0].color, shade);
         for (const RecordedOp& o : ops) EXPECT_NE(o.kind, RecordedOp::Box);
       }},
      {"大文字", 0, 0, 0, ordinary, [&](const auto& ops) {
         ASSERT_FALSE(ops.empty());
         const auto number = FindText(ops, QStringLiteral(" 18 "));
         ASSERT_TRUE(number);
         EXPECT_FLOAT_EQ(number->fontSize, 2 * PaperSettings.DefaultFontSize);
       }},
      {"ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", 0, 0, 1, ordinary, [&](const auto& ops) {
         ASSERT_EQ(fills(ops).size(), 1u);  // 1 mm gaps stay white
         EXPECT_EQ(fills(ops)[0].color, shade);
         EXPECT_NEAR(fills(ops)[0].x2, cx + cellW - 1, 1e-3);
         EXPECT_NEAR(fills(ops)[0].y2, cy + rowH - 1, 1e-3);
       }},
      {"網掛ライン", 0, 0, 1, ordinary, [&](const auto& ops) {
         ASSERT_EQ(fills(ops).size(), 1u);
         EXPECT_NEAR(fills(ops)[0].y2, cy + 1 + 2 * hw, 1e-3);
       }},
  };
  source.lines = {QStringLiteral("2009/03/20 祝日 春分の日")};
  for (const Case& c : cases) {
    SCOPED_TRACE(QStringLiteral("%1 shading %2 line colour %3 invert %4")
                     .arg(QString::fromUtf8(c.style)).arg(c.shading).arg(c.lineColour).arg(c.invert).toStdString());
    source.options.DesignStyleText = QString::fromUtf8(c.style);
    source.options.OptShading = int16_t(c.shading);
    source.options.OptGridInvert = int16_t(c.invert);
    PaperSettings.LineColor = c.lineColour;
    printer().clearOps();
    DrawMonthGridCell(source, c.day, cx, cy, cellW, layout);
    c.check(InCell(printer().ops(), cx, cy, cellW, rowH));
  }
}

TEST_F(MonthGridPageTest, MemoTableBelowAShortenedGrid) {
  source.options.OptMemo = 1;
  const double foot = PaperSettings.FootHeight;
  ASSERT_EQ(foot, 156);
  const auto ops = drawPage(QDate(2009, 3, 1));
  EXPECT_NEAR(band(QDate(2009, 3, 1)).bottom, 93.6, 1e-9);
  // Header then A..L, each 4.8 mm below the one before.
  std::vector<double> rowTops;
  QString letters;
  for (const RecordedOp& op : ops)
    if (op.kind == RecordedOp::Text && op.text.size() == 1 && op.text[0] >= u'A' && op.text[0] <= u'Z' && op.y1 > 93) {
      letters += op.text;
      rowTops.push_back(op.y1 - 0.5);
    }
  EXPECT_EQ(letters, QStringLiteral("ABCDEFGHIJKL"));
  ASSERT_EQ(rowTops.size(), 12u);
  EXPECT_NEAR(rowTops[0], 93.6 + 4.8, 1e-3);
  EXPECT_NEAR(rowTops[11], 93.6 + 12 * 4.8, 1e-3);
  EXPECT_TRUE(FindText(ops, QStringLiteral("予定")));
  // No mini calendars above a grid with the memo table.
  EXPECT_FALSE(FindText(ops, QStringLiteral("2009/2")));
}

TEST_F(MonthGridPageTest, MemoTableLetters) {
  struct Case {
    int memoLines, secondPage;
    QString letters;
  } cases[] = {
      {12, 1, QStringLiteral("MNOPQRSTUVWX")},
      {0, 0, QStringLiteral("ABCDEFGHIJKL")},   // MEMO_GYO "0" or "abc"
      {-5, 0, QStringLiteral("ABCDEFGHIJKL")},
      {-1, 0, QStringLiteral("ABCDEFGHIJKL")},  // "&HFFFF"
      {3, 1, QStringLiteral("DEF")},
      {20, 1, QStringLiteral("UVWXYZ[\\]^_`abcdefgh")},  // past "Z": the plain character codes
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.memoLines);
    source.options.MemoLineCount = int16_t(c.memoLines);
    printer().clearOps();
    DrawScheduleTable(source, c.secondPage, kX1, 93.6, kX2, 156);
    QString letters;
    for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
      if (std::abs(op.x1 - (kX1 + 2)) < 1e-3) letters += op.text;
    EXPECT_EQ(letters, c.letters);
  }
  // A table whose top is its bottom has no rows: a frame collapsed to a line.
  printer().clearOps();
  DrawScheduleTable(source, 0, kX1, 156, kX2, 156);
  EXPECT_TRUE(printer().opsOf(RecordedOp::Text).empty());
  EXPECT_EQ(printer().opsOf(RecordedOp::Box).size(), 1u);
}

TEST_F(MonthGridPageTest, MiniCalendarsAboveTheGrid) {
  const auto ops = drawPage(QDate(2009, 3, 1));
  const auto prev = FindText(ops, QStringLiteral("2009/2"));
  const auto next = FindText(ops, QStringLiteral("2009/4"));
  ASSERT_TRUE(prev && next);
  EXPECT_GT(prev->x1, kX2 - 40);
  EXPECT_GT(next->x1, kX2 - 20);
  EXPECT_LT(next->y1, band(QDate(2009, 3, 1)).top);
  source.options.OptMiniCalendar = 0;
  EXPECT_FALSE(FindText(drawPage(QDate(2009, 3, 1)), QStringLiteral("2009/4")));
  EXPECT_NEAR(band(QDate(2009, 3, 1)).top, PaperSettings.DataHeight + 1, 1e-9);
}

TEST(CutEntryToCellTest, CountsHalfWidthPlaces) {
  // 80/7 mm at 7 pt holds Int(11.43 × 5.67 / 7) = 9 half-width places.
  const double w = 80.0 / 7;
  EXPECT_EQ(CutEntryToCell(QStringLiteral("abcdefghijkl"), w, 7), QStringLiteral("abcdefghi"));
  EXPECT_EQ(CutEntryToCell(QStringLiteral("あいうえおかき"), w, 7), QStringLiteral("あいうえ"));
  EXPECT_EQ(CutEntryToCell(QStringLiteral("aあいうえお"), w, 7), QStringLiteral("aあいうえ"));
  EXPECT_EQ(CutEntryToCell(QStringLiteral("ab"), w, 7), QStringLiteral("ab"));
}

TEST_F(MonthGridPageTest, EntriesCutAtTheCellWidthOnThePage) {
  const QString latin = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
  const QString wide = QStringLiteral("あいうえおかきくけこさしすせそ");
  const QString mixed = QStringLiteral("aあいうえおかきくけこさしすせそ");
  source.lines = {QStringLiteral("2009/03/18 予定 ") + latin, QStringLiteral("2009/03/18 予定 ") + wide,
                  QStringLiteral("2009/03/18 予定 ") + mixed};
  // Half-width places across a cell at the entries' size; a full-width
  // character takes two.
  const int places = int(80.0 / 7 * 5.67 / (PaperSettings.DataFontSize - 2));
  ASSERT_LT(places, 26);
  const auto printed = [](const std::vector<RecordedOp>& ops, const QString& start) {
    for (const RecordedOp& op : ops)
      if (op.kind == RecordedOp::Text && op.text.startsWith(start)) return op.text;
    return QString();
  };
  struct Case {
    int mode;
    QStringList expected;
  } cases[] = {
      {1, {latin.left(places), wide.left(places / 2), mixed.left(1 + (places - 1) / 2)}},
      {0, {latin.left(places), wide.left(places / 2), mixed.left(1 + (places - 1) / 2)}},
      {4, {latin, wide, mixed}},  // runs over the edge
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    source.options.RightEdgeMode = int16_t(c.mode);
    const auto ops = drawPage(QDate(2009, 3, 1));
    EXPECT_EQ(printed(ops, QStringLiteral("abc")), c.expected[0]);
    EXPECT_EQ(printed(ops, QStringLiteral("あいう")), c.expected[1]);
    EXPECT_EQ(printed(ops, QStringLiteral("aあい")), c.expected[2]);
  }
}

TEST_F(MonthGridPageTest, HostileEntriesInEveryRightEdgeMode) {
  QStringList lines;
  lines << QStringLiteral("2009/03/10 予定 ") + QString(1000, u'長');
  lines << QStringLiteral("2009/03/11 予定 前") + QChar(3) + QStringLiteral("後") + QChar(0) + QChar(7);
  lines << QStringLiteral("2009/03/12 予定 前@[RED]後");
  for (int i = 0; i < 40; ++i) lines << QStringLiteral("2009/03/13 予定 予定%1").arg(i);
  source.lines = lines;
  for (int mode = 0; mode <= 4; ++mode) {
    SCOPED_TRACE(mode);
    source.options.RightEdgeMode = int16_t(mode);
    const auto ops = drawPage(QDate(2009, 3, 1));
    ASSERT_FALSE(ops.empty());
    const QString all = TextsOf(ops).join(QString());
    EXPECT_TRUE(all.contains(QStringLiteral("前"))) << "text before a control character is kept";
    EXPECT_TRUE(all.contains(QStringLiteral("予定39")));
  }
}

}  // namespace
