// What the link buttons make of the entry's fields, and the two exports for
// the mail add-in.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "address/AddressLinks.h"
#include "address/AddressRecord.h"
#include "address/MailListHtml.h"
#include "address/PhoneListExport.h"
#include "core/text/JapaneseText.h"

namespace {

// What the URL field asks for, before the launcher decides whether it may
// be opened: a host name gets "http://", a scheme stays what it is.
TEST(AddressLinks, WebFieldNamesItsTargetAsItIs) {
  const struct {
    const char* field;
    const char* target;
  } rows[] = {
      {"www.example.com", "http://www.example.com"},
      {" https://example.com/a ", "https://example.com/a"},
      {"localhost:8080", "http://localhost:8080"},
      {"example.com:80/x", "http://example.com:80/x"},
      {"HTTP://", ""},
      {"http://", ""},
      {"", ""},
      {"ftp://example.com/f", "ftp://example.com/f"},
      {"file:///etc/passwd", "file:///etc/passwd"},
      {"javascript:alert(1)", "javascript:alert(1)"},
      {"tel:0312345678", "tel:0312345678"},
      {"C:\\x\\jxsender.exe", "C:\\x\\jxsender.exe"},
      {"//server/share/none.htm", "//server/share/none.htm"},
      {"/home/u/page.htm", "/home/u/page.htm"},
      {"-h", "http://-h"},
  };
  for (const auto& r : rows) EXPECT_EQ(WebLinkTarget(QString::fromUtf8(r.field)), QString::fromUtf8(r.target)) << r.field;
}

TEST(AddressLinks, SecondMailAddressOnlyWhileTheRemarkSaysSo) {
  EXPECT_EQ(MailRecipients(" a@x.jp ", "ﾒｰﾙ2", " b@y.jp "), QStringLiteral("a@x.jp,b@y.jp"));
  EXPECT_EQ(MailRecipients("a@x.jp", "備考", "b@y.jp"), QStringLiteral("a@x.jp"));
  EXPECT_EQ(MailRecipients("a@x.jp", "ﾒｰﾙ2", "  "), QStringLiteral("a@x.jp"));
  EXPECT_EQ(MailRecipients("", "ﾒｰﾙ2", "b@y.jp"), QStringLiteral(",b@y.jp"));
}

TEST(AddressLinks, PostalAnswerIsReadFromItsPlaces) {
  const QString answer = QStringLiteral("100-0001 東京都千代田区千代田\r\n");
  EXPECT_EQ(PostalAnswerAddress(answer), QStringLiteral("東京都千代田区千代田"));
  EXPECT_EQ(PostalAnswerCode(answer), QStringLiteral("100-0001"));
  EXPECT_EQ(PostalAnswerCode(QStringLiteral("見つかりません")), QString());
  EXPECT_EQ(PostalAnswerCode(QStringLiteral("1000001 x")), QString());
  EXPECT_EQ(PostalAnswerAddress(QString()), QString());
}

QStringList Book(const QStringList& entries) {
  QStringList lines{kAddressHeader};
  for (const QString& e : entries) lines << e;
  return lines;
}

TEST(PhoneListExport, NamesAndDigitsOfEntriesWithMailAndTelephone) {
  const QStringList book = Book({
      "ｱ,友人,青木,,,03-1234-5678,0|1|0|0|0|0|0|,,,,,,a@x.jp",
      "ｲ,友人,石井,,090-1,03-2,0|0|0|0|0|0|0|,,(06)3,,,,i@x.jp",
      "ｳ,友人,上田,,090-9,,0|1|0|0|0|0|0|",  // no mail
      "ｴ,友人,江藤,,,,0|1|0|0|0|0|0|,,,,,,e@x.jp",  // no number
  });
  EXPECT_EQ(BuildPhoneListText(book, "友人", false),
            QStringLiteral("@TITLE=電話帳\r\n青木\r\nTEL:0312345678\r\n石井\r\nTEL:0901\r\nTEL:032\r\nTEL:063\r\n"));
  // "選択行": only the entries marked "よく使う".
  EXPECT_EQ(BuildPhoneListText(book, QString(), true), QStringLiteral("@TITLE=電話帳\r\n青木\r\nTEL:0312345678\r\n"));
  EXPECT_EQ(BuildPhoneListText(Book({}), QString(), false), QStringLiteral("@TITLE=電話帳\r\n"));
}

TEST(PhoneListExport, StopsAtTheFirstMailEntryAfterTheLimit) {
  QStringList entries;
  for (int i = 0; i < 2000; ++i)
    entries << QStringLiteral("ｱ,c,名前%1,,03-1111-%1,,0|1|0|0|0|0|0|,,,,,,%2").arg(i, 4, 10, QChar(u'0')).arg(i % 3 ? "m@x" : "");
  const QString text = BuildPhoneListText(Book(entries), QString(), false);
  const int bytes = AnsiByteLen(text);
  const QString lastEntry = text.section(QStringLiteral("\r\n"), -3, -3);
  const int lastLen = AnsiByteLen(lastEntry + "\r\nTEL:0311110000\r\n");
  EXPECT_GE(bytes, kPhoneListByteLimit);
  EXPECT_LT(bytes - lastLen, kPhoneListByteLimit);
  EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
}

TEST(MailListHtml, PageOfMailLinksGroupedByInitial) {
  const QStringList book = Book({
      ",c,無読,,,,,,,,,,n@x.jp",
      "ｱｵｷ,友人,A&B <C>,あお,,,,,,,,,\"a\"\"@x.jp\",,,,,,,www.example.com",
      "ｱﾍﾞ,仕事,,,,,,,,,,,b@x.jp,,,,,,,https://b.example/",
      "ｲﾄｳ,友人,伊藤,,,,,,,,,,,,,,,,,HTTP://",  // no mail: not listed
      "ｲﾏｲ,友人,今井,,,,,,,,,,i@x.jp,,,,,,,HTTP://",
  });
  const QString block = QStringLiteral(
      "<BR><TABLE BORDER=1 WIDTH=\"100%\" BGCOLOR=\"#D2C2AE\" >\r\n<TR VALIGN=CENTER>\r\n"
      "<TD><B><FONT SIZE=+2>%1</FONT></B></TD>\r\n</TR>\r\n</TABLE>\r\n");
  const QString expected =
      QStringLiteral("<HTML>\r\n<HEAD><TITLE>便利データ／リンク集</TITLE></HEAD>\r\n<BODY BGCOLOR=\"#FFFFCA\">\r\n"
                     "<HR><H1>メールアドレス集</H1><HR>\r\n") +
      QStringLiteral("　<A HREF=\"mailto:n@x.jp\">無読</A>　c<BR>\r\n") + block.arg("ｱ") +
      QStringLiteral("　<A HREF=\"mailto:a&quot;@x.jp\">A&amp;B &lt;C&gt; (あお)</A>　<A HREF=\"http://www.example.com\">HP</A>"
                     "　友人<BR>\r\n") +
      QStringLiteral("　<A HREF=\"mailto:b@x.jp\"></A>　<A HREF=\"https://b.example/\">HP</A>　仕事<BR>\r\n") +
      block.arg("ｲ") + QStringLiteral("　<A HREF=\"mailto:i@x.jp\">今井</A>　友人<BR>\r\n") +
      QStringLiteral("<HR></BODY></HTML>\r\n");
  EXPECT_EQ(MailListHtmlText(book, QString()), expected);
}

}  // namespace
