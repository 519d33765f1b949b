// Layouts that set several organiser pages across one side are measured
// whole: a queue whose paper does not hold them is warned of, naming the
// layout's extent, and the PDF printer takes the paper that holds them.
#include "PdfReadBack.h"
#include "SchedulePrintKit.h"
#include "core/print/PrintSeams.h"
#include "schedule_print/ScheduleDrivers.h"
#include "schedule_print/SchedulePrintButton.h"

namespace {

class SideWidthTest : public SchedulePrintTest {};

TEST_F(SideWidthTest, AQueueIsWarnedOfWhatTheLayoutDrawsAcrossTheSide) {
  struct Row {
    const char* layout;
    ScheduleDriver driver;
    int16_t code;
    QPageSize::PageSizeId paper;
    const char* warned;  // the extent named, or nullptr for no warning
  } rows[] = {
      {"三週 on A5", PrintWeeklyDesigns, DesignCodeOf(kDesignWeekRuled, 5), QPageSize::A5, "255×170mm"},
      {"三週 on A4, turned", PrintWeeklyDesigns, DesignCodeOf(kDesignWeekRuled, 5), QPageSize::A4, nullptr},
      {"三週 on A3", PrintWeeklyDesigns, DesignCodeOf(kDesignWeekRuled, 5), QPageSize::A3, nullptr},
      {"two weeks beside on A5", PrintWeeklyDesigns, DesignCodeOf(kDesignWeekRuled, 7), QPageSize::A5, "171×170mm"},
      // The pages' cut lines and the blank page below them count.
      {"A4 両面 on A5", PrintYearMonthDesigns, DesignCodeOf(kDesignMonthGrid, 2), QPageSize::A5, "188×265mm"},
      {"A4 両面 on A4", PrintYearMonthDesigns, DesignCodeOf(kDesignMonthGrid, 2), QPageSize::A4, nullptr},
      {"one page on A5", PrintYearMonthDesigns, DesignCodeOf(kDesignMonthGrid, 3), QPageSize::A5, nullptr},
      {"six-month strip on Letter", PrintYearMonthDesigns, DesignCodeOf(kDesignHalfYearGrid, 1), QPageSize::Letter,
       nullptr},
      {"six-month strip on A5", PrintYearMonthDesigns, DesignCodeOf(kDesignHalfYearGrid, 1), QPageSize::A5,
       "251×170mm"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.layout);
    SetQueueDefaultMediaOverride({{kTestQueueName, QPageSize(r.paper)}});
    const size_t before = shownMessages().size();
    // The strip's own notice first, then the warning (declined) if any.
    if (r.code == DesignCodeOf(kDesignHalfYearGrid, 1)) answerMessage(platform::MsgResult::Ok);
    answerMessage(platform::MsgResult::Cancel);
    printer().clearOps();
    runDesign(r.driver, r.code, QDate(2026, 12, 7), QStringLiteral("1"));
    QStringList warnings;
    for (size_t i = before; i < shownMessages().size(); ++i)
      if (shownMessages()[i].text.contains(QStringLiteral("収まりません"))) warnings << shownMessages()[i].text;
    if (r.warned) {
      ASSERT_EQ(warnings.size(), 1);
      EXPECT_TRUE(warnings[0].contains(QString::fromUtf8(r.warned))) << warnings[0].toStdString();
      EXPECT_TRUE(Pages(printer()).empty()) << "declined: nothing printed";
    } else {
      EXPECT_TRUE(warnings.isEmpty()) << warnings.join('|').toStdString();
    }
  }
  SetQueueDefaultMediaOverride({});
}

TEST_F(SideWidthTest, ThreeWeeksGoOntoA4TurnedThroughThePdfPrinterWithTheBackOnThePaper) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  const QString pdf = usePdfPrinter(QStringLiteral("schedprint-three-weeks-125"));
  source.choose(12, 4, QDate(2026, 12, 7), QStringLiteral("1"));
  Cmd_print_Click(source);
  EXPECT_EQ(messageTexts(), QStringList()) << "no warning, no paper prompts for a file";
  const std::vector<PdfPageSize> sizes = PdfPageSizes(pdf);
  ASSERT_EQ(sizes.size(), 2u);
  // The side is wider than tall: A4 turned holds it, as A3 would upright.
  for (const PdfPageSize& size : sizes) {
    EXPECT_NEAR(size.widthMm, 297, 0.5);
    EXPECT_NEAR(size.heightMm, 210, 0.5);
  }
  // Each side holds its three weeks whole, each under its month title: the
  // front's from the binding margin on, the back's group set so that it ends
  // PageLeft short of the turned A4 sheet's usable width (291 mm), 2 mm apart.
  std::vector<double> titles[3];
  for (const PdfWord& w : PdfWords(pdf))
    if (w.text.startsWith(QStringLiteral("令和"))) titles[w.page].push_back(w.xMinMm);
  const double pw = 88, pl = 8, week = pw - pl, backStart = 291 - (3 * week + pl + 4);
  ASSERT_EQ(titles[1].size(), 3u);
  ASSERT_EQ(titles[2].size(), 3u);
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(titles[1][k] - titles[1][0], k * (week + 2), 0.5) << "front week " << k;
    EXPECT_NEAR(titles[2][k] - titles[2][0], k * (week + 2), 0.5) << "back week " << k;
  }
  EXPECT_NEAR(titles[2][0] - titles[1][0], backStart - pl, 1.5) << "the usable width is taken in whole mm";
}

}  // namespace
