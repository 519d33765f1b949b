#include "MessageBox.h"

#include <QDir>
#include <cstdio>
#include <utility>

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

MessageHandler& messageBoxWindow() {
  static MessageHandler window;
  return window;
}

MsgResult writeMessageToStandardError(const MessageRequest& r) {
  std::fprintf(stderr, "%s: %s\n", qUtf8Printable(MessageTitle(r)), qUtf8Printable(r.text));
  std::fflush(stderr);
  return ClosingAnswer(r.buttons);
}

}  // namespace

MsgResult ClosingAnswer(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::Ok: return MsgResult::Ok;
    case MsgButtons::YesNo: return MsgResult::No;
    case MsgButtons::AbortRetryIgnore: return MsgResult::Abort;
    case MsgButtons::OkCancel:
    case MsgButtons::YesNoCancel:
    case MsgButtons::RetryCancel: break;
  }
  return MsgResult::Cancel;
}

QString MessageTitle(const MessageRequest& request) {
  return request.title.isEmpty() ? QStringLiteral("Ringpad") : request.title;
}

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
  const KeepWorkPlace place;
  if (messageHandler()) return messageHandler()(request);
  if (messageBoxWindow()) return messageBoxWindow()(request);
  return writeMessageToStandardError(request);
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

MessageHandler UseMessageBoxWindow(MessageHandler window) {
  return std::exchange(messageBoxWindow(), std::move(window));
}

}  // namespace platform
