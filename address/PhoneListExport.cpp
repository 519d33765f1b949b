#include "PhoneListExport.h"

#include "AddressFlags.h"
#include "AddressRecord.h"
#include "AddressTextConversions.h"
#include "core/text/JapaneseText.h"
#include "core/text/StringHelpers.h"

QString BuildPhoneListText(const QStringList& fileLines, const QString& /*category*/, bool onlyFrequent) {
  const QString crlf = QStringLiteral("\r\n");
  QString text = QStringLiteral("@TITLE=電話帳") + crlf;
  int bytes = AnsiByteLen(text);
  for (qsizetype i = 1; i < fileLines.size(); ++i) {
    const AddressRecord r = AddressRecord::FromLine(fileLines.at(i));
    if (TrimBlanks(r.field(kFieldMail)).isEmpty()) continue;
    if (bytes >= kPhoneListByteLimit) break;
    if (onlyFrequent && AddressFlags::Parse(r.field(kFieldFlags)).active == 0) continue;
    QString entry;
    for (int n : {kFieldTel, kFieldJitaku, kFieldKaisyaTel})
      if (!TrimBlanks(r.field(n)).isEmpty()) entry += QStringLiteral("TEL:") + DigitsOnly(r.field(n)) + crlf;
    if (entry.isEmpty()) continue;
    entry.prepend(r.field(kFieldName) + crlf);
    text += entry;
    bytes += AnsiByteLen(entry);
  }
  return text;
}
