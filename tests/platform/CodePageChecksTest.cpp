// Text the code page cannot hold is named before it is lost; files whose
// bytes would not survive a rewrite are recognised.
#include "TestEnvironment.h"
#include "core/platform/CodePageChecks.h"
#include "core/platform/Codec.h"

namespace {

using CodePageChecksTest = RingpadTest;

TEST_F(CodePageChecksTest, UnsavableCharactersNamedOnceInOrder) {
  const struct {
    QString text;
    QString expected;
  } cases[] = {
      {"電話する①㈱髙", ""},                 // NEC and IBM extensions are code page 932
      {"波〜ダッシュ−", ""},                 // input-method marks with an equivalent
      {"what?", ""},                         // a real question mark
      {"会議😀と𠮷野家😀", "😀𠮷"},          // surrogate pairs, the repeat named once
      {"café é", "é"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::UnsavableCharacters(c.text), c.expected) << c.text.toStdString();

  EXPECT_TRUE(platform::CheckSavableText("予定"));
  EXPECT_TRUE(messages().shown().empty());
  EXPECT_FALSE(platform::CheckSavableText("予定😀"));
  EXPECT_EQ(messages().texts(), QStringList{"「😀」はShift-JISで保存できない文字です。\n別の文字に直してください。"});
}

TEST_F(CodePageChecksTest, RoundTripOfFileBytes) {
  const struct {
    QByteArray bytes;
    bool survives;
  } cases[] = {
      {platform::ToSjis("2025/05/05,祝日,こどもの日\r\n①\n"), true},
      {QByteArray("line\rother\nlast"), true},      // line ends are not content
      {QByteArray("\xE5\xAE\x9A\r\n"), false},     // UTF-8 "定"
      {QByteArray("\x81\x7F\r\n"), false},         // a lead byte without its trail
      {QByteArray("ok\r\n\xEF\xBB\xBF" "bom"), false},  // a UTF-8 byte-order mark
      {QByteArray(), true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(platform::SurvivesCodePageRoundTrip(c.bytes), c.survives) << c.bytes.toHex().toStdString();
}

}  // namespace
