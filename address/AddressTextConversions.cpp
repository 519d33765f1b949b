#include "AddressTextConversions.h"

#include "core/text/StringHelpers.h"

namespace {

// Position for position: the character found in the source row becomes the
// one in the target row. Lower-case letters reach the row upper-cased.
const QString kVerticalSource = QStringLiteral(
    "０１２３４５６７８９・･.ー－のノ町丁目番地号室0123456789-ｰﾉABCDEFGHＡＢＣＤＥＦＧＨ");
const QString kVerticalTarget = QStringLiteral(
    "〇一二三四五六七八九・・・｜｜のノ町丁目番地号室〇一二三四五六七八九｜｜ノＡＢＣＤＥＦＧＨＡＢＣＤＥＦＧＨ");

const QString kPhoneSource = QStringLiteral("／＃＊０１２３４５６７８９ー－（）　");
const QString kPhoneTarget = QStringLiteral("/#*0123456789--() ");

}  // namespace

QString ConvertAddressForVertical(const QString& text) {
  const QString line = TrimBlanks(text);
  QString result;
  for (qsizetype i = line.size() - 1; i >= 0; --i) {
    const qsizetype at = kVerticalSource.indexOf(line.at(i).toUpper());
    if (at < 0) return line.left(i + 1) + result;
    result.prepend(kVerticalTarget.at(at));
  }
  return result;
}

QString NormalizePhoneChars(const QString& text) {
  QString out = TrimBlanks(text);
  for (QChar& c : out) {
    const qsizetype at = kPhoneSource.indexOf(c);
    if (at >= 0) c = kPhoneTarget.at(at);
  }
  return out;
}

QString DigitsOnly(const QString& text) {
  QString out;
  for (QChar c : TrimBlanks(text))
    if (c >= u'0' && c <= u'9') out += c;
  return out;
}
