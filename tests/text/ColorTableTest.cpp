#include <gtest/gtest.h>

#include <vector>

#include "core/text/ColorTable.h"
#include "core/text/ColorTag.h"

namespace {

// The automatic colours keep counting for the whole run, whoever calls:
// bring the rainbow to its last step before a test depends on its order.
void FinishRainbowCycle() {
  for (int i = 0; i < 6 && ColorByIndex(19) != RgbValue(167, 80, 254); ++i) {
  }
}
void FinishPastelCycle() {
  for (int i = 0; i < 9 && ColorByIndex(20) != RgbValue(255, 153, 255); ++i) {
  }
}

TEST(ColorByIndex, FixedColoursAndPassThrough) {
  struct { int32_t value; int32_t rgb; } rows[] = {
      {0, RgbValue(0, 0, 0)},          {1, RgbValue(0, 0, 255)},       {4, RgbValue(255, 0, 0)},
      {7, RgbValue(140, 140, 140)},    {8, RgbValue(255, 255, 255)},   {9, RgbValue(128, 64, 0)},
      {11, RgbValue(255, 191, 213)},   {15, RgbValue(0, 0, 128)},      {18, RgbValue(52, 139, 52)},
      {-1, RgbValue(240, 80, 80)},     {-6, RgbValue(167, 80, 254)},   {21, 21},
      {-7, -7},                        {0xEEEEEE, 0xEEEEEE},           {0x666666, 0x666666},
      {INT32_MIN, INT32_MIN},          {INT32_MAX, INT32_MAX},
  };
  for (const auto& r : rows) EXPECT_EQ(ColorByIndex(r.value), r.rgb) << r.value;
  EXPECT_EQ(RgbValue(255, 0, 0), 0x0000FF);
  EXPECT_EQ(RgbValue(0, 0, 255), 0xFF0000);
}

TEST(ColorByIndex, RainbowCyclesThroughSixColours) {
  FinishRainbowCycle();
  const std::vector<int32_t> expected = {
      RgbValue(240, 80, 80), RgbValue(255, 255, 0),  RgbValue(80, 240, 80), RgbValue(80, 230, 230),
      RgbValue(80, 80, 240), RgbValue(167, 80, 254), RgbValue(240, 80, 80)};
  std::vector<int32_t> got;
  for (int i = 0; i < 7; ++i) got.push_back(ColorByIndex(19));
  EXPECT_EQ(got, expected);
}

TEST(ColorByIndex, PastelCyclesThroughNineColoursWithItsOwnCounter) {
  FinishRainbowCycle();
  FinishPastelCycle();
  EXPECT_EQ(ColorByIndex(19), RgbValue(240, 80, 80));
  EXPECT_EQ(ColorByIndex(20), RgbValue(255, 204, 153));  // does not disturb the rainbow
  EXPECT_EQ(ColorByIndex(19), RgbValue(255, 255, 0));
  for (int i = 2; i <= 9; ++i) ColorByIndex(20);
  EXPECT_EQ(ColorByIndex(20), RgbValue(255, 204, 153));  // the tenth use starts again
  EXPECT_EQ(ColorByIndex(-2), RgbValue(255, 255, 0));    // fixed indexes never step
  EXPECT_EQ(ColorByIndex(19), RgbValue(80, 240, 80));
}

TEST(ColorByIndex, RgbValueToQColor) {
  EXPECT_EQ(QColorFromRgbValue(0x0000FF), QColor(255, 0, 0));
  EXPECT_EQ(QColorFromRgbValue(0x665544), QColor(0x44, 0x55, 0x66));
  EXPECT_EQ(QColorFromRgbValue(ColorByIndex(12)), QColor(243, 199, 105));
  EXPECT_TRUE(QColorFromRgbValue(-7).isValid());
}

}  // namespace
