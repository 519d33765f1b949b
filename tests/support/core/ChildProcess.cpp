#include "ChildProcess.h"

#include <QFileInfo>
#include <cstdio>

namespace {
const QString kReportMark = QStringLiteral("@@child-report@@ ");
}

QProcess* StartChildTest(const QString& testName, const QProcessEnvironment& extra, const QString& preload) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const QString& key : extra.keys()) env.insert(key, extra.value(key));
  // The shim comes ahead of the sanitizer runtime, which then has to be told
  // that this is meant. The leak check stays on: a child that ends as the
  // program does (EndProgram) is checked there, and a leak fails it.
  env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("verify_asan_link_order=0:detect_leaks=1"));
  if (!preload.isEmpty()) env.insert(QStringLiteral("LD_PRELOAD"), preload);
  auto* child = new QProcess;
  child->setProcessEnvironment(env);
  child->setProcessChannelMode(QProcess::MergedChannels);
  child->start(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget(),
               {QStringLiteral("--gtest_filter=") + testName, QStringLiteral("--gtest_also_run_disabled_tests")});
  return child;
}

ChildOutcome FinishChildTest(QProcess* child, int timeoutMs) {
  ChildOutcome outcome;
  if (!child->waitForFinished(timeoutMs)) {
    child->kill();
    child->waitForFinished();
  }
  outcome.exitCode = child->exitStatus() == QProcess::NormalExit ? child->exitCode() : -1;
  for (const QString& line : QString::fromUtf8(child->readAll()).split(u'\n')) {
    if (line.startsWith(kReportMark))
      outcome.reports.append(line.mid(kReportMark.size()).replace(QStringLiteral("\\n"), QStringLiteral("\n")));
    else
      outcome.log += line + u'\n';
  }
  delete child;
  return outcome;
}

ChildOutcome RunChildTest(const QString& testName, const QProcessEnvironment& extra, const QString& preload) {
  return FinishChildTest(StartChildTest(testName, extra, preload));
}

void ReportToParent(const QString& text) {
  QString line = text;
  line.replace(u'\n', QStringLiteral("\\n"));
  std::fprintf(stdout, "%s%s\n", kReportMark.toUtf8().constData(), line.toUtf8().constData());
  std::fflush(stdout);
}
