#pragma once
// What the address window's link buttons make of the entry on screen: the
// mail recipients, the web target, the postal-code program's answer and the
// texts of their boxes. Nothing here opens or starts anything.
#include <QString>
#include <QUrl>

// "[自動ダイヤルします]", an empty line and the number.
QString DialConfirmText(const QString& number);

// The mail address, and 備考 after a comma while its label says it holds a
// second address ("ﾒｰﾙ2"); both trimmed.
QString MailRecipients(const QString& mail, const QString& remarkLabel, const QString& remark);

// Where the URL field leads. Web addresses open through the desktop; a
// path opens only as an existing document, never as a program.
struct WebTarget {
  enum Kind { None, Url, LocalFile } kind = None;
  QUrl url;      // Url
  QString path;  // LocalFile, with "/" separators
};
WebTarget WebLinkTarget(const QString& field);

// The postal-code program's answer on the clipboard: the code in characters
// 1-8, one separator, the address. The address part ("" when the answer has
// none), and the code part when it is one ("###-####", else "").
QString PostalAnswerAddress(const QString& answer);
QString PostalAnswerCode(const QString& answer);

// The box of the window's help button.
QString AddressHelpText();
