#include "DataFileRewrite.h"

#include <QFile>
#include <QFileInfo>

#include "AppGlobals.h"
#include "core/platform/Codec.h"
#include "core/platform/CodePageChecks.h"
#include "core/platform/FileLock.h"
#include "core/platform/MessageBox.h"
#include "core/platform/SafeSave.h"
#include "core/platform/TextLines.h"

namespace {

// The file a path names: a link is followed to its file, so that the user's
// own arrangement (a schedule kept in a synced folder, say) keeps working.
QString DataFileTarget(const QString& path) {
  const QFileInfo info(path);
  if (info.isSymLink()) {
    const QString target = info.canonicalFilePath();
    if (!target.isEmpty()) return target;
    if (!info.symLinkTarget().isEmpty()) return info.symLinkTarget();
  }
  return info.absoluteFilePath();
}

void ShowCritical(const QString& text) {
  platform::ShowMessage(text, platform::MsgButtons::Ok, platform::MsgIcon::Critical);
}

// Reads the file under the lock; a file that is not there is empty.
bool ReadCurrent(const QString& shownPath, const QString& target, QByteArray& content, bool& exists) {
  content.clear();
  exists = QFileInfo::exists(target);
  if (!exists) return true;
  QString error;
  if (platform::ReadWholeFile(target, content, &error)) return true;
  ShowCritical(platform::ReadFailureMessage(shownPath, error));
  return false;
}

bool Replace(const QString& shownPath, const QString& target, const QByteArray& before, bool exists,
             const QByteArray& after, const DataFileWriteOptions& options) {
  if (options.keepTempCopy) {
    // The copy is a convenience for the user; the file itself is replaced
    // atomically, so a copy that cannot be made stops nothing.
    const QString temp = TempCopyPath();
    QFile::remove(temp);
    if (exists) platform::SaveFileAtomically(temp, before);
  }
  QString error;
  if (platform::SaveFileAtomically(target, after, &error)) return true;
  ShowCritical(platform::SaveFailureMessage(shownPath, error));
  return false;
}

// Locks the file and reads it as it stands; then build makes the new
// content from it, or declines.
bool LockedCycle(const QString& path, const DataFileWriteOptions& options,
                 const std::function<bool(const QList<QByteArray>& raw, QByteArray& after)>& build) {
  const QString target = DataFileTarget(path);
  platform::FileLock lock(target);
  QString error;
  if (!lock.acquire(&error)) {
    ShowCritical(platform::LockFailureMessage(path, error));
    return false;
  }
  QByteArray content;
  bool exists = false;
  if (!ReadCurrent(path, target, content, exists)) return false;
  const QList<QByteArray> raw = platform::SplitLines(content);
  QByteArray after;
  if (!build(raw, after)) return false;
  if (exists && options.confirmForeignBytes && !platform::ConfirmRewriteOfForeignBytes(path, raw)) return false;
  return Replace(path, target, content, exists, after, options);
}

bool Cycle(const QString& path, const std::function<bool(const QList<QByteArray>&, QStringList&)>& build,
           const DataFileWriteOptions& options) {
  return LockedCycle(path, options, [&](const QList<QByteArray>& raw, QByteArray& after) {
    QStringList lines;
    if (!build(raw, lines)) return false;
    after = platform::JoinLinesKeepingBytes(lines, raw);
    return true;
  });
}

}  // namespace

bool RewriteDataFile(const QString& path, const DataFileEdit& edit, const DataFileWriteOptions& options) {
  return Cycle(path,
               [&](const QList<QByteArray>& raw, QStringList& lines) {
                 lines.reserve(raw.size() + 1);
                 for (const QByteArray& line : raw) lines.append(platform::FromSjis(line));
                 return edit(lines);
               },
               options);
}

bool WriteDataFile(const QString& path, const QStringList& lines, const DataFileWriteOptions& options) {
  return Cycle(path,
               [&](const QList<QByteArray>&, QStringList& out) {
                 out = lines;
                 return true;
               },
               options);
}

bool RewriteDataFileBytes(const QString& path, const DataFileByteEdit& edit, const DataFileWriteOptions& options) {
  return LockedCycle(path, options, [&](const QList<QByteArray>& raw, QByteArray& after) {
    QList<QByteArray> lines = raw;
    if (!edit(lines)) return false;
    qsizetype size = 0;
    for (const QByteArray& line : lines) size += line.size() + 2;
    after.reserve(size);
    for (const QByteArray& line : lines) {
      after.append(line);
      after.append("\r\n", 2);
    }
    return true;
  });
}

QString TempCopyPath() { return ProgramFolder + QStringLiteral("ringpad.tmp"); }

QString StaleListMessage(const QString& subject) {
  return subject + QStringLiteral("が他で変更されていたため、一覧を読み込み直しました。項目を選択し直してください。");
}
