#pragma once
// The recipient on a postcard or a long envelope: the postal code in
// horizontal full-width digits, the address, company, title and name in
// vertical writing, every position and size from the paper's settings
// section, read anew for each print.
#include <QString>

// The editor's texts, as typed.
struct PostcardRecipient {
  QString zip, address1, address2, company, post, name;
};

// Draws the recipient on the current page by the layout of the settings
// section ("JXPOST_CARD", "JXPOST_L4", "JXPOST_L3").
void PrintPostcardAddress(const QString& section, const PostcardRecipient& recipient);
