#include "AddressSortKey.h"

#include "AddressRecord.h"
#include "core/platform/Codec.h"
#include "core/text/StringHelpers.h"

namespace {

constexpr int kKeyPartWidth = 20;

QString PadCutChars(const QString& text, int count) {
  return (text + QString(count, u' ')).left(count);
}

}  // namespace

QString PadCutBytes(const QString& text, int byteCount) {
  // Built in place: a print job makes four of these keys per entry, for
  // every entry of the book.
  QString out;
  out.reserve(byteCount);
  int bytes = 0;
  const QChar* chars = text.constData();
  for (qsizetype i = 0; i < text.size();) {
    // A surrogate pair is one character, which the code page writes as "?".
    const qsizetype len = chars[i].isHighSurrogate() && i + 1 < text.size() && chars[i + 1].isLowSurrogate() ? 2 : 1;
    const int width = len == 2 ? 1 : platform::SjisCharBytes(chars[i]);
    if (bytes + width > byteCount) break;
    out.append(chars + i, len);
    bytes += width;
    i += len;
  }
  if (bytes < byteCount) out.resize(out.size() + (byteCount - bytes), u' ');
  return out;
}

QString AddressSortKey(const QString& kana, const QString& name, const QString& handle) {
  return PadCutChars(TrimBlanks(kana), kKeyPartWidth) + PadCutBytes(TrimBlanks(name), kKeyPartWidth) +
         PadCutBytes(TrimBlanks(handle), kKeyPartWidth);
}

QString AddressSortKey(const AddressRecord& record) {
  return AddressSortKey(record.field(kFieldKana), record.field(kFieldName), record.field(kFieldHandle));
}
