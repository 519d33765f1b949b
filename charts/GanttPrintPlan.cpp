#include "GanttPrintPlan.h"

#include <cmath>

#include "core/print/PrintSurface.h"
#include "core/text/CsvFieldArray.h"
#include "core/text/CsvLine.h"
#include "core/text/Numbers.h"
#include "core/text/StringHelpers.h"

namespace {
bool TakesNoRow(QChar c) { return IsMilestoneMark(c) || IsHiddenTaskMark(c) || IsSameRowMark(c); }

// The task lines after the header, numbered from 1, ending at the first
// line that is blank.
QStringList TaskLines(const QString& data, QString& header) {
  QStringList parts;
  SplitText(kSplitTextLines, data, parts);
  header = parts.value(1);
  QStringList lines{QString()};
  for (int i = 2; i < parts.size(); ++i) {
    if (TrimBlanks(parts[i]).isEmpty()) break;
    lines << parts[i];
  }
  return lines;
}

void FindPeriod(const GanttPrintInput& in, const GanttColumnMap& map, GanttPrintPlan& plan) {
  const QStringList& lines = plan.lines;
  CsvFieldArray fields(kGanttJobFields);
  QDate earliest(2999, 12, 31);
  for (int i = 1; i < lines.size(); ++i) {
    SplitCsvLineCount(lines[i], fields);
    for (int k = 0; k < 2; ++k) {
      const QDate d = GanttDate(fields[map.StartColumn[k]]);
      if (d.isValid() && d < earliest) earliest = d;
    }
  }
  QDate start = MonthStart(earliest);
  switch (in.startIndex) {
    case 1: start = MonthStart(in.today); break;
    case 2:
      if (HoldsGanttDate(in.makeDate)) start = MonthStart(GanttDate(in.makeDate));
      break;
    case 3: start = QDate(start.year(), 1, 1); break;
    case 4: start = QDate(start.year(), 4, 1); break;
    case 5: start = QDate(start.year(), 10, 1); break;
    default: break;
  }
  QDate latest = start;
  for (int i = 1; i < lines.size(); ++i) {
    SplitCsvLineCount(lines[i], fields);
    for (int k = 0; k < 2; ++k) {
      const QDate d = GanttDate(fields[map.EndColumn[k]]);
      if (d.isValid() && d > latest) latest = d;
    }
  }
  QDate end = NextMonthStart(latest).addDays(-1);
  static const int kSpanMonths[] = {0, 12, 6, 3, 1};
  if (in.spanIndex >= 1 && in.spanIndex <= 4) {
    QDate d = start;
    for (int m = 0; m < kSpanMonths[in.spanIndex]; ++m) d = NextMonthStart(d);
    end = d.addDays(-1);
  }
  plan.PeriodStart = start;
  plan.PeriodEnd = end;
}

void AssignPages(int levelIndex, GanttPrintPlan& plan) {
  const QStringList& lines = plan.lines;
  plan.LinePage.assign(lines.size(), 0);
  const int rows = plan.RowsPerPage;
  int page = levelIndex == 2 ? 0 : 1;
  int count = 0;
  for (int i = 1; i < lines.size(); ++i) {
    const QChar first = GanttFirstChar(lines[i]);
    int level = GetIndentLevel(lines[i]);
    if (levelIndex == 1) {
      if (level == 2 && IsSameRowMark(first)) level = -1;
      if (level > 1) continue;
      if (!TakesNoRow(first)) ++count;
    } else if (levelIndex == 2) {
      if (level == 0 || IsMilestoneMark(first) || IsHiddenTaskMark(first)) continue;
      ++count;
      if (level == 1) {
        ++page;
        count = 1;
      }
    } else {
      if (!TakesNoRow(first)) ++count;
    }
    if (count > rows) {
      count = 1;
      ++page;
    }
    plan.LinePage[i] = static_cast<int16_t>(qMin(page, 32767));
  }
  plan.pageCount = page;
}
}  // namespace

int GanttCellHeight(int cellHeightIndex) { return cellHeightIndex + 3; }

int GanttRemarkLineCount(const QString& remarks) {
  return static_cast<int>(qMin<qsizetype>(remarks.count(QStringLiteral("\r\n")), 5));
}

GanttPrintPlan PlanGanttPrint(const GanttPrintInput& in, GanttColumnMap& map) {
  GanttPrintPlan plan;
  plan.CellHeight = GanttCellHeight(in.cellHeightIndex);
  plan.RemarkLineCount = GanttRemarkLineCount(in.remarks);
  const float hData = HalfCharWidthMm(in.DataFontSize);
  const float hHead = HalfCharWidthMm(in.HeadFontSize);
  plan.TitleBlockHeight = in.sign ? 6 * hData : 2 * hHead + 1;
  const float usable = static_cast<float>(in.PageWidth - in.PageLeft - 5) - plan.TitleBlockHeight -
                       static_cast<float>(plan.RemarkLineCount) * 2 * hData;
  const float pitch = static_cast<float>(plan.CellHeight) + (in.boxIndex == 3 ? 4 : 2) * hData;
  plan.RowsPerPage = usable > 0 ? static_cast<int>(std::floor(usable / pitch)) : 0;

  QString header;
  plan.lines = TaskLines(in.data, header);
  MapGanttColumns(header, map);
  FindPeriod(in, map, plan);
  AssignPages(in.levelIndex, plan);
  return plan;
}
