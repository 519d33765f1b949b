#pragma once
// Taking pasted free text (a mail signature, a web page's address block, a
// shop listing) apart by rules and returning one field of it.
#include <QHash>
#include <QString>

// The value of one field of the text. Keys, compared without regard to case:
// TOP ZIP ADDRESS1 ADDRESS2 OFFICE ID KANA NAME TEL FAX MAIL (or E-MAIL) URL
// DATE POST SHOPDATE SHOPTIME SHOPMICHI SHOPCAR SHOPCATEGORY 施設 予算;
// "CRLF" gives the lines no rule took, each ended by CR LF, and the empty key
// the same lines each followed by a blank. Any other key gives "".
QString ParseAddressText(const QString& text, const QString& key);

// Every field of one text, parsed once: value(key) gives what
// ParseAddressText(text, key) gives, so a caller filling many boxes from one
// paste parses it once rather than once per box.
class AddressTextFields {
 public:
  explicit AddressTextFields(const QString& text);
  QString value(const QString& key) const;

 private:
  QHash<QString, QString> values_;
};

// Explains the clipboard button: what to copy (subject) and what the first
// copied line becomes (firstLineField).
void ShowClipboardParserHelp(const QString& subject, const QString& firstLineField);
