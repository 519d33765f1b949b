#include "Codec.h"

#include <iconv.h>

#include <array>
#include <cstring>
#include <memory>

namespace platform {
namespace {

// Tables built once from the C library's CP932 converter: one entry per
// double-byte code for decoding, one per BMP code point for encoding.
struct Tables {
  std::array<char16_t, 65536> decode{};  // 0 = no character
  std::array<uint16_t, 65536> encode{};  // 0 = unmappable

  Tables() {
    iconv_t toUtf16 = iconv_open("UTF-16LE", "CP932");
    iconv_t fromUtf16 = iconv_open("CP932", "UTF-16LE");
    auto decodeOne = [&](const char* in, size_t inLen) -> char16_t {
      char out[8];
      char* inPtr = const_cast<char*>(in);
      char* outPtr = out;
      size_t inLeft = inLen, outLeft = sizeof out;
      iconv(toUtf16, nullptr, nullptr, nullptr, nullptr);
      if (iconv(toUtf16, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) ||
          inLeft != 0 || sizeof out - outLeft != 2)
        return 0;
      return static_cast<char16_t>(static_cast<unsigned char>(out[0]) |
                                   (static_cast<unsigned char>(out[1]) << 8));
    };
    auto encodeOne = [&](char16_t u) -> uint16_t {
      char in[2] = {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
      char out[8];
      char* inPtr = in;
      char* outPtr = out;
      size_t inLeft = 2, outLeft = sizeof out;
      iconv(fromUtf16, nullptr, nullptr, nullptr, nullptr);
      if (iconv(fromUtf16, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1))
        return 0;
      size_t n = sizeof out - outLeft;
      if (n == 1) return static_cast<unsigned char>(out[0]);
      if (n == 2)
        return static_cast<uint16_t>((static_cast<unsigned char>(out[0]) << 8) |
                                     static_cast<unsigned char>(out[1]));
      return 0;
    };

    for (int b = 0; b < 0x80; ++b) decode[b] = static_cast<char16_t>(b);
    for (int b = 0xA1; b <= 0xDF; ++b) decode[b] = static_cast<char16_t>(0xFF61 + b - 0xA1);
    // Single bytes with no character on the original platform still decode to
    // a fixed code point there, which encodes back to the same byte.
    decode[0x80] = 0x0080;
    decode[0xA0] = 0xF8F0;
    decode[0xFD] = 0xF8F1;
    decode[0xFE] = 0xF8F2;
    decode[0xFF] = 0xF8F3;
    if (toUtf16 != reinterpret_cast<iconv_t>(-1)) {
      for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsSjisLeadByte(static_cast<unsigned char>(lead))) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
          if (trail == 0x7F) continue;
          char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
          decode[(lead << 8) | trail] = decodeOne(in, 2);
        }
      }
    }
    for (int b = 0; b < 0x80; ++b) encode[b] = static_cast<uint16_t>(b);
    for (int b = 0xA1; b <= 0xDF; ++b) encode[0xFF61 + b - 0xA1] = static_cast<uint16_t>(b);
    encode[0x0080] = 0x80;
    encode[0xF8F0] = 0xA0;
    encode[0xF8F1] = 0xFD;
    encode[0xF8F2] = 0xFE;
    encode[0xF8F3] = 0xFF;
    if (fromUtf16 != reinterpret_cast<iconv_t>(-1)) {
      for (int code = 0x8140; code <= 0xFCFC; ++code) {
        char16_t u = decode[code];
        if (u == 0 || encode[u] != 0) continue;
        encode[u] = encodeOne(u);
      }
    }
    // Marks that input methods on Linux produce for the glyphs of code page 932.
    const std::pair<char16_t, char16_t> aliases[] = {
        {0x301C, 0xFF5E}, {0x2212, 0xFF0D}, {0x2016, 0x2225}, {0x2014, 0x2015},
        {0x00A2, 0xFFE0}, {0x00A3, 0xFFE1}, {0x00AC, 0xFFE2}};
    for (auto [from, to] : aliases)
      if (encode[from] == 0) encode[from] = encode[to];
    if (toUtf16 != reinterpret_cast<iconv_t>(-1)) iconv_close(toUtf16);
    if (fromUtf16 != reinterpret_cast<iconv_t>(-1)) iconv_close(fromUtf16);
  }
};

const Tables& tables() {
  static const Tables t;
  return t;
}

}  // namespace

bool IsSjisLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

QString FromSjis(const char* data, qsizetype size) {
  const Tables& t = tables();
  QString out;
  out.reserve(size);
  const auto* p = reinterpret_cast<const unsigned char*>(data);
  for (qsizetype i = 0; i < size; ++i) {
    unsigned char b = p[i];
    if (IsSjisLeadByte(b)) {
      if (i + 1 < size) {
        char16_t u = t.decode[(b << 8) | p[i + 1]];
        if (u != 0) {
          out.append(QChar(u));
          ++i;
          continue;
        }
        // A lead byte with a trail byte that makes no character: the pair
        // stands for one unknown character when the trail is a trail byte.
        unsigned char trail = p[i + 1];
        if (trail >= 0x40 && trail <= 0xFC && trail != 0x7F) {
          out.append(QChar(0x30FB));
          ++i;
          continue;
        }
      }
      out.append(QChar(0x30FB));
      continue;
    }
    out.append(QChar(t.decode[b]));
  }
  return out;
}

QString FromSjis(const QByteArray& bytes) { return FromSjis(bytes.constData(), bytes.size()); }

QByteArray ToSjis(const QString& text) {
  const Tables& t = tables();
  QByteArray out;
  out.reserve(text.size() * 2);
  for (qsizetype i = 0; i < text.size(); ++i) {
    QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      out.append('?');
      ++i;
      continue;
    }
    uint16_t code = t.encode[c.unicode()];
    if (code == 0 && c.unicode() != 0) {
      out.append('?');
    } else if (code > 0xFF) {
      out.append(static_cast<char>(code >> 8));
      out.append(static_cast<char>(code & 0xFF));
    } else {
      out.append(static_cast<char>(code));
    }
  }
  return out;
}

int SjisCharBytes(QChar c) {
  return tables().encode[c.unicode()] > 0xFF ? 2 : 1;
}

int SjisByteLength(const QString& text) {
  int n = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      ++n;
      ++i;
      continue;
    }
    n += SjisCharBytes(c);
  }
  return n;
}

}  // namespace platform
