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

// True when the work may go: the user let it go, or it was written.
bool ChangesMayGo(QWidget* window, const QString& question, const std::function<bool()>& write) {
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
  if (answer == platform::MsgResult::Ok || answer == platform::MsgResult::No) return true;
  return answer == platform::MsgResult::Yes && write();
}

// act is the verb's stem before "ます" ("閉じ", "読み込み"); declined what Cancel means.
QString WriteFirstQuestion(const QString& windowName, const QString& act, const QString& declined) {
  return QStringLiteral(
             "「%1」の内容が変更されています。\n書き出してから%2ますか？\n\n"
             "はい：書き出してから%2ます\n"
             "いいえ：書き出さずに%2ます（変更した内容は失われます）\n"
             "キャンセル：%3")
      .arg(windowName, act, declined);
}
}  // namespace

void AskBeforeLosingChanges(QWidget* window, bool changed, UnloadMode mode, const QString& question,
                            const std::function<bool()>& write, int16_t& cancel) {
  if (mode == UnloadMode::AppWindows || !changed) return;
  if (ChangesMayGo(window, question, write)) return;
  CloseVeto = -1;
  cancel = 1;
}

bool MayReadOverChanges(QWidget* window, bool changed, const QString& windowName, const std::function<bool()>& write) {
  if (!changed) return true;
  return ChangesMayGo(
      window, WriteFirstQuestion(windowName, QStringLiteral("読み込み"), QStringLiteral("読み込みません")), write);
}

QString WriteBeforeClosingQuestion(const QString& windowName, UnloadMode mode) {
  const bool ending = mode == UnloadMode::MdiForm;
  return ending ? WriteFirstQuestion(windowName, QStringLiteral("終了し"), QStringLiteral("終了しません"))
                : WriteFirstQuestion(windowName, QStringLiteral("閉じ"), QStringLiteral("閉じません"));
}
