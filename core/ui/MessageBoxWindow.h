#pragma once
// Qt's message box behind platform::ShowMessage.
#include "core/platform/MessageBox.h"

namespace platform {

// Shows the request in a modal QMessageBox over the active window and
// returns the button pressed; closing the box by its frame gives
// ClosingAnswer.
MsgResult ShowMessageBoxWindow(const MessageRequest& request);

}  // namespace platform
