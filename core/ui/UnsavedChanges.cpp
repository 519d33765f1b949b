#include "UnsavedChanges.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "core/platform/MessageBox.h"
#include "core/settings/AppGlobals.h"

namespace {
void BringAskingWindowForward(QWidget* window) {
  auto* sub = window ? qobject_cast<QMdiSubWindow*>(window->parentWidget()) : nullptr;
  if (!sub || sub->isHidden()) return;
  if (QMdiArea* area = sub->mdiArea()) area->setActiveSubWindow(sub);
  sub->raise();
}
}  // namespace

void AskBeforeLosingChanges(QWidget* window, bool changed, UnloadMode mode, const QString& question,
                            const std::function<bool()>& write, int16_t& cancel) {
  if (mode == UnloadMode::AppWindows || !changed) return;
  BringAskingWindowForward(window);
  platform::MessageRequest ask;
  ask.text = question;
  if (write) {
    ask.buttons = platform::MsgButtons::YesNoCancel;
    ask.icon = platform::MsgIcon::Exclamation;
  } else {
    ask.buttons = platform::MsgButtons::OkCancel;
    ask.icon = platform::MsgIcon::Information;
  }
  const platform::MsgResult answer = platform::ShowMessage(ask);
  if (answer == platform::MsgResult::Ok || answer == platform::MsgResult::No) return;
  if (answer == platform::MsgResult::Yes && write()) return;
  CloseVeto = -1;
  cancel = 1;
}

QString WriteBeforeClosingQuestion(const QString& windowName, UnloadMode mode) {
  const bool ending = mode == UnloadMode::MdiForm;
  const QString act = ending ? QStringLiteral("終了し") : QStringLiteral("閉じ");
  return QStringLiteral("「%1」の内容が変更されています。\n書き出してから%2ますか？\n\n"
                        "はい：書き出してから%2ます\n"
                        "いいえ：書き出さずに%2ます（変更した内容は失われます）\n"
                        "キャンセル：%3")
      .arg(windowName, act, ending ? QStringLiteral("終了しません") : QStringLiteral("閉じません"));
}
