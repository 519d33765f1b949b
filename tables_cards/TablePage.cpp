#include "TablePage.h"

#include "TableColumnKind.h"
#include "core/platform/Clock.h"
#include "core/print/ColorTagOutput.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/text/CsvLine.h"
#include "core/text/StringHelpers.h"
#include "core/text/Numbers.h"
#include "core/text/OptionLine.h"
#include "core/text/NumberFormat.h"

namespace {


}  // namespace

// Cell lines split at "\n" or "\N".
QStringList TableCellLines(const QString& cell) {
  QStringList lines;
  qsizetype start = 0;
  while (true) {
    const qsizetype at = cell.indexOf(QStringLiteral("\\n"), start, Qt::CaseInsensitive);
    if (at < 0) break;
    lines << cell.mid(start, at - start);
    start = at + 2;
  }
  lines << cell.mid(start);
  return lines;
}

bool IsPlainTableNumber(const QString& text, double& value) {
  QString t = text.trimmed();
  t.remove(u',');
  bool ok = false;
  value = t.toDouble(&ok);
  return ok;
}

QString TablePrintedHeading(QString heading) {
  heading.remove(QStringLiteral("@RIGHT"));
  heading.remove(QStringLiteral("@CENTER"));
  if (heading.endsWith(u'.')) heading.chop(1);
  return heading;
}

TablePrintJob::TablePrintJob(const TableOptions& o) : options(o), body(o.body) {
  OuterFrameStyle = o.wakuHosome == 1 ? 2 : 4;
  HorizontalRuleStyle = o.tensen == 1 ? -1 : 1;
  QString remarks = o.remarks;
  if (!remarks.isEmpty()) {
    if (!remarks.endsWith(u'\n')) remarks += QStringLiteral("\r\n");
    remarkLines = remarks.chopped(2).split(QStringLiteral("\r\n"));
  }
}

void TablePrintJob::NotePrinted(const TableSlot& row) const {
  if (!row.line.isEmpty() && TableLineKindOf(row.line) == TableLineKind::Data) lastPrinted = row;
}

QString TablePrintJob::LastPrintedName() const {
  const QString first = TrimBlanks(SplitCsvFields(lastPrinted.line).value(0)).left(40);
  return QStringLiteral("%1行目「%2」").arg(lastPrinted.rowNumber).arg(first);
}

TableColumns LayTableColumns(const TableOptions& o, double leftX, double rightX) {
  TableColumns columns;
  double x = o.coln == 1 ? leftX + 5 : leftX;
  // A column is laid only where something of it is left of rightX.
  for (int16_t w : o.widthPos) {
    if (w <= 0) continue;
    if (x < rightX && columns.edges.size() < kTableMaxColumns) columns.edges << x;
    x += w * 5;
  }
  const int m = o.colsPos + 1;
  if (m > 0 && x < rightX) {
    const double step = (rightX - x) / m;
    for (int i = 0; i < m && columns.edges.size() < kTableMaxColumns; ++i) {
      const double start = x + i * step;
      if (start > rightX - 1) break;
      columns.edges << start;
    }
  }
  columns.edges << rightX;
  return columns;
}

QString TableTotalText(double total) {
  QString text = QString::number(total, 'f', 6);
  while (text.contains(u'.') && (text.endsWith(u'0') || text.endsWith(u'.'))) text.chop(1);
  if (text == u"-0") text = QStringLiteral("0");
  return text;
}

QString FormatTableCell(const QString& text, double kind) {
  if (kind == ColumnKindAmount) {
    double value = 0;
    if (!IsPlainTableNumber(text, value)) return text;
    return FormatNumberPattern(RoundHalfEven(value), QStringLiteral("###,###"));
  }
  if (kind == ColumnKindUnitPrice) return FormatNumberBlankZeros(text, QStringLiteral("##0.000"));
  return text;
}

int TableRemarkLineCount(const TablePrintJob& job, int16_t page, double room, double lineHeight) {
  int lines = (page == 1 || job.options.biko2 == 1) ? static_cast<int>(job.remarkLines.size()) : 0;
  // Remarks taller than the body keep only the lines that fit, so rows never
  // get a negative height.
  if (lineHeight > 0 && lines * lineHeight > room) lines = qMax(0, static_cast<int>(room / lineHeight));
  return lines;
}

