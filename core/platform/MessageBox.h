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

// Shows a modal message box (or asks the installed handler) and returns the
// button pressed. The title defaults to the program's title.
MsgResult ShowMessage(const MessageRequest& request);
MsgResult ShowMessage(const QString& text, MsgButtons buttons = MsgButtons::Ok,
                      MsgIcon icon = MsgIcon::None, const QString& title = QString());

// A folder the user has been told, once, cannot be written (a read-only
// program folder): the failed writes and locks of files beneath it are not
// told again one box per file. An empty folder ends the quiet.
void QuietWriteFailuresIn(const QString& folder);
// True when the path lies beneath that folder.
bool WriteFailuresQuietIn(const QString& path);

using MessageHandler = std::function<MsgResult(const MessageRequest&)>;
// Installs a handler in place of the real box; an empty handler restores it.
void SetMessageHandler(MessageHandler handler);

}  // namespace platform
