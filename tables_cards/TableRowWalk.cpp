#include "TableRowWalk.h"

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
  int16_t endFlag = 0;
  int sheetPage = 1;
  int slot = 0;
  qsizetype next = 0;
  for (int rowNumber = 1; rowNumber <= kTableMaxLines; ++rowNumber) {
    QString line;
    if (next < body.lines.size()) {
      line = body.lines[next++];
    } else {
      endFlag = 1;
    }
    ++slot;
    if (slot > rowsPerPage) {
      slot = 1;
      ++sheetPage;
    }
    // Any slot past the requested page ends the walk, also the first one
    // after a page break, so the next page's rows never land on this one.
    if (sheetPage > page) break;
    if (TableLineKindOf(line) == TableLineKind::PageBreak) {
      if (sheetPage == page) breakOnPage(slot);
      ++sheetPage;
      slot = 0;
      continue;
    }
    if (sheetPage == page) rowOnPage(TableSlot{slot, rowNumber, line});
  }
  return endFlag;
}
