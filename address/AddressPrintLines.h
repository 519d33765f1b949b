#pragma once
// The entries one print job takes from the address file, in print order:
// the category, initial, start and find rules, then the company or number
// order. Every chosen line is split once here, so the page drawers never
// split a line again however many pages they walk.
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

#include "AddressFind.h"
#include "AddressRecord.h"
#include "PhoneBookPageWalk.h"

class AddressCategoryGroups;

struct AddressPrintLines {
  QString header;                 // line 1 of the file; empty asks for a blank page
  QStringList lines;              // the chosen lines as read
  QList<AddressRecord> records;   // the same, split
  int count() const { return static_cast<int>(records.size()); }
  // Lines each record takes in the packed list, measured once a job rather
  // than on every page; listLinesKey names what the measuring went by.
  mutable std::vector<int> listLines;
  mutable QString listLinesKey;
  // Where each phone-book page of the job began, found by the one walk.
  mutable PhoneBookPageStarts pageStarts;
  // The same for the label sheets: the first entry index of page k + 2.
  mutable std::vector<qsizetype> labelPageStarts;
  // The index of the last entry a page of the job has drawn; -1 before one.
  mutable qsizetype lastPrinted = -1;
  // "<place in the print order>件目の「<name>」" of that entry, the name as
  // the entry list shows it (the nickname for an entry without a name).
  QString LastPrintedName() const;
};

struct AddressPrintChoice {
  QString category;       // the filter item, trimmed
  int sortIndex = 0;      // index of the order list
  QString sortItem;       // its text (" ｶ", " A", ...)
  int startLine = 0;      // "選択行": the first line number taken
  bool findActive = false;
  AddressFindKeys findKeys;
};

// Keys of the company and number orders: the four parts cut to 20 bytes
// each; a leading (株) or （株） does not count; an empty number sorts after
// every numbered entry.
QString AddressCompanyKey(const AddressRecord& record);
QString AddressNumberKey(const AddressRecord& record);

// The chosen lines of the file's lines (line 1 the header), in print order.
AddressPrintLines ChooseAddressPrintLines(const QStringList& fileLines, const AddressPrintChoice& choice,
                                          const AddressCategoryGroups& groups);
