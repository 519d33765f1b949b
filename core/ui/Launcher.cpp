#include "Launcher.h"

#include <QDir>

#include "core/platform/CompanionProgram.h"
#include "core/platform/MessageBox.h"
#include "core/platform/Shell.h"
#include "core/settings/AppGlobals.h"

namespace {

// Window style of a launched program: minimised, with the focus.
constexpr int kMinimisedWithFocus = 2;

}  // namespace

QString LauncherCaption(int index) {
  // The companion programs that the page windows start come first.
  static const char* const kCaptions[kLauncherItemCount] = {
      "カレンダー(jxcalpad)", "郵便番号検索(jxpostal)", "メール送信(jxsender)", "家計簿(jxkakei)",
      "時間割(jxjikan)",     "名刺印刷(jxmeisi)",     "封筒印刷(jxfuutou)",   "ラベル印刷(jxlabel)",
      "年賀状(jxnenga)",     "単語帳(jxtango)",
  };
  if (index < 0 || index >= kLauncherItemCount) return QString();
  return QString::fromUtf8(kCaptions[index]);
}

QString LauncherProgramName(const QString& caption) {
  const qsizetype open = caption.indexOf(u'(');
  if (open < 0) return QString();
  return caption.mid(open + 1, caption.size() - open - 2);
}

void RunLauncherItem(const QString& caption) {
  const QString name = LauncherProgramName(caption);
  if (name.isEmpty()) return;
  platform::RunCompanionProgram(name, {}, kMinimisedWithFocus, [&] {
    const QString br = QStringLiteral("\r\n");
    ShowCompanionMissingNotice(QStringLiteral("姉妹ソフト「") + caption + QStringLiteral("」を") + ExeName +
                                   QStringLiteral("と同じフォルダに入れると、") + br +
                                   QStringLiteral("このメニューから起動できます。"),
                               name);
  });
}

void ShowCompanionMissingNotice(const QString& invitation, const QString& programName) {
  const QString br = QStringLiteral("\r\n");
  platform::ShowMessage(invitation + br + br + QStringLiteral("「") + programName +
                            QStringLiteral("」が見つからないため、起動できません。") + br +
                            // The program folder may be the per-user data folder, not the
                            // executable's: the notice says where the program goes.
                            QStringLiteral("置き場所：") + QDir::toNativeSeparators(QDir::cleanPath(ProgramFolder)) + br,
                        platform::MsgButtons::Ok, platform::MsgIcon::None);
}
