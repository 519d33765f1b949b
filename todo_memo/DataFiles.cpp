#include "DataFiles.h"

#include <QFile>
#include <QSet>

#include "core/platform/Clock.h"
#include "core/platform/Codec.h"
#include "core/platform/MessageBox.h"
#include "core/platform/SafeSave.h"
#include "core/platform/TextLines.h"
#include "core/settings/AppGlobals.h"

namespace todo {

namespace {

QString UnsavableCharacters(const QString& text) {
  QString found;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString c = text.mid(i, width);
    i += width - 1;
    if (c == u"?" || c == u"\r" || c == u"\n" || c == u"\t") continue;
    if (platform::ToSjis(c) == "?" && !found.contains(c)) found += c;
  }
  return found;
}

QSet<QString>& AgreedForeignFiles() {
  static QSet<QString> agreed;
  return agreed;
}

// Asks once a session before a file whose bytes the rewrite would change.
bool MayRewrite(const QString& path) {
  QByteArray bytes;
  if (!QFile::exists(path) || !platform::ReadWholeFile(path, bytes)) return true;
  bool survives = true;
  for (const QByteArray& line : platform::SplitLines(bytes))
    if (platform::ToSjis(platform::FromSjis(line)) != line) {
      survives = false;
      break;
    }
  if (survives || AgreedForeignFiles().contains(path)) return true;
  const auto answer = platform::ShowMessage(
      QStringLiteral("「%1」はShift-JISのテキストではないようです。\n書き換えると元の内容に戻せなくなります。書き換えますか？")
          .arg(path),
      platform::MsgButtons::OkCancel, platform::MsgIcon::Exclamation);
  if (answer != platform::MsgResult::Ok) return false;
  AgreedForeignFiles().insert(path);
  return true;
}

}  // namespace

bool ReadDataFile(const QString& path, QStringList& lines) { return platform::ReadTextLines(path, lines); }

bool CheckTypedText(const QString& text) {
  const QString bad = UnsavableCharacters(text);
  if (bad.isEmpty()) return true;
  platform::ShowMessage(QStringLiteral("「%1」はShift-JISで保存できない文字です。\n別の文字に直してください。").arg(bad),
                        platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
  return false;
}

bool WriteDataFile(const QString& path, const QStringList& lines) {
  if (!MayRewrite(path)) return false;
  return platform::SaveFileOrReport(path, platform::JoinLinesCrLf(lines));
}

bool RewriteDataFileWithCopy(const QString& path, const QStringList& lines) {
  if (!MayRewrite(path)) return false;
  const QString copy = ProgramFolder + QStringLiteral("ringpad.tmp");
  QFile::remove(copy);
  if (QFile::exists(path)) platform::CopyFileAtomically(path, copy);
  return platform::SaveFileOrReport(path, platform::JoinLinesCrLf(lines));
}

bool MakeWeekdayBackup(const QString& path, const QString& stem, const QString& extension) {
  if (!QFile::exists(path)) return true;
  const int weekday = platform::Today().dayOfWeek() % 7 + 1;
  if (platform::CopyFileAtomically(path, BackupFolder + stem + QString::number(weekday) + extension)) return true;
  platform::ShowMessage(QStringLiteral("バックアップファイルが書き込み禁止になっています"), platform::MsgButtons::Ok,
                        platform::MsgIcon::Critical);
  return false;
}

}  // namespace todo
