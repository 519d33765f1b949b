#include "OverwriteQuestion.h"

#include <QFileInfo>

#include "core/platform/MessageBox.h"

bool OverwriteAgreed(const QString& path) {
  if (!QFileInfo::exists(path)) return true;
  platform::MessageRequest ask;
  ask.text = QStringLiteral("同じファイルがあります、上書きしますか？\n") + path;
  ask.buttons = platform::MsgButtons::OkCancel;
  ask.icon = platform::MsgIcon::Exclamation;
  ask.defaultButton = 2;
  return platform::ShowMessage(ask) == platform::MsgResult::Ok;
}
