#pragma once
// How body lines fall on pages: one walk serves the upright and the
// landscape page, so both agree on page breaks, running numbers and the
// end of the table.
#include <QStringList>
#include <cstdint>
#include <functional>

// The body cut into lines once per print job.
struct TableBody {
  explicit TableBody(const QString& text);
  QStringList lines;
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

// Walks the body from its first line to the end of the requested page and
// calls rowOnPage for every data or rule row that lands on it, and
// breakOnPage(slot) for a page-break row on it (the slot where its page's
// rows stop). Returns 1 when the lines ran out on this page, else 0.
int16_t WalkTablePage(const TableBody& body, int rowsPerPage, int page,
                      const std::function<void(const TableSlot&)>& rowOnPage,
                      const std::function<void(int slot)>& breakOnPage);
