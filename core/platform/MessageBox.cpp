#include "MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include "WorkPlace.h"

#include "core/platform/TestSeamRegistry.h"

namespace platform {
namespace {

QString& quietFolder() {
  static QString folder;
  return folder;
}

MessageHandler& messageHandler() {
  static MessageHandler h;
  return h;
}

QString& appTitle() {
  static QString t = QStringLiteral("Ringpad");
  return t;
}

MsgResult showRealMessageBox(const MessageRequest& r) {
  QMessageBox box;
  box.setWindowTitle(r.title.isEmpty() ? appTitle() : r.title);
  box.setText(r.text);
  switch (r.icon) {
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::None: break;
  }
  struct B { QMessageBox::StandardButton qt; MsgResult result; };
  std::vector<B> buttons;
  switch (r.buttons) {
    case MsgButtons::Ok: buttons = {{QMessageBox::Ok, MsgResult::Ok}}; break;
    case MsgButtons::OkCancel:
      buttons = {{QMessageBox::Ok, MsgResult::Ok}, {QMessageBox::Cancel, MsgResult::Cancel}};
      break;
    case MsgButtons::AbortRetryIgnore:
      buttons = {{QMessageBox::Abort, MsgResult::Abort}, {QMessageBox::Retry, MsgResult::Retry},
                 {QMessageBox::Ignore, MsgResult::Ignore}};
      break;
    case MsgButtons::YesNoCancel:
      buttons = {{QMessageBox::Yes, MsgResult::Yes}, {QMessageBox::No, MsgResult::No},
                 {QMessageBox::Cancel, MsgResult::Cancel}};
      break;
    case MsgButtons::YesNo:
      buttons = {{QMessageBox::Yes, MsgResult::Yes}, {QMessageBox::No, MsgResult::No}};
      break;
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
  // Closing the box by its frame counts as its cancelling button.
  if (r.buttons == MsgButtons::Ok) return MsgResult::Ok;
  if (r.buttons == MsgButtons::YesNo) return MsgResult::No;
  if (r.buttons == MsgButtons::AbortRetryIgnore) return MsgResult::Abort;
  return MsgResult::Cancel;
}

}  // namespace

void QuietWriteFailuresIn(const QString& folder) {
  QString native = QDir::toNativeSeparators(QDir::cleanPath(QDir(folder).absolutePath()));
  if (!native.endsWith(QDir::separator())) native += QDir::separator();
  quietFolder() = folder.isEmpty() ? QString() : native;
}

bool WriteFailuresQuietIn(const QString& path) {
  if (quietFolder().isEmpty() || path.isEmpty()) return false;
  // A name shown without a folder is one in the current folder.
  const QString absolute = QDir::current().absoluteFilePath(QDir::fromNativeSeparators(path));
  return QDir::toNativeSeparators(QDir::cleanPath(absolute)).startsWith(quietFolder());
}

MsgResult ShowMessage(const MessageRequest& request) {
  // A failed write or lock names its file first ("PATH に…" or "「PATH」に…").
  static const QString failedWrite = QStringLiteral("に書き込めませんでした。");
  if (!quietFolder().isEmpty() && request.buttons == MsgButtons::Ok && request.text.contains(failedWrite)) {
    QString named = request.text.left(request.text.indexOf(failedWrite));
    if (named.startsWith(u'「')) named = named.mid(1);
    named.chop(named.endsWith(u'」') || named.endsWith(u' ') ? 1 : 0);
    if (WriteFailuresQuietIn(named)) return MsgResult::Ok;
  }
  const KeepWorkPlace place;
  if (messageHandler()) return messageHandler()(request);
  return showRealMessageBox(request);
}

MsgResult ShowMessage(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) {
  MessageRequest r;
  r.text = text;
  r.buttons = buttons;
  r.icon = icon;
  r.title = title;
  return ShowMessage(r);
}

void SetMessageHandler(MessageHandler h) {
  RegisterSeamReset([] { SetMessageHandler({}); });
  messageHandler() = std::move(h);
}

}  // namespace platform
