// The exports for the mail add-in: the phone list through the clipboard and
// the mail list "jxsender.htm".
#include <QComboBox>

#include "AddressWindow.h"
#include "MailListHtml.h"
#include "PhoneListExport.h"
#include "core/platform/Clipboard.h"
#include "core/platform/MessageBox.h"
#include "core/platform/Shell.h"
#include "core/text/StringHelpers.h"

namespace {

// The order list's item that prints only the entries marked "よく使う".
constexpr int kSortSelectedRows = 4;
constexpr int kNormalWindow = 1;

}  // namespace

void AddressWindow::Cmd_FileWrite_Click() {
  QStringList lines;
  if (!ReadAddressLines(lines, false)) return;
  const QString text =
      BuildPhoneListText(lines, TrimBlanks(Cmb_bunrui->currentText()), cmb_sort->currentIndex() == kSortSelectedRows);
  platform::ClipboardClear();
  platform::ClipboardSetText(text);
  const QString program = platform::CompanionProgramPath(QStringLiteral("jxsender"));
  if (program.isEmpty()) {
    platform::ShowMessage(QStringLiteral("「jxsender」をアドインすると、電話一覧をメールできます。"),
                          platform::MsgButtons::Ok, platform::MsgIcon::Information);
    return;
  }
  platform::RunProgramAndWait(program, {}, kNormalWindow);
}

bool AddressWindow::WriteMailList() {
  QStringList lines;
  if (!ReadAddressLines(lines, false)) return false;
  return WriteMailListHtml(lines, TrimBlanks(Cmb_bunrui->currentText()));
}
