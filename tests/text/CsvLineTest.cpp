#include <gtest/gtest.h>

#include "core/text/CsvEscape.h"
#include "core/text/CsvLine.h"

namespace {

// Lines are written with Q for a double quote, | for a TAB and ~ for a NUL.
QString Line(const char16_t* s) {
  QString text = QString::fromUtf16(s);
  text.replace(u'Q', u'"');
  text.replace(u'|', u'\t');
  text.replace(u'~', QChar(0));
  return text;
}

QStringList Fields(std::initializer_list<const char16_t*> items) {
  QStringList out;
  for (const char16_t* s : items) out << Line(s);
  return out;
}

TEST(SplitCsvFields, FollowsTheDialect) {
  struct { const char* what; const char16_t* line; QStringList fields; } rows[] = {
      {"empty line", u"", Fields({u""})},
      {"one comma", u",", Fields({u"", u""})},
      {"plain", u"a,b,c", Fields({u"a", u"b", u"c"})},
      {"trailing separator", u"a,b,", Fields({u"a", u"b", u""})},
      {"quoted comma", u"a,Qb,cQ,d", Fields({u"a", u"b,c", u"d"})},
      {"doubled quotes", u"Qhe said QQhiQQQ", Fields({u"he said QhiQ"})},
      {"blank before quote", u" QxQ", Fields({u"x"})},
      {"only leading blanks go", u"x QyQ", Fields({u"x y"})},
      {"quote opens mid field", u"abQc,dQ", Fields({u"abc,d"})},
      {"blanks after closing quote", u"QabQ  ,c", Fields({u"ab", u"c"})},
      {"text after closing quote", u"QabQx,c", Fields({u"abx", u"c"})},
      {"unclosed quote", u"Qabc,def", Fields({u"abc,def"})},
      {"unclosed quote keeps tabs", u"Qa|b", Fields({u"a|b"})},
      {"quote last character closes", u"a,Qb", Fields({u"a", u"b"})},
      {"lone quote", u"Q", Fields({u""})},
      {"tab separates", u"a|b||c", Fields({u"a", u"b", u"", u"c"})},
      {"mixed separators", u"a|b,c", Fields({u"a", u"b", u"c"})},
      {"blanks kept unquoted", u" a , b ", Fields({u" a ", u" b "})},
      {"control code dropped", u"a\u0001b,\u0008c", Fields({u"ab", u"c"})},
      {"control code dropped in quotes", u"Qa\u0002bQ", Fields({u"ab"})},
      {"nul dropped", u"a~b~", Fields({u"ab"})},
      {"full-width blank kept", u"\u3000a\u3000", Fields({u"\u3000a\u3000"})},
      {"cr and lf kept", u"a\rb\n", Fields({u"a\rb\n"})},
      {"quoted empty", u"QQ,x", Fields({u"", u"x"})},
      {"japanese", u"日付,Q種類,内容Q", Fields({u"日付", u"種類,内容"})},
  };
  for (const auto& r : rows) EXPECT_EQ(SplitCsvFields(Line(r.line)), r.fields) << r.what;
}

TEST(SplitCsvFields, TabAndCommaLinesGiveTheSameFields) {
  EXPECT_EQ(SplitCsvFields(Line(u"1|Q2,3Q|x")), SplitCsvFields(Line(u"1,Q2,3Q,x")));
}

TEST(SplitCsvFields, StopsAtTheLimit) {
  EXPECT_EQ(SplitCsvFields(QStringLiteral("a,b,c,d"), 2), Fields({u"a", u"b"}));
  EXPECT_EQ(SplitCsvFields(QStringLiteral("a,b"), 0), QStringList());
}

TEST(SplitCsvLine, FillsTheCallersArrayFromOne) {
  CsvFieldArray fields(5);
  fields.set(4, QStringLiteral("stale"));
  EXPECT_EQ(SplitCsvLineCount(Line(u"a,Qb,cQ,d"), fields), 3);
  EXPECT_EQ(fields[0], QString());
  EXPECT_EQ(fields[1], QStringLiteral("a"));
  EXPECT_EQ(fields[2], QStringLiteral("b,c"));
  EXPECT_EQ(fields[3], QStringLiteral("d"));
  EXPECT_EQ(fields[4], QString());  // emptied before the split
  EXPECT_EQ(fields.fields(3), Fields({u"a", u"b,c", u"d"}));
}

TEST(SplitCsvLine, EmptyLineIsOneEmptyField) {
  CsvFieldArray fields(3);
  EXPECT_EQ(SplitCsvLineCount(QString(), fields), 1);
  EXPECT_EQ(fields[1], QString());
}

TEST(SplitCsvLine, ExtraFieldsAreIgnoredNotWrittenPastTheArray) {
  QStringList many;
  for (int i = 1; i <= 350; ++i) many << QString::number(i);
  CsvFieldArray fields;  // the address file's 300 fields
  ASSERT_EQ(fields.upperBound(), kMaxCsvFields);
  EXPECT_EQ(SplitCsvLineCount(many.join(u','), fields), 300);
  EXPECT_EQ(fields[300], QStringLiteral("300"));
  EXPECT_EQ(fields[301], QString());
  fields.set(301, QStringLiteral("x"));  // ignored
  EXPECT_EQ(fields[301], QString());
  EXPECT_EQ(fields[-1], QString());

  CsvFieldArray none(0);
  EXPECT_EQ(SplitCsvLineCount(QStringLiteral("a,b"), none), 0);
  EXPECT_EQ(none[1], QString());
}

TEST(SplitCsvLine, LinesLongerThan32767CharactersSplitWhole) {
  const QString longField(40000, u'x');
  CsvFieldArray fields(3);
  EXPECT_EQ(SplitCsvLineCount(longField + u',' + u'"' + longField, fields), 2);
  EXPECT_EQ(fields[1].size(), 40000);
  EXPECT_EQ(fields[2].size(), 40000);
}

TEST(SplitText, LinesAtCrLfPairs) {
  struct { const char* what; const char16_t* text; QStringList parts; } rows[] = {
      {"two lines and a break", u"a\r\nb\r\n", Fields({u"", u"a", u"b", u""})},
      {"empty text", u"", Fields({u"", u""})},
      {"no break", u"abc", Fields({u"", u"abc"})},
      {"lone cr and lf do not cut", u"a\rb\nc", Fields({u"", u"a\rb\nc"})},
      {"empty line between", u"a\r\n\r\nb", Fields({u"", u"a", u"", u"b"})},
  };
  for (const auto& r : rows) {
    QStringList parts{QStringLiteral("old"), QStringLiteral("old")};
    SplitText(kSplitTextLines, QString::fromUtf16(r.text), parts);
    EXPECT_EQ(parts, r.parts) << r.what;
  }
}

TEST(SplitText, CsvFieldsGrowToHoldThemAll) {
  QStringList parts;
  SplitText(kSplitTextCsvFields, Line(u"a,Qb,cQ,d"), parts);
  EXPECT_EQ(parts, Fields({u"", u"a", u"b,c", u"d"}));
  QStringList many;
  for (int i = 0; i < 500; ++i) many << QStringLiteral("f");
  SplitText(kSplitTextCsvFields, many.join(u','), parts);
  EXPECT_EQ(parts.size(), 501);
}

TEST(SplitText, OtherModesGiveNoPieces) {
  QStringList parts{QStringLiteral("old")};
  SplitText(1, QStringLiteral("a,b"), parts);
  EXPECT_EQ(parts, QStringList{QString()});
}

TEST(CsvEscape, EscapeAndUnescape) {
  struct { const char* what; QString (*fn)(const QString&); const char16_t* in; const char16_t* out; } rows[] = {
      {"escape breaks", EscapeCsvField, u"line1\r\n\r\nline2\r\n", u"line1\\n\\nline2"},
      {"escape doubles quotes", EscapeCsvField, u"say \"hi\"", u"say \"\"hi\"\""},
      {"escape keeps lone cr lf", EscapeCsvField, u"a\rb\nc", u"a\rb\nc"},
      {"escape drops typed trailing \\n", EscapeCsvField, u"path\\n\r\n", u"path"},
      {"escape empty", EscapeCsvField, u"", u""},
      {"unescape to breaks", UnescapeCsvField, u"line1\\n\\nline2\\n", u"line1\r\n\r\nline2"},
      {"unescape quotes", UnescapeCsvField, u"a\"\"b\"\"\"\"c", u"a\"b\"\"c"},
      {"unescape upper N stays", UnescapeCsvField, u"a\\Nb", u"a\\Nb"},
      {"list field", UnescapeListField, u"a\\nb\\n", u"a b"},
      {"list field trailing blanks", UnescapeListField, u"a\\nb  \\n\\n", u"a b"},
      {"list field quotes", UnescapeListField, u"\"\"x\"\"", u"\"x\""},
  };
  for (const auto& r : rows) EXPECT_EQ(r.fn(QString::fromUtf16(r.in)), QString::fromUtf16(r.out)) << r.what;
}

TEST(CsvEscape, EscapedFieldReadsBackThroughTheSplitter) {
  const QString remark = QStringLiteral(u"一行目\r\n\"引用\", 二行目");
  const QString line = QStringLiteral("x,\"") + EscapeCsvField(remark) + QStringLiteral("\",y");
  const QStringList fields = SplitCsvFields(line);
  ASSERT_EQ(fields.size(), 3);
  EXPECT_EQ(fields[1], QStringLiteral(u"一行目\\n\"引用\", 二行目"));
  EXPECT_EQ(fields[2], QStringLiteral("y"));
}

}  // namespace
