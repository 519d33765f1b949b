#include "WeekdayBackup.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

#include "AppGlobals.h"
#include "core/platform/MessageBox.h"
#include "core/platform/ProblemReport.h"
#include "core/platform/SafeSave.h"
#include "core/platform/SystemError.h"
#include "core/platform/TestSeamRegistry.h"
#include "core/platform/TextLines.h"

namespace {

bool& linkedBackupFolderTold() {
  static bool told = false;
  return told;
}

// The reasons a save gives when the target or its folder may not be
// written: the one case the short "write-protected" message is true for.
bool isWriteProtection(const QString& reason) {
  for (int code : {EACCES, EPERM, EROFS})
    if (reason == platform::SystemErrorText(code)) return true;
  return false;
}

}  // namespace

QString WeekdayBackupPath(const QString& stem, const QString& extension, const QDate& today) {
  // Qt numbers Monday 1 .. Sunday 7; the backups number Sunday 1 .. Saturday 7.
  const int weekday = today.dayOfWeek() % 7 + 1;
  return BackupFolder + stem + QString::number(weekday) + QStringLiteral(".") + extension;
}

// The backup folder as a link is named: without its closing separator.
static QString backupFolderItself() {
  QString folder = BackupFolder;
  while (folder.endsWith(u'/')) folder.chop(1);
  return folder;
}

bool BackupFolderIsLink() {
  const QString folder = backupFolderItself();
  return !folder.isEmpty() && QFileInfo(folder).isSymLink();
}

QString ShownBackupFolder() { return QDir::toNativeSeparators(backupFolderItself()); }

QString LinkedBackupFolderMessage() {
  return QStringLiteral(
             "バックアップ用のフォルダ「%1」はシンボリックリンクです。\r\n"
             "リンク先のファイルを上書きしないよう、曜日ごとのバックアップは作りません。")
      .arg(ShownBackupFolder());
}

void ForgetLinkedBackupFolderNotice() { linkedBackupFolderTold() = false; }

// Where today's copy goes, or empty when none is to be made: the backup
// folder is a link (a linked folder would carry the copies into another
// folder, replacing files of the same names there; the user is told once),
// or the program folder is one the user has been told cannot be written.
static QString weekdayBackupTarget(const QString& stem, const QString& extension, const QDate& today) {
  if (BackupFolderIsLink()) {
    if (!linkedBackupFolderTold()) {
      linkedBackupFolderTold() = true;
      platform::RegisterSeamReset(&ForgetLinkedBackupFolderNotice);
      platform::ProblemReport notice(platform::Problem::BackupFolderIsLink, backupFolderItself());
      notice.text = LinkedBackupFolderMessage();
      platform::ReportProblem(notice);
    }
    return QString();
  }
  const QString backup = WeekdayBackupPath(stem, extension, today);
  return platform::WriteFailuresQuietIn(backup) ? QString() : backup;
}

BackupCopy SaveBackupCopy(const QString& path, const QByteArray& content, QString* error) {
  if (BackupFolderIsLink()) return BackupCopy::FolderIsLink;
  return platform::SaveFileAtomically(path, content, error) ? BackupCopy::Saved : BackupCopy::Failed;
}

static bool saveWeekdayBackupCopy(const QString& backup, const QByteArray& content, const QString& failureMessage) {
  QString reason;
  switch (SaveBackupCopy(backup, content, &reason)) {
    case BackupCopy::Saved: return true;
    // Made a link after the target was chosen: nothing went through it.
    case BackupCopy::FolderIsLink: return true;
    case BackupCopy::Failed: break;
  }
  // A full disk or an I/O error is not write protection: the user is given
  // the system's reason, so that the remedy is clear.
  platform::ProblemReport failure(platform::Problem::WriteFailed, backup, reason);
  if (isWriteProtection(reason)) {
    failure.problem = platform::Problem::BackupWriteProtected;
    failure.text = failureMessage;
  }
  platform::ReportProblem(failure);
  return false;
}

bool MakeWeekdayBackup(const QString& path, const QString& stem, const QString& extension,
                       const QString& failureMessage, const QDate& today) {
  if (!QFileInfo::exists(path)) return true;  // nothing to keep yet
  const QString backup = weekdayBackupTarget(stem, extension, today);
  if (backup.isEmpty()) return true;
  QByteArray content;
  if (!platform::ReadWholeFileOrReport(path, content)) return false;
  return saveWeekdayBackupCopy(backup, content, failureMessage);
}

bool MakeWeekdayBackupOfBytes(const QByteArray& content, const QString& stem, const QString& extension,
                              const QString& failureMessage, const QDate& today) {
  const QString backup = weekdayBackupTarget(stem, extension, today);
  return backup.isEmpty() || saveWeekdayBackupCopy(backup, content, failureMessage);
}
