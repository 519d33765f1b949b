#include "AddressStorage.h"

#include <QFile>

#include "AddressFile.h"
#include "core/platform/Codec.h"
#include "core/platform/MessageBox.h"
#include "core/platform/SafeSave.h"
#include "core/settings/AppGlobals.h"
#include "schedule/ProgramRelativePath.h"

QString AddressFileLocation(const QString& storedPath) {
  QString path = storedPath;
  path.replace(u'\\', u'/');
  if (!path.isEmpty() && !path.contains(u'/')) path = ProgramFolder + path;
  return path;
}

QString AddressStoredPath(const QString& chosenPath) {
  return ProgramRelativePath(chosenPath, RelativeStyle::DotPrefixed);
}

bool RewriteAddressFile(const QString& path, const QStringList& lines) {
  // The copy is for the user to fall back on; the file itself is replaced
  // atomically, so a copy that cannot be made does not stop the rewrite.
  const QString temp = ProgramFolder + QStringLiteral("ringpad.tmp");
  QFile::remove(temp);
  if (QFile::exists(path)) platform::CopyFileAtomically(path, temp);
  return platform::SaveFileOrReport(path, AddressFile::Content(lines));
}

QString AddressWeekdayBackupPath(const QDate& today) {
  // Qt numbers Monday 1 .. Sunday 7; the backups number Sunday 1 .. Saturday 7.
  return BackupFolder + QStringLiteral("dozir%1.csv").arg(today.dayOfWeek() % 7 + 1);
}

bool MakeAddressWeekdayBackup(const QString& path, const QDate& today) {
  if (!QFile::exists(path)) return true;
  if (platform::CopyFileAtomically(path, AddressWeekdayBackupPath(today))) return true;
  platform::ShowMessage(QStringLiteral("バックアップファイルが書き込み禁止になっています。"),
                        platform::MsgButtons::Ok, platform::MsgIcon::Critical);
  return false;
}

bool AddressTextsFitCodePage(const QStringList& texts) {
  for (const QString& text : texts) {
    // The encoder writes "?" for what the code page cannot hold.
    if (platform::ToSjis(text).count('?') == text.count(u'?')) continue;
    platform::ShowMessage(QStringLiteral("「%1」には保存できない文字が含まれています。").arg(text),
                          platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
    return false;
  }
  return true;
}
