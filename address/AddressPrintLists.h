#pragma once
// The print choices of the address window: the designs, the paper sides each
// design offers and the print orders. The lists' indexes are what printing
// goes by, so their order is fixed.
#include <QStringList>

QStringList AddressDesignItems();
// The side list of a design index (any unknown index gets the phone-book sides).
QStringList AddressSideItems(int designIndex);
QStringList AddressSortItems();
