#include "DataFiles.h"

#include "core/platform/Clock.h"
#include "core/platform/CodePageChecks.h"
#include "core/platform/TextLines.h"
#include "core/settings/DataFileRewrite.h"
#include "core/settings/WeekdayBackup.h"

namespace todo {

bool ReadDataFile(const QString& path, QStringList& lines) { return platform::ReadTextLines(path, lines); }

bool CheckTypedText(const QString& text) { return platform::CheckSavableText(text); }

bool WriteDataFile(const QString& path, const QStringList& lines) { return ::WriteDataFile(path, lines); }

bool RewriteDataFileWithCopy(const QString& path, const QStringList& lines) {
  DataFileWriteOptions options;
  options.keepTempCopy = true;
  return ::WriteDataFile(path, lines, options);
}

bool ChangeDataFile(const QString& path, const std::function<bool(QStringList& lines)>& edit, bool keepTempCopy) {
  DataFileWriteOptions options;
  options.keepTempCopy = keepTempCopy;
  return RewriteDataFile(path, edit, options);
}

bool MakeWeekdayBackup(const QString& path, const QString& stem, const QString& extension) {
  return ::MakeWeekdayBackup(path, stem, extension, QStringLiteral("バックアップファイルが書き込み禁止になっています"),
                             platform::Today());
}

}  // namespace todo
