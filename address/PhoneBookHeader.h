#pragma once
// The title of a phone-book page: "電話帳  ", the category unless it is
// "全て", and what the page's first entry says of the order.
#include <QString>

class AddressRecord;

// Title up to the order's part: "電話帳  " and "[ category ] ".
QString PhoneBookTitle(const QString& category);
