#pragma once
// The upright table page: one page of the table between two x positions.
#include <QStringList>
#include <cstdint>

#include "TableOptions.h"
#include "TableRowWalk.h"

// What one print job of the table needs, fixed when the job starts.
struct TablePrintJob {
  explicit TablePrintJob(const TableOptions& options);
  TableOptions options;
  TableBody body;
  QStringList remarkLines;  // the remarks cut into lines
  int16_t OuterFrameStyle = 4;       // frame, heading rule and remarks rule
  int16_t HorizontalRuleStyle = 1;   // rules between rows and in the remarks
  // The last data row drawn so far, for the word after a job cut short.
  mutable TableSlot lastPrinted;
  void NotePrinted(const TableSlot& row) const;
  // "<number>行目「<first cell>」" of lastPrinted.
  QString LastPrintedName() const;
};

// The working tables hold this many columns; later fields are ignored.
constexpr int kTableMaxColumns = 50;

// The laid columns: left edges, and rightX after the last one.
struct TableColumns {
  QList<double> edges;
  int count() const { return static_cast<int>(edges.size()) - 1; }
};
TableColumns LayTableColumns(const TableOptions& options, double leftX, double rightX);

// Draws the table page; 1 when the body's lines ran out on it.
int16_t PrintTablePortrait(const TablePrintJob& job, int16_t page, double leftX, double rightX);

// The landscape page: the same table turned a quarter turn on the upright
// sheet, columns running up the page and rows running right.
int16_t PrintTableLandscape(const TablePrintJob& job, int16_t page, double leftX, double rightX);

// Shared by the upright and the landscape page.
QStringList TableCellLines(const QString& cell);  // split at "\n" or "\N"
QString TablePrintedHeading(QString heading);      // marks and final "." removed
bool IsPlainTableNumber(const QString& text, double& value);
// The remark lines a page reserves: only those that fit in the room.
int TableRemarkLineCount(const TablePrintJob& job, int16_t page, double room, double lineHeight);
// The upright title, date and page number, unless the table has no title.
void DrawTableTitleAndFooter(const TableOptions& options, int16_t page, double leftX, double rightX);

// The text a cell line prints in a column of the kind.
QString FormatTableCell(const QString& text, double kind);
// A column total as plain decimals, never in exponent form.
QString TableTotalText(double total);
