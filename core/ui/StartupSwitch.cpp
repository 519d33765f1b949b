#include "StartupSwitch.h"

#include "core/text/StringHelpers.h"

QString CommandLineText;

QString JoinCommandLine(const QStringList& arguments) { return arguments.join(u' '); }

bool ReadsCommandLine(const QString& exeName) {
  return exeName.left(7).toUpper() == QLatin1String("RINGPAD");
}

QString StartupSwitch(const QString& commandLine) {
  QStringList parts;
  SplitBySlash(commandLine, parts);
  if (parts.size() < 2) return QStringLiteral("action");
  const QString key = parts.at(1).left(2).toUpper();
  if (key == QLatin1String("M:")) return QStringLiteral("memo");
  if (key == QLatin1String("H:")) return QStringLiteral("table");
  if (key == QLatin1String("C:")) return QStringLiteral("yotei");
  if (key == kClipboardSwitch) return kClipboardSwitch;
  if (key == QLatin1String("T:")) return QStringLiteral("tel");
  if (key == QLatin1String("P:")) return QStringLiteral("picture");
  if (key == QLatin1String("Y:")) return QStringLiteral("yousi");
  return QStringLiteral("action");
}

QString SinglePageVariant(const QString& exeName) {
  const QString name = exeName.toUpper();
  if (name == QLatin1String("DUDEZU")) return QStringLiteral("memo");
  if (name == QLatin1String("JXTABLE")) return QStringLiteral("table");
  if (name == QLatin1String("DIDUVUV")) return QStringLiteral("yotei");
  if (name == QLatin1String("DOZIR")) return QStringLiteral("tel");
  return QString();
}
