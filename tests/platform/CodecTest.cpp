#include <gtest/gtest.h>

#include "core/platform/Codec.h"
#include "core/platform/TextLines.h"

using platform::FromSjis;
using platform::ToSjis;

namespace {

struct CodecCase {
  const char* bytes;
  char16_t unicode;
};

// The codes where code page 932 differs from other Shift-JIS tables.
const CodecCase kCases[] = {
    {"\x5C", 0x005C},      // backslash, not the yen sign
    {"\x81\x60", 0xFF5E},  // full-width tilde, not the wave dash
    {"\x81\x7C", 0xFF0D},  // full-width hyphen-minus
    {"\x81\x50", 0xFFE3},  // full-width macron
    {"\x87\x8A", 0x3231},  // ㈱ (NEC special)
    {"\x87\x8D", 0x337E},  // ㍾
    {"\xFB\xFC", 0x9AD9},  // 髙 (IBM extension)
    {"\xB1", 0xFF71},      // half-width katakana ｱ
};

TEST(Codec, DecodesAndEncodesTheCodePage932Codes) {
  for (const auto& c : kCases) {
    QByteArray bytes(c.bytes);
    QString text = FromSjis(bytes);
    ASSERT_EQ(text.size(), 1) << c.bytes;
    EXPECT_EQ(text.at(0).unicode(), c.unicode) << c.bytes;
    EXPECT_EQ(ToSjis(text), bytes) << c.bytes;
  }
}

TEST(Codec, MapsLinuxInputMarksToCodePage932) {
  struct { char16_t from; const char* to; } rows[] = {
      {0x301C, "\x81\x60"}, {0x2212, "\x81\x7C"}, {0x2016, "\x81\x61"}, {0x2014, "\x81\x5C"},
      {0x00A2, "\x81\x91"}, {0x00A3, "\x81\x92"}, {0x00AC, "\x81\xCA"}};
  for (const auto& r : rows) EXPECT_EQ(ToSjis(QString(QChar(r.from))), QByteArray(r.to)) << int(r.from);
}

TEST(Codec, UnmappableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(ToSjis(QString::fromUtf8("a\xF0\x9F\x98\x80" "b\xE2\x82\xAC")), QByteArray("a?b?"));
  EXPECT_EQ(platform::SjisByteLength(QString::fromUtf8("a\xF0\x9F\x98\x80" "b")), 3);
}

TEST(Codec, InvalidBytesDecodeWithoutLosingTheRest) {
  QString text = FromSjis(QByteArray("\x80\xA0\xFD\xFE\xFF" "A\x81", 7));
  ASSERT_EQ(text.size(), 7);
  EXPECT_EQ(text.at(5), u'A');
  EXPECT_EQ(ToSjis(text.left(5)), QByteArray("\x80\xA0\xFD\xFE\xFF"));
}

TEST(Codec, KeepsNulCharacters) {
  QByteArray bytes("a\0b", 3);
  EXPECT_EQ(ToSjis(FromSjis(bytes)), bytes);
}

// Decoding a whole file at once gives what decoding it line by line gives,
// also where a line ends in the middle of a character.
TEST(Codec, WholeFileDecodesAsItsLines) {
  const QByteArray files[] = {
      QByteArray("2024/05/08,\x81\x40\x81\x40,\x94\x83\x95\xa8\r\n1999/01/01,\x90\xd4\x81\x40,x\r\n"),
      QByteArray("lead at the end\x82\r\nnext\x82\nlone cr\x82\rlast without end"),
      QByteArray("bad pair \x85\x40 and \x81\x20 and \xA0\xFD\xFF\x80\r\n\r\n\n"),
      QByteArray("\xb1\xb2\xb3 kana\0nul\r\n", 14),
      QByteArray(),
  };
  for (const QByteArray& file : files) {
    QStringList byLine;
    for (const QByteArray& line : platform::SplitLines(file)) byLine << FromSjis(line);
    EXPECT_EQ(platform::FromSjisLines(file), byLine) << file.toHex().toStdString();
  }
}

TEST(TextLines, SplitsAtEveryKindOfLineEnd) {
  auto lines = platform::SplitLines("a\r\nb\nc\rd\r\n\r\ne");
  ASSERT_EQ(lines.size(), 6);
  EXPECT_EQ(lines[3], "d");
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[5], "e");
  EXPECT_TRUE(platform::SplitLines("").isEmpty());
  EXPECT_EQ(platform::JoinLinesCrLf({QStringLiteral("あ"), QString()}), QByteArray("\x82\xA0\r\n\r\n"));
  EXPECT_EQ(platform::NormaliseToCrLf(QStringLiteral("a\nb\rc\r\n")), QStringLiteral("a\r\nb\r\nc\r\n"));
}

}  // namespace
