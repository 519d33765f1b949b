#include <gtest/gtest.h>

#include "core/text/StringHelpers.h"

namespace {

TEST(ReplaceAll, ReplacesLeftToRightWithoutRescanning) {
  struct { const char16_t* text; const char16_t* find; const char16_t* repl; const char16_t* out; } rows[] = {
      {u"abcabc", u"bc", u"", u"aa"},
      {u"abcabc", u"BC", u"", u"abcabc"},
      {u"abc", u"x", u"y", u"abc"},
      {u"aaa", u"a", u"aa", u"aaaaaa"},
      {u"\"\"\"", u"\"\"", u"\"", u"\"\""},
      {u"abc", u"", u"x", u"abc"},
      {u"予定予定", u"予", u"よ", u"よ定よ定"},
  };
  for (const auto& r : rows)
    EXPECT_EQ(ReplaceAll(QString::fromUtf16(r.text), QString::fromUtf16(r.find), QString::fromUtf16(r.repl)),
              QString::fromUtf16(r.out))
        << QString::fromUtf16(r.text).toStdString();
}

TEST(StripPrefixNoCase, RestOrCodeZero) {
  const QString prefix = QStringLiteral("@TITLE=");
  EXPECT_EQ(StripPrefixNoCase(QStringLiteral(u"@title=予定表"), prefix), QStringLiteral(u"予定表"));
  EXPECT_EQ(StripPrefixNoCase(QStringLiteral("@Title=Mixed Case"), prefix), QStringLiteral("Mixed Case"));
  EXPECT_EQ(StripPrefixNoCase(QStringLiteral("@TITLE="), prefix), QString());
  EXPECT_EQ(StripPrefixNoCase(QStringLiteral("@SIZE_TYPE=3"), prefix), QString(QChar(0)));
  EXPECT_EQ(StripPrefixNoCase(QStringLiteral("@TIT"), prefix), NoPrefixMatch());
  EXPECT_EQ(StripPrefixNoCase(QStringLiteral("any"), QString()), QStringLiteral("any"));
  EXPECT_EQ(NoPrefixMatch().size(), 1);
}

TEST(SplitBySlash, AlwaysOneMoreThanSlashes) {
  struct { const char16_t* text; QStringList parts; } rows[] = {
      {u"A/M:", {QStringLiteral("A"), QStringLiteral("M:")}},
      {u"/a", {QString(), QStringLiteral("a")}},
      {u"a//b", {QStringLiteral("a"), QString(), QStringLiteral("b")}},
      {u"", {QString()}},
      {u"ringpad /C:2024-1-2/X", {QStringLiteral("ringpad "), QStringLiteral("C:2024-1-2"), QStringLiteral("X")}},
  };
  for (const auto& r : rows) {
    QStringList parts{QStringLiteral("old")};
    SplitBySlash(QString::fromUtf16(r.text), parts);
    EXPECT_EQ(parts, r.parts) << QString::fromUtf16(r.text).toStdString();
  }
}

TEST(TrimBlanks, RemovesHalfWidthBlanksOnly) {
  EXPECT_EQ(TrimBlanks(QStringLiteral(u"  \u3000予定\u3000 ")), QStringLiteral(u"\u3000予定\u3000"));
  EXPECT_EQ(TrimBlanks(QStringLiteral("\ta\t")), QStringLiteral("\ta\t"));
  EXPECT_EQ(TrimBlanks(QStringLiteral("   ")), QString());
}

}  // namespace
