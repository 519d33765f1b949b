// Jobs laid out as plans: what the year-and-month designs plan for a count
// (plain data, compared whole), and how the one runner asks the prompts of a
// plan and where it stops when the user declines.
#include "SchedulePrintKit.h"
#include "core/print/PrintJob.h"
#include "core/print/SheetPlan.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "schedule/SchedulePrintSource.h"
#include "schedule_print/ScheduleDrivers.h"

namespace {

class SheetPlanTest : public SchedulePrintTest {};

// The renderers of the year-and-month designs, as the driver numbers them.
constexpr int16_t kPlanYearPage = 0, kPlanMonthGrid = 1;

TEST_F(SheetPlanTest, FourYearsToASheetRunInCutOrder) {
  const PaperSettingsData& p = PaperSettings;
  const SheetPlan plan = PlanYearMonthDesign(DesignCodeOf(kDesignYearCalendar, 4), 1, 2, QDate(2009, 3, 1));
  ASSERT_EQ(plan.sides.size(), 2u);
  const PlannedSide& front = plan.sides[0];
  const PlannedSide& back = plan.sides[1];
  EXPECT_EQ(front.prompt, SheetPrompt{});
  EXPECT_EQ(back.prompt, SheetPrompt::PaperSet(1));
  EXPECT_EQ(front.binderMarks, 0);
  EXPECT_EQ(back.binderMarks, kNoBinderMarks);
  EXPECT_EQ(front.previewOutline, 0);
  // Right of the front, left of the back, right of the back, left of the front.
  const auto yearAt = [](const PlannedPage& page) { return page.date.year(); };
  EXPECT_EQ(yearAt(front.pages[1]), 2009);
  EXPECT_EQ(yearAt(back.pages[0]), 2010);
  EXPECT_EQ(yearAt(back.pages[1]), 2011);
  EXPECT_EQ(yearAt(front.pages[0]), 2012);
  EXPECT_EQ(front.pages[0].renderer, kPlanYearPage);
  EXPECT_EQ(front.pages[0].x1, 0);
  EXPECT_EQ(front.pages[0].x2, p.PageWidth - p.PageLeft);
}

TEST_F(SheetPlanTest, SpreadBackFirstMayLeaveOutOnlyItsFirstLeftPage) {
  const SheetPlan plan = PlanYearMonthDesign(DesignCodeOf(kDesignMonthGridRightMargin, 1), 2, 4, QDate(2009, 3, 15));
  ASSERT_EQ(plan.sides.size(), 4u);
  const SheetPrompt::Kind message = SheetPrompt::Kind::Message;
  EXPECT_EQ(plan.sides[0].prompt.kind, message);
  EXPECT_EQ(plan.sides[0].prompt.onDecline, SheetPrompt::OnDecline::SkipSide);
  EXPECT_EQ(plan.sides[1].prompt, SheetPrompt::PaperSet(0));
  EXPECT_EQ(plan.sides[2].prompt.kind, message);
  EXPECT_EQ(plan.sides[2].prompt.onDecline, SheetPrompt::OnDecline::EndJob);
  EXPECT_TRUE(plan.sides[2].prompt.text.startsWith(QStringLiteral("4月の左ページ")));
  // Left and right page of one month: grid modes 1 and 2.
  EXPECT_EQ(plan.sides[0].pages[0], (PlannedPage{kPlanMonthGrid, QDate(2009, 3, 1), 1, 0,
                                                 double(PaperSettings.PageWidth - PaperSettings.PageLeft)}));
  EXPECT_EQ(plan.sides[1].pages[0].item, 2);
  EXPECT_EQ(plan.sides[1].pages[0].date, QDate(2009, 3, 1));
}

TEST_F(SheetPlanTest, FoldedSheetIsTurnedAfterItsWordAndEndsAtTheSheetEdge) {
  const SheetPlan plan = PlanYearMonthDesign(DesignCodeOf(kDesignMonthGrid, 5), 1, 2, QDate(2009, 3, 15));
  EXPECT_EQ(plan.orientation, kLandscape);
  EXPECT_EQ(plan.opening.kind, SheetPrompt::Kind::Message);
  EXPECT_EQ(plan.opening.buttons, platform::MsgButtons::Ok);
  ASSERT_EQ(plan.sides.size(), 1u);
  EXPECT_TRUE(plan.sides[0].pages[1].toSheetEdge);
  EXPECT_EQ(plan.sides[0].pages[1].date, QDate(2009, 4, 1));
  // No sheet, no word either.
  EXPECT_EQ(PlanYearMonthDesign(DesignCodeOf(kDesignMonthGrid, 5), 0, 0, QDate(2009, 3, 15)), SheetPlan{});
}

TEST_F(SheetPlanTest, TwoMonthCalendarSheetsTakeEveryOtherMonthPair) {
  const SheetPlan plan = PlanCalendarDesign(DesignCodeOf(kDesignLargeLandscapeCalendar, 2), 0, 2, QDate(2009, 3, 1));
  ASSERT_EQ(plan.sides.size(), 2u);
  EXPECT_EQ(plan.sides[0].prompt, SheetPrompt{});
  EXPECT_EQ(plan.sides[1].prompt, SheetPrompt::PaperSet(0));
  // Two six-week calendars a sheet, in the upper and the lower band.
  EXPECT_EQ(plan.sides[1].pages, (std::vector<PlannedPage>{{0, QDate(2009, 7, 1), 3, 0, 133},
                                                           {0, QDate(2009, 9, 1), 3, 137, 270}}));
  // Only the two-month sheet asks for paper.
  for (const PlannedSide& side : PlanCalendarDesign(DesignCodeOf(kDesignLargeLandscapeCalendar, 1), 0, 3, QDate(2009, 3, 1)).sides)
    EXPECT_EQ(side.prompt, SheetPrompt{});
}

TEST_F(SheetPlanTest, FourUpWeekAndMemoSheetsStepAWeekPerPair) {
  LoadPaperSettings(15);
  const SheetPlan plan = PlanFourUpSheets(DesignCodeOf(kDesignWeekRuledMemo, 1), 2, QDate(2009, 3, 2));
  ASSERT_EQ(plan.sides.size(), 2u);
  std::vector<QDate> days;
  std::vector<int16_t> renderers;
  for (const PlannedSide& side : plan.sides) {
    EXPECT_EQ(side.prompt, SheetPrompt{});
    EXPECT_EQ(side.previewOutline, 0);
    for (const PlannedPage& page : side.pages) {
      days.push_back(page.date);
      renderers.push_back(page.renderer);
    }
  }
  // A week page and its memo page share their week; the next pair takes the next week.
  EXPECT_EQ(days, (std::vector<QDate>{{2009, 3, 2}, {2009, 3, 2}, {2009, 3, 9}, {2009, 3, 9},
                                      {2009, 3, 16}, {2009, 3, 16}, {2009, 3, 23}, {2009, 3, 23}}));
  EXPECT_EQ(renderers[0], renderers[2]);
  EXPECT_NE(renderers[0], renderers[1]);
  EXPECT_EQ(plan.sides[0].pages[3].x1, PaperSettings.SheetPageX[4]);
}

TEST_F(SheetPlanTest, DaysFrontsThenBacksTurnThePaperOnce) {
  SchedulePrintControls controls;
  controls.Cmb_Nen = QStringLiteral("2009");
  controls.Cmb_Tuki = QStringLiteral("3");
  controls.Cmb_Hi = QStringLiteral("3");
  controls.Txt_maisu = QStringLiteral("2");
  const SheetPlan plan = PlanDailyDesign(DesignCodeOf(kDesignDay, 4), controls);
  ASSERT_EQ(plan.sides.size(), 4u);
  std::vector<SheetPrompt> prompts;
  std::vector<QDate> days;
  for (const PlannedSide& side : plan.sides) {
    prompts.push_back(side.prompt);
    days.push_back(side.pages.at(0).date);
  }
  EXPECT_EQ(prompts, (std::vector<SheetPrompt>{{}, {}, SheetPrompt::PaperSet(1), {}}));
  EXPECT_EQ(days, (std::vector<QDate>{{2009, 3, 3}, {2009, 3, 5}, {2009, 3, 4}, {2009, 3, 6}}));
  // No sheet: the turn is still asked, and nothing printed.
  controls.Txt_maisu = QStringLiteral("0");
  const SheetPlan none = PlanDailyDesign(DesignCodeOf(kDesignDay, 4), controls);
  ASSERT_EQ(none.sides.size(), 1u);
  EXPECT_TRUE(none.sides[0].askOnly);
  EXPECT_EQ(none.sides[0].prompt, SheetPrompt::PaperSet(1));
  // A date that is no date plans nothing.
  controls.Cmb_Hi = QStringLiteral("31");
  controls.Cmb_Tuki = QStringLiteral("2");
  EXPECT_EQ(PlanDailyDesign(DesignCodeOf(kDesignDay, 4), controls), SheetPlan{});
}

TEST_F(SheetPlanTest, WeeklyFrontsThenBacksToldFirstThenTurnedOnce) {
  const SheetPlan plan = PlanWeeklyDesign(DesignCodeOf(kDesignWeekRuled, 6), 2, 4, QDate(2009, 3, 2));
  EXPECT_EQ(plan.opening.kind, SheetPrompt::Kind::Message);
  EXPECT_EQ(plan.opening.icon, platform::MsgIcon::None);
  EXPECT_EQ(plan.opening.onDecline, SheetPrompt::OnDecline::EndJob);
  ASSERT_EQ(plan.sides.size(), 4u);
  std::vector<QDate> weeks;
  for (const PlannedSide& side : plan.sides) weeks.push_back(side.pages.at(0).date);
  EXPECT_EQ(weeks, (std::vector<QDate>{{2009, 3, 2}, {2009, 3, 16}, {2009, 3, 9}, {2009, 3, 23}}));
  EXPECT_EQ(plan.sides[2].prompt, SheetPrompt::PaperSet(1));
  EXPECT_EQ(plan.sides[3].prompt, SheetPrompt{});
}

TEST_F(SheetPlanTest, WeeklyAnnouncedSpreadSkipsOnlyItsFirstPage) {
  const SheetPlan plan = PlanWeeklyDesign(DesignCodeOf(kDesignWeekRuledSpreadWeekendRow, 1), 2, 4, QDate(2009, 3, 2));
  ASSERT_EQ(plan.sides.size(), 4u);
  EXPECT_EQ(plan.sides[0].prompt.onDecline, SheetPrompt::OnDecline::SkipSide);
  for (size_t i = 1; i < 4; ++i) EXPECT_EQ(plan.sides[i].prompt.onDecline, SheetPrompt::OnDecline::EndJob) << i;
  // The right page of the 土日 spread starts three days into the week.
  EXPECT_EQ(plan.sides[1].pages[0].date, QDate(2009, 3, 5));
  EXPECT_EQ(plan.sides[2].pages[0].date, QDate(2009, 3, 9));
}

TEST_F(SheetPlanTest, RightFirstSpreadDeclinedStartsItsWeeksAtTheLeftPage) {
  const int16_t code = DesignCodeOf(kDesignWeekHoursNarrowWeekend, 2);
  const SheetPlan plan = PlanWeeklyDesign(code, 2, 4, QDate(2009, 3, 2));
  ASSERT_EQ(plan.sides.size(), 4u);
  EXPECT_EQ(plan.sides[0].prompt.onDecline, SheetPrompt::OnDecline::SkipSide);
  EXPECT_EQ(plan.sides[0].prompt.skippedDays, 7);
  for (size_t i = 1; i < 4; ++i) EXPECT_EQ(plan.sides[i].prompt.onDecline, SheetPrompt::OnDecline::EndJob) << i;
  // Right page (from Thursday), then the next week's left page on its back.
  std::vector<QDate> planned;
  for (const PlannedSide& side : plan.sides) planned.push_back(side.pages.at(0).date);
  EXPECT_EQ(planned, (std::vector<QDate>{{2009, 3, 6}, {2009, 3, 9}, {2009, 3, 13}, {2009, 3, 16}}));

  // Declining the first right page keeps its week for the pages that follow.
  answerMessage(platform::MsgResult::Cancel);
  CurrentPrintJob().confirmPrompts = 1;
  CurrentPrintJob().previewMode = 1;
  std::vector<QDate> drawn;
  EXPECT_TRUE(RunSheetPlan(plan, [&](const PlannedPage& page) { drawn.push_back(page.date); }));
  EndPrintDocument();
  EXPECT_EQ(drawn, (std::vector<QDate>{{2009, 3, 2}, {2009, 3, 6}, {2009, 3, 9}}));
}

TEST_F(SheetPlanTest, NumberedFrontsAskBetweenThePagesOnly) {
  const SheetPlan plan = PlanNumberedFronts(3, 1);
  ASSERT_EQ(plan.sides.size(), 3u);
  EXPECT_EQ(plan.sides[0].prompt, SheetPrompt{});
  EXPECT_EQ(plan.sides[2].prompt, SheetPrompt::PaperSet(1));
  EXPECT_EQ(plan.sides[2].pages[0].item, 3);
  EXPECT_EQ(plan.sides[2].pages[0].x1, PaperSettings.PageLeft);
  EXPECT_TRUE(PlanNumberedFronts(0, 1).sides.empty());
}

// A plan of three one-page sides with the given prompts, run to the printer
// with the prompts on; the items drawn, in order.
struct PromptCase {
  const char* name;
  SheetPrompt second, third;
  std::vector<platform::MsgResult> answers;
  std::vector<int> drawn;
  bool finished;
};

TEST_F(SheetPlanTest, RunnerAsksBeforeEachSideAndStopsOrSkipsAsDeclined) {
  using platform::MsgResult;
  const SheetPrompt skip = SheetPrompt::Question(QStringLiteral("左"), SheetPrompt::OnDecline::SkipSide);
  const SheetPrompt end = SheetPrompt::Question(QStringLiteral("左"), SheetPrompt::OnDecline::EndJob);
  const PromptCase cases[] = {
      {"all answered", SheetPrompt::PaperSet(1), end, {}, {1, 2, 3}, true},
      {"paper prompt declined", SheetPrompt::PaperSet(1), end, {MsgResult::Cancel}, {1}, false},
      {"skip declined", skip, SheetPrompt::PaperSet(0), {MsgResult::Cancel}, {1, 3}, true},
      {"end declined", SheetPrompt::PaperSet(0), end, {MsgResult::Ok, MsgResult::Cancel}, {1, 2}, false},
      {"notice never stops", SheetPrompt::Notice(QStringLiteral("注意")), {}, {MsgResult::Cancel}, {1, 2, 3}, true},
  };
  for (const PromptCase& c : cases) {
    SCOPED_TRACE(c.name);
    SheetPlan plan;
    for (int item = 1; item <= 3; ++item) {
      PlannedSide side;
      side.prompt = item == 2 ? c.second : item == 3 ? c.third : SheetPrompt{};
      side.pages = {PlannedPage{0, QDate(), item, 0, 10}};
      plan.sides.push_back(side);
    }
    for (MsgResult answer : c.answers) answerMessage(answer);
    CurrentPrintJob().confirmPrompts = 1;
    CurrentPrintJob().previewMode = 1;
    std::vector<int> drawn;
    const bool finished = RunSheetPlan(plan, [&](const PlannedPage& page) { drawn.push_back(page.item); });
    EndPrintDocument();
    EXPECT_EQ(drawn, c.drawn);
    EXPECT_EQ(finished, c.finished);
  }
}

}  // namespace
