// The monthly list layouts of the year-and-month driver: which half or whole
// month each page shows, where on the sheet, and the prompts and messages
// between the pages.
#include <map>
#include <set>

#include <QRegularExpression>

#include "PdfReadBack.h"
#include "SchedulePrintKit.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "schedule_print/ScheduleDrivers.h"
#include "schedule_print/SchedulePrintButton.h"

namespace {

// One organiser page found on a sheet side: its left x, month title and the
// first and last day numbers of its rows.
struct ListPage {
  double x;
  QString title;
  int firstDay, lastDay;
  bool operator==(const ListPage&) const = default;
};

class MonthListDriverTest : public SchedulePrintTest {
 protected:
  int run(int16_t code, const QString& sheets, QDate start) {
    source.controls.Txt_maisu = sheets;
    CurrentPrintJob().previewMode = 0;
    SetPrinterScaleMode(kScaleMillimetres);
    const int result = PrintYearMonthDesigns(source, code, start);
    EndPrintDocument();
    return result;
  }
  // The list pages of each sheet side, left to right.
  static std::vector<std::vector<ListPage>> ListPages(const std::vector<std::vector<RecordedOp>>& sides) {
    std::vector<std::vector<ListPage>> out;
    for (const auto& side : sides) {
      std::map<int, ListPage> byX;  // tenths of a mm of the page's left edge
      for (const RecordedOp& op : side) {
        if (op.kind != RecordedOp::Text) continue;
        bool number = false;
        const int d = op.text.trimmed().toInt(&number);
        if (op.text.size() == 2 && number && op.y1 > PaperSettings.DataHeight && op.y1 < PaperSettings.FootHeight) {
          const int key = int(std::lround((op.x1 - 0.4) * 10));
          auto [it, fresh] = byX.try_emplace(key, ListPage{key / 10.0, QString(), d, d});
          it->second.firstDay = std::min(it->second.firstDay, d);
          it->second.lastDay = std::max(it->second.lastDay, d);
        }
      }
      for (const RecordedOp& op : side)
        if (op.kind == RecordedOp::Text && op.text.contains(QStringLiteral("月 (")))
          for (auto& [key, page] : byX)
            if (op.x1 >= page.x && op.x1 < page.x + 80 && page.title.isEmpty()) {
              page.title = op.text.trimmed();
              break;
            }
      out.emplace_back();
      for (auto& [key, page] : byX) out.back().push_back(page);
    }
    return out;
  }
  double backRight() const { return PaperSettings.PageWidth - PaperSettings.PageLeft; }
};

const QString kJan = QStringLiteral("平成21年1月 (2009)");
const QString kFeb = QStringLiteral("平成21年2月 (2009)");
const QString kDec = QStringLiteral("平成20年12月 (2008)");

TEST_F(MonthListDriverTest, SpreadOnEachSideOfA4) {
  ASSERT_EQ(run(42, QStringLiteral("1"), QDate(2009, 1, 1)), 1);
  EXPECT_EQ(jobSequence(), (QStringList{QStringLiteral("page"), QStringLiteral("prompt(1)"), QStringLiteral("page")}));
  const auto sides = ListPages(Pages(printer()));
  ASSERT_EQ(sides.size(), 2u);
  ASSERT_EQ(sides[0].size(), 2u);
  ASSERT_EQ(sides[1].size(), 2u);
  EXPECT_EQ(sides[0][0].x, 0);
  EXPECT_EQ(sides[0][0].title, kJan);
  EXPECT_EQ(sides[0][0].firstDay, 1);
  EXPECT_EQ(sides[0][0].lastDay, 16);
  EXPECT_EQ(sides[0][1].title, kJan);
  EXPECT_EQ(sides[0][1].firstDay, 17);
  EXPECT_EQ(sides[0][1].lastDay, 31);
  EXPECT_NEAR(sides[0][1].x, GetScaleWidth() - backRight(), 0.1);
  EXPECT_EQ(sides[1][0].title, kFeb);
  EXPECT_EQ(sides[1][0].lastDay, 16);
  EXPECT_EQ(sides[1][1].title, kDec);
  EXPECT_EQ(sides[1][1].firstDay, 17);
  EXPECT_EQ(sides[1][1].lastDay, 31);
}

TEST_F(MonthListDriverTest, BackFirstSpreadDeclinedFirstMessage) {
  const QString first =
      QStringLiteral("月の左ページ(1月1日から16日まで)を印刷します。\r\n\r\n用紙を裏面(右側綴じ代)にセットして、\r\nＯＫを押してください。");
  // The left-page message shows whatever the job's confirmPrompts is; the paper for the
  // right page is asked only with the prompts on.
  for (int16_t prompts : {1, 0}) {
    SCOPED_TRACE(prompts);
    printer().clearOps();
    CurrentPrintJob().confirmPrompts = prompts;
    const size_t before = shownMessages().size();
    answerMessage(platform::MsgResult::Cancel);
    ASSERT_EQ(run(41, QStringLiteral("1"), QDate(2009, 1, 1)), 1);
    ASSERT_GT(shownMessages().size(), before);
    EXPECT_EQ(shownMessages()[before].text, first);
    if (prompts == 1) {  // the first job: the sequence holds only its events
      EXPECT_EQ(jobSequence(),
                (QStringList{QStringLiteral("message:") + first, QStringLiteral("prompt(0)"), QStringLiteral("page")}));
    } else {
      EXPECT_EQ(shownMessages().size(), before + 1);
    }
    const auto sides = ListPages(Pages(printer()));
    ASSERT_EQ(sides.size(), 1u);
    ASSERT_EQ(sides[0].size(), 1u);
    EXPECT_EQ(sides[0][0].x, PaperSettings.PageLeft);
    EXPECT_EQ(sides[0][0].firstDay, 17);
    EXPECT_EQ(sides[0][0].lastDay, 31);
  }
}

TEST_F(MonthListDriverTest, BackFirstSpreadLaterMessageEndsTheJob) {
  answerMessage(platform::MsgResult::Ok);  // the first left page
  answerMessage(platform::MsgResult::Ok);  // the paper for the right page
  answerMessage(platform::MsgResult::Cancel);
  ASSERT_EQ(run(41, QStringLiteral("2"), QDate(2009, 1, 1)), 1);
  const QStringList seq = jobSequence();
  ASSERT_EQ(seq.size(), 5) << seq.join(QStringLiteral(" | ")).toStdString();
  EXPECT_TRUE(seq[0].startsWith(QStringLiteral("message:")));
  EXPECT_EQ(seq[1], QStringLiteral("page"));
  EXPECT_EQ(seq[2], QStringLiteral("prompt(0)"));
  EXPECT_EQ(seq[3], QStringLiteral("page"));
  EXPECT_TRUE(seq[4].contains(QStringLiteral("表面(左側綴じ代)の印刷が終了するのを待ち、")));
  EXPECT_TRUE(seq[4].contains(QStringLiteral("(2月1日から16日まで)")));
}

TEST_F(MonthListDriverTest, ListWithMemoPageOnEachSide) {
  ASSERT_EQ(run(31, QStringLiteral("1"), QDate(2009, 3, 1)), 1);
  EXPECT_EQ(jobSequence(), (QStringList{QStringLiteral("page"), QStringLiteral("prompt(1)"), QStringLiteral("page")}));
  const auto pages = Pages(printer());
  const auto sides = ListPages(pages);
  ASSERT_EQ(sides.size(), 2u);
  // The list on the left half; the mini calendar of the memo page has its
  // numbers in the right half's corner, not at a list's day column.
  EXPECT_EQ(sides[0].front().title, QStringLiteral("平成21年3月 (2009)"));
  EXPECT_EQ(sides[0].front().x, 0);
  EXPECT_EQ(sides[1].front().title, QStringLiteral("平成21年4月 (2009)"));
  const auto memoMonthDays = [&](const std::vector<RecordedOp>& side) {
    int last = 0;
    for (const RecordedOp& op : side) {
      bool ok = false;
      const int d = op.text.trimmed().toInt(&ok);
      if (op.kind == RecordedOp::Text && ok && op.x1 > GetScaleWidth() - 21 && op.y1 > PaperSettings.DataHeight)
        last = std::max(last, d);
    }
    return last;
  };
  EXPECT_EQ(memoMonthDays(pages[0]), 30);  // April's mini calendar
  EXPECT_EQ(memoMonthDays(pages[1]), 31);  // March's
}

TEST_F(MonthListDriverTest, FoldedLandscapeSheet) {
  ASSERT_EQ(run(25, QStringLiteral("1"), QDate(2009, 3, 10)), 1);
  ASSERT_EQ(shownMessages().size(), 1u);
  EXPECT_TRUE(shownMessages().front().text.startsWith(QStringLiteral("A4用紙を2つに折って使います。(B5ｻｲｽﾞ)\r\n")));
  EXPECT_EQ(printer().orientationSetCount(), 2);  // landscape, then back to portrait at the end
  const auto sides = ListPages(Pages(printer()));
  ASSERT_EQ(sides.size(), 1u);
  ASSERT_EQ(sides[0].size(), 2u);
  EXPECT_EQ(sides[0][0].x, PaperSettings.PageLeft);
  EXPECT_EQ(sides[0][0].title, QStringLiteral("平成21年3月 (2009)"));
  EXPECT_EQ(sides[0][1].x, PaperSettings.PageWidth + PaperSettings.PageLeft);
  EXPECT_EQ(sides[0][1].title, QStringLiteral("平成21年4月 (2009)"));
}

TEST_F(MonthListDriverTest, SingleSideLayouts) {
  struct Case {
    int16_t code;
    int pages;
    bool front;
    std::vector<std::pair<int, int>> days;  // first and last day of each page
  } cases[] = {
      {DesignCodeOf(kDesignMonthRuled, 3), 2, true, {{1, 31}, {1, 30}}},
      {DesignCodeOf(kDesignMonthRuled, 4), 2, false, {{1, 31}, {1, 30}}},
      {DesignCodeOf(kDesignMonthRuledSpread, 3), 2, true, {{1, 16}, {1, 16}}},
      {DesignCodeOf(kDesignMonthRuledSpread, 4), 2, false, {{17, 31}, {17, 30}}},
      {DesignCodeOf(kDesignMonthRuledSpread, 5), 4, true, {{1, 16}, {17, 31}, {1, 16}, {17, 30}}},
      {DesignCodeOf(kDesignMonthRuledSpread, 6), 4, false, {{1, 16}, {17, 31}, {1, 16}, {17, 30}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    printer().clearOps();
    ASSERT_EQ(run(c.code, QStringLiteral("2"), QDate(2009, 3, 1)), 1);
    const auto sides = ListPages(Pages(printer()));
    ASSERT_EQ(int(sides.size()), c.pages);
    for (int i = 0; i < c.pages; ++i) {
      ASSERT_EQ(sides[i].size(), 1u);
      EXPECT_EQ(sides[i][0].x, c.front ? PaperSettings.PageLeft : 0);
      EXPECT_EQ(std::make_pair(sides[i][0].firstDay, sides[i][0].lastDay), c.days[i]);
    }
  }
  EXPECT_TRUE(shownMessages().empty());
}

TEST_F(MonthListDriverTest, ThroughThePrintButtonToThePdfPrinter) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  const QString pdf = usePdfPrinter(QStringLiteral("schedprint-month-list-23"));
  source.options.OptShading = 0;
  source.lines = {QStringLiteral("2009/02/11 祝日 建国記念の日"), QStringLiteral("2009/02/03 予定 節分の豆まき")};
  source.choose(2, 2, QDate(2009, 2, 1));
  Cmd_print_Click(source);
  ASSERT_EQ(PdfPageCount(pdf), 1);
  const auto words = PdfWords(pdf);
  const double margin = 3;
  const PaperSettingsData& p = PaperSettings;
  const PdfWord title = FindWord(words, QStringLiteral("平成21年2月"));
  ASSERT_EQ(title.page, 1);
  EXPECT_GE(title.yMinMm, p.HeadHeight + margin - 1);
  EXPECT_LE(title.yMaxMm, p.DataHeight + margin + 1);
  const QRegularExpression leadingNumber(QStringLiteral("^(\\d+)"));
  std::set<int> seen;
  for (const PdfWord& w : words) {
    const auto m = leadingNumber.match(w.text);
    if (!m.hasMatch() || w.xMinMm > margin + 8 + 4 || w.yMinMm < p.DataHeight + margin) continue;
    const int d = m.captured(1).toInt();
    seen.insert(d);
    const double expected = p.DataHeight + (double(p.FootHeight) - p.DataHeight - 1) / 31 * (d - 1) + 1.0 + margin;
    EXPECT_NEAR(w.yMinMm, expected, 0.8) << d;
  }
  std::set<int> all;
  for (int d = 1; d <= 28; ++d) all.insert(d);
  EXPECT_EQ(seen, all);
}

}  // namespace
