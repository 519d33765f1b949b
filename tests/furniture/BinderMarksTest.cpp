// Cut lines, punch holes, centre ticks and the blank page of a sheet.
#include "FurnitureTest.h"
#include "core/print/BinderMarks.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"

namespace {

constexpr int32_t kDarkGrey = 0x666666;

class BinderMarksTest : public FurnitureTest {
 public:
  struct Hole { double x, y, r; };

 protected:
  void SetUp() override {
    FurnitureTest::SetUp();  // the bible size: W 88, H 167, M 3
    setSheetWidth(200);
    PaperSettings.PunchHoles = 1;
    PaperSettings.BlankPaper = 0;
    PaperSettings.CutLineColor = kDarkGrey;
  }
  std::vector<Hole> holes() {
    std::vector<Hole> found;
    for (const RecordedOp& op : ops(RecordedOp::Circle)) {
      EXPECT_EQ(op.drawStyle, kDrawSolid);
      EXPECT_EQ(op.drawWidth, 1);
      found.push_back({op.x1, op.y1, op.x2});
    }
    return found;
  }
  // The solid lines (the centre ticks), as (x1, y1, x2, y2).
  std::vector<std::tuple<double, double, double, double>> ticks() {
    std::vector<std::tuple<double, double, double, double>> found;
    for (const RecordedOp& op : ops(RecordedOp::Line)) found.emplace_back(op.x1, op.y1, op.x2, op.y2);
    return found;
  }
};

// Holes in drawing order, alternately on the left and the right page.
void ExpectHolePairs(const std::vector<BinderMarksTest::Hole>& found, double xLeft, double xRight,
                     std::vector<double> ys, double radius) {
  ASSERT_EQ(found.size(), 2 * ys.size());
  for (size_t i = 0; i < ys.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(found[2 * i].x, xLeft, 1e-4);
    EXPECT_NEAR(found[2 * i + 1].x, xRight, 1e-4);
    EXPECT_NEAR(found[2 * i].y, ys[i], 1e-4);
    EXPECT_NEAR(found[2 * i + 1].y, ys[i], 1e-4);
    EXPECT_NEAR(found[2 * i].r, radius, 1e-6);
  }
}

TEST_F(BinderMarksTest, BibleFacingPages) {
  DrawBinderMarks(0);
  const auto lines = dottedLines();
  ExpectDottedLines(lines, 0,
                    {{91, 0, 91, 167}, {0, 167, 91, 167}, {109, 167, 200, 167}, {109, 0, 109, 167}});
  for (const DotRun& line : lines) EXPECT_EQ(line.color, uint32_t(kDarkGrey));
  ExpectHolePairs(holes(), 85, 115, {19, 38, 57, 107, 126, 145}, 2.5);
  using T = std::tuple<double, double, double, double>;
  EXPECT_EQ(ticks(), (std::vector<T>{{90, 82, 91, 82}, {109, 82, 110, 82}}));
}

TEST_F(BinderMarksTest, BibleLeftBoundPages) {
  DrawBinderMarks(4);
  EXPECT_EQ(dottedLines().size(), 4u);
  ExpectHolePairs(holes(), 3, 115, {19, 38, 57, 107, 126, 145}, 2.5);
  using T = std::tuple<double, double, double, double>;
  EXPECT_EQ(ticks(), (std::vector<T>{{0, 82, 1, 82}, {109, 82, 110, 82}}));
}

TEST_F(BinderMarksTest, BibleBlankPageTurnedSideways) {
  PaperSettings.BlankPaper = 1;
  DrawBinderMarks(0);
  ExpectDottedLines(dottedLines(), 4, {{167, 167, 167, 262}, {0, 262, 167, 262}});
  const auto found = holes();
  ASSERT_EQ(found.size(), 12u + 6u);
  const double xs[] = {145, 126, 107, 57, 38, 19};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(found[12 + i].x, xs[i]);
    EXPECT_EQ(found[12 + i].y, 173);
    EXPECT_EQ(found[12 + i].r, 2.5);
  }
  // The blank page follows the ticks.
  const auto& all = printer().ops();
  size_t lastTick = 0;
  for (size_t i = 0; i < all.size(); ++i)
    if (all[i].kind == RecordedOp::Line) lastTick = i;
  ASSERT_LT(lastTick + 1, all.size());
  EXPECT_EQ(all[lastTick + 1].kind, RecordedOp::Point);
  EXPECT_EQ(std::make_pair(all[lastTick + 1].x1, all[lastTick + 1].y1), std::make_pair(167.0, 167.0));
}

