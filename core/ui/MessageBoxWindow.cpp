#include "MessageBoxWindow.h"

#include <QMessageBox>
#include <vector>

namespace platform {

MsgResult ShowMessageBoxWindow(const MessageRequest& r) {
  QMessageBox box;
  box.setWindowTitle(MessageTitle(r));
  // The text names files, addresses and lines of the user's data: shown as
  // it is, never read as markup that could hide or replace what is said.
  box.setTextFormat(Qt::PlainText);
  box.setText(r.text);
  switch (r.icon) {
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::None: break;
  }
  struct B {
    QMessageBox::StandardButton qt;
    MsgResult result;
  };
  std::vector<B> buttons;
  switch (r.buttons) {
    case MsgButtons::Ok: buttons = {{QMessageBox::Ok, MsgResult::Ok}}; break;
    case MsgButtons::OkCancel:
      buttons = {{QMessageBox::Ok, MsgResult::Ok}, {QMessageBox::Cancel, MsgResult::Cancel}};
      break;
    case MsgButtons::AbortRetryIgnore:
      buttons = {{QMessageBox::Abort, MsgResult::Abort},
                 {QMessageBox::Retry, MsgResult::Retry},
                 {QMessageBox::Ignore, MsgResult::Ignore}};
      break;
    case MsgButtons::YesNoCancel:
      buttons = {{QMessageBox::Yes, MsgResult::Yes},
                 {QMessageBox::No, MsgResult::No},
                 {QMessageBox::Cancel, MsgResult::Cancel}};
      break;
    case MsgButtons::YesNo: buttons = {{QMessageBox::Yes, MsgResult::Yes}, {QMessageBox::No, MsgResult::No}}; break;
    case MsgButtons::RetryCancel:
      buttons = {{QMessageBox::Retry, MsgResult::Retry}, {QMessageBox::Cancel, MsgResult::Cancel}};
      break;
  }
  QMessageBox::StandardButtons set;
  for (const B& b : buttons) set |= b.qt;
  box.setStandardButtons(set);
  int def = r.defaultButton - 1;
  if (def >= 0 && def < static_cast<int>(buttons.size())) box.setDefaultButton(buttons[def].qt);
  int pressed = box.exec();
  for (const B& b : buttons)
    if (pressed == b.qt) return b.result;
  return ClosingAnswer(r.buttons);
}

}  // namespace platform
