// The drawn tab bar: tab widths, hit areas and highlighting.
#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>

#include "FormsTestSupport.h"
#include "core/ui/TabBar.h"
#include "core/ui/TabBarGeometry.h"

namespace {

TEST(TabBarGeometry, PressesFallOnTheTabUnderThem) {
  struct Row { int width; int tabs; int x; int expected; };
  const Row rows[] = {
      {300, 3, 0, 1},   {300, 3, 99, 1},  {300, 3, 100, 2}, {300, 3, 199, 2},
      {300, 3, 200, 3}, {300, 3, 299, 3},
      // 302 / 3 rounds to 101: the last unit at the right end is past tab 3.
      {302, 3, 302, 3}, {302, 3, 303, 4},
      // 305 / 3 rounds to 102: x 304 to 305 lie in the rest, tab n + 1.
      {305, 3, 303, 3}, {305, 3, 306, 4},
      {300, 2, 149, 1}, {300, 2, 150, 2},
      {300, 0, 10, 0},  // no tabs
  };
  for (const Row& r : rows)
    EXPECT_EQ(TabBarTabAt(r.width, r.tabs, r.x), r.expected) << r.width << "/" << r.tabs << " x " << r.x;
  EXPECT_EQ(TabBarTabWidth(300, 2), 150);
  EXPECT_EQ(TabBarTabWidth(5, 2), 2) << "2.5 goes to the even neighbour";
  EXPECT_EQ(TabBarTabWidth(7, 2), 4) << "3.5 goes to the even neighbour";
}

TEST(TabBarGeometry, TabsAreTrapezoidsNarrowAtTheTop) {
  const TabShape shape = TabBarTabShape(100, 80, 20);
  EXPECT_EQ(shape.body, QRect(QPoint(105, 0), QPoint(175, 20)));
  EXPECT_EQ(shape.caption, QPoint(105, 3));
  ASSERT_EQ(shape.slants.size(), 42);
  // Row 0 starts at the top corners, row 20 at the outer bottom corners.
  EXPECT_EQ(shape.slants[0], QLine(105, 0, 105, 20));
  EXPECT_EQ(shape.slants[1], QLine(175, 0, 175, 20));
  EXPECT_EQ(shape.slants[40], QLine(100, 20, 100, 20));
  EXPECT_EQ(shape.slants[41], QLine(180, 20, 180, 20));
}

TEST(TabBarGeometry, CaptionsAreCsvFieldsAndAtMostTen) {
  EXPECT_EQ(TabBarCaptions(QStringLiteral("予定内容入力,印刷オプション")),
            (QStringList{QStringLiteral("予定内容入力"), QStringLiteral("印刷オプション")}));
  EXPECT_EQ(TabBarCaptions(QStringLiteral("\"a,b\",c")), (QStringList{QStringLiteral("a,b"), QStringLiteral("c")}));
  EXPECT_EQ(TabBarCaptions(QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12")).size(), 10);
}

class TabBarWidget : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    bar.resize(300, 24);
    bar.setFillColor(QColor(255, 0, 0));
  }
  QColor bodyColourOfTab(int k, int tabWidth) {
    const QImage image = bar.grab().toImage();
    return image.pixelColor((k - 1) * tabWidth + tabWidth / 2, bar.height() - 1);
  }
  TabBar bar;
};

TEST_F(TabBarWidget, TheSelectedTabTakesTheFillColour) {
  DrawTabBar(&bar, QStringLiteral("予定内容入力,印刷オプション"), 2);
  EXPECT_EQ(bar.Tag(), QStringLiteral("予定内容入力,印刷オプション"));
  EXPECT_EQ(bodyColourOfTab(2, 150), QColor(255, 0, 0));
  EXPECT_NE(bodyColourOfTab(1, 150), QColor(255, 0, 0));

  DrawTabBar(&bar, bar.Tag(), 3);  // outside 1..n: no tab highlighted
  EXPECT_NE(bodyColourOfTab(1, 150), QColor(255, 0, 0));
  EXPECT_NE(bodyColourOfTab(2, 150), QColor(255, 0, 0));
}

TEST_F(TabBarWidget, ClickReturnsTheTabAndSelectsIt) {
  DrawTabBar(&bar, QStringLiteral("一,二,三"), 1);
  EXPECT_EQ(TabBarClick(&bar, 150), 2);
  EXPECT_EQ(bar.SelectedTab(), 2);
  EXPECT_EQ(bodyColourOfTab(2, 100), QColor(255, 0, 0));
  EXPECT_NE(bodyColourOfTab(1, 100), QColor(255, 0, 0));
  EXPECT_EQ(TabBarClick(&bar, 299), 3);
  EXPECT_EQ(TabBarClick(&bar, 0), 1);
}

TEST_F(TabBarWidget, MousePressesAreReportedWithTheirPosition) {
  DrawTabBar(&bar, QStringLiteral("一,二"), 1);
  int pressedTab = 0;
  QObject::connect(&bar, &TabBar::MouseDown, [&](int, int x, int) {
    pressedTab = TabBarClick(&bar, static_cast<int16_t>(x));
  });
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(200, 5), QPointF(200, 5), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&bar, &press);
  EXPECT_EQ(pressedTab, 2);
}

}  // namespace
