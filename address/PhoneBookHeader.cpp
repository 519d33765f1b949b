#include "PhoneBookHeader.h"

#include "AddressCategoryGroups.h"
#include "core/text/StringHelpers.h"

QString PhoneBookTitle(const QString& category) {
  QString title = QStringLiteral("電話帳  ");
  const QString trimmed = TrimBlanks(category);
  if (!trimmed.isEmpty() && trimmed != kCategoryAll) title += QStringLiteral("[ ") + trimmed + QStringLiteral(" ] ");
  return title;
}
