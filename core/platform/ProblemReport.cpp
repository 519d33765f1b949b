#include "ProblemReport.h"

#include <utility>

#include "CodePageChecks.h"
#include "CompanionProgram.h"
#include "FileDialog.h"
#include "FileLock.h"
#include "SafeSave.h"
#include "Shell.h"
#include "TextLines.h"

namespace platform {
namespace {

ProblemHandler& problemHandler() {
  static ProblemHandler handler;
  return handler;
}

bool IsWriteFailure(Problem problem) { return problem == Problem::WriteFailed || problem == Problem::LockFailed; }

}  // namespace

MessageRequest ProblemMessage(const ProblemReport& r) {
  MessageRequest m;
  m.icon = MsgIcon::Exclamation;
  ProgramRunResult run;
  switch (r.problem) {
    case Problem::ReadFailed:
      m.text = ReadFailureMessage(r.subject, r.reason);
      m.icon = MsgIcon::Critical;
      break;
    case Problem::ViewReadFailed: m.text = ReadFailureMessage(r.subject, r.reason); break;
    case Problem::FileTooLarge: m.text = r.text; break;
    case Problem::WriteFailed:
      m.text = SaveFailureMessage(r.subject, r.reason);
      m.icon = MsgIcon::Critical;
      break;
    case Problem::UnencodableContent: m.text = SaveFailureMessage(r.subject, r.reason); break;
    case Problem::LockFailed:
      m.text = LockFailureMessage(r.subject, r.reason);
      m.icon = MsgIcon::Critical;
      break;
    case Problem::BackupWriteProtected:
      m.text = r.text;
      m.icon = MsgIcon::Critical;
      break;
    case Problem::BackupFolderIsLink: m.text = r.text; break;
    case Problem::UnsavableText: m.text = UnsavableCharactersMessage(r.subject); break;
    case Problem::ForeignBytes:
      m.text =
          NotShiftJisMessage(r.subject) + QStringLiteral("\n書き換えると元の内容に戻せなくなります。書き換えますか？");
      m.buttons = MsgButtons::OkCancel;
      break;
    case Problem::CompanionUnusable: m.text = CompanionUnusableMessage(r.subject, r.reason); break;
    case Problem::CompanionDidNotStart:
      run.error = r.reason;
      m.text = CompanionRunFailureMessage(r.subject, run);
      break;
    case Problem::CompanionCrashed:
      run.started = run.crashed = true;
      m.text = CompanionRunFailureMessage(r.subject, run);
      break;
    case Problem::CompanionFailed:
      run.started = true;
      run.exitCode = r.exitCode;
      m.text = CompanionRunFailureMessage(r.subject, run);
      break;
    case Problem::RefusedTarget: m.text = RefusedTargetMessage(r.subject); break;
    case Problem::UnusableFileName: m.text = UnusableFileNameMessage(r.subject); break;
  }
  return m;
}

bool ReportProblem(const ProblemReport& report) {
  if (IsWriteFailure(report.problem) && !report.userChange && WriteFailuresQuietIn(report.subject)) return false;
  if (problemHandler()) return problemHandler()(report);
  const MessageRequest message = ProblemMessage(report);
  const MsgResult answer = ShowMessage(message);
  return message.buttons == MsgButtons::OkCancel && answer == MsgResult::Ok;
}

ProblemHandlerScope::ProblemHandlerScope(ProblemHandler handler)
    : previous_(std::exchange(problemHandler(), std::move(handler))) {}

ProblemHandlerScope::~ProblemHandlerScope() { problemHandler() = std::move(previous_); }

}  // namespace platform
