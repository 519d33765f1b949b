#pragma once
// How the phone-book drawers find the entries of the page they are asked
// for: the chosen records are walked once, counting slots per page, and the
// walk remembers where each page began, so a later page of the same job
// starts there instead of walking the whole book again. Records marked do
// not print take no slot; a group (kana row, company) starts on the first
// slot of a page; after the last record, and in blank mode, empty records
// fill the page.
#include <QString>
#include <functional>
#include <optional>
#include <typeinfo>
#include <vector>

class AddressRecord;
struct AddressPrintLines;
template <typename T>
class QList;

// Where each page of one walk began, kept with the job's chosen lines from
// page to page. A walk of other slots, cost or grouping starts it afresh.
struct PhoneBookPageStarts {
  struct Point {
    qsizetype next = 0;
    int page = 1;
    int slot = 0;
    std::optional<QString> previousKey;
    int done = 0;
  };
  // points[k] is the state of the step on which page k + 2 was reached.
  std::vector<Point> points;
  // What the walk went by.
  int slotsPerPage = 0;
  const std::type_info* cost = nullptr;
  const std::type_info* groupKey = nullptr;
  const void* costs = nullptr;
  QString costsKey;
  qsizetype recordCount = -1;
  const void* recordData = nullptr;
};

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
// starts, when given, is read and extended so that every page costs the same
// whatever its number. lastDrawn, when given, is raised to the index of each
// record drawn.
int PhoneBookPageWalk(const QList<AddressRecord>& records, int page, bool blank, const PhoneBookWalk& walk,
                      PhoneBookPageStarts* starts = nullptr, const QString& costsKey = QString(),
                      qsizetype* lastDrawn = nullptr);
// The same over a job's chosen lines, remembering page starts and the last
// entry drawn with them.
int PhoneBookPageWalk(const AddressPrintLines& lines, int page, bool blank, const PhoneBookWalk& walk);
