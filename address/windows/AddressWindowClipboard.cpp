#include <QLineEdit>
#include <utility>

#include "AddressTextParser.h"
#include "AddressWindow.h"
#include "core/platform/Clipboard.h"
#include "core/text/StringHelpers.h"

void AddressWindow::cmd_clipboard_Click() {
  const QString text = platform::ClipboardHasText() ? platform::ClipboardText() : QString();
  // Line breaks alone are as empty as blanks: there is nothing to take apart.
  QString blanksOnly = text;
  blanksOnly.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
  if (TrimBlanks(blanksOnly).isEmpty()) {
    ShowClipboardParserHelp(QStringLiteral("住所情報"), QStringLiteral("氏名"));
    return;
  }
  const std::pair<const char*, QLineEdit*> boxes[] = {
      {"ZIP", Txt_Zip},   {"ADDRESS1", Txt_Address1}, {"ADDRESS2", Txt_Address2}, {"OFFICE", Txt_KaisyaName},
      {"NAME", Txt_Name}, {"KANA", Txt_Kana},         {"ID", Txt_No},             {"MAIL", Txt_Mail},
      {"TEL", Txt_Tel},   {"FAX", Txt_Fax},           {"POST", txt_post},         {"URL", Txt_Bikou[3]},
  };
  // The text is taken apart once; every box picks its field.
  const AddressTextFields fields(text);
  for (const auto& [key, box] : boxes) box->setText(fields.value(QString::fromLatin1(key)));
  // What no rule placed goes to the remarks, so nothing pasted is lost.
  SetBikouText(2, fields.value(QString()));
}
