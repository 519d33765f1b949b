#pragma once
// How the phone-book drawers find the entries of the page they are asked
// for: every call walks the chosen records from the first, counting slots
// per page, so no drawer keeps anything between pages. Records marked do
// not print take no slot; a group (kana row, company) starts on the first
// slot of a page; after the last record, and in blank mode, empty records
// fill the page.
#include <QString>
#include <functional>
#include <vector>

class AddressRecord;
template <typename T>
class QList;

struct PhoneBookWalk {
  int slotsPerPage = 1;
  // Slots a record takes (1 unless given).
  std::function<int(const AddressRecord&)> cost;
  // Where a costly cost is remembered, one value per record (-1 until asked),
  // kept by the caller from page to page: every page walks the records
  // before it, and measuring them again would make a long book quadratic.
  std::vector<int>* costs = nullptr;
  // The grouping key; none when empty.
  std::function<QString(const AddressRecord&)> groupKey;
  std::function<void(const AddressRecord&)> drawHeader;
  // The record and its first slot on the page (from 1).
  std::function<void(const AddressRecord&, int slot)> drawSlot;
  std::function<void()> drawFooter;
};

// Draws the requested page (from 1); blank draws a page of empty slots.
// Returns 1 when the records ran out during this call, else 0.
int PhoneBookPageWalk(const QList<AddressRecord>& records, int page, bool blank, const PhoneBookWalk& walk);
