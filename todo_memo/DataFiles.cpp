#include "DataFiles.h"

#include <QFile>
#include <QFileInfo>

#include "core/platform/Clock.h"
#include "core/platform/Codec.h"
#include "core/platform/CodePageChecks.h"
#include "core/platform/MessageBox.h"
#include "core/platform/ProblemReport.h"
#include "core/platform/TextLines.h"
#include "core/settings/WeekdayBackup.h"

namespace todo {

bool CheckChosenTextFile(const QString& path) {
  // A picture or other binary file shows within its first bytes, so the
  // head of the file tells.
  constexpr qint64 kHeadBytes = 64 * 1024;
  QFile file(path);
  QByteArray head;
  if (file.open(QIODevice::ReadOnly)) head = file.read(kHeadBytes);
  if (!file.isOpen() || file.error() != QFileDevice::NoError) {
    platform::ReportProblem({platform::Problem::ReadFailed, path, file.errorString()});
    return false;
  }
  if (platform::IsTextContent(head)) return true;
  platform::ReportProblem({platform::Problem::NotTextFile, path});
  return false;
}

bool CheckTypedText(const QString& text) { return platform::CheckSavableText(text); }

bool WriteDataFile(const QString& path, const QStringList& lines) { return ::WriteDataFile(path, lines); }

bool ChangeDataFile(const QString& path, const std::function<bool(QStringList& lines)>& edit, bool keepTempCopy) {
  DataFileWriteOptions options;
  options.keepTempCopy = keepTempCopy;
  return RewriteDataFile(path, edit, options);
}

bool CreateDataFile(const QString& path, const QStringList& lines) {
  return RewriteDataFile(path, [&lines](QStringList& now) {
    if (!now.isEmpty()) return false;
    now = lines;
    return true;
  });
}

SeenResult ChangeSeenDataFile(const QString& path, QStringList& seen,
                              const std::function<bool(QStringList& lines)>& edit,
                              const DataFileWriteOptions& options) {
  bool stale = false;
  QStringList written;
  const bool done = RewriteDataFile(path, [&](QStringList& lines) {
    stale = lines != seen;
    if (stale || !edit(lines)) return false;
    written = lines;
    return true;
  }, options);
  if (stale) return SeenResult::Stale;
  if (!done) return SeenResult::Failed;
  seen = written;
  return SeenResult::Done;
}

SeenResult CheckSeenDataFile(const QString& path, const QStringList& seen) {
  // A file that is not there reads as no lines, as under the lock.
  QByteArray content;
  const bool exists = QFileInfo::exists(path);
  QString error;
  if (exists && !platform::ReadWholeFile(path, content, &error)) {
    platform::ReportProblem({platform::Problem::ReadFailed, path, error});
    return SeenResult::Failed;
  }
  if (platform::FromSjisLines(content) != seen) return SeenResult::Stale;
  if (exists && !platform::ConfirmRewriteOfForeignBytes(path, platform::SplitLines(content))) return SeenResult::Failed;
  return SeenResult::Done;
}

void ShowStaleListMessage(const QString& subject) {
  platform::ShowMessage(::StaleListMessage(subject), platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
}

bool MakeWeekdayBackup(const QString& path, const QString& stem, const QString& extension) {
  return ::MakeWeekdayBackup(path, stem, extension, QStringLiteral("バックアップファイルが書き込み禁止になっています"),
                             platform::Today());
}

}  // namespace todo
