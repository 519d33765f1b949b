#include "Codec.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <utility>

#include "CodecTableData.h"

namespace platform {
namespace {

// Built each on its first use (reading a file needs no encoding table): one
// entry per double-byte code for decoding, one per BMP code point for
// encoding, from the tables generated from the C library's CP932 converter
// (tools/gen_cp932_table.py), so that start-up asks no converter about some
// twenty thousand codes. Each is a static, whose storage starts out zero,
// so its entries are not cleared a second time before they are filled.
struct DecodeTable {
  std::array<char16_t, 65536> decode;  // 0 = no character

  DecodeTable() {
    for (int b = 0; b < 0x80; ++b) decode[b] = static_cast<char16_t>(b);
    for (int b = 0xA1; b <= 0xDF; ++b) decode[b] = static_cast<char16_t>(0xFF61 + b - 0xA1);
    // Single bytes with no character in code page 932 decode to a fixed code
    // point as Windows decodes them (files written there may hold them), and
    // that code point encodes back to the same byte.
    decode[0x80] = 0x0080;
    decode[0xA0] = 0xF8F0;
    decode[0xFD] = 0xF8F1;
    decode[0xFE] = 0xF8F2;
    decode[0xFF] = 0xF8F3;
    // 60 lead bytes of 188 trail bytes each.
    static_assert(cp932::kCp932DoubleByteCount == 60 * 188);
    const char16_t* next = cp932::kCp932DoubleByte;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsSjisLeadByte(static_cast<unsigned char>(lead))) continue;
      for (int trail = 0x40; trail <= 0xFC; ++trail)
        if (trail != 0x7F) decode[(lead << 8) | trail] = *next++;
    }
  }
};

const DecodeTable& decodeTable() {
  static const DecodeTable t;
  return t;
}

struct EncodeTable {
  std::array<uint16_t, 65536> encode;  // 0 = unmappable

  EncodeTable() {
    for (int b = 0; b < 0x80; ++b) encode[b] = static_cast<uint16_t>(b);
    for (int b = 0xA1; b <= 0xDF; ++b) encode[0xFF61 + b - 0xA1] = static_cast<uint16_t>(b);
    encode[0x0080] = 0x80;
    encode[0xF8F0] = 0xA0;
    encode[0xF8F1] = 0xFD;
    encode[0xF8F2] = 0xFE;
    encode[0xF8F3] = 0xFF;
    // A character encodes to the lowest code that decodes to it, but where
    // the converter chooses otherwise.
    const auto& decode = decodeTable().decode;
    for (int code = 0x8140; code <= 0xFCFC; ++code) {
      const char16_t u = decode[code];
      if (u != 0 && encode[u] == 0) encode[u] = static_cast<uint16_t>(code);
    }
    for (const auto& [u, code] : cp932::kCp932EncodeExceptions) encode[u] = code;
    // Marks that input methods on Linux produce for the glyphs of code page 932.
    const std::pair<char16_t, char16_t> aliases[] = {
        {0x301C, 0xFF5E}, {0x2212, 0xFF0D}, {0x2016, 0x2225}, {0x2014, 0x2015},
        {0x00A2, 0xFFE0}, {0x00A3, 0xFFE1}, {0x00AC, 0xFFE2}};
    for (auto [from, to] : aliases)
      if (encode[from] == 0) encode[from] = encode[to];
  }
};

const EncodeTable& encodeTable() {
  static const EncodeTable t;
  return t;
}

}  // namespace

bool IsSjisLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

namespace {

// Decodes a whole buffer into out, which has room for one character per byte
// (no character takes more code units than bytes); returns the count written.
// Plain ASCII is copied through in one tight loop, since data files are
// mostly digits, commas and slashes.
qsizetype DecodeInto(const unsigned char* p, qsizetype size, char16_t* out) {
  const auto& decode = decodeTable().decode;
  char16_t* o = out;
  qsizetype i = 0;
  while (i < size) {
    while (i < size && p[i] < 0x80) *o++ = char16_t(p[i++]);
    if (i >= size) break;
    const unsigned char b = p[i];
    if (!IsSjisLeadByte(b)) {
      *o++ = decode[b];
      ++i;
      continue;
    }
    if (i + 1 < size) {
      const char16_t u = decode[(b << 8) | p[i + 1]];
      if (u != 0) {
        *o++ = u;
        i += 2;
        continue;
      }
    }
    // A lead byte that makes no character with the byte after it stands
    // alone: the byte after it is read on its own, for a stray byte before
    // a character must not take that character with it.
    *o++ = 0x30FB;
    ++i;
  }
  return o - out;
}

}  // namespace

