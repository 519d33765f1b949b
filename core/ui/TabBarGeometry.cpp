#include "TabBarGeometry.h"

#include <cmath>

#include "core/text/CsvLine.h"
#include "core/text/Numbers.h"

namespace {
int nearest(double v) { return static_cast<int>(RoundHalfEven(v)); }
}  // namespace

QStringList TabBarCaptions(const QString& captions) {
  return SplitCsvFields(captions, kMaxTabBarTabs);
}

int TabBarTabWidth(int barWidth, int tabCount) {
  if (tabCount <= 0) return 0;
  return nearest(static_cast<double>(barWidth) / tabCount);
}

int TabBarTabAt(int barWidth, int tabCount, int x) {
  const int w = TabBarTabWidth(barWidth, tabCount);
  if (w <= 0) return 0;
  return static_cast<int>(std::floor(static_cast<double>(x) / w)) + 1;
}

TabShape TabBarTabShape(int x, int tabWidth, int height) {
  TabShape shape;
  const double quarter = height / 4.0;
  for (int r = 0; r <= height; ++r) {
    const int left = nearest(x + quarter - r / 4.0);
    const int right = nearest(x + tabWidth - quarter + r / 4.0);
    shape.slants.append(QLine(left, r, left, height));
    shape.slants.append(QLine(right, r, right, height));
  }
  const int bodyLeft = nearest(x + quarter);
  const int bodyRight = nearest(x + tabWidth - quarter);
  shape.body = QRect(QPoint(bodyLeft, 0), QPoint(bodyRight, height));
  shape.caption = QPoint(bodyLeft, 3);
  return shape;
}
