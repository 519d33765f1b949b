#pragma once
// The framed phone book: four entries a page, each in a box of its own, the
// name and four telephone lines on ruled lines in the left half, then the
// company, the extra lines the window's option boxes ask for and the address.
#include <QString>
#include <array>

struct AddressPrintLines;

struct FramedPhoneBookOptions {
  int addressMode = 0;          // 住所 box while shown: 0 none, 1 one line, 2 block
  std::array<int, 5> extras{};  // URL, mail, 備考, 備考2, 備考3 while shown
};

// Draws the page (from 1) between left and right; 1 when the entries ran out
// on it. Only one variant exists: any variant draws as variant 0.
int PrintFramedPhoneBook(int variant, int sortIndex, const QString& category, int page, double left, double right,
                         const AddressPrintLines& lines, const FramedPhoneBookOptions& options);