// A4 laid landscape and folded in two: the sideways page (262 mm down) has
// no room below the pages, which keep all their marks. 262 mm of sheet is
// just enough.
TEST_F(BinderMarksTest, BlankPageLeftOutWhereTheSheetHasNoRoomBelowThePages) {
  PaperSettings.BlankPaper = 1;
  struct Case {
    double width, height;
    size_t dotted, holes;
  } cases[] = {{291.5, 204, 4, 12}, {200.5, 262, 6, 18}, {200.5, 261, 4, 12}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.height);
    printer().setSize(c.width, c.height);
    printer().clearOps();
    DrawBinderMarks(0);
    EXPECT_EQ(dottedLines().size(), c.dotted);
    EXPECT_EQ(holes().size(), c.holes);
    EXPECT_EQ(ticks().size(), 2u);
  }
}

TEST_F(BinderMarksTest, HolePatternsOfEverySize) {
  struct Case { int size; int holes; double radius, d; double firstY, lastY; bool cutLines; };
  const Case cases[] = {
      {0, 6, 2.5, 6, 22, 148, true},   {1, 6, 1.5, 5, 15, 110, true},  {2, 5, 1.5, 4, 14, 90, true},
      {3, 6, 2.5, 6, 22, 148, true},   {4, 8, 1.5, 4, 17, 123, true},  {5, 8, 1.5, 4, 17, 123, true},
      {6, 0, 0, 0, 0, 0, false},       {7, 0, 0, 0, 0, 0, false},      {8, 0, 0, 0, 0, 0, false},
      {9, 0, 0, 0, 0, 0, true},        {10, 0, 0, 0, 0, 0, false},     {11, 0, 0, 0, 0, 0, false},
      {12, 0, 0, 0, 0, 0, false},      {13, 0, 0, 0, 0, 0, false},     {14, 0, 0, 0, 0, 0, false},
      {15, 0, 0, 0, 0, 0, false},      {16, 0, 0, 0, 0, 0, false},     {17, 0, 0, 0, 0, 0, false},
      {18, 6, 2.5, 6, 22, 148, true},  {19, 6, 2.5, 6, 22, 148, true}, {20, 0, 0, 0, 0, 0, true},
      {21, 0, 0, 0, 0, 0, true},       {22, 0, 0, 0, 0, 0, false},     {23, 0, 0, 0, 0, 0, false},
      {24, 6, 1.5, 5, 15, 110, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    loadSize(c.size);
    PaperSettings.PunchHoles = 1;
    PaperSettings.BlankPaper = 0;
    printer().clearOps();
    DrawBinderMarks(0);
    const float w = PaperSettings.PageWidth;
    const float m = PaperSettings.PrintMargin;
    const float h = PaperSettings.PageHeight;
    EXPECT_EQ(dottedLines().size(), c.cutLines ? 4u : 0u);
    const auto found = holes();
    ASSERT_EQ(found.size(), size_t(2 * c.holes));
    if (c.holes > 0) {
      EXPECT_EQ(found.front().x, w + 3 - c.d);
      EXPECT_FLOAT_EQ(float(found.back().x), 200.0f - w - 3 + float(c.d));
      EXPECT_EQ(found.front().y, c.firstY - m);
      EXPECT_EQ(found.back().y, c.lastY - m);
      EXPECT_EQ(found.front().r, c.radius);
    }
    // Every size gets the two centre ticks.
    const auto t = ticks();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_FLOAT_EQ(float(std::get<1>(t[0])), (h + m) / 2 - m);
  }
}

TEST_F(BinderMarksTest, EightHolePairs) {
  loadSize(4);
  PaperSettings.BlankPaper = 0;
  DrawBinderMarks(0);
  std::vector<double> ys;
  for (const Hole& h : holes()) ys.push_back(h.y);
  EXPECT_EQ(ys, (std::vector<double>{14, 14, 23.5, 23.5, 42.5, 42.5, 52, 52, 82, 82, 91.5, 91.5, 110.5,
                                     110.5, 120, 120}));
}

TEST_F(BinderMarksTest, A5GetsTheTicksOnly) {
  loadSize(6);
  PaperSettings.BlankPaper = 1;
  DrawBinderMarks(0);
  EXPECT_TRUE(dottedLines().empty());
  EXPECT_TRUE(holes().empty());
  EXPECT_EQ(ticks().size(), 2u);
  EXPECT_EQ(ops(RecordedOp::Line).size(), 2u);  // no blank page for this size
}

TEST_F(BinderMarksTest, MiniBlankPageInTheMiddleWhenThereIsRoom) {
  loadSize(2);  // W 57, H 102
  PaperSettings.BlankPaper = 1;
  setSheetWidth(200);
  DrawBinderMarks(0);
  ExpectDottedLines(dottedLines(), 4,
                    {{68.5, 0, 68.5, 102}, {131.5, 0, 131.5, 102}, {68.5, 102, 131.5, 102}});
  const auto found = holes();
  ASSERT_EQ(found.size(), 10u + 5u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(found[10 + i].x, 72.5);
    EXPECT_EQ(found[10 + i].y, 11 + 19 * i);
    EXPECT_EQ(found[10 + i].r, 1.5);
  }

  printer().clearOps();
  setSheetWidth(189);  // g = 63, not beyond the page width
  DrawBinderMarks(0);
  EXPECT_EQ(dottedLines().size(), 4u);
  EXPECT_EQ(holes().size(), 10u);
}

TEST_F(BinderMarksTest, EightHoleSizesBlankPageHasCutLinesOnly) {
  for (int size : {4, 5}) {
    SCOPED_TRACE(size);
    loadSize(size);
    PaperSettings.BlankPaper = 1;
    printer().clearOps();
    DrawBinderMarks(0);
    const double h = PaperSettings.PageHeight;
    const double bottom = h + PaperSettings.PageWidth + 7;
    ExpectDottedLines(dottedLines(), 4, {{h, h, h, bottom}, {0, bottom, h, bottom}});
    EXPECT_EQ(holes().size(), 16u);
  }
}

TEST_F(BinderMarksTest, NoHolesWithoutThePunchOption) {
  PaperSettings.PunchHoles = 0;
  PaperSettings.BlankPaper = 1;
  DrawBinderMarks(0);
  EXPECT_TRUE(holes().empty());
  EXPECT_EQ(dottedLines().size(), 6u);
  printer().clearOps();
  DrawBinderMarks(5);
  EXPECT_TRUE(printer().ops().empty());
}

TEST_F(BinderMarksTest, SideBySidePagesOfTheFourFoldSize) {
  loadSize(15);  // W 72, H 197
  PaperSettings.PunchHoles = 1;
  DrawBinderMarks(5);
  ExpectDottedLines(dottedLines(), 0, {{73, 0, 73, 197}, {149, 0, 149, 197}, {0, 197, 149, 197}});
  EXPECT_TRUE(holes().empty());
  EXPECT_TRUE(ticks().empty());
}

TEST_F(BinderMarksTest, FourFoldSizesGetOnlyTicksAtTheEdges) {
  for (int size : {15, 16}) {
    SCOPED_TRACE(size);
    loadSize(size);
    PaperSettings.PunchHoles = 1;
    PaperSettings.BlankPaper = 1;
    printer().clearOps();
    DrawBinderMarks(0);
    EXPECT_TRUE(dottedLines().empty());
    EXPECT_TRUE(holes().empty());
    EXPECT_EQ(ticks().size(), 2u);
  }
}

TEST_F(BinderMarksTest, OtherLayoutsDrawNothing) {
  PaperSettings.BlankPaper = 1;
  for (int16_t side : {1, 2, 3, 6, -1, 100}) DrawBinderMarks(side);
  EXPECT_TRUE(printer().ops().empty());
}

TEST_F(BinderMarksTest, GreyIndexSevenIsBlackOnlyForPagesAtTheEdges) {
  PaperSettings.CutLineColor = 7;
  PaperSettings.BlankPaper = 1;
  DrawBinderMarks(0);
  for (const RecordedOp& op : printer().ops()) EXPECT_EQ(op.color, 0u);
  printer().clearOps();
  DrawBinderMarks(5);
  ASSERT_FALSE(printer().ops().empty());
  for (const RecordedOp& op : printer().ops()) EXPECT_EQ(op.color, Rgb(140, 140, 140));
}

TEST_F(BinderMarksTest, WidthAdjustMovesTheRightPage) {
  PaperSettings.WidthAdjust = 2;
  DrawBinderMarks(0);
  EXPECT_NEAR(dottedLines()[3].x1, 111, 1e-4);
  EXPECT_NEAR(holes()[1].x, 117, 1e-4);
}

}  // namespace
