#include "TableRowWalk.h"

#include <algorithm>

TableBody::TableBody(const QString& text) {
  QString t = text;
  while (t.endsWith(QStringLiteral("\r\n"))) t.chop(2);
  if (!t.isEmpty()) lines = t.split(QStringLiteral("\r\n"));
}

TableLineKind TableLineKindOf(const QString& line) {
  if (line.startsWith(QStringLiteral("@PAGE"), Qt::CaseInsensitive)) return TableLineKind::PageBreak;
  if (line.startsWith(QStringLiteral("---"))) return TableLineKind::DottedRule;
  if (line.startsWith(QStringLiteral("@LINE"), Qt::CaseInsensitive)) return TableLineKind::StyledRule;
  return TableLineKind::Data;
}

int16_t WalkTablePage(const TableBody& body, int rowsPerPage, int page,
                      const std::function<void(const TableSlot&)>& rowOnPage,
                      const std::function<void(int slot)>& breakOnPage) {
  std::vector<TableWalkPoint>& starts = body.pageStarts;
  if (body.startsRowsPerPage != rowsPerPage) {
    starts.clear();
    body.startsRowsPerPage = rowsPerPage;
  }
  // Until the requested page is reached every step is the same whichever
  // page is asked for, so the walk takes up at the latest start it knows.
  TableWalkPoint at;
  if (page >= 2 && !starts.empty()) at = starts[std::min(size_t(page - 2), starts.size() - 1)];
  int16_t endFlag = at.endFlag;
  int sheetPage = at.sheetPage;
  int slot = at.slot;
  qsizetype next = at.next;
  for (int rowNumber = at.rowNumber; rowNumber <= kTableMaxLines; ++rowNumber) {
    const TableWalkPoint stepStart{next, rowNumber, sheetPage, slot, endFlag};
    const auto noteStart = [&] {
      if (sheetPage <= page && starts.size() == size_t(sheetPage - 2)) starts.push_back(stepStart);
    };
    QString line;
    if (next < body.lines.size()) {
      line = body.lines[next++];
    } else {
      endFlag = 1;
    }
    ++slot;
    // A page break comes before the overflow: one right after a full page
    // ends that page and starts no empty one.
    if (TableLineKindOf(line) == TableLineKind::PageBreak) {
      if (sheetPage == page) breakOnPage(slot);
      ++sheetPage;
      slot = 0;
      noteStart();
      continue;
    }
    if (slot > rowsPerPage) {
      slot = 1;
      ++sheetPage;
      noteStart();
    }
    // Any slot past the requested page ends the walk, also the first one
    // after a page break, so the next page's rows never land on this one.
    if (sheetPage > page) break;
    if (sheetPage == page) rowOnPage(TableSlot{slot, rowNumber, line});
  }
  return endFlag;
}
