#include "PhoneBookHeader.h"

#include "AddressCategoryGroups.h"
#include "AddressRecord.h"
#include "core/text/StringHelpers.h"

QString PhoneBookTitle(const QString& category) {
  QString title = QStringLiteral("電話帳  ");
  const QString trimmed = TrimBlanks(category);
  if (!trimmed.isEmpty() && trimmed != kCategoryAll) title += QStringLiteral("[ ") + trimmed + QStringLiteral(" ] ");
  return title;
}

QString PhoneBookTitle(const QString& category, int sortIndex, const AddressRecord& first, bool withInitial) {
  QString title = PhoneBookTitle(category);
  if (sortIndex == 0 && withInitial) title += u'[' + (first.field(kFieldKana) + u' ').left(1).toUpper() + u']';
  if (sortIndex == 3) title += u'[' + TrimBlanks(first.field(kFieldKaisyaName)) + u']';
  if (sortIndex == 4) title += QStringLiteral("[ 常用 ]");
  return title;
}

QString PhoneBookNickname(const AddressRecord& record) {
  const QString handle = TrimBlanks(record.field(kFieldHandle));
  if (handle == QStringLiteral("*") || handle == QStringLiteral("＊")) return u'(' + record.field(kFieldKana) + u')';
  if (!handle.isEmpty()) return u'[' + record.field(kFieldHandle) + u']';
  return QString();
}

bool IsPhsNumber(const QString& tel) {
  return tel.startsWith(QStringLiteral("060")) || tel.startsWith(QStringLiteral("070"));
}