void DrawTableTitleAndFooter(const TableOptions& o, int16_t page, double leftX, double rightX) {
  if (o.notitle == 1) return;
  const int16_t titleStyle = PaperSettings.TitleStyle;
  PaperSettings.TitleStyle = 0;
  DrawPageHeader(TrimBlanks(o.title), leftX, rightX);
  PaperSettings.TitleStyle = titleStyle;
  SetFontName(PaperSettings.HeadFontName);
  SetFontSize(PaperSettings.DefaultFontSize - 2);
  SetForeColor(PaperSettings.HeadColor);
  if (o.date == 1) {
    SetCurrentX(leftX);
    SetCurrentY(PaperSettings.FootHeight);
    PrintTextInline(QStringLiteral("Date:") + platform::Today().toString(QStringLiteral("yyyy/MM/dd ")) +
                    QStringLiteral("Time:") + platform::CurrentTime().toString(QStringLiteral("hh:mm ")));
  }
  if (o.page == 1) {
    SetCurrentX(PaperSettings.PageWidth - 12);
    SetCurrentY(PaperSettings.FootHeight);
    PrintTextInline(QStringLiteral("P.") + QString::number(page));
  }
}

int16_t PrintTablePortrait(const TablePrintJob& job, int16_t page, double leftX, double rightX) {
  const TableOptions& o = job.options;
  SetPrinterScaleMode(kScaleMillimetres);
  DrawPageFrame(leftX, rightX);
  const QStringList headings = SplitCsvFields(o.heading, kTableMaxColumns);

  const double tableTop = o.notitle == 1 ? PaperSettings.HeadHeight : PaperSettings.DataHeight;
  const double headingHeight = o.midasi == 1 ? 0 : 6;
  const double rowsTop = tableTop + headingHeight;
  const int rowsPerPage = o.rowsPos + 3;
  const double lineHeight = 2 * HalfCharWidthMm(PaperSettings.DataFontSize);
  const int remarkLines = TableRemarkLineCount(job, page, PaperSettings.FootHeight - rowsTop, lineHeight);
  const double rowHeight = (PaperSettings.FootHeight - rowsTop - remarkLines * lineHeight) / rowsPerPage;
  const double rowsBottom = rowsTop + rowsPerPage * rowHeight;

  const TableColumns columns = LayTableColumns(o, leftX, rightX);
  const int ncols = columns.count();

  if (o.amikakeCol > 0) {
    QList<double> rights;
    if (o.coln == 1) rights << leftX + 5;
    for (int c = 1; c <= ncols; ++c) rights << columns.edges[c];
    const double edge = rights.isEmpty() ? leftX : rights[qMin<qsizetype>(o.amikakeCol, rights.size()) - 1];
    if (edge > leftX) FillBox(0, leftX, tableTop, edge, rowsBottom, PaperSettings.ShadeColor);
  }
  if (o.midasi != 1) {
    if (o.midasiAmi == 1) FillBox(0, leftX, tableTop, rightX, tableTop + 6, PaperSettings.ShadeColor);
    DrawStyledLine(job.OuterFrameStyle, leftX, rowsTop, rightX, rowsTop, PaperSettings.LineColor);
  }
  SetForeColor(PaperSettings.DefaultColor);
  if (o.coln == 1 && o.keisen != 1) DrawStyledLine(1, leftX + 5, tableTop, leftX + 5, rowsBottom, PaperSettings.LineColor);

  QList<double> kinds;
  for (int c = 0; c < ncols; ++c) {
    const QString raw = headings.value(c);
    kinds << ColumnKindFromHeading(raw);
    if (o.midasi == 1) continue;
    SetFontName(PaperSettings.DefaultFontName);
    SetFontSize(PaperSettings.DefaultFontSize);
    SetCurrentX(columns.edges[c] + 1);
    SetCurrentY(tableTop + 1);
    SetForeColor(PaperSettings.DefaultColor);
    QString text = TablePrintedHeading(raw);
    ApplyColorTag(text);
    PrintTextInline(text);
  }

  QList<double> totals(ncols, 0.0);
  const int ruleEvery = o.keisenYoko;
  auto slotTop = [&](int slot) { return (slot - 1) * rowHeight + rowsTop; };

  auto drawRow = [&](const TableSlot& s) {
    job.NotePrinted(s);
    const double y = slotTop(s.slot);
    if (o.amikake == 1 && s.slot % 2 == 0) FillBox(0, leftX, y, rightX, y + rowHeight, PaperSettings.ShadeColor);
    SetFontName(PaperSettings.DefaultFontName);
    SetFontSize(PaperSettings.DefaultFontSize);
    SetForeColor(PaperSettings.DataColor);
    if (o.coln == 1) {
      SetCurrentX(leftX + 1);
      SetCurrentY(y + 0.5);
      PrintTextInline(QStringLiteral("%1").arg(s.rowNumber, 2, 10, QLatin1Char('0')));
    }
    const TableLineKind kind = TableLineKindOf(s.line);
    if (kind == TableLineKind::DottedRule) {
      DrawStyledLine(-1, leftX, y, rightX, y, PaperSettings.LineColor);
      return;
    }
    if (kind == TableLineKind::StyledRule) {
      QString key, param, value;
      ParseParamItem(s.line, key, param, value);
      DrawStyledLine(ParseNumber(value), leftX, y, rightX, y, PaperSettings.LineColor);
      return;
    }
    const QStringList cells = SplitCsvFields(s.line, kTableMaxColumns);
    for (int c = 0; c < ncols; ++c) {
      SetFontName(PaperSettings.DataFontName);
      SetFontSize(PaperSettings.DataFontSize);
      SetForeColor(PaperSettings.DataColor);
      SetCurrentY(y + 0.5);
      const QStringList lines = TableCellLines(cells.value(c));
      const double left = columns.edges[c];
      const double right = columns.edges[c + 1];
      for (int i = 0; i < lines.size(); ++i) {
        QString text = lines[i];
        ApplyColorTag(text);
        if (i == lines.size() - 1) {
          if (text == u"@[VTOTAL]") {
            text = TableTotalText(totals[c]);
            totals[c] = 0;
          } else if (kinds[c] == ColumnKindNumber || kinds[c] == ColumnKindAmount) {
            totals[c] += ParseNumber(text);
          }
        }
        text = FormatTableCell(text, kinds[c]);
        const double w = MeasureTextWidth(text);
        double x = left + 0.5;
        if (kinds[c] == ColumnKindCentre) {
          if (w <= right - left) x = left + (right - left - w) / 2;
        } else if (kinds[c] != ColumnKindText) {
          x = right - w - 0.5;
        }
        SetCurrentX(x);
        PrintTextNewLine(text);
      }
    }
    if (ruleEvery > 0 && (s.slot - 1) % ruleEvery == 0)
      DrawStyledLine(job.HorizontalRuleStyle, leftX, y, rightX, y, PaperSettings.LineColor);
  };
  auto pageBreak = [&](int slot) {
    if (ruleEvery <= 0) return;
    for (int s = slot; s <= rowsPerPage; ++s)
      DrawStyledLine(1, leftX, slotTop(s), rightX, slotTop(s), PaperSettings.LineColor);
  };
  const int16_t endFlag = WalkTablePage(job.body, rowsPerPage, page, drawRow, pageBreak);

  if (remarkLines > 0) {
    DrawStyledLine(job.OuterFrameStyle, leftX, rowsBottom, rightX, rowsBottom, PaperSettings.LineColor);
    SetFontName(PaperSettings.DataFontName);
    SetFontSize(PaperSettings.DataFontSize);
    SetCurrentY(rowsBottom + 0.2);
    for (const QString& line : job.remarkLines) {
      if (GetCurrentY() > PaperSettings.FootHeight) break;
      SetCurrentX(leftX + 1);
      if (line.startsWith(QStringLiteral("---"))) {
        const double ruleY = GetCurrentY() + 2;
        DrawStyledLine(job.HorizontalRuleStyle, leftX, ruleY, rightX, ruleY, PaperSettings.LineColor);
        SetCurrentY(ruleY + 1);
      } else {
        PrintTextNewLine(line);
      }
    }
  }
  if (o.keisen != 1)
    for (double edge : columns.edges) DrawStyledLine(1, edge, tableTop, edge, rowsBottom, PaperSettings.LineColor);
  DrawBox(job.OuterFrameStyle, leftX, tableTop, rightX, rowsBottom, PaperSettings.LineColor);

  DrawTableTitleAndFooter(o, page, leftX, rightX);
  return endFlag;
}

