#pragma once
// How the tree chart's item lines are measured, spread over pages and joined
// by connector lines, without drawing anything.
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "GanttColumns.h"  // GetIndentLevel: the level of an indented line

// Fixed measures of every tree page (mm).
constexpr int16_t kTreeCell = 4;
constexpr int16_t kTreeIndent = 6;

enum class TreePaging { Continuous = 0, TopLevelPages = 1 };

// The item lines of the text (split at CR LF), up to the first empty line.
QStringList TreeItemLines(const QString& items);

struct TreeMeasures {
  double cw = 0;            // half-width character of the data font
  int remarksHeight = 0;
  int rowsPerPage = 0;      // 0: the paper cannot hold one row
  int rowHeight = 0;
  int boxWidth = 0;
};
// Measures for a box layout (0..7) on the current paper settings.
TreeMeasures MeasureTree(int boxLayout, const QString& remarks);

// A line drawn on a page: as an ordinary row, or repeated at the top as the
// parent of the rows that follow it there.
struct TreeRow {
  size_t line = 0;
  bool parent = false;
};

// The page (1-based) on which each line is printed as an ordinary row, 0 for
// none, and the number of pages.
struct TreePages {
  std::vector<int> linePage;
  int pageCount = 1;
  // Every page's rows in line order, so that drawing a page visits its own
  // rows only and a job stays linear in the number of lines.
  std::vector<TreeRow> rows;
  std::vector<size_t> pageStart;  // page p's rows: from pageStart[p - 1] to pageStart[p]
  std::span<const TreeRow> rowsOf(int page) const {
    if (page < 1 || size_t(page) >= pageStart.size()) return {};
    return std::span<const TreeRow>(rows).subspan(pageStart[size_t(page - 1)],
                                                  pageStart[size_t(page)] - pageStart[size_t(page - 1)]);
  }
};
TreePages AssignTreePages(const std::vector<int>& levels, TreePaging paging, int rowsPerPage);

// For each line: whether a sibling follows (a tee, else an elbow), and which
// ancestor columns go on past it. Worked out in one pass from the end, with
// the levels still open kept as a shared linked stack so that every line's
// view of them costs one node.
class TreeConnectors {
 public:
  explicit TreeConnectors(const std::vector<int>& levels);
  bool siblingFollows(size_t line) const { return sibling_[line]; }
  // The ancestor levels (deepest first) at least minLevel whose column runs
  // on past the line: a later line of that level comes before any shallower.
  std::vector<int> continuingLevels(size_t line, int minLevel) const;

 private:
  struct Node {
    int level;
    int next;  // -1 at the bottom
  };
  std::vector<Node> nodes_;
  std::vector<int> head_;  // the line's own node
  std::vector<bool> sibling_;
};