QString FromSjis(const char* data, qsizetype size) {
  if (size <= 0) return {};
  QString out(size, Qt::Uninitialized);
  const qsizetype n =
      DecodeInto(reinterpret_cast<const unsigned char*>(data), size, reinterpret_cast<char16_t*>(out.data()));
  out.truncate(n);
  return out;
}

QStringList FromSjisLines(const QByteArray& content) {
  QStringList lines;
  // Room for a line per LF, or per CR in a file without LFs; a file that
  // mixes them only grows the list once more.
  const qsizetype lineFeeds = content.count('\n');
  lines.reserve((lineFeeds > 0 ? lineFeeds : content.count('\r')) + 1);
  ForEachLinePieceOf(content, [&lines](const char* data, qsizetype n) { AppendSjisLines(data, n, lines); });
  return lines;
}

void ForEachLinePieceOf(const QByteArray& content, const std::function<void(const char*, qsizetype)>& piece) {
  constexpr qsizetype kPiece = qsizetype(1) << 20;
  const char* const data = content.constData();
  const qsizetype n = content.size();
  for (qsizetype start = 0; start < n;) {
    qsizetype end = std::min(n, start + kPiece);
    while (end < n && data[end - 1] != '\n' && data[end - 1] != '\r') ++end;
    if (end < n && data[end - 1] == '\r' && data[end] == '\n') ++end;
    piece(data + start, end - start);
    start = end;
  }
}

void AppendSjisLines(const char* data, qsizetype size, QStringList& lines) {
  if (size <= 0) return;
  // CR and LF are never the second byte of a character, so the piece is
  // decoded at once and split afterwards. The decoder's worst-case room is
  // given up for a block of the exact size.
  QString text;
  {
    const QString decoded = FromSjis(data, size);
    text = QString(decoded.constData(), decoded.size());
  }
  // Each line is a view of the block from its first character, and its line
  // end becomes the zero that ends it: a million short lines then cost their
  // characters and a list entry each, not an allocation each with a header
  // and rounding (over half as much again as the file itself). A line that
  // is changed gets storage of its own, as for any shared string.
  char16_t* const d = reinterpret_cast<char16_t*>(text.data());
  QString::DataPointer& block = text.data_ptr();
  const qsizetype n = text.size();
  auto add = [&](qsizetype start, qsizetype end) {
    if (end == start) {
      lines.append(QString(reinterpret_cast<const QChar*>(d + start), 0));
      return;
    }
    block.d_ptr()->ref();
    lines.append(QString(QString::DataPointer(block.d_ptr(), d + start, end - start)));
  };
  qsizetype start = 0;
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t c = d[i];
    // One test passes over nearly every character: line ends sort low.
    if (c > u'\r' || (c != u'\r' && c != u'\n')) continue;
    d[i] = 0;
    add(start, i);
    if (c == u'\r' && i + 1 < n && d[i + 1] == u'\n') d[++i] = 0;
    start = i + 1;
  }
  // The block's own terminating zero ends a last line without a line end.
  if (start < n) add(start, n);
}

QString FromSjis(const QByteArray& bytes) { return FromSjis(bytes.constData(), bytes.size()); }

QByteArray ToSjis(const QString& text) {
  // Written through a pointer into room for two bytes a character, ASCII
  // copied in one tight loop: settings and data lines are mostly ASCII.
  QByteArray out(text.size() * 2, Qt::Uninitialized);
  char* o = out.data();
  const char16_t* p = reinterpret_cast<const char16_t*>(text.constData());
  const qsizetype size = text.size();
  const uint16_t* encode = nullptr;
  for (qsizetype i = 0; i < size; ++i) {
    const char16_t c = p[i];
    if (c < 0x80) {
      *o++ = static_cast<char>(c);
      continue;
    }
    if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(p[i + 1])) {
      *o++ = '?';
      ++i;
      continue;
    }
    if (!encode) encode = encodeTable().encode.data();
    const uint16_t code = encode[c];
    if (code == 0) {
      *o++ = '?';
    } else if (code > 0xFF) {
      *o++ = static_cast<char>(code >> 8);
      *o++ = static_cast<char>(code & 0xFF);
    } else {
      *o++ = static_cast<char>(code);
    }
  }
  out.truncate(o - out.constData());
  return out;
}

int SjisCharBytes(QChar c) {
  return encodeTable().encode[c.unicode()] > 0xFF ? 2 : 1;
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
