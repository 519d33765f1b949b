#include "AddressListLine.h"

#include <algorithm>

#include "AddressRecord.h"
#include "core/text/JapaneseText.h"

namespace {

bool IsBlankText(const QString& text) {
  return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c == u' '; });
}

}  // namespace

// Built in place: the list of a book of a hundred thousand entries makes as
// many of these as the window opens.
QString AddressListLine(const AddressRecord& record) {
  QString line;
  line.reserve(48);
  // A reading that is empty gives a blank as its initial, so the brackets
  // always hold one character.
  const QString kana = record.field(kFieldKana);
  line += u'[';
  line += kana.isEmpty() ? QChar(u' ') : kana.at(0);
  line += u']';
  const QString name = record.field(kFieldName);
  if (!name.isEmpty()) {
    line += QStringView(name).left(name.indexOf(u'\\'));
  } else {
    line += u'(';
    line += record.field(kFieldHandle);
    line += u')';
  }
  const int bytes = AnsiByteLen(line);
  if (bytes <= 15) line.resize(line.size() + 15 - bytes, u' ');
  line += u'\t';
  if (const QString tel = record.field(kFieldTel); !IsBlankText(tel))
    line += tel;
  else if (const QString home = record.field(kFieldJitaku); !IsBlankText(home))
    line += home;
  else if (const QString office = record.field(kFieldKaisyaTel); !IsBlankText(office))
    line += QStringLiteral("会:") + office;
  return line;
}

QString InitialOfListLine(const QString& listLine) { return listLine.mid(1, 1); }

int InitialJumpRow(const QStringList& listLines, int from, int direction) {
  const int count = static_cast<int>(listLines.size());
  if (from < 0 || from >= count) return -1;
  const QString initial = InitialOfListLine(listLines.at(from));
  int row = from;
  while (row + direction >= 0 && row + direction < count) {
    row += direction;
    if (InitialOfListLine(listLines.at(row)) != initial) break;
  }
  return row;
}

int FirstRowFromInitial(const QStringList& listLines, const QString& key) {
  for (qsizetype i = 0; i < listLines.size(); ++i)
    if (InitialOfListLine(listLines.at(i)) >= key) return static_cast<int>(i);
  return -1;
}
