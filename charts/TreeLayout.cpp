#include "TreeLayout.h"

#include <algorithm>
#include <cmath>

#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "core/text/CsvLine.h"
#include "core/text/StringHelpers.h"
#include "core/text/Numbers.h"

QStringList TreeItemLines(const QString& items) {
  QStringList parts;
  SplitText(kSplitTextLines, items, parts);
  QStringList lines;
  for (int i = 1; i < parts.size(); ++i) {
    if (parts[i].isEmpty()) break;
    lines << parts[i];
  }
  return lines;
}

TreeMeasures MeasureTree(int boxLayout, const QString& remarks) {
  TreeMeasures m;
  const PaperSettingsData& p = PaperSettings;
  m.cw = HalfCharWidthMm(p.DataFontSize);
  const double k = boxLayout <= 1 ? 2 : boxLayout <= 5 ? 4 : 6;
  m.remarksHeight = TrimBlanks(remarks).isEmpty() ? 0 : int(RoundHalfEven(4 * m.cw));
  const double pitch = kTreeCell + k * m.cw;
  const double room = double(p.FootHeight) - p.DataHeight - 2 * kTreeCell - m.remarksHeight;
  m.rowsPerPage = room <= 0 ? 0 : int(std::floor(room / pitch));
  m.rowHeight = int(std::floor(pitch));
  m.boxWidth = std::min(40, int(std::floor(double(p.PageWidth - p.PageLeft) / 3 * 2)));
  return m;
}

TreePages AssignTreePages(const std::vector<int>& levels, TreePaging paging, int rowsPerPage) {
  TreePages out;
  out.linePage.assign(levels.size(), 0);
  int page = 1;
  int rows = 0;
  auto place = [&](size_t i) {
    if (++rows > rowsPerPage) {
      ++page;
      rows = 1;
    }
    out.linePage[i] = page;
  };
  if (paging != TreePaging::TopLevelPages) {
    for (size_t i = 0; i < levels.size(); ++i) place(i);
  } else {
    for (size_t i = 0; i < levels.size(); ++i)
      if (levels[i] <= 1) place(i);
    rows = 0;
    for (size_t i = 0; i < levels.size(); ++i) {
      if (levels[i] == 1) {
        // Only an item with children opens a page: the repeated parent row
        // shows only above a child, so the page would otherwise stay empty.
        // It counts as the page's first row unless the page has room for
        // just one, where the first child must still come onto it.
        if (i + 1 < levels.size() && levels[i + 1] >= 2) {
          ++page;
          rows = rowsPerPage > 1 ? 1 : 0;
        }
      } else if (levels[i] >= 2) {
        place(i);
      }
    }
  }
  out.pageCount = page;

  // The rows of each page: its own lines, and with top-level pages the line
  // before a page's first child, when that line lies on another page.
  const bool parents = paging == TreePaging::TopLevelPages;
  auto parentPage = [&](size_t i) {
    if (!parents || i + 1 >= levels.size()) return 0;
    const int next = out.linePage[i + 1];
    return next != out.linePage[i] && levels[i + 1] == levels[i] + 1 ? next : 0;
  };
  out.pageStart.assign(size_t(page) + 1, 0);
  for (size_t i = 0; i < levels.size(); ++i) {
    if (out.linePage[i] > 0) ++out.pageStart[size_t(out.linePage[i])];
    if (const int p = parentPage(i)) ++out.pageStart[size_t(p)];
  }
  for (size_t p = 1; p < out.pageStart.size(); ++p) out.pageStart[p] += out.pageStart[p - 1];
  out.rows.resize(out.pageStart.back());
  std::vector<size_t> fill(out.pageStart.begin(), out.pageStart.end() - 1);
  // In line order, so every page's rows come out in line order too.
  for (size_t i = 0; i < levels.size(); ++i) {
    if (const int p = parentPage(i)) out.rows[fill[size_t(p - 1)]++] = {i, true};
    if (out.linePage[i] > 0) out.rows[fill[size_t(out.linePage[i] - 1)]++] = {i, false};
  }
  return out;
}

TreeConnectors::TreeConnectors(const std::vector<int>& levels)
    : head_(levels.size(), -1), sibling_(levels.size(), false) {
  nodes_.reserve(levels.size());
  int top = -1;
  for (size_t i = levels.size(); i-- > 0;) {
    const int level = levels[i];
    while (top >= 0 && nodes_[size_t(top)].level > level) top = nodes_[size_t(top)].next;
    if (top >= 0 && nodes_[size_t(top)].level == level) {
      sibling_[i] = true;
    } else {
      nodes_.push_back({level, top});
      top = int(nodes_.size()) - 1;
    }
    head_[i] = top;
  }
}

std::vector<int> TreeConnectors::continuingLevels(size_t line, int minLevel) const {
  std::vector<int> out;
  for (int n = nodes_[size_t(head_[line])].next; n >= 0; n = nodes_[size_t(n)].next) {
    if (nodes_[size_t(n)].level < minLevel) break;
    out.push_back(nodes_[size_t(n)].level);
  }
  return out;
}
