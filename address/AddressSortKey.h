#pragma once
// The key that orders the address file: reading, name and nickname, each
// padded with blanks and cut to a fixed width, so that comparing two keys as
// text compares the three parts in turn.
#include <QString>

class AddressRecord;

// The text cut to exactly byteCount code page 932 bytes: padded with blanks,
// and a double-byte character that the cut would halve is left out with a
// blank in its byte, so no key ever ends in half a character.
QString PadCutBytes(const QString& text, int byteCount);

// Reading (20 characters), name and nickname (20 bytes each), all trimmed
// first. Compare keys with operator< on QString: by UTF-16 code, no locale.
QString AddressSortKey(const QString& kana, const QString& name, const QString& handle);
QString AddressSortKey(const AddressRecord& record);
