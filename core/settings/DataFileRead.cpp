#include "DataFileRead.h"

#include <QFileInfo>

#include "core/platform/CodePageChecks.h"
#include "core/platform/TextLines.h"

DataFileRead ReadDataFileWithinLimit(const QString& path, QByteArray& content, platform::ProblemReport& problem,
                                     const QString& shownName, platform::Problem unreadableKind) {
  content.clear();
  const QFileInfo info(path);
  if (info.isFile() && info.size() > kDataFileMaxBytes) {
    const QString named = shownName.isEmpty() ? path : shownName;
    problem = platform::ProblemReport(platform::Problem::FileTooLarge, named);
    problem.text = QStringLiteral("ファイルが大きすぎます（10MBまで）: ") + named;
    return DataFileRead::TooLarge;
  }
  QString reason;
  if (!platform::ReadWholeFile(path, content, &reason)) {
    problem = platform::ProblemReport(unreadableKind, path, reason);
    return DataFileRead::Unreadable;
  }
  if (!platform::IsTextContent(content)) {
    content.clear();
    problem = platform::ProblemReport(platform::Problem::NotTextFile, path);
    return DataFileRead::NotText;
  }
  return DataFileRead::Read;
}

bool ReadDataFileWithinLimitOrReport(const QString& path, QByteArray& content, const QString& shownName,
                                     platform::Problem unreadableKind) {
  platform::ProblemReport problem;
  if (ReadDataFileWithinLimit(path, content, problem, shownName, unreadableKind) == DataFileRead::Read) return true;
  platform::ReportProblem(problem);
  return false;
}
