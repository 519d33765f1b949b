#include "CompanionProgram.h"

#include <QDir>
#include <QFileInfo>

#include "ProblemReport.h"
#include "Shell.h"

namespace platform {
namespace {

// Every entry of the program folder whose name is the companion's, with or
// without ".exe", letter case ignored; folders and dangling links included.
QFileInfoList companionEntriesNamed(const QString& base) {
  QFileInfoList found;
  const QDir folder = QDir::current();
  const QStringList entries =
      folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QString& entry : entries) {
    if (entry.compare(base, Qt::CaseInsensitive) == 0 ||
        entry.compare(base + QStringLiteral(".exe"), Qt::CaseInsensitive) == 0)
      found << QFileInfo(folder, entry);
  }
  return found;
}

QString companionBaseName(const QString& name) {
  QString base = QFileInfo(name).fileName();
  if (base.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive)) base.chop(4);
  return base;
}

}  // namespace

QString CompanionUnusableReason(const QString& name) {
  const QString base = companionBaseName(name);
  if (base.isEmpty() || !CompanionProgramPath(base).isEmpty()) return QString();
  for (const QFileInfo& entry : companionEntriesNamed(base)) {
    const QString path = QDir::toNativeSeparators(entry.absoluteFilePath());
    if (entry.isSymLink() && !entry.exists()) return path + QStringLiteral(" はリンク先のファイルがありません");
    if (entry.isDir()) return path + QStringLiteral(" はフォルダです");
    if (entry.fileName().endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive))
      return path + QStringLiteral(" はWindows用のプログラムで、ここでは動きません");
    if (entry.isFile()) return path + QStringLiteral(" には実行の許可がありません");
  }
  return QString();
}

QString CompanionUnusableMessage(const QString& name, const QString& reason) {
  return QStringLiteral("「%1」を起動できません。\r\n%2。\r\n").arg(companionBaseName(name), reason);
}

QString CompanionRunFailureMessage(const QString& name, const ProgramRunResult& run) {
  const QString base = companionBaseName(name);
  if (!run.started)
    return QStringLiteral("「%1」を起動できませんでした。\r\n(%2)\r\n").arg(base, run.error);
  if (run.crashed) return QStringLiteral("「%1」が異常終了しました。\r\n").arg(base);
  if (run.exitCode != 0)
    return QStringLiteral("「%1」がエラーで終了しました(終了コード %2)。\r\n").arg(base).arg(run.exitCode);
  return QString();
}

bool CompanionProgramReady(const QString& name, const std::function<void()>& whenMissing) {
  if (!CompanionProgramPath(name).isEmpty()) return true;
  const QString reason = CompanionUnusableReason(name);
  if (!reason.isEmpty()) {
    ReportProblem({Problem::CompanionUnusable, name, reason});
  } else if (whenMissing) {
    whenMissing();
  }
  return false;
}

bool RunCompanionProgram(const QString& name, const QStringList& arguments, int windowStyle,
                         const std::function<void()>& whenMissing) {
  if (!CompanionProgramReady(name, whenMissing)) return false;
  const ProgramRunResult run = RunProgramAndWait(CompanionProgramPath(name), arguments, windowStyle);
  if (run.succeeded()) return true;
  ProblemReport failure(Problem::CompanionFailed, name);
  failure.exitCode = run.exitCode;
  if (!run.started)
    failure = {Problem::CompanionDidNotStart, name, run.error};
  else if (run.crashed)
    failure.problem = Problem::CompanionCrashed;
  ReportProblem(failure);
  return false;
}

}  // namespace platform
