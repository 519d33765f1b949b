// The link buttons beside the entry editor: dial, mail, web, postal-code
// lookup through the companion program, and the help box. They act on what
// the boxes show, saved or not.
#include <QLabel>
#include <QLineEdit>

#include "AddressLinks.h"
#include "AddressWindow.h"
#include "core/platform/Clipboard.h"
#include "core/platform/CompanionProgram.h"
#include "core/platform/MessageBox.h"
#include "core/platform/Shell.h"
#include "core/settings/AppGlobals.h"
#include "core/text/StringHelpers.h"
#include "core/ui/HelpPage.h"
#include "core/ui/Launcher.h"

namespace {

const QString kPostalProgram = QStringLiteral("jxpostal");
// The lookup runs out of the way: minimised, the focus staying here.
constexpr int kMinimisedNoFocus = 6;

void Hint(const QString& text) { platform::ShowMessage(text, platform::MsgButtons::Ok, platform::MsgIcon::None); }

void NotFound() { Hint(QStringLiteral("郵便番号・住所が見つかりませんでした。")); }

void PostalProgramMissing() {
  ShowCompanionMissingNotice(QStringLiteral("姉妹ソフト「") + kPostalProgram + QStringLiteral("」を") + ProgramFolder +
                                 QStringLiteral("と同じフォルダに入れると、ここから起動できます。"),
                             kPostalProgram);
}

// Runs the postal-code program on the text and puts its answer, cut by
// takeAnswer, into the box. The clipboard is emptied first, so that an
// answer is never taken from what the user had copied before. A program
// that did not run or ended with an error has been told by name, and its
// clipboard is no answer.
void AskPostalProgram(const QString& text, QString (*takeAnswer)(const QString&), QLineEdit* box) {
  platform::ClipboardClear();
  if (!platform::RunCompanionProgram(kPostalProgram, {QStringLiteral("/C"), text}, kMinimisedNoFocus,
                                     PostalProgramMissing))
    return;
  const QString found = takeAnswer(platform::ClipboardText());
  if (found.isEmpty()) return NotFound();
  box->setText(found);
}

}  // namespace

void AddressWindow::cmd_tel_Click(int index) {
  QLineEdit* boxes[] = {Txt_Tel, Txt_Jitaku, Txt_Kaisya};
  const QString number = index >= 0 && index < 3 ? TrimBlanks(boxes[index]->text()) : QString();
  if (number.isEmpty()) return;
  platform::MessageRequest ask;
  ask.text = DialConfirmText(number);
  ask.buttons = platform::MsgButtons::OkCancel;
  ask.icon = platform::MsgIcon::Information;
  ask.title = QStringLiteral("自動ダイヤル");
  if (platform::ShowMessage(ask) != platform::MsgResult::Ok) return;
  if (platform::TelephoneUrl(number).isEmpty()) {
    platform::ShowMessage(QStringLiteral("[自動ダイヤルエラー]\r\n「") + number + QStringLiteral("」には番号がありません。\r\n"),
                          platform::MsgButtons::Ok, platform::MsgIcon::Information, QStringLiteral("自動ダイヤル"));
    return;
  }
  platform::PlaceTelephoneCall(number);
}

void AddressWindow::cmd_mail_Click() {
  OpenMailLink(MailRecipients(Txt_Mail->text(), Lbl_biko1->text(), BikouText(0)), QString(), QString(), QString());
}

// The box may hold anything an imported file or a paste put there: what it
// asks for opens only when the launcher allows it, and a refusal is said.
// A path to a document that is not there opens nothing; the user hears so,
// rather than taking the button for broken.
void AddressWindow::cmd_url_Click() {
  const QString target = WebLinkTarget(BikouText(3));
  if (target.isEmpty()) return;
  const QString shown = TrimBlanks(BikouText(3));
  if (platform::CheckLink(target).kind == platform::CheckedLink::Missing) {
    platform::ShowMessage(MissingDocumentText(shown), platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
    return;
  }
  platform::OpenLink(target, shown);
}

void AddressWindow::Cmd_zip_Click(int index) {
  if (index < 0 || index > 1) return;
  if (!platform::CompanionProgramReady(kPostalProgram, PostalProgramMissing)) return;
  const QString zip = TrimBlanks(Txt_Zip->text());
  const QString address = TrimBlanks(Txt_Address1->text());
  if (index == 0) {
    if (zip.isEmpty()) Hint(QStringLiteral("郵便番号をを入力すると、郵便番号から住所を検索できます。"));
    if (!address.isEmpty())
      return Hint(QStringLiteral("住所をスペースにすると、郵便番号から住所を検索できます。"));
    return AskPostalProgram(zip, PostalAnswerAddress, Txt_Address1);
  }
  if (address.isEmpty()) Hint(QStringLiteral("住所を入力すると、住所から郵便番号を検索できます。"));
  if (!zip.isEmpty()) return Hint(QStringLiteral("郵便番号をスペースにすると、住所から郵便番号を検索できます。"));
  AskPostalProgram(address, PostalAnswerCode, Txt_Zip);
}

void AddressWindow::Cmd_help_Click() {
  const QString text =
      QStringLiteral("１．住所を印刷したくないときは、住所のチェックをはずしてください。") + kCrLf + kCrLf +
      QStringLiteral("２．分類を自由に変えれます。ringpad.iniの[DOZIR]にBUNRUI4を追加してください。") + kCrLf +
      QStringLiteral("　　BUNRUI4=学校関連,10年１年Ｄ組,11年２年Ｂ組") + kCrLf + kCrLf + MoreHelpLine() +
      QStringLiteral("。") + kCrLf + kCrLf;
  platform::ShowMessage(text, platform::MsgButtons::Ok, platform::MsgIcon::Information);
}
