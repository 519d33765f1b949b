#pragma once
// Small conversions of address texts that several parts of the address book
// share. None of them fails; each returns a new text.
#include <QString>

// House numbers at the end of an address line written for vertical text:
// digits become kanji numerals, hyphens and long marks a vertical bar. Only
// the run of such characters at the end is converted; the walk from the
// right stops at the first other character.
QString ConvertAddressForVertical(const QString& text);

// Telephone numbers, postal codes and the number field in half-width
// digits and signs; other characters pass unchanged. Trimmed first.
QString NormalizePhoneChars(const QString& text);

// The half-width digits of the trimmed text, in order; everything else,
// full-width digits included, is dropped.
QString DigitsOnly(const QString& text);
