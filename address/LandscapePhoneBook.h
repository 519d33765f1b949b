#pragma once
// The landscape phone book: 30 narrow columns a page, one entry each, the
// texts turned to read upward from the foot of the page.
#include <QString>

struct AddressPrintLines;

// Draws the page (from 1) of the chosen entries between left and right;
// 1 when the entries ran out on it.
int PrintLandscapePhoneBook(int designIndex, int sortIndex, const QString& category, int page, double left,
                            double right, const AddressPrintLines& lines);
