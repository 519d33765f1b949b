// The one rule by which stored numbers are read, and the rounding into integers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/text/Numbers.h"

namespace {

struct NumberCase {
  const char16_t* text;
  double expected;
};

TEST(ParseNumber, ReadsDecimalAndHexadecimalText) {
  const NumberCase cases[] = {
      {u"", 0},
      {u"abc", 0},
      {u"12", 12},
      {u"   12", 12},
      {u"\t-7", -7},
      {u"+3.5", 3.5},
      {u"-.5", -0.5},
      {u".25x", 0.25},
      {u"5.", 5},
      {u"1.2.3", 1.2},
      {u"12abc", 12},
      {u"1 2", 1},  // reading stops at the blank
      {u"1e3", 1000},
      {u"1E+2", 100},
      {u"2.5e-1", 0.25},
      {u"1d2", 100},
      {u"7e", 7},  // an exponent without digits is not part of the number
      {u"7e+", 7},
      {u"-", 0},
      {u".", 0},
      {u"-e5", 0},
      {u"１２", 0},  // full-width digits are not digits
      // "&H": up to four digits a signed 16-bit value, five to eight a signed 32-bit one.
      {u"&HEEEEEE", 15658734},
      {u"&HFFFF", -1},
      {u"&H8000", -32768},
      {u"&H7FFF", 32767},
      {u"&H0FFFF", 65535},
      {u"&H10000", 65536},
      {u"&HFFFFFFFF", -1},
      {u"&H80000000", -2147483648.0},
      {u"&h1a", 26},
      {u"  &H666666", 6710886},
      {u"&HFFZ", 255},
      {u"&H", 0},
      {u"&HZ", 0},
      {u"&", 0},
      {u"&H000000001", 1},  // leading zeros beyond eight digits change nothing
      {u"&H123456789", 4886718345.0},
      {u"15658734", 15658734},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ParseNumber(QString::fromUtf16(c.text)), c.expected) << QString::fromUtf16(c.text).toStdString();
}

TEST(ParseNumber, AbsurdNumbersStayFinite) {
  EXPECT_EQ(ParseNumber(QStringLiteral("1e999")), std::numeric_limits<double>::max());
  EXPECT_EQ(ParseNumber(QStringLiteral("-1e999")), -std::numeric_limits<double>::max());
  EXPECT_EQ(ParseNumber(QStringLiteral("1e-999")), 0);
  EXPECT_TRUE(std::isfinite(ParseNumber(QStringLiteral("&H") + QString(200, u'F'))));
  EXPECT_EQ(ParseNumber(QString(400, u'9')), std::numeric_limits<double>::max());
  EXPECT_EQ(ParseSingle(QStringLiteral("1e300")), std::numeric_limits<float>::max());
  EXPECT_EQ(ParseInt16(QStringLiteral("99999")), 32767);
  EXPECT_EQ(ParseInt16(QStringLiteral("-99999")), -32768);
  EXPECT_EQ(ParseInt32(QStringLiteral("1e20")), 2147483647);
  EXPECT_EQ(ParseInt32(QStringLiteral("-1e20")), std::numeric_limits<int32_t>::min());
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  const std::pair<double, double> cases[] = {
      {0.5, 0},   {1.5, 2},     {2.5, 2},   {-0.5, 0},  {-1.5, -2}, {-2.5, -2},
      {147.5, 148}, {150.5, 150}, {2.4, 2}, {2.6, 3},   {-2.6, -3}, {7, 7}};
  for (auto [value, expected] : cases) EXPECT_EQ(RoundHalfEven(value), expected) << value;
  EXPECT_EQ(ToInt16(32767.5), 32767);
  EXPECT_EQ(ToInt16(std::nan("")), 0);
  EXPECT_EQ(ToInt32(2.5), 2);
  EXPECT_EQ(ToInt32(-3.5), -4);
  EXPECT_EQ(ParseInt16(QStringLiteral("&HFFFF")), -1);
}

}  // namespace
