#pragma once
// Every message box of the program goes through ShowMessage, so that tests can
// answer it and read what it said.
#include <QString>
#include <functional>

namespace platform {

enum class MsgButtons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
// Values of the buttons: Windows numbers them so, and callers compare the
// result with these numbers.
enum class MsgResult { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct MessageRequest {
  QString text;
  MsgButtons buttons = MsgButtons::Ok;
  MsgIcon icon = MsgIcon::None;
  QString title;
  int defaultButton = 1;  // 1-based: the first button is 1, as Windows counts
};

// Asks the handler a test installed, else shows the program's message box
// window, and returns the button pressed. The title defaults to the
// program's title. The user's place (the page in front and its focused
// control) is kept across the box.
//
// Without a handler and before the window layer has installed its box (a
// program built of the model libraries only, or one that has not started its
// windows), the message is written to standard error, "title: text", and
// answered with ClosingAnswer: nobody was asked, so nothing that needs the
// user's word goes ahead.
MsgResult ShowMessage(const MessageRequest& request);
MsgResult ShowMessage(const QString& text, MsgButtons buttons = MsgButtons::Ok,
                      MsgIcon icon = MsgIcon::None, const QString& title = QString());

// The answer of a box closed by its frame rather than a button: Ok for a
// lone OK, No for Yes/No, Abort for Abort/Retry/Ignore, Cancel otherwise.
MsgResult ClosingAnswer(MsgButtons buttons);

// The program's title, which a box without a title of its own shows.
QString MessageTitle(const MessageRequest& request);

// A folder the user has been told, once, cannot be written (a read-only
// program folder): the failed writes and locks of files beneath it are not
// told again one box per file (ReportProblem decides that where the failure
// is reported). An empty folder ends the quiet.
void QuietWriteFailuresIn(const QString& folder);
// True when the path lies beneath that folder.
bool WriteFailuresQuietIn(const QString& path);

using MessageHandler = std::function<MsgResult(const MessageRequest&)>;
// Installs a handler in place of the real box; an empty handler restores it.
void SetMessageHandler(MessageHandler handler);

// The window that shows a message when no handler is installed: the window
// layer installs its message box at start-up. Returns the one it replaces;
// an empty one goes back to standard error.
MessageHandler UseMessageBoxWindow(MessageHandler window);

}  // namespace platform
