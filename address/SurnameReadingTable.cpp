#include "SurnameReadingTable.h"

#include <array>

std::span<const SurnameReading> SurnameReadingTable() {
  static const std::array<SurnameReading, 45> table = {{
      {QStringLiteral("佐藤"), QStringLiteral("ｻﾄｳ")},      {QStringLiteral("鈴木"), QStringLiteral("ｽｽﾞｷ")},
      {QStringLiteral("高橋"), QStringLiteral("ﾀｶﾊｼ")},     {QStringLiteral("田中"), QStringLiteral("ﾀﾅｶ")},
      {QStringLiteral("伊藤"), QStringLiteral("ｲﾄｳ")},      {QStringLiteral("渡辺"), QStringLiteral("ﾜﾀﾅﾍﾞ")},
      {QStringLiteral("山本"), QStringLiteral("ﾔﾏﾓﾄ")},     {QStringLiteral("中村"), QStringLiteral("ﾅｶﾑﾗ")},
      {QStringLiteral("小林"), QStringLiteral("ｺﾊﾞﾔｼ")},    {QStringLiteral("加藤"), QStringLiteral("ｶﾄｳ")},
      {QStringLiteral("吉田"), QStringLiteral("ﾖｼﾀﾞ")},     {QStringLiteral("山田"), QStringLiteral("ﾔﾏﾀﾞ")},
      {QStringLiteral("山口"), QStringLiteral("ﾔﾏｸﾞﾁ")},    {QStringLiteral("松本"), QStringLiteral("ﾏﾂﾓﾄ")},
      {QStringLiteral("井上"), QStringLiteral("ｲﾉｳｴ")},     {QStringLiteral("木村"), QStringLiteral("ｷﾑﾗ")},
      {QStringLiteral("斎藤"), QStringLiteral("ｻｲﾄｳ")},     {QStringLiteral("清水"), QStringLiteral("ｼﾐｽﾞ")},
      {QStringLiteral("山崎"), QStringLiteral("ﾔﾏｻﾞｷ")},    {QStringLiteral("阿部"), QStringLiteral("ｱﾍﾞ")},
      {QStringLiteral("池田"), QStringLiteral("ｲｹﾀﾞ")},     {QStringLiteral("橋本"), QStringLiteral("ﾊｼﾓﾄ")},
      {QStringLiteral("山下"), QStringLiteral("ﾔﾏｼﾀ")},     {QStringLiteral("石川"), QStringLiteral("ｲｼｶﾜ")},
      {QStringLiteral("中島"), QStringLiteral("ﾅｶｼﾞﾏ")},    {QStringLiteral("前田"), QStringLiteral("ﾏｴﾀﾞ")},
      {QStringLiteral("藤田"), QStringLiteral("ﾌｼﾞﾀ")},     {QStringLiteral("小川"), QStringLiteral("ｵｶﾞﾜ")},
      {QStringLiteral("後藤"), QStringLiteral("ｺﾞﾄｳ")},     {QStringLiteral("岡田"), QStringLiteral("ｵｶﾀﾞ")},
      {QStringLiteral("村上"), QStringLiteral("ﾑﾗｶﾐ")},     {QStringLiteral("近藤"), QStringLiteral("ｺﾝﾄﾞｳ")},
      {QStringLiteral("石井"), QStringLiteral("ｲｼｲ")},      {QStringLiteral("坂本"), QStringLiteral("ｻｶﾓﾄ")},
      {QStringLiteral("遠藤"), QStringLiteral("ｴﾝﾄﾞｳ")},    {QStringLiteral("青木"), QStringLiteral("ｱｵｷ")},
      {QStringLiteral("藤井"), QStringLiteral("ﾌｼﾞｲ")},     {QStringLiteral("西村"), QStringLiteral("ﾆｼﾑﾗ")},
      {QStringLiteral("福田"), QStringLiteral("ﾌｸﾀﾞ")},     {QStringLiteral("太田"), QStringLiteral("ｵｵﾀ")},
      {QStringLiteral("三浦"), QStringLiteral("ﾐｳﾗ")},      {QStringLiteral("藤原"), QStringLiteral("ﾌｼﾞﾜﾗ")},
      {QStringLiteral("岡本"), QStringLiteral("ｵｶﾓﾄ")},     {QStringLiteral("松田"), QStringLiteral("ﾏﾂﾀﾞ")},
      {QStringLiteral("中川"), QStringLiteral("ﾅｶｶﾞﾜ")},
  }};
  return table;
}
