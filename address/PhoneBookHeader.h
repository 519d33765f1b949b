#pragma once
// The title of a phone-book page: "電話帳  ", the category unless it is
// "全て", and what the page's first entry says of the order.
#include <QString>

class AddressRecord;

// Title up to the order's part: "電話帳  " and "[ category ] ".
QString PhoneBookTitle(const QString& category);

// The whole title of a page whose first entry is first: the company for
// "会社別", "[ 常用 ]" for "選択行", and with withInitial the reading's
// first character for "カナ順".
QString PhoneBookTitle(const QString& category, int sortIndex, const AddressRecord& first, bool withInitial);

// What follows a name: the reading in parentheses for the nickname "*" or
// "＊" (the user's way of saying "call them by the reading"), else the
// nickname in square brackets; empty without a nickname.
QString PhoneBookNickname(const AddressRecord& record);

// Mobile numbers from 060 and 070 belong to the PHS.
bool IsPhsNumber(const QString& tel);
