// The landscape table page. The printer stays upright: texts are turned and
// the layout's axes swapped, columns running from FootHeight up to
// DataHeight and rows running right from leftX.
#include "TableColumnKind.h"
#include "TablePage.h"
#include "core/print/ColorTagOutput.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFrame.h"
#include "core/print/PrintSurface.h"
#include "core/print/RotatedText.h"
#include "core/settings/PaperSettings.h"
#include "core/text/CsvLine.h"
#include "core/text/Numbers.h"
#include "core/text/NumberFormat.h"

namespace {


// Column edges as y positions, from the start of column 1 downwards in
// value; the last entry is DataHeight.
struct TurnedColumns {
  QList<double> edges;
  int fixedCount = 0;
  int count() const { return static_cast<int>(edges.size()) - 1; }
};

TurnedColumns LayTurnedColumns(const TableOptions& o) {
  const double top = PaperSettings.DataHeight;
  TurnedColumns columns;
  double y = o.coln == 1 ? PaperSettings.FootHeight - 5 : PaperSettings.FootHeight;
  for (int16_t w : o.widthPos) {
    if (w <= 0) continue;
    if (y > top && columns.edges.size() < kTableMaxColumns) {
      columns.edges << y;
      ++columns.fixedCount;
    }
    y -= w * 5;
  }
  const int m = o.colsPos + 1;
  if (m > 0 && y > top) {
    const double step = (y - top) / m;
    for (int i = 0; i < m && columns.edges.size() < kTableMaxColumns; ++i) {
      const double start = y - i * step;
      if (start < top - 1) break;
      columns.edges << start;
    }
  }
  columns.edges << top;
  return columns;
}

void PrintTurnedAt(double x, double y, const QString& text) {
  SetCurrentX(x);
  SetCurrentY(y);
  PrintRotatedTextAtCursor(text);
}

QString FormatTurnedCell(const QString& text, double kind, bool lastLine) {
  if (kind == ColumnKindUnitPrice && !lastLine) {
    double value = 0;
    if (!IsPlainTableNumber(text, value)) return text;
    return FormatNumberPattern(value, QStringLiteral("###.###"));
  }
  return FormatTableCell(text, kind);
}

}  // namespace

