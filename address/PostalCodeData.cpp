#include "PostalCodeData.h"

#include <QFile>
#include <QFileInfo>

#include "core/settings/AppGlobals.h"
#include "core/text/SortedFile.h"

std::optional<QString> LookUpPostalLine(const QString& code) {
  if (!QFileInfo(ImportDataFolder + QStringLiteral("jxpostal1.txt")).exists()) return std::nullopt;
  QFile data(ImportDataFolder + QStringLiteral("jxpostal1.dat"));
  if (!data.open(QIODevice::ReadOnly)) return QString();
  return FindLineInSortedFile(data, code, 1);
}
