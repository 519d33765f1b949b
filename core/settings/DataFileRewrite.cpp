#include "DataFileRewrite.h"

#include <QFile>
#include <QFileInfo>

#include "AppGlobals.h"
#include "core/platform/CodePageChecks.h"
#include "core/platform/Codec.h"
#include "core/platform/FileLock.h"
#include "core/platform/ProblemReport.h"
#include "core/platform/SafeSave.h"
#include "core/platform/TextLines.h"

namespace {

// Reads the file under the lock; a file that is not there is empty. A
// failure leaves its report in *failure, to be made once the lock is gone.
bool ReadCurrent(const QString& shownPath, const QString& target, QByteArray& content, bool& exists,
                 platform::ProblemReport* failure) {
  content.clear();
  exists = QFileInfo::exists(target);
  if (!exists) return true;
  QString error;
  if (platform::ReadWholeFile(target, content, &error)) return true;
  *failure = {platform::Problem::ReadFailed, shownPath, error};
  return false;
}

bool Replace(const QString& shownPath, const QString& target, const QByteArray& before, bool exists,
             const QByteArray& after, const DataFileWriteOptions& options, platform::ProblemReport* failure) {
  if (options.keepTempCopy) {
    // The copy is a convenience for the user; the file itself is replaced
    // atomically, so a copy that cannot be made stops nothing.
    const QString temp = TempCopyPath();
    QFile::remove(temp);
    if (exists) platform::SaveFileAtomically(temp, before);
  }
  QString error;
  if (platform::SaveFileAtomically(target, after, &error)) return true;
  *failure = {platform::Problem::WriteFailed, shownPath, error};
  return false;
}

// How one pass under the lock ended.
enum class LockedPass { Written, Declined, Failed, AskFirst };

// One pass: locks the file, reads it as it stands, and lets build make the
// new content from it, or decline. Nothing is reported while the lock is
// held, for another copy of the program waits on it meanwhile: a failure
// leaves its report in *failure, and bytes that need the user's word end
// the pass with AskFirst and the lines to ask about.
LockedPass LockedPassOnce(const QString& path, const QString& target, const DataFileWriteOptions& options,
                          bool bytesAgreed,
                          const std::function<bool(const QList<QByteArray>& raw, QByteArray& after)>& build,
                          QList<QByteArray>* toAskAbout, platform::ProblemReport* failure) {
  platform::FileLock lock(target);
  QString error;
  if (!lock.acquire(&error)) {
    *failure = {platform::Problem::LockFailed, path, error};
    return LockedPass::Failed;
  }
  QByteArray content;
  bool exists = false;
  if (!ReadCurrent(path, target, content, exists, failure)) return LockedPass::Failed;
  QList<QByteArray> raw = platform::SplitLines(content);
  if (exists && options.confirmForeignBytes && !bytesAgreed && !platform::SurvivesCodePageRoundTrip(raw)) {
    *toAskAbout = std::move(raw);
    return LockedPass::AskFirst;
  }
  QByteArray after;
  if (!build(raw, after)) return LockedPass::Declined;
  return Replace(path, target, content, exists, after, options, failure) ? LockedPass::Written : LockedPass::Failed;
}

// The whole cycle: a question about the file's bytes is asked with the lock
// released, and the pass is made again on the file as it then stands.
bool LockedCycle(const QString& path, const DataFileWriteOptions& options,
                 const std::function<bool(const QList<QByteArray>& raw, QByteArray& after)>& build) {
  // A link is followed to its file, so that the user's own arrangement (a
  // schedule kept in a synced folder, say) keeps working.
  const QString target = platform::FollowedLinkPath(path);
  bool bytesAgreed = false;
  for (;;) {
    QList<QByteArray> toAskAbout;
    platform::ProblemReport failure;
    switch (LockedPassOnce(path, target, options, bytesAgreed, build, &toAskAbout, &failure)) {
      case LockedPass::Written: return true;
      case LockedPass::Declined: return false;
      case LockedPass::Failed: platform::ReportProblem(failure); return false;
      case LockedPass::AskFirst:
        // The answer stands for the file for the rest of the session.
        if (!platform::ConfirmRewriteOfForeignBytes(path, toAskAbout)) return false;
        bytesAgreed = true;
        break;
    }
  }
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

bool WriteDocumentFile(const QString& path, const QString& text) {
  // The encoding is settled before the cycle, for its question about
  // unsavable text must not wait under the lock.
  QByteArray current;
  if (QFileInfo::exists(platform::FollowedLinkPath(path)) && !platform::ReadWholeFileOrReport(path, current))
    return false;
  QStringList lines = platform::NormaliseToCrLf(text).split(QStringLiteral("\r\n"));
  // The text's closing line end makes no line of its own.
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  if (platform::ClassifyTextBytes(current) == platform::TextBytes::Utf8) {
    const bool byteOrderMark = platform::HasUtf8ByteOrderMark(current);
    return LockedCycle(path, {.confirmForeignBytes = false}, [&](const QList<QByteArray>&, QByteArray& after) {
      after = platform::JoinUtf8LinesCrLf(lines, byteOrderMark);
      return true;
    });
  }
  if (!platform::CheckSavableText(text)) return false;
  return WriteDataFile(path, lines);
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
