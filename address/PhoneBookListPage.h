#pragma once
// The packed phone-book list: one ruled list down the page in which each
// entry takes only the lines its filled-in fields need, a short name sharing
// its line with a number in the second column.
#include <QString>

struct AddressPrintLines;
class AddressRecord;

// Lines per page on the current paper settings; 0 or less when none fits.
int PhoneBookListLinesPerPage();

// The lines an entry takes in the list (at least 1). Measures with the
// surface's data font, which it leaves set.
int PhoneBookListLineCount(const AddressRecord& record, const QString& yobiCaption, const QString& noCaption);

// Draws the page (from 1) between left and right; 1 when the entries ran out
// on it (always when not one line fits). The captions are the user's names
// for the fields 予備 and 番号.
int PrintPhoneBookListPage(int designIndex, int sortIndex, const QString& category, int page, double left,
                           double right, const AddressPrintLines& lines, const QString& yobiCaption,
                           const QString& noCaption);
