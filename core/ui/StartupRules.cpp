#include "StartupRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

#include "core/text/Numbers.h"

void ClearReadOnlyFlags(const QStringList& fileNames) {
  // The names come from a file system that ignores letter case ("vidazu.txt"
  // is the to-do file "VIDAZU.txt"), so every file of the folder whose name
  // matches in any case is made writable.
  for (const QString& name : fileNames) {
    const QFileInfo wanted(name);
    const QDir folder = wanted.dir();
    for (const QString& entry : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
      if (entry.compare(wanted.fileName(), Qt::CaseInsensitive) != 0) continue;
      const QString path = folder.filePath(entry);
      const QFileInfo info(path);
      if (!info.isFile()) continue;
      QFile::setPermissions(path, info.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    }
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
