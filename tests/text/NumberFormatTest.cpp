// Numbers formatted for printed columns: price and quantity columns of
// tables, the weight and the ratio of the diet sheets.
#include <gtest/gtest.h>

#include "core/text/NumberFormat.h"

namespace {

TEST(NumberFormat, TrailingZerosOfTheFractionBecomeBlanks) {
  struct Row { const char* value; const char* format; const char* expected; };
  const Row rows[] = {
      {"12.5", "##0.000", "12.5  "},
      {"12.500", "##0.000", "12.5  "},
      {"3", "##0.000", "3.   "},
      {"0.25", "##0.000", "0.25 "},
      {"  -7.1abc", "##0.000", "-7.1  "},
      {"1234.5", "#,##0.00", "1,234.5 "},
      {"100", "##0", "100"},  // no point in the format: no zero is replaced
      {"2.0004", "##0.000", "2.   "},
      {"0", "##0.000", ""},
      {"abc", "##0.000", ""},
      {"1e3", "##0.000", "1.   "},  // no exponent in a price column
      {"&H10", "##0.000", ""},       // nor a hexadecimal number
      {"1.5.7", "##0.000", "1.5  "},
      {"-.5", "##0.000", "-0.5  "},
      {"", "##0.000", ""},
  };
  for (const Row& r : rows)
    EXPECT_EQ(FormatNumberBlankZeros(QString::fromUtf8(r.value), QString::fromUtf8(r.format)),
              QString::fromUtf8(r.expected))
        << r.value << " with " << r.format;
}

TEST(NumberFormat, PlaceholdersGroupingAndRounding) {
  EXPECT_EQ(FormatNumberPattern(0.5, QStringLiteral("#")), QStringLiteral("1"));
  EXPECT_EQ(FormatNumberPattern(0.25, QStringLiteral("#.#")), QStringLiteral(".3"));
  EXPECT_EQ(FormatNumberPattern(7, QStringLiteral("000")), QStringLiteral("007"));
  EXPECT_EQ(FormatNumberPattern(1234567, QStringLiteral("#,##0")), QStringLiteral("1,234,567"));
  EXPECT_EQ(FormatNumberPattern(1.5, QStringLiteral("0.0#")), QStringLiteral("1.5"));
  EXPECT_EQ(FormatNumberPattern(-0.0001, QStringLiteral("0.00")), QStringLiteral("0.00"));
  EXPECT_EQ(FormatNumberPattern(3, QStringLiteral("¥#,##0円")), QStringLiteral("¥3円"));
}

}  // namespace
