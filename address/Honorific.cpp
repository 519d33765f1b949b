#include "Honorific.h"

#include "core/text/StringHelpers.h"

QString SplitHonorific(const QString& position, const QString& name) {
  const QString fallback = position.isEmpty() ? QStringLiteral(" 様") : QStringLiteral(" 御中");
  // The tests on the name as passed see its trailing blanks, so " 行" can be
  // told from a name that merely ends in 行.
  if (name.endsWith(u'殿') || name.endsWith(u'様') || name.endsWith(QStringLiteral(" 行")))
    return name.left(name.size() - 1) + u' ' + name.right(1);
  if (name.endsWith(QStringLiteral("御中")) || name.endsWith(QStringLiteral("先生")))
    return name.left(name.size() - 2) + u' ' + name.right(2);
  const QString trimmed = TrimBlanks(name);
  if (trimmed.endsWith(QStringLiteral("ちゃん")) || trimmed.endsWith(QStringLiteral("さん")) ||
      trimmed.endsWith(QStringLiteral("くん")))
    return name;
  return name + fallback;
}
