#pragma once
// What the address window's link buttons make of the entry on screen: the
// mail recipients, the web target, the postal-code program's answer and the
// texts of their boxes. Nothing here opens or starts anything.
#include <QString>

// "[自動ダイヤルします]", an empty line and the number.
QString DialConfirmText(const QString& number);

// The mail address, and 備考 after a comma while its label says it holds a
// second address ("ﾒｰﾙ2"); both trimmed.
QString MailRecipients(const QString& mail, const QString& remarkLabel, const QString& remark);

// What the URL field asks to open, before the launcher's allow-list
// (platform::OpenLink) decides whether it may: "" for an empty field or
// "HTTP://" alone; a path or an address with a scheme as it stands; any
// other text, a host name, with "http://" in front. The field is trimmed.
QString WebLinkTarget(const QString& field);
// The box of a URL field naming a document that is not there (or a folder,
// which is no document): "「<field>」というファイルが見つかりません。".
QString MissingDocumentText(const QString& field);

// The postal-code program's answer on the clipboard: the code in characters
// 1-8, one separator, the address. The address part ("" when the answer has
// none), and the code part when it is one ("###-####", else "").
QString PostalAnswerAddress(const QString& answer);
QString PostalAnswerCode(const QString& answer);
