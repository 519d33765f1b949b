#include "PhoneBookPageWalk.h"

#include <QCoreApplication>
#include <QList>
#include <algorithm>
#include <optional>

#include "AddressPrintLines.h"
#include "AddressRecord.h"

namespace {

const std::type_info* PageWalkTypeOf(const auto& function) { return function ? &function.target_type() : nullptr; }

// Clears the remembered starts when they were found by another walk.
void MatchPageStarts(PhoneBookPageStarts& starts, const QList<AddressRecord>& records, const PhoneBookWalk& walk,
                     const QString& costsKey) {
  if (starts.slotsPerPage == walk.slotsPerPage && starts.cost == PageWalkTypeOf(walk.cost) &&
      starts.groupKey == PageWalkTypeOf(walk.groupKey) && starts.costs == walk.costs && starts.costsKey == costsKey &&
      starts.recordCount == records.size() && starts.recordData == records.constData())
    return;
  starts = PhoneBookPageStarts();
  starts.slotsPerPage = walk.slotsPerPage;
  starts.cost = PageWalkTypeOf(walk.cost);
  starts.groupKey = PageWalkTypeOf(walk.groupKey);
  starts.costs = walk.costs;
  starts.costsKey = costsKey;
  starts.recordCount = records.size();
  starts.recordData = records.constData();
}

}  // namespace

int PhoneBookPageWalk(const AddressPrintLines& lines, int page, bool blank, const PhoneBookWalk& walk) {
  return PhoneBookPageWalk(lines.records, page, blank, walk, &lines.pageStarts, lines.listLinesKey, &lines.lastPrinted);
}

int PhoneBookPageWalk(const QList<AddressRecord>& records, int page, bool blank, const PhoneBookWalk& walk,
                      PhoneBookPageStarts* starts, const QString& costsKey, qsizetype* lastDrawn) {
  const AddressRecord empty;
  PhoneBookPageStarts::Point at;
  // A blank walk takes no record, so there is nothing to remember.
  if (blank) starts = nullptr;
  if (starts) {
    MatchPageStarts(*starts, records, walk, costsKey);
    // Up to the requested page every step is the same whichever page is
    // asked for, so the walk may take up where an earlier page began.
    const qsizetype known = std::min<qsizetype>(page - 2, qsizetype(starts->points.size()) - 1);
    if (known >= 0) at = starts->points[size_t(known)];
  }
  qsizetype next = at.next;
  int currentPage = at.page;
  int slot = at.slot;
  std::optional<QString> previousKey = at.previousKey;
  int done = at.done;
  bool headerDrawn = false;
  for (int steps = 0;; ++steps) {
    if (steps % 256 == 0) QCoreApplication::processEvents();
    // The state this step begins in, kept while it may reach a page whose
    // start is not yet known.
    std::optional<PhoneBookPageStarts::Point> stepStart;
    if (starts && currentPage < page && starts->points.size() == size_t(currentPage - 1))
      stepStart = PhoneBookPageStarts::Point{next, currentPage, slot, previousKey, done};
    const auto noteStart = [&] {
      if (stepStart && currentPage > stepStart->page) {
        starts->points.push_back(*stepStart);
        stepStart.reset();
      }
    };
    const AddressRecord* record = &empty;
    // An empty record never steps the walk back nor starts a group: past the
    // last entry the walk only fills pages, or a grouped order would draw the
    // last entry again on the pages after it.
    bool filler = blank;
    if (!blank) {
      if (next >= records.size()) {
        done = 1;
        filler = true;
      } else {
        record = &records.at(next++);
        if (record->field(kFieldFlags).left(1).toInt() != 0) continue;
      }
    }
    int cost = 1;
    if (walk.cost && !filler) {
      const qsizetype index = next - 1;
      if (walk.costs && walk.costs->size() == size_t(records.size())) {
        int& known = (*walk.costs)[size_t(index)];
        if (known < 0) known = std::max(1, walk.cost(*record));
        cost = known;
      } else {
        cost = std::max(1, walk.cost(*record));
      }
    }
    slot += cost;
    if (slot > walk.slotsPerPage) {
      slot = cost;
      ++currentPage;
    }
    if (walk.groupKey && !filler) {
      const QString key = walk.groupKey(*record);
      if (!previousKey) previousKey = key;
      if (key != *previousKey) {
        previousKey = key;
        --next;
        slot -= cost;
        if (slot > 0) {
          if (currentPage == page) {
            blank = true;
          } else {
            ++currentPage;
            slot = 0;
          }
        }
        noteStart();
        continue;
      }
    }
    noteStart();
    if (currentPage < page) continue;
    if (currentPage > page) {
      if (headerDrawn && walk.drawFooter) walk.drawFooter();
      return done;
    }
    if (!headerDrawn) {
      if (walk.drawHeader) walk.drawHeader(*record);
      headerDrawn = true;
    }
    if (walk.drawSlot) walk.drawSlot(*record, slot - cost + 1);
    if (lastDrawn && !filler) *lastDrawn = std::max(*lastDrawn, next - 1);
  }
}