int16_t PrintTableLandscape(const TablePrintJob& job, int16_t page, double leftX, double rightX) {
  const TableOptions& o = job.options;
  SetPrinterScaleMode(kScaleMillimetres);
  DrawPageFrame(leftX, rightX);
  const QStringList headings = SplitCsvFields(o.heading, kTableMaxColumns);

  const double top = PaperSettings.DataHeight;
  const double foot = PaperSettings.FootHeight;
  const int rowsPerPage = o.rowsPos + 3;
  const double lineHeight = 2 * HalfCharWidthMm(PaperSettings.DataFontSize);
  const double rowsStart = o.midasi == 1 ? leftX : leftX + 7;
  const int remarkLines = TableRemarkLineCount(job, page, rightX - rowsStart, lineHeight);
  const double rowHeight = ((rightX - leftX) - remarkLines * lineHeight) / rowsPerPage;
  const double rowsEnd = leftX + rowsPerPage * rowHeight;
  const double rowPitch = (rowsEnd - rowsStart) / rowsPerPage;

  const TurnedColumns columns = LayTurnedColumns(o);
  const int ncols = columns.count();

  if (o.amikakeCol > 0) {
    QList<double> farEdges;
    if (o.coln == 1) farEdges << foot - 5;
    for (int c = 1; c <= ncols; ++c) farEdges << columns.edges[c];
    if (!farEdges.isEmpty()) {
      const double edge = RoundHalfEven(farEdges[qMin<qsizetype>(o.amikakeCol, farEdges.size()) - 1]);
      if (edge < foot) FillBox(0, leftX, edge, rightX, foot, PaperSettings.ShadeColor);
    }
  }
  if (o.midasi != 1) {
    if (o.midasiAmi == 1) FillBox(0, leftX, top, rowsStart, foot, PaperSettings.ShadeColor);
    DrawStyledLine(job.OuterFrameStyle, rowsStart, top, rowsStart, foot, PaperSettings.LineColor);
  }
  DrawBox(job.OuterFrameStyle, leftX, top, rowsEnd, foot, PaperSettings.LineColor);
  if (o.coln == 1 && o.keisen != 1) DrawStyledLine(1, leftX, foot - 5, rowsEnd, foot - 5, PaperSettings.LineColor);

  SetForeColor(PaperSettings.DefaultColor);
  QList<double> kinds;
  for (int c = 0; c < ncols; ++c) {
    const QString raw = headings.value(c);
    kinds << ColumnKindFromHeading(raw);
    if (o.midasi != 1) {
      SetFontName(PaperSettings.DefaultFontName);
      SetFontSize(PaperSettings.DefaultFontSize);
      SetForeColor(PaperSettings.DefaultColor);
      QString text = TablePrintedHeading(raw);
      ApplyColorTag(text);
      PrintTurnedAt(leftX + 1, columns.edges[c] - 1, text);
    }
    if (c < columns.fixedCount && o.keisenYoko > 0)
      DrawStyledLine(1, leftX, columns.edges[c + 1], rowsEnd, columns.edges[c + 1], PaperSettings.LineColor);
  }

  QList<double> totals(ncols, 0.0);
  auto slotX = [&](int slot) { return rowsStart + (slot - 1) * rowPitch; };
  auto drawRow = [&](const TableSlot& s) {
    job.NotePrinted(s);
    const double x = slotX(s.slot);
    if (o.amikake == 1 && s.slot % 2 == 0) FillBox(0, x, top, x + rowPitch, foot, PaperSettings.ShadeColor);
    SetFontName(PaperSettings.DataFontName);
    SetFontSize(PaperSettings.DataFontSize);
    SetForeColor(PaperSettings.DataColor);
    if (o.coln == 1) PrintTurnedAt(x + 0.5, foot - 1, QStringLiteral("%1").arg(s.rowNumber, 2, 10, QLatin1Char('0')));
    // Rule rows of the upright page are ordinary rows here.
    const QStringList cells = SplitCsvFields(s.line, kTableMaxColumns);
    for (int c = 0; c < ncols; ++c) {
      SetFontName(PaperSettings.DataFontName);
      SetFontSize(PaperSettings.DataFontSize);
      SetForeColor(PaperSettings.DataColor);
      const QStringList lines = TableCellLines(cells.value(c));
      const double start = columns.edges[c];
      const double end = columns.edges[c + 1];
      for (int i = 0; i < lines.size(); ++i) {
        const bool last = i == lines.size() - 1;
        QString text = lines[i];
        ApplyColorTag(text);
        if (last) {
          if (text == u"@[VTOTAL]") {
            text = TableTotalText(totals[c]);
            totals[c] = 0;
          } else if (kinds[c] > 0) {
            totals[c] += ParseNumber(text);
          }
        }
        text = FormatTurnedCell(text, kinds[c], last);
        const double w = MeasureTextWidth(text);
        double y = start - 0.5;
        if (kinds[c] == ColumnKindCentre) {
          if (w <= start - end) y = start - (start - end - w) / 2;
        } else if (kinds[c] != ColumnKindText) {
          y = end + w + 0.5;
        }
        PrintTurnedAt(x + 0.5 + i * 2 * HalfCharWidthMm(GetFontSize()), y, text);
      }
    }
    if (o.keisenYoko > 0 && (s.slot - 1) % o.keisenYoko == 0)
      DrawStyledLine(job.HorizontalRuleStyle, x, top, x, foot, PaperSettings.LineColor);
  };
  auto pageBreak = [&](int slot) {
    if (o.keisenYoko <= 0) return;
    for (int s = slot; s <= rowsPerPage; ++s) DrawStyledLine(1, slotX(s), top, slotX(s), foot, PaperSettings.LineColor);
  };
  const int16_t endFlag = WalkTablePage(job.body, rowsPerPage, page, drawRow, pageBreak);

  if (remarkLines > 0) {
    DrawStyledLine(job.OuterFrameStyle, rightX, top, rightX, foot, PaperSettings.LineColor);
    SetFontName(PaperSettings.DataFontName);
    SetFontSize(PaperSettings.DataFontSize);
    const double d = 2 * HalfCharWidthMm(GetFontSize());
    for (int i = 0; i < job.remarkLines.size(); ++i) {
      const double x = i == 0 ? rowsEnd + 0.2 : rowsEnd + i * d;
      if (x > PaperSettings.PageWidth) break;
      PrintTurnedAt(x, foot - 1, job.remarkLines[i]);
    }
  }
  if (o.keisen != 1)
    for (double edge : columns.edges) DrawStyledLine(1, leftX, edge, rowsEnd, edge, PaperSettings.LineColor);
  DrawTableTitleAndFooter(o, page, leftX, rightX);
  return endFlag;
}
