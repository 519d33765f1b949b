#include "JapaneseText.h"

#include <QHash>

#include "core/platform/Codec.h"

namespace {

// Byte slice [from, from + count) of the code page 932 form, clamped to it.
QString DecodeSlice(const QByteArray& bytes, qsizetype from, qsizetype count) {
  if (from < 0) {
    count += from;
    from = 0;
  }
  if (count <= 0 || from >= bytes.size()) return QString();
  count = std::min(count, bytes.size() - from);
  return platform::FromSjis(bytes.constData() + from, count);
}

// Pairs of (half-width, full-width) characters, in the order of the tables
// the converters share.
struct WidthTables {
  QHash<QChar, QChar> toFull;
  QHash<QChar, QString> toHalf;

  WidthTables() {
    // Blank, digits, letters, - / * + @ ~ =; then katakana, small kana, ｰ ､ ｡.
    const QString halfAscii = QStringLiteral(" 1234567890abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-/*+@~=");
    const QString fullAscii = QStringLiteral(
        u"\u3000１２３４５６７８９０ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ"
        u"ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ－／＊＋＠\uFFE3＝");
    const QString halfKana = QStringLiteral(u"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜｦﾝｧｨｩｪｫｬｭｮｯｰ､｡");
    const QString fullKana = QStringLiteral(u"アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヲンァィゥェォャュョッー、。");
    const QString fullVoiced = QStringLiteral(u"ガギグゲゴザジズゼゾダヂヅデドバビブベボ");
    const QString voicedBase = QStringLiteral(u"ｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾊﾋﾌﾍﾎ");
    const QString fullSemiVoiced = QStringLiteral(u"パピプペポ");
    const QString semiVoicedBase = QStringLiteral(u"ﾊﾋﾌﾍﾎ");

    for (qsizetype i = 0; i < halfAscii.size(); ++i) toFull.insert(halfAscii[i], fullAscii[i]);
    for (qsizetype i = 0; i < halfKana.size(); ++i) toFull.insert(halfKana[i], fullKana[i]);

    // The first table that holds a character decides, so later rows never
    // overwrite earlier ones.
    auto addHalf = [this](QChar full, const QString& half) {
      if (!toHalf.contains(full)) toHalf.insert(full, half);
    };
    for (qsizetype i = 0; i < fullAscii.size(); ++i) addHalf(fullAscii[i], QString(halfAscii[i]));
    addHalf(u'（', QStringLiteral("("));
    addHalf(u'）', QStringLiteral(")"));
    for (qsizetype i = 0; i < fullKana.size(); ++i) addHalf(fullKana[i], QString(halfKana[i]));
    addHalf(u'・', QStringLiteral(u"･"));
    for (qsizetype i = 0; i < fullVoiced.size(); ++i)
      addHalf(fullVoiced[i], QString(voicedBase[i]) + u'ﾞ');
    for (qsizetype i = 0; i < fullSemiVoiced.size(); ++i)
      addHalf(fullSemiVoiced[i], QString(semiVoicedBase[i]) + u'ﾟ');
  }
};

const WidthTables& widthTables() {
  static const WidthTables t;
  return t;
}

}  // namespace

int32_t AnsiByteLen(const QString& text) { return platform::SjisByteLength(text); }

QString MidBytes(const QString& text, int32_t startByte, int32_t byteCount) {
  if (byteCount <= 0) return QString();
  qsizetype from = std::max<int32_t>(startByte, 1) - 1;
  return DecodeSlice(platform::ToSjis(text), from, byteCount);
}

QString MidBytes(const QString& text, int32_t startByte) {
  const QByteArray bytes = platform::ToSjis(text);
  qsizetype from = std::max<int32_t>(startByte, 1) - 1;
  return DecodeSlice(bytes, from, bytes.size() - from);
}

QString LeftBytes(const QString& text, int32_t byteCount) { return MidBytes(text, 1, byteCount); }

QString RightBytes(const QString& text, int32_t byteCount) {
  if (byteCount <= 0) return QString();
  const QByteArray bytes = platform::ToSjis(text);
  qsizetype count = std::min<qsizetype>(byteCount, bytes.size());
  return DecodeSlice(bytes, bytes.size() - count, count);
}

QString MidFitBytes(const QString& text, int32_t start, int32_t byteCount) {
  qsizetype wanted = MidBytes(text, start, byteCount).size();
  // A character outside the code page (a surrogate pair) encodes to one "?"
  // and so counts once: take it whole rather than half of it.
  qsizetype from = std::max<int32_t>(start, 1) - 1;
  qsizetype end = from;
  while (wanted > 0 && end < text.size()) {
    if (text.at(end).isHighSurrogate() && end + 1 < text.size() && text.at(end + 1).isLowSurrogate())
      ++end;
    ++end;
    --wanted;
  }
  return from < text.size() ? text.mid(from, end - from) : QString();
}

int32_t InStrBytes(int32_t startByte, const QString& text, const QString& find) {
  const QByteArray bytes = platform::ToSjis(text);
  if (startByte < 1) startByte = 1;
  if (startByte > bytes.size()) return 0;
  if (find.isEmpty()) return startByte;
  qsizetype at = bytes.indexOf(platform::ToSjis(find), startByte - 1);
  return at < 0 ? 0 : static_cast<int32_t>(at + 1);
}

QString ToFullWidth(const QString& text) {
  const WidthTables& t = widthTables();
  QString out = text;
  for (QChar& c : out) c = t.toFull.value(c, c);
  return out;
}

QString ToHalfWidthKana(const QString& text) {
  const WidthTables& t = widthTables();
  QString out;
  out.reserve(text.size());
  for (QChar c : text) {
    auto it = t.toHalf.constFind(c);
    if (it != t.toHalf.constEnd())
      out += *it;
    else
      out += c;
  }
  return out;
}
