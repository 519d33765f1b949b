#include <gtest/gtest.h>

#include "TestEnvironment.h"
#include "address/AddressTextParser.h"

using namespace Qt::StringLiterals;

namespace {

const QStringList kSignature = {u"山田 太郎"_s,
                                u"フリガナ：ヤマダ タロウ"_s,
                                u"株式会社サンプル 営業部"_s,
                                u"〒123-4567 東京都千代田区1-1-1 サンプルビル3F"_s,
                                u"TEL：０３－１２３４－５６７８"_s,
                                u"E-mail: taro@example.co.jp"_s};

TEST(AddressTextParser, SignatureBlockWhateverTheLineEnds) {
  struct {
    const char* key;
    QString expected;
  } fields[] = {
      {"ZIP", u"123-4567"_s},     {"ADDRESS1", u"東京都千代田区1-1-1"_s}, {"ADDRESS2", u"サンプルビル3F"_s},
      {"OFFICE", u"株式会社サンプル 営業部"_s}, {"NAME", u"山田 太郎"_s}, {"KANA", u"ヤマダ タロウ"_s},
      {"MAIL", u"taro@example.co.jp"_s}, {"e-mail", u"taro@example.co.jp"_s}, {"TEL", u"03-1234-5678"_s},
      {"tel", u"03-1234-5678"_s}, {"TOP", u"山田 太郎"_s}, {"ID", {}}, {"FAX", {}}, {"POST", {}}, {"URL", {}},
      {"", {}}, {"CRLF", {}}, {"NOSUCHKEY", {}},
  };
  for (const char* end : {"\r\n", "\n", "\r"}) {
    const QString text = kSignature.join(QString::fromLatin1(end));
    for (const auto& f : fields)
      EXPECT_EQ(ParseAddressText(text, QString::fromLatin1(f.key)), f.expected) << f.key << " line end " << int(end[0]);
  }
}

TEST(AddressTextParser, SingleLines) {
  struct {
    QString text;
    const char* key;
    QString expected;
  } rows[] = {
      {{}, "NAME", {}},
      {{}, "", {}},
      {u"サンプル商店"_s, "OFFICE", u"サンプル商店"_s},
      {u"閉店 20時"_s, "SHOPTIME", u"20時"_s},
      {u"閉店"_s, "OFFICE", {}},
      {u"123-4567"_s, "TEL", u"123-4567"_s},
      {u"123-4567"_s, "ZIP", {}},
      {u"123-4567\r\nTEL 03-1111-2222"_s, "ZIP", u"123-4567"_s},
      {u"〒123-4567 東京都港区1-2"_s, "ADDRESS1", u"東京都港区1-2"_s},
      {u"----------\r\nあいう"_s, "TOP", u"あいう"_s},
      {u"x\r\nあいう"_s, "TOP", u"あいう"_s},
      {u"★ ☆見出し☆"_s, "TOP", u"☆見出し"_s},
      {u"お店のジャンル：日本料理"_s, "SHOPCATEGORY", u"和"_s},
      {u"定休日 月曜"_s, "SHOPDATE", u"月曜"_s},
      {u"ジョン スミス\r\nメアリ ブラウン"_s, "NAME", {}},
      {u"ジョン スミス\r\nメアリ ブラウン"_s, "", u"ジョン スミス メアリ ブラウン"_s},
      {u"ジョン スミス\r\nメアリ ブラウン"_s, "CRLF", u"ジョン スミス\r\nメアリ ブラウン\r\n"_s},
      {u"ジョン スミス"_s, "NAME", u"ジョン スミス"_s},
      {u"> 山田 太郎\r\n> TEL 03-1111-2222"_s, "NAME", u"山田 太郎"_s},
      {u"> 山田 太郎\r\n> TEL 03-1111-2222"_s, "TEL", u"03-1111-2222"_s},
      {u"E-mail: taro@example.co.jp"_s, "", {}},
      {u"E-MAIL: a@mail.example.com"_s, "MAIL", u"a@mail.example.com"_s},
      {u"taro@example.jp"_s, "MAIL", u"taro@example.jp"_s},
      {u"http://example.com/\r\nTOP/"_s, "URL", u"http://example.com/"_s},
      {u"見出し/"_s, "TOP", u"見出し"_s},
      {u"URL:http://example.jp"_s, "URL", u"http://example.jp"_s},
      {u"会員 佐々木一郎様"_s, "NAME", u"佐々木一郎様"_s},
      {u"会員 佐々木一郎様"_s, "", u"会員"_s},
      {u"担当：田中花子"_s, "NAME", u"田中花子"_s},
      {u"ご担当 みどり子 さん"_s, "NAME", u"みどり子 さん"_s},
      {u"はなこ よう子 さま"_s, "NAME", u"はなこ よう子"_s},
      {u"山田花子 yamada@example.jp"_s, "NAME", u"山田花子"_s},
      {u"山田花子 yamada@example.jp"_s, "MAIL", u"yamada@example.jp"_s},
      {u"住所：123-4567東京都"_s, "ZIP", u"123-4567"_s},
      {u"住所：123-4567東京都"_s, "ADDRESS1", u"東京都"_s},
  };
  for (const auto& r : rows)
    EXPECT_EQ(ParseAddressText(r.text, QString::fromUtf8(r.key)), r.expected) << r.text.toStdString() << " / " << r.key;
}

TEST(AddressTextParser, HostileTextAlwaysGivesAString) {
  const QString keys[] = {u"TOP"_s, u"ZIP"_s, u"ADDRESS1"_s, u"NAME"_s, u"TEL"_s, u"MAIL"_s, u"URL"_s, u""_s};
  QString controls;
  for (char16_t c = 0; c < 0x20; ++c) controls += QChar(c);
  const QString texts[] = {
      QString(1'000'000, u'山'),
      QString(u"○●◇\r\n"_s).repeated(20'000),
      controls + u"😀 山田 太郎 😀"_s,
      QString(u"> > >\r\n"_s).repeated(1000),
      u"@.jp MAIL @ MAIL. http:// URL"_s,
  };
  for (const QString& t : texts)
    for (const QString& k : keys) (void)ParseAddressText(t, k);
  EXPECT_EQ(ParseAddressText(u"😀 山田 太郎"_s, u"NAME"_s), u"山田 太郎"_s);
  EXPECT_EQ(ParseAddressText(u"😀 山田 太郎"_s, u""_s), u"😀"_s);
}

class ClipboardHelpTest : public RingpadTest {};

TEST_F(ClipboardHelpTest, ExplainsTheButton) {
  ShowClipboardParserHelp(u"住所情報"_s, u"氏名"_s);
  ASSERT_EQ(messages().texts().size(), 1);
  const QStringList rows = messages().texts()[0].split(u"\r\n"_s);
  ASSERT_EQ(rows.size(), 14);
  EXPECT_EQ(rows[0], u"＜クリップボード解析機能＞"_s);
  EXPECT_EQ(rows[2], u"  インターネットやメールなどで送られてきた住所情報を"_s);
  EXPECT_EQ(rows[7], u"  クリップボードに保管した先頭行が氏名として保管されます。"_s);
  EXPECT_EQ(rows[13], QString());
}

}  // namespace
