#include <gtest/gtest.h>

#include "core/text/OptionLine.h"

namespace {

TEST(ParseParamItem, SplitsEveryShapeOfLine) {
  struct { const char16_t* line; const char16_t* key; const char16_t* param; const char16_t* value; } rows[] = {
      {u"@TITLE=電話帳", u"TITLE", u"", u"電話帳"},
      {u"@TABLE_ITEM_XY(日本語)=ITEM,3.174603,7.936508", u"TABLE_ITEM_XY", u"日本語", u"ITEM,3.174603,7.936508"},
      {u"@TITLE(2000/01/13 21:07:28)=メモの使い方", u"TITLE", u"2000/01/13 21:07:28", u"メモの使い方"},
      {u"@PAGE", u"PAGE", u"", u""},
      {u"@FONTSIZE=", u"FONTSIZE", u"", u""},
      {u"@KEY=a(b)", u"KEY", u"", u"a(b)"},
      {u"@KEY(a=b)=c", u"KEY", u"a=b", u"c"},
      {u"@KEY(a)x=c", u"KEY", u"a", u"c"},
      {u"@KEY(abc=1", u"KEY(abc", u"", u"1"},
      {u"@KEY(p)", u"KEY(p)", u"", u""},
      {u"@KEY(a=b)", u"KEY(a=b)", u"a=b", u""},
      {u"@(note)=text", u"(VALUE)", u"note", u"text"},
      {u"@()=x", u"(VALUE)", u"", u"x"},
      {u"@(note)x=text", u"", u"note", u"text"},
      {u"@key= spaced value ", u"key", u"", u" spaced value "},
      {u"@A=b=c", u"A", u"", u"b=c"},
      {u"@", u"", u"", u""},
      {u"@=", u"", u"", u""},
      {u"@(", u"(", u"", u""},
      {u"TITLE=x", u"", u"", u""},
      {u" @TITLE=x", u"", u"", u""},
      {u"", u"", u"", u""},
  };
  for (const auto& r : rows) {
    QString key = QStringLiteral("old"), param = QStringLiteral("old"), value = QStringLiteral("old");
    const QString line = QString::fromUtf16(r.line);
    ParseParamItem(line, key, param, value);
    EXPECT_EQ(key, QString::fromUtf16(r.key)) << line.toStdString();
    EXPECT_EQ(param, QString::fromUtf16(r.param)) << line.toStdString();
    EXPECT_EQ(value, QString::fromUtf16(r.value)) << line.toStdString();
  }
}

}  // namespace
