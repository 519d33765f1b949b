#pragma once
// The ruled phone book: equal rows between rules, one entry a row, each row
// one to three lines of name, numbers, company or address, and the extra
// lines the window's option boxes ask for. Page 0 is a page of empty rows
// for writing by hand.
#include <QImage>
#include <QString>
#include <array>

struct AddressPrintLines;

struct RuledPhoneBookOptions {
  int addressMode = 0;             // 住所 box while shown: 0, 1 or 2 (grey)
  std::array<int, 5> extras{};     // URL, mail, 備考, 備考2, 備考3 while shown
  QString yobiCaption = QStringLiteral("FAX");
  QImage mobileIcon;
  QImage homeIcon;
};

// The small pictures printed before the mobile and the home number.
QImage RuledPhoneBookMobileIcon();
QImage RuledPhoneBookHomeIcon();

// Rows per page for the design and options on the current paper settings;
// 0 or less when not one row fits.
int RuledRowsPerPage(int design, const RuledPhoneBookOptions& options);

// Draws the page between left and right; 1 when the entries ran out on it
// (always for a page on which not one row fits).
int PrintRuledPhoneBook(int design, int sortIndex, const QString& category, int page, double left, double right,
                        const AddressPrintLines& lines, const RuledPhoneBookOptions& options);
