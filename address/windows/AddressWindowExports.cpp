// The exports for the mail add-in: the phone list through the clipboard and
// the mail list "jxsender.htm".
#include <QComboBox>

#include "AddressWindow.h"
#include "MailListHtml.h"
#include "PhoneListExport.h"
#include "core/platform/Clipboard.h"
#include "core/platform/CompanionProgram.h"
#include "core/platform/MessageBox.h"
#include "core/platform/Shell.h"
#include "core/text/StringHelpers.h"
#include "core/ui/VersionBox.h"

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
  // The add-in reads the list from the clipboard; a failure is told by name.
  platform::RunCompanionProgram(QStringLiteral("jxsender"), {}, kNormalWindow, [] {
    // There is no download page: the help says where the add-in comes from.
    platform::ShowMessage(QStringLiteral("「jxsender」をアドインすると、電話一覧をメールできます。\r\n説明は「") +
                              HomePageAddress() + QStringLiteral("」にあります。"),
                          platform::MsgButtons::Ok, platform::MsgIcon::Information);
  });
}

bool AddressWindow::WriteMailList() {
  QStringList lines;
  if (!ReadAddressLines(lines, false)) return false;
  return WriteMailListHtml(lines, TrimBlanks(Cmb_bunrui->currentText()));
}
