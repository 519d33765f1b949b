#include "ForeignScheduleBytes.h"

#include <QFileInfo>
#include <QStringList>

#include "core/platform/CodePageChecks.h"
#include "core/platform/TextLines.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/WeekdayBackup.h"

QString Utf8OriginalBackupPath(const QString& schedulePath) {
  const QFileInfo info(schedulePath);
  QString name = info.completeBaseName() + QStringLiteral("_utf8");
  if (!info.suffix().isEmpty()) name += QStringLiteral(".") + info.suffix();
  return BackupFolder + name;
}

QString ConvertUtf8Question(const QString& schedulePath, const QString& unsavable) {
  QString text = platform::NotShiftJisMessage(schedulePath) + QStringLiteral("\n") +
                 QStringLiteral("UTF-8のテキストとしてShift-JISに変換しますか？\n元のファイルは「%1」に残します。")
                     .arg(Utf8OriginalBackupPath(schedulePath));
  if (!unsavable.isEmpty())
    text += QStringLiteral("\n「%1」はShift-JISで保存できない文字なので「?」になります。").arg(unsavable);
  return text + QStringLiteral("\n「いいえ」を選ぶと、今回は読み取り専用で開きます。");
}

QString Utf8OriginalNotKeptMessage(const QString& schedulePath) {
  return platform::NotShiftJisMessage(schedulePath) + QStringLiteral("\n") +
         QStringLiteral(
             "元のファイルを残すバックアップ用のフォルダ「%1」がシンボリックリンクなので、変換しません。\n"
             "今回は読み取り専用で開きます。")
             .arg(ShownBackupFolder());
}

QString ReadOnlyScheduleMessage(const QString& schedulePath) {
  return platform::NotShiftJisMessage(schedulePath) + QStringLiteral("\n今回は読み取り専用で開いているので、書き込めません。");
}
