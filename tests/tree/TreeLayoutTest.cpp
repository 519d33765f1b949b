// Measures, page assignment and the connector pass of the tree chart.
#include <random>

#include "TreeTest.h"
#include "charts/TreeLayout.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"

TEST_F(TreeTest, MeasuresAtNinePointFollowTheBoxLayout) {
  PaperSettings.DataFontSize = 9;
  const struct {
    int layout;
    int rowHeight;
  } cases[] = {{0, 7}, {1, 7}, {2, 10}, {5, 10}, {6, 13}, {7, 13}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.layout);
    const TreeMeasures m = MeasureTree(c.layout, QString());
    EXPECT_EQ(m.rowHeight, c.rowHeight);
    EXPECT_EQ(m.boxWidth, 40);  // the bible page is 80 mm wide
  }
  EXPECT_EQ(MeasureTree(0, QString()).rowsPerPage, 19);
  // Remarks take four character widths, rounded; blanks alone take none.
  EXPECT_EQ(MeasureTree(0, QStringLiteral("注")).remarksHeight, 6);
  EXPECT_EQ(MeasureTree(0, QStringLiteral("  ")).remarksHeight, 0);
  EXPECT_EQ(MeasureTree(0, QStringLiteral("　")).remarksHeight, 6);  // a full-width blank is text
  PaperSettings.PageWidth = PaperSettings.PageLeft + 45;
  EXPECT_EQ(MeasureTree(0, QString()).boxWidth, 30);
  PaperSettings.FootHeight = PaperSettings.DataHeight + 10;
  EXPECT_EQ(MeasureTree(0, QString()).rowsPerPage, 0);
}

TEST(TreeLayout, LevelsAndLinesUpToTheFirstEmptyOne) {
  EXPECT_EQ(GetIndentLevel(QStringLiteral("a")), 0);
  EXPECT_EQ(GetIndentLevel(QStringLiteral("   a, b")), 3);
  EXPECT_EQ(GetIndentLevel(QStringLiteral("\u3000a")), 0);  // a full-width blank is text
  EXPECT_EQ(TreeItemLines(QStringLiteral("a\r\n b\r\n\r\nc\r\n")), QStringList({"a", " b"}));
  EXPECT_TRUE(TreeItemLines(QString()).isEmpty());
}

TEST(TreeLayout, ContinuousPagesHoldRowsPerPageLines) {
  for (int n : {1, 19, 20, 38, 39}) {
    const TreePages pages = AssignTreePages(std::vector<int>(size_t(n), 0), TreePaging::Continuous, 19);
    EXPECT_EQ(pages.pageCount, (n + 18) / 19) << n;
    EXPECT_EQ(pages.linePage.back(), pages.pageCount);
  }
  EXPECT_EQ(AssignTreePages({}, TreePaging::Continuous, 19).pageCount, 1);
}

TEST(TreeLayout, TopLevelPagesPlaceOverviewThenDetails) {
  // 0 root, 1 A, 2 a1, 2 a2, 1 B (no children), 1 C, 3 c1 deep, 2 c2.
  const std::vector<int> levels = {0, 2, 1, 2, 2, 1, 1, 3, 2};
  const TreePages p = AssignTreePages(levels, TreePaging::TopLevelPages, 3);
  // Overview: root, A, B on 1; C on 2. The early level-2 line lands on the
  // last overview page, counted from 0 there.
  const std::vector<int> expected = {1, 2, 1, 3, 3, 1, 2, 4, 4};
  EXPECT_EQ(p.linePage, expected);
  // A opens page 3; B, without children, opens none; C opens 4.
  EXPECT_EQ(p.pageCount, 4);
  // A detail page that overflows goes on with rows of its own; the
  // repeated parent counts as the first row.
  const TreePages q = AssignTreePages({1, 2, 2, 2}, TreePaging::TopLevelPages, 2);
  EXPECT_EQ(q.linePage, (std::vector<int>{1, 2, 3, 3}));
}

// The connector pass agrees with asking every line about all later lines.
TEST(TreeLayout, ConnectorPassMatchesTheDefinition) {
  std::mt19937 random(7);
  for (int round = 0; round < 50; ++round) {
    std::vector<int> levels;
    int level = 0;
    for (int i = 0; i < 40; ++i) {
      level = std::max(0, level + int(random() % 4) - 2);
      levels.push_back(level);
    }
    const TreeConnectors connectors(levels);
    for (size_t i = 0; i < levels.size(); ++i) {
      bool sibling = false;
      for (size_t j = i + 1; j < levels.size(); ++j)
        if (levels[j] <= levels[i]) {
          sibling = levels[j] == levels[i];
          break;
        }
      ASSERT_EQ(connectors.siblingFollows(i), sibling) << round << " " << i;
      for (int minLevel : {1, 2}) {
        std::vector<int> expected;
        for (int L = levels[i] - 1; L >= minLevel; --L)
          for (size_t j = i + 1; j < levels.size(); ++j) {
            if (levels[j] < L) break;
            if (levels[j] == L) {
              expected.push_back(L);
              break;
            }
          }
        ASSERT_EQ(connectors.continuingLevels(i, minLevel), expected) << round << " " << i;
      }
    }
  }
}

// Each page's rows, worked out once per job, are the lines the page draws by
// asking every line about every page: its own lines, and with top-level
// pages the line before a first child that lies on another page.
TEST(TreeLayout, PageRowsMatchTheDefinition) {
  std::mt19937 random(11);
  for (int round = 0; round < 40; ++round) {
    std::vector<int> levels;
    int level = 0;
    for (int i = 0; i < 60; ++i) {
      level = std::max(0, level + int(random() % 4) - 2);
      levels.push_back(level);
    }
    for (TreePaging paging : {TreePaging::Continuous, TreePaging::TopLevelPages}) {
      const int rowsPerPage = 1 + int(random() % 5);
      const TreePages pages = AssignTreePages(levels, paging, rowsPerPage);
      size_t total = 0;
      for (int page = 1; page <= pages.pageCount; ++page) {
        std::vector<std::pair<size_t, bool>> expected, actual;
        for (size_t i = 0; i < levels.size(); ++i) {
          if (pages.linePage[i] == page)
            expected.push_back({i, false});
          else if (paging == TreePaging::TopLevelPages && i + 1 < levels.size() && pages.linePage[i + 1] == page &&
                   levels[i + 1] == levels[i] + 1)
            expected.push_back({i, true});
        }
        for (const TreeRow& row : pages.rowsOf(page)) actual.push_back({row.line, row.parent});
        ASSERT_EQ(actual, expected) << round << " page " << page;
        EXPECT_FALSE(actual.empty()) << round << " page " << page << " rows " << rowsPerPage << ": no page holds only its title";
        total += actual.size();
      }
      EXPECT_EQ(total, pages.rows.size());
      EXPECT_TRUE(pages.rowsOf(0).empty());
      EXPECT_TRUE(pages.rowsOf(pages.pageCount + 1).empty());
    }
  }
}
