#include "AddressListLine.h"

#include "AddressRecord.h"
#include "core/text/JapaneseText.h"
#include "core/text/StringHelpers.h"

QString AddressListLine(const AddressRecord& record) {
  // A reading that is empty gives a blank as its initial, so the brackets
  // always hold one character.
  QString line = u'[' + (record.field(kFieldKana) + u' ').left(1) + u']';
  const QString name = record.field(kFieldName);
  if (!name.isEmpty())
    line += name.section(u'\\', 0, 0);
  else
    line += u'(' + record.field(kFieldHandle) + u')';
  const int bytes = AnsiByteLen(line);
  if (bytes <= 15) line += QString(15 - bytes, u' ');
  line += u'\t';
  if (!TrimBlanks(record.field(kFieldTel)).isEmpty())
    line += record.field(kFieldTel);
  else if (!TrimBlanks(record.field(kFieldJitaku)).isEmpty())
    line += record.field(kFieldJitaku);
  else if (!TrimBlanks(record.field(kFieldKaisyaTel)).isEmpty())
    line += QStringLiteral("会:") + record.field(kFieldKaisyaTel);
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
