#include "PhoneBookPageWalk.h"

#include <QCoreApplication>
#include <QList>
#include <optional>

#include "AddressRecord.h"

int PhoneBookPageWalk(const QList<AddressRecord>& records, int page, bool blank, const PhoneBookWalk& walk) {
  const AddressRecord empty;
  qsizetype next = 0;
  int currentPage = 1;
  int slot = 0;
  std::optional<QString> previousKey;
  bool headerDrawn = false;
  int done = 0;
  for (int steps = 0;; ++steps) {
    if (steps % 256 == 0) QCoreApplication::processEvents();
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
        continue;
      }
    }
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
  }
}
