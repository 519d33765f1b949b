// The to-do window's month calendar as painted: header colours, day colours
// by flag, the marked day in bold, numbers aligned on their last digit, and
// grid lines inside the picture with no border round it.
#include <QImage>

#include "TestEnvironment.h"
#include "todo_memo/windows/ToDoCalendarView.h"

namespace {

constexpr int kCellWidth = 50;
constexpr int kCellHeight = 40;

class ToDoCalendarViewTest : public RingpadTest {
 protected:
  QImage paint(const QDate& marked, const todo::DayFlagTable& flags) {
    ToDoCalendarView view;
    view.resize(7 * kCellWidth, 7 * kCellHeight);
    view.ShowMonth(marked, todo::DayGridOf(marked), flags);
    QImage image(view.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    view.render(&image);
    return image;
  }
  // The cell's pixels inside its grid lines.
  static QRect Cell(int column, int row) {
    return QRect(column * kCellWidth + 2, row * kCellHeight + 2, kCellWidth - 4, kCellHeight - 4);
  }
  static int Count(const QImage& image, const QRect& r, const std::function<bool(QColor)>& is) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) n += is(image.pixelColor(x, y));
    return n;
  }
  static bool Reddish(QColor c) { return c.red() > 180 && c.green() < 120 && c.blue() < 120; }
  static bool Bluish(QColor c) { return c.blue() > 180 && c.red() < 120 && c.green() < 120; }
  static bool Magentaish(QColor c) { return c.red() > 180 && c.blue() > 180 && c.green() < 120; }
  static bool Dark(QColor c) { return c.lightness() < 128; }
  // The last inked column of a cell, from the cell's left.
  static int RightInk(const QImage& image, const QRect& r) {
    for (int x = r.right(); x >= r.left(); --x)
      for (int y = r.top(); y <= r.bottom(); ++y)
        if (image.pixelColor(x, y).lightness() < 200) return x - r.left();
    return -1;
  }
};

TEST_F(ToDoCalendarViewTest, PaintsColoursBoldDaysAlignedNumbersAndInnerLines) {
  // March 2009 begins on a Sunday: the 1st in column 0 of row 1.
  const QDate marked(2009, 3, 11);
  todo::DayFlagTable flags{};
  flags[20] = todo::kHolidayFlag;  // 春分の日, Friday: column 5, row 3
  flags[17] = todo::kRestDayFlag;  // Tuesday: column 2, row 3
  const QImage image = paint(marked, flags);

  EXPECT_GT(Count(image, Cell(0, 0), Reddish), 0) << "日 in red";
  EXPECT_GT(Count(image, Cell(6, 0), Bluish), 0) << "土 in blue";
  EXPECT_EQ(Count(image, Cell(3, 0), Reddish) + Count(image, Cell(3, 0), Bluish), 0);
  EXPECT_GT(Count(image, Cell(3, 0), Dark), 0);
  EXPECT_GT(Count(image, Cell(5, 3), Reddish), 0) << "a holiday in red";
  EXPECT_GT(Count(image, Cell(2, 3), Magentaish), 0) << "a rest day in magenta";
  EXPECT_EQ(Count(image, Cell(4, 3), Reddish), 0) << "an ordinary day in black";

  // The marked day is bold: more ink than the same day unmarked.
  const QImage other = paint(QDate(2009, 3, 12), {});
  EXPECT_GT(Count(image, Cell(3, 2), Dark), Count(other, Cell(3, 2), Dark));

  // 9 and 19 end at the same place in their cells (a pixel either way for
  // the glyphs' own rendering); left-aligned, 9 would end a digit short.
  EXPECT_NEAR(RightInk(image, Cell(1, 2)), RightInk(image, Cell(4, 3)), 1);

  // Six lines each way inside; none along the picture's edges.
  for (int f = 1; f <= 6; ++f) {
    EXPECT_TRUE(Dark(image.pixelColor(f * kCellWidth, kCellHeight / 2))) << f;
    EXPECT_TRUE(Dark(image.pixelColor(kCellWidth / 2 + 1, f * kCellHeight))) << f;
  }
  const int right = image.width() - 1;
  const int bottom = image.height() - 1;
  for (int y = 0; y <= bottom; y += 7) {
    if (y % kCellHeight == 0) continue;
    EXPECT_FALSE(Dark(image.pixelColor(0, y))) << y;
    EXPECT_FALSE(Dark(image.pixelColor(right, y))) << y;
  }
  for (int x = 0; x <= right; x += 7) {
    if (x % kCellWidth == 0) continue;
    EXPECT_FALSE(Dark(image.pixelColor(x, 0))) << x;
    EXPECT_FALSE(Dark(image.pixelColor(x, bottom))) << x;
  }
}

}  // namespace
