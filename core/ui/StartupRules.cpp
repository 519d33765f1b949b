#include "StartupRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <cmath>

#include <unistd.h>

#include "core/settings/Ini.h"
#include "core/text/Numbers.h"

void ClearReadOnlyFlags(const QStringList& fileNames) {
  // The names come from a file system that ignores letter case ("vidazu.txt"
  // is the to-do file "VIDAZU.txt"), so every file of the folder whose name
  // matches in any case is made writable. Each folder is listed once, for
  // all the names in it.
  QMap<QString, QStringList> namesByFolder;
  for (const QString& name : fileNames) {
    const QFileInfo wanted(name);
    namesByFolder[wanted.path()].append(wanted.fileName());
  }
  for (auto it = namesByFolder.cbegin(); it != namesByFolder.cend(); ++it) {
    const QDir folder(it.key());
    for (const QString& entry : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
      if (!it.value().contains(entry, Qt::CaseInsensitive)) continue;
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

bool FolderWritable(const QString& folder) {
  return ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
}

QString UnwritableProgramFolderMessage(const QString& folder) {
  return QStringLiteral("プログラムフォルダ「%1」に書き込めません。\r\n"
                        "このフォルダでは、予定やメモなどのデータと設定を保存できません。\r\n\r\n"
                        "書き込めるフォルダにプログラムを置くか、環境変数 RINGPAD_HOME に"
                        "書き込めるフォルダを指定して起動してください。")
      .arg(QDir::toNativeSeparators(QDir::cleanPath(folder)));
}

int RemoveStaleSaveLeftovers(const QString& folder, const QDateTime& now) {
  // The temporary name a save gives: a dot, the file's name, a dot and six
  // letters or digits. Only kinds of file this program writes, so that a
  // user's own hidden files in a shared folder are never taken for one.
  static const QRegularExpression leftover(
      QStringLiteral("^\\..+\\.(txt|csv|ini|htm|html|tmp|bmp|png|jpg|jpeg|ico|dat)\\.[A-Za-z0-9]{6}$"),
      QRegularExpression::CaseInsensitiveOption);
  QString trimmed = folder;
  while (trimmed.size() > 1 && trimmed.endsWith(u'/')) trimmed.chop(1);
  const QFileInfo where(trimmed);
  if (where.isSymLink() || !where.isDir()) return 0;
  int removed = 0;
  const QDir dir(trimmed);
  for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
    if (!leftover.match(entry.fileName()).hasMatch() || entry.isSymLink() || !entry.isFile()) continue;
    if (entry.ownerId() != ::getuid()) continue;
    if (entry.lastModified().secsTo(now) < 3600) continue;
    if (QFile::remove(entry.absoluteFilePath())) ++removed;
  }
  return removed;
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
