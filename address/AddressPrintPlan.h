#pragma once
// The sheets of an address print job, worked out from its print code (see
// AddressPrintCode.h) before anything is drawn; the window draws them through
// RunSheetPlan.
#include <optional>

#include "core/print/SheetPlan.h"

// The pages of the address jobs; a book or list page's item is its page
// number.
enum AddressPageRenderer : int16_t {
  kAddressBookPage,
  kAddressBookPageOrBlank,  // drawn blank when the entries ended on a lower-numbered page
  kAddressBlankPage,
  kAddressPersonalInfo,
  kAddressPostcard,  // item: 0 postcard, 1 L4 label sheet, 2 L3 label sheet
};

// The most pages a book or list job prints, and the most label sheets. A job
// stops there, with no paper prompt after its last page, and says so.
constexpr int kAddressMostPages = 10000;
constexpr int kAddressMostLabelSheets = 100;
// The page limit of the jobs that print the chosen entries, 0 for the others.
int AddressPageLimit(int code);

// The plan of a print code; none for a code that cannot be printed yet.
// States the width two pages take across a side, then measures the sheet.
std::optional<SheetPlan> PlanAddressPrint(int code);
