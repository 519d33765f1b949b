#pragma once
// One printed page of a tree chart: its rows of boxes with their connector
// lines, the remarks at the foot, the header with the title and the footer.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "TreeLayout.h"

// Everything a print job works out once and every page reads.
struct TreeChart {
  QString title;
  QString remarks;
  int boxLayout = 0;  // 0..7
  TreePaging paging = TreePaging::Continuous;
  bool levelColours = false;       // the first text of a box in its level's colour
  bool thinLines = false;
  std::array<QString, 21> colours;  // levels 0..20, hexadecimal B-G-R digits
  QStringList lines;
  std::vector<int> levels;
  TreePages pages;
  TreeMeasures measures;

  // Fills lines, levels, pages and measures from the item text.
  void Prepare(const QString& items);
  // The colour value of a level; levels past 20 use the level-20 colour.
  int32_t LevelColour(int level) const;
};

// The colour value of "KAISO_COLOR" texts: their leading hexadecimal digits,
// 0 when there are none.
int32_t LeadingHexValue(const QString& text);

// Draws page `page` (1-based) between left and right (mm) on the active
// surface, visiting only that page's rows; connectors are the chart's,
// computed once per job.
void DrawTreePage(int page, const TreeChart& chart, const TreeConnectors& connectors, double left, double right);

// Prints the prepared chart through the current print job, one organiser
// page per output page at the front position, paper prompts between pages.
void PrintTreePages(const TreeChart& chart);
