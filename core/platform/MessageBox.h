#pragma once
// Every message box of the program goes through ShowMessage, so that tests can
// answer it and read what it said.
#include <QString>
#include <functional>

namespace platform {

enum class MsgButtons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
// Values of the buttons as the original platform numbers them.
enum class MsgResult { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct MessageRequest {
  QString text;
  MsgButtons buttons = MsgButtons::Ok;
  MsgIcon icon = MsgIcon::None;
  QString title;
  int defaultButton = 1;  // 1-based, as the original platform counts
};

// Shows a modal message box (or asks the installed handler) and returns the
// button pressed. The title defaults to the program's title.
MsgResult ShowMessage(const MessageRequest& request);
MsgResult ShowMessage(const QString& text, MsgButtons buttons = MsgButtons::Ok,
                      MsgIcon icon = MsgIcon::None, const QString& title = QString());

using MessageHandler = std::function<MsgResult(const MessageRequest&)>;
// Installs a handler in place of the real box; an empty handler restores it.
void SetMessageHandler(MessageHandler handler);

}  // namespace platform
