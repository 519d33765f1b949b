#pragma once
// What went wrong below the windows (reading, locking and replacing data
// files, weekday backups, typed text the code page cannot hold, companion
// programs, documents and links, chosen file names) is reported here, as a
// kind of problem with what it is about, never as a message box of its own.
//
// Unless a handler is installed, a report is told to the user as a message
// through ShowMessage (the texts each kind's own file words, below), which the
// window layer shows in its message box and a program without windows writes
// to standard error. A handler receives the reports instead: a program of the
// model libraries alone can collect them, and a test can see what was
// reported without reading texts.
#include <QString>
#include <functional>
#include <utility>

#include "MessageBox.h"

namespace platform {

enum class Problem {
  ReadFailed,            // subject: the file; reason: the system's
  ViewReadFailed,        // as ReadFailed, for a file a window only shows or opens: told as a warning
  FileTooLarge,          // subject: the file; text: the refusal, naming the window's limit
  WriteFailed,           // subject: the file, which keeps its old bytes; reason
  LockFailed,            // subject: the data file whose lock could not be had; reason
  UnencodableContent,    // subject: a file left unwritten, its new content (a picture) could not be made
  BackupWriteProtected,  // subject: the backup copy; text: the page's own words
  BackupFolderIsLink,    // subject: the backup folder; text: the notice
  UnsavableText,         // subject: the characters code page 932 cannot hold
  ForeignBytes,          // a question: subject, a file that is not code page 932, be rewritten?
  CompanionUnusable,     // subject: the companion's name; reason: why it cannot run
  CompanionDidNotStart,  // subject: the companion's name; reason: the system's
  CompanionCrashed,      // subject: the companion's name
  CompanionFailed,       // subject: the companion's name; exitCode
  RefusedTarget,         // subject: a document or address that may not be opened
  UnusableFileName,      // subject: a chosen file name with a line break or "\"
};

struct ProblemReport {
  ProblemReport() = default;
  ProblemReport(Problem problem, QString subject, QString reason = QString())
      : problem(problem), subject(std::move(subject)), reason(std::move(reason)) {}

  Problem problem = Problem::ReadFailed;
  QString subject;
  QString reason;
  int exitCode = 0;
  QString text;
  // A failed write or lock of a change the user made (an added item, a
  // saved file): told even in a folder the user was told cannot be written,
  // for the user would otherwise take the change for kept. The program's own
  // writes (backups, settings, a first start's files) stay quiet there.
  bool userChange = false;
};

// Reports the problem. A failed write or lock of a file in a folder the user
// has been told cannot be written (QuietWriteFailuresIn) is not reported
// again, unless it lost a change the user made. True only for a question the
// user agreed to (ForeignBytes answered OK); a plain report, and a question
// nobody could be asked, give false.
bool ReportProblem(const ProblemReport& report);

// The message that tells the user of the report.
MessageRequest ProblemMessage(const ProblemReport& report);

// Receives the reports in place of the messages; true agrees to a question.
using ProblemHandler = std::function<bool(const ProblemReport&)>;

// Installs a handler for as long as it lives, then puts back the one before.
class ProblemHandlerScope {
 public:
  explicit ProblemHandlerScope(ProblemHandler handler);
  ~ProblemHandlerScope();
  ProblemHandlerScope(const ProblemHandlerScope&) = delete;
  ProblemHandlerScope& operator=(const ProblemHandlerScope&) = delete;

 private:
  ProblemHandler previous_;
};

}  // namespace platform
