#include "ScheduleCommandLine.h"

#include <QRegularExpression>
#include <QStringList>

#include "core/text/StringHelpers.h"

QDate SwitchDate(const QString& text) {
  static const QRegularExpression kSeparated(
      QStringLiteral("^([0-9]{4})[-.年]([0-9]{1,2})[-.月]([0-9]{1,2})日?$"));
  static const QRegularExpression kCompact(QStringLiteral("^([0-9]{4})([0-9]{2})([0-9]{2})$"));
  const QString wanted = TrimBlanks(text);
  QRegularExpressionMatch m = kSeparated.match(wanted);
  if (!m.hasMatch()) m = kCompact.match(wanted);
  if (!m.hasMatch()) return QDate();
  return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
}

QDate CommandLineScheduleDate(const QString& commandLine) {
  QStringList parts;
  SplitBySlash(commandLine, parts);
  QDate date;
  for (qsizetype i = 1; i < parts.size(); ++i) {
    if (parts[i].left(2).toUpper() != QLatin1String("C:")) continue;
    const QDate d = SwitchDate(parts[i].mid(2));
    if (d.isValid()) date = d;
  }
  return date;
}
