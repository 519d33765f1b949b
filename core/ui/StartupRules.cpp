#include "StartupRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

#include "core/text/Numbers.h"

void ClearReadOnlyFlags(const QStringList& fileNames) {
  for (const QString& name : fileNames) {
    const QFileInfo info(name);
    if (!info.isFile()) continue;
    QFile::setPermissions(name, info.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
  }
}

void CreateFolderIfMissing(const QString& path) {
  if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) return;
  QDir().mkdir(path);
}

int32_t CentredTwips(double screenTwips, double windowTwips) {
  return ToInt32(RoundHalfEven(screenTwips - windowTwips)) / 2;
}

int16_t PrinterOffsetMargin(double offsetMm, int16_t pageLeft, int16_t printMargin) {
  if (!(offsetMm >= 0)) return printMargin;
  const int16_t offset = ToInt16(offsetMm);
  if (offset >= 1 && offset <= 5 && offset != pageLeft) return offset;
  return printMargin;
}
