#pragma once
// How body lines fall on pages: one walk serves the upright and the
// landscape page, so both agree on page breaks, running numbers and the
// end of the table.
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

// Where the walk stood on the step that reached a page.
struct TableWalkPoint {
  qsizetype next = 0;
  int rowNumber = 1;
  int sheetPage = 1;
  int slot = 0;
  int16_t endFlag = 0;
};

// The body cut into lines once per print job. It also remembers where each
// page of the job began, so that page n takes up where the walk to an
// earlier page reached it instead of walking from the first line again.
struct TableBody {
  explicit TableBody(const QString& text);
  QStringList lines;
  // pageStarts[k] is the point of the step that reached page k + 2 at
  // startsRowsPerPage rows a page.
  mutable std::vector<TableWalkPoint> pageStarts;
  mutable int startsRowsPerPage = 0;
};

// One row slot of the requested page.
struct TableSlot {
  int slot = 0;           // 1-based on its page
  int rowNumber = 0;      // running number over every slot from the first page
  QString line;           // "" for the blank rows after the last line
};

// The most lines a table prints; later lines are never drawn.
constexpr int kTableMaxLines = 30000;

enum class TableLineKind { Data, PageBreak, DottedRule, StyledRule };
TableLineKind TableLineKindOf(const QString& line);

// Walks the body (from the latest known page start) to the end of the requested page and
// calls rowOnPage for every data or rule row that lands on it, and
// breakOnPage(slot) for a page-break row on it (the slot where its page's
// rows stop). Returns 1 when the lines ran out on this page, else 0.
int16_t WalkTablePage(const TableBody& body, int rowsPerPage, int page,
                      const std::function<void(const TableSlot&)>& rowOnPage,
                      const std::function<void(int slot)>& breakOnPage);
