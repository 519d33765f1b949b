#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <vector>

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

// A lead byte that makes no character with the next byte is a stray "・" on
// its own; the byte after it keeps its own character, whatever kind of byte
// it is, and what was decoded encodes back to the same text.
TEST(Codec, StrayLeadByteNeverTakesTheNextCharacter) {
  struct {
    QByteArray bytes;
    const char16_t* text;
  } rows[] = {
      {"\x81\xB6", u"・ｶ"},           // trail range, unassigned code: the half-width kana stays
      {"\x85\x41", u"・A"},           // an unassigned row before a letter
      {"\xEB\x82\xA0", u"・あ"},      // before a whole double-byte character
      {"\x81\x20x", u"・ x"},         // before a byte that is no trail byte
      {"\xEF\xA0", u"・\uF8F0"},      // before a single byte of its own rule
      {"\x85\x81\x40", u"・\u3000"},  // before a lead byte that makes a character
      {"a\x81", u"a・"},              // at the end
  };
  for (const auto& r : rows) {
    const QString text = FromSjis(r.bytes);
    EXPECT_EQ(text, QString::fromUtf16(r.text)) << r.bytes.toHex().toStdString();
    EXPECT_EQ(FromSjis(ToSjis(text)), text) << r.bytes.toHex().toStdString();
  }
}

TEST(Codec, KeepsNulCharacters) {
  QByteArray bytes("a\0b", 3);
  EXPECT_EQ(ToSjis(FromSjis(bytes)), bytes);
}

// The codec's tables (generated once from the C library's converter) agree,
// code by code, with that converter asked about each code alone: every double-byte code
// decodes to what the converter gives for it (or, where it gives nothing, to
// the unknown-character mark and the second byte on its own), and every code point encodes to the
// converter's bytes where decoding produces it, and to "?" where it does not.
TEST(Codec, TablesAgreeWithTheConverterCodeByCode) {
  iconv_t toUtf16 = iconv_open("UTF-16LE", "CP932");
  iconv_t fromUtf16 = iconv_open("CP932", "UTF-16LE");
  ASSERT_NE(toUtf16, reinterpret_cast<iconv_t>(-1));
  ASSERT_NE(fromUtf16, reinterpret_cast<iconv_t>(-1));
  auto convertAlone = [](iconv_t cd, QByteArray in) -> std::optional<QByteArray> {
    char out[8];
    char* inPtr = in.data();
    char* outPtr = out;
    size_t inLeft = in.size(), outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0) return std::nullopt;
    return QByteArray(out, static_cast<qsizetype>(sizeof out - outLeft));
  };

  std::vector<bool> decoded(65536);
  int characters = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!platform::IsSjisLeadByte(static_cast<unsigned char>(lead))) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      const QByteArray bytes(pair, 2);
      const std::optional<QByteArray> out = convertAlone(toUtf16, bytes);
      char16_t expected = 0;
      if (out && out->size() == 2)
        expected = static_cast<char16_t>(static_cast<unsigned char>(out->at(0)) |
                                         (static_cast<unsigned char>(out->at(1)) << 8));
      // A pair that makes no character is a stray lead byte before a byte
      // read on its own.
      const QString got = FromSjis(bytes);
      const QString wanted = expected ? QString(QChar(expected))
                                      : QString(QChar(0x30FB)) + FromSjis(QByteArray(1, static_cast<char>(trail)));
      EXPECT_EQ(got, wanted) << bytes.toHex().toStdString();
      if (expected) {
        decoded[expected] = true;
        ++characters;
      }
    }
  }
  EXPECT_GT(characters, 7000);

  // ASCII, half-width katakana, the stray single bytes and the input-method
  // marks have rules of their own, tested above.
  auto ownRule = [](char16_t u) {
    return u < 0x81 || (u >= 0xFF61 && u <= 0xFF9F) || (u >= 0xF8F0 && u <= 0xF8F3) || u == 0x301C ||
           u == 0x2212 || u == 0x2016 || u == 0x2014 || u == 0x00A2 || u == 0x00A3 || u == 0x00AC;
  };
  for (int code = 0; code <= 0xFFFF; ++code) {
    const auto u = static_cast<char16_t>(code);
    if (ownRule(u) || QChar::isSurrogate(u)) continue;
    const QByteArray got = ToSjis(QString(QChar(u)));
    QByteArray expected("?");
    if (decoded[u]) {
      const char unit[2] = {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
      const QByteArray in(unit, 2);
      const std::optional<QByteArray> out = convertAlone(fromUtf16, in);
      if (out && (out->size() == 1 || out->size() == 2)) expected = *out;
    }
    EXPECT_EQ(got, expected) << "U+" << std::hex << code;
  }
  iconv_close(toUtf16);
  iconv_close(fromUtf16);
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
