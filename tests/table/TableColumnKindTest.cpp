#include <gtest/gtest.h>

#include "TableColumnKind.h"

namespace {

TEST(TableColumnKind, HeadingsDecideTheKind) {
  const struct {
    const char* heading;
    double kind;
  } cases[] = {
      {"単価.", ColumnKindUnitPrice}, {"商品単価.", ColumnKindNumber}, {"単価", ColumnKindAmount},
      {"単位", ColumnKindText},       {"Start.", ColumnKindNumber},    {"Cost.", ColumnKindNumber},
      {"Date", ColumnKindText},       {"Price", ColumnKindAmount},     {"TotalCost", ColumnKindAmount},
      {"price", ColumnKindText},      {"金", ColumnKindText},          {" 金  ", ColumnKindText},
      {"料金", ColumnKindAmount},     {"金額", ColumnKindAmount},      {"金@CENTER", ColumnKindCentre},
      {"日", ColumnKindNumber},       {"日付", ColumnKindText},        {"月日", ColumnKindText},
      {"人日", ColumnKindNumber},     {"日数", ColumnKindNumber},      {"a@CENTER@RIGHT", ColumnKindNumber},
      {"数量", ColumnKindNumber},     {"割合", ColumnKindNumber},      {"点数", ColumnKindNumber},
      {"No", ColumnKindNumber},       {"NO", ColumnKindNumber},        {"no", ColumnKindText},
      {"支払い", ColumnKindAmount},   {"", ColumnKindText},            {"収入", ColumnKindAmount},
      {"@[RED]残高", ColumnKindAmount},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ColumnKindFromHeading(QString::fromUtf8(c.heading)), c.kind) << c.heading;
}

}  // namespace
