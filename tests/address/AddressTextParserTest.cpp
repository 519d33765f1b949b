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

// Every key the parser answers, the two remainder keys and one it does not know.
const QString kEveryKey[] = {u"TOP"_s,      u"ZIP"_s,      u"ADDRESS1"_s,     u"ADDRESS2"_s,  u"OFFICE"_s,
                             u"ID"_s,       u"KANA"_s,     u"NAME"_s,         u"TEL"_s,       u"FAX"_s,
                             u"E-MAIL"_s,   u"MAIL"_s,     u"URL"_s,          u"DATE"_s,      u"POST"_s,
                             u"SHOPDATE"_s, u"SHOPTIME"_s, u"SHOPMICHI"_s,    u"SHOPCAR"_s,   u"SHOPCATEGORY"_s,
                             u"施設"_s,     u"予算"_s,     u"CRLF"_s,         u""_s,          u"NOSUCHKEY"_s};

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

TEST(AddressTextParser, EmptyTextGivesNothingForEveryKey) {
  for (const QString& k : kEveryKey) EXPECT_EQ(ParseAddressText(QString(), k), QString()) << k.toStdString();
}

// The classification rows, the address and category tables and the final
// clean-ups of company and address, one line (or two) at a time.
TEST(AddressTextParser, ClassificationRows) {
  struct {
    QString text;
    const char* key;
    QString expected;
  } rows[] = {
      // Access and route: the first label of the row found in the line.
      {u"アクセス：JR新宿駅から徒歩5分"_s, "SHOPMICHI", u"JR新宿駅から徒歩5分"_s},
      {u"最寄駅 渋谷"_s, "SHOPMICHI", u"渋谷"_s},
      {u"Access: 駅前"_s, "SHOPMICHI", u"駅前"_s},
      // Parking, after the line's full-width brackets became half-width.
      {u"駐車場：あり（10台）"_s, "SHOPCAR", u"あり(10台)"_s},
      // Budget, also under the spaced-out label (full-width spaces become blanks).
      {u"予算：3000円"_s, "予算", u"3000円"_s},
      {u"平　均　予　算：5000円"_s, "予算", u"5000円"_s},
      {u"宿泊費 8000円"_s, "予算", u"8000円"_s},
      {u"施設：座敷・個室"_s, "施設", u"座敷・個室"_s},
      // A company-name label wins over the company word 会社 inside it.
      {u"会社名：サンプル"_s, "OFFICE", u"サンプル"_s},
      {u"CompanyName: Sample Inc."_s, "OFFICE", u"Sample Inc."_s},
      {u"店名：喫茶ひまわり"_s, "OFFICE", u"喫茶ひまわり"_s},
      // An office keeps its line for the later rules and the remainder.
      {u"サンプル事務所\r\nジョン スミス"_s, "OFFICE", u"サンプル事務所"_s},
      {u"サンプル事務所\r\nジョン スミス"_s, "", u"サンプル事務所 ジョン スミス"_s},
      {u"部署：総務"_s, "OFFICE", u"総務"_s},
      {u"Department: Sales"_s, "OFFICE", u"Sales"_s},
      {u"システム設計部"_s, "OFFICE", u"システム設計部"_s},
      // Fax beside a telephone number on one line; full-width label and digits.
      {u"TEL 03-1111-2222 FAX 03-1111-3333"_s, "TEL", u"03-1111-2222"_s},
      {u"TEL 03-1111-2222 FAX 03-1111-3333"_s, "FAX", u"03-1111-3333"_s},
      {u"ＦＡＸ：０３－１２３４－５６７９"_s, "FAX", u"03-1234-5679"_s},
      {u"ファックス 06-1111-2222"_s, "FAX", u"06-1111-2222"_s},
      {u"ユーザーID：12345"_s, "ID", u"12345"_s},
      {u"登録番号：００４２"_s, "ID", u"0042"_s},
      {u"ご購入日：2024/05/01"_s, "DATE", u"2024/05/01"_s},
      {u"Date: 2024-05-01"_s, "DATE", u"2024-05-01"_s},
      // Position; a title line is copied once however many titles it holds,
      // and stays for the later rules.
      {u"役職：部長"_s, "POST", u"部長"_s},
      {u"弁護士・弁理士 ジョン スミス"_s, "POST", u"弁護士・弁理士 ジョン スミス"_s},
      {u"ジョン スミス 税理士\r\nメアリ ブラウン"_s, "", u"ジョン スミス 税理士 メアリ ブラウン"_s},
      // 郡 alone marks an address line.
      {u"西多摩郡瑞穂1-2"_s, "ADDRESS1", u"西多摩郡瑞穂1-2"_s},
      // Every shortened shop category, and one kept as written.
      {u"お店のジャンル：日本料理"_s, "SHOPCATEGORY", u"和"_s},
      {u"お店のジャンル：洋風料理"_s, "SHOPCATEGORY", u"洋"_s},
      {u"お店のジャンル：国籍料理"_s, "SHOPCATEGORY", u"他"_s},
      {u"お店のジャンル：飲み処"_s, "SHOPCATEGORY", u"宴会"_s},
      {u"お店のジャンル：甘味処"_s, "SHOPCATEGORY", u"菓子軽食"_s},
      {u"お店のジャンル：中華料理"_s, "SHOPCATEGORY", u"中"_s},
      {u"お店のジャンル：肉料理"_s, "SHOPCATEGORY", u"肉"_s},
      {u"お店のジャンル：スパゲッティ"_s, "SHOPCATEGORY", u"パスタ"_s},
      {u"お店のジャンル：ラーメン"_s, "SHOPCATEGORY", u"ラーメン"_s},
      // A 社名 prefix and the address prefixes 所在地 and 場所: come off.
      {u"社名 株式会社サンプル"_s, "OFFICE", u"株式会社サンプル"_s},
      {u"住所：所在地東京都港区1-1"_s, "ADDRESS1", u"東京都港区1-1"_s},
      {u"場所：東京都港区1-1"_s, "ADDRESS1", u"東京都港区1-1"_s},
      // A rule of one emoji, however often repeated, is no line; two emoji are.
      {u"😀\r\nあいう"_s, "TOP", u"あいう"_s},
      {u"😀😀😀\r\nあいう"_s, "TOP", u"あいう"_s},
      {u"😀😁\r\nあいう"_s, "TOP", u"😀😁"_s},
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
      controls + u"😀 山田 太郎 😀"_s,
      QString(u"> > >\r\n"_s).repeated(1000),
      u"@.jp MAIL @ MAIL. http:// URL"_s,
  };
  for (const QString& t : texts)
    for (const QString& k : keys) (void)ParseAddressText(t, k);
  // A paste of 50,000 lines, each only bullets: every line is cleared and
  // nothing is left over. The key does not change the work of a parse, so two
  // keys keep this quick under the sanitizers.
  const QString bullets = QString(u"○●◇\r\n"_s).repeated(50'000);
  EXPECT_EQ(ParseAddressText(bullets, u"TOP"_s), QString());
  EXPECT_EQ(ParseAddressText(bullets, u"CRLF"_s), QString());
  EXPECT_EQ(ParseAddressText(u"😀 山田 太郎"_s, u"NAME"_s), u"山田 太郎"_s);
  EXPECT_EQ(ParseAddressText(u"😀 山田 太郎"_s, u""_s), u"😀"_s);
}

class ClipboardHelpTest : public RingpadTest {};

TEST_F(ClipboardHelpTest, ExplainsTheButton) {
  ShowClipboardParserHelp(u"住所情報"_s, u"氏名"_s);
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::Information);
  EXPECT_EQ(messages().shown()[0].buttons, platform::MsgButtons::Ok);
  EXPECT_EQ(messages().shown()[0].title, QString()) << "the default title";
  ASSERT_EQ(messages().texts().size(), 1);
  const QStringList rows = messages().texts()[0].split(u"\r\n"_s);
  ASSERT_EQ(rows.size(), 14);
  EXPECT_EQ(rows[0], u"＜クリップボード解析機能＞"_s);
  EXPECT_EQ(rows[2], u"  インターネットやメールなどで送られてきた住所情報を"_s);
  EXPECT_EQ(rows[7], u"  クリップボードに保管した先頭行が氏名として保管されます。"_s);
  EXPECT_EQ(rows[13], QString());
}

}  // namespace
