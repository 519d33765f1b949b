#pragma once
// Draws one page of a Gantt chart. The print job hands it the page number,
// every task line's page and the lines themselves, with the page's edges on
// the sheet; the chart's options come in GanttPageOptions.
#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

#include "GanttColumns.h"

struct GanttPageOptions {
  QString title;
  QString name;
  QString makeDate;
  QString remarks;
  int box = 0;
  bool sign = false;
  bool biko = false;
  bool autoColor = false;
  bool endDay = false;
  bool jisseki = true;
  int CellHeight = 3;
  float TitleBlockHeight = 0;
  int RemarkLineCount = 0;
  QDate PeriodStart;
  QDate PeriodEnd;
  GanttColumnMap columns;
};

void DrawGanttPage(const GanttPageOptions& options, int16_t& page, const std::vector<int16_t>& LinePage,
                   const QStringList& lines, int16_t PageLeft, int16_t PageWidth);

struct GanttPrintPlan;
// Prints the plan's pages one organiser page per output page at the front
// position, through the current print job; false, with nothing printed,
// when not even one task row fits a page.
bool PrintGanttPages(const GanttPrintPlan& plan, const GanttPageOptions& options);

// Tests put a stand-in in place of the drawing; an empty function restores it.
using GanttPageDrawer = std::function<void(const GanttPageOptions&, int16_t&, const std::vector<int16_t>&,
                                           const QStringList&, int16_t, int16_t)>;
void SetGanttPageDrawer(GanttPageDrawer drawer);
