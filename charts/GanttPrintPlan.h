#pragma once
// What one print of a Gantt chart works out before any page is drawn: the
// row pitch and rows per page, the task lines, the time axis, and the page
// of every task line. No widgets and no printer: the window hands in its
// controls' values.
#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "GanttColumns.h"

// A task line is read as at most this many fields.
constexpr int kGanttJobFields = 255;

struct GanttPrintInput {
  int cellHeightIndex = 0;  // cmb_height
  int boxIndex = 0;         // cmb_box
  int startIndex = 0;       // cmb_start
  int spanIndex = 0;        // cmb_span
  int levelIndex = 0;       // cmb_level
  bool sign = false;        // chk_sign
  QString data;             // txt_data
  QString remarks;          // txt_biko, already ending with CR LF
  QString makeDate;         // txt_makedate
  QDate today;
  int16_t PageLeft = 0;
  int16_t PageWidth = 0;
  float DataFontSize = 9;
  float HeadFontSize = 9;
};

struct GanttPrintPlan {
  int CellHeight = 3;
  float TitleBlockHeight = 0;
  int RemarkLineCount = 0;
  int RowsPerPage = 0;
  QStringList lines;             // numbered from 1: element 0 is empty
  std::vector<int16_t> LinePage; // entry i belongs to line i
  QDate PeriodStart;
  QDate PeriodEnd;
  int pageCount = 0;
};

// CellHeight for a cmb_height index: 3 to 9 mm.
int GanttCellHeight(int cellHeightIndex);
// RemarkLineCount: the CR LF pairs of the remark text, at most 5.
int GanttRemarkLineCount(const QString& remarks);

// Works out the plan and fills map from the task text's header row.
GanttPrintPlan PlanGanttPrint(const GanttPrintInput& in, GanttColumnMap& map);
