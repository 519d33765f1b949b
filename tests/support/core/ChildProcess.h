#pragma once
// Runs one test of this test program again in a child process: for faults
// that need a whole process (a preloaded shim failing system calls) and for
// two programs working on one folder at the same time. The child's test is
// named DISABLED_..., so that it runs only when asked for; it reads what to
// do from the environment, and reports with ReportToParent.
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct ChildOutcome {
  int exitCode = -1;
  QStringList reports;  // ReportToParent lines, in order
  QString log;          // everything else the child printed, for failures
};

// Starts the child with the environment of this process plus extra; the
// shim at preload (a path, or "") is preloaded.
QProcess* StartChildTest(const QString& testName, const QProcessEnvironment& extra, const QString& preload = {});
// Waits for a started child and collects its outcome.
ChildOutcome FinishChildTest(QProcess* child, int timeoutMs = 120000);
ChildOutcome RunChildTest(const QString& testName, const QProcessEnvironment& extra, const QString& preload = {});

// In the child: one line for the parent (line breaks kept).
void ReportToParent(const QString& text);
