// The address print plans: how a book folded in the middle lays out its
// pages and leaves those after the entries' end blank, and the one-sheet
// jobs' preview guides.
#include "AddressWindowTest.h"
#include "address/AddressPrintCode.h"
#include "address/AddressPrintPlan.h"
#include "core/print/BinderMarks.h"

namespace {

class AddressPrintPlanTest : public AddressWindowTest {};

TEST_F(AddressPrintPlanTest, FoldedBookSheetsReadInOrderAndFinishTheSheet) {
  const std::optional<SheetPlan> plan = PlanAddressPrint(AddressPrintCode(0, 3, 0));
  ASSERT_TRUE(plan);
  ASSERT_GE(plan->sides.size(), 2u);
  const PlannedSide& front = plan->sides[0];
  const PlannedSide& back = plan->sides[1];
  EXPECT_EQ(front.pages[0].item, 1);
  EXPECT_EQ(front.pages[0].renderer, kAddressBookPage);
  EXPECT_EQ(front.pages[1].item, 4);
  EXPECT_EQ(front.pages[1].renderer, kAddressBookPageOrBlank);
  EXPECT_EQ(front.binderMarks, kFacingPages);
  EXPECT_EQ(back.prompt, SheetPrompt::PaperSet(1));
  EXPECT_EQ(back.pages[0].item, 2);
  EXPECT_EQ(back.pages[1].item, 3);
  EXPECT_EQ(back.pages[1].onDataEnd, DataEnd::EndsWithSide);
  EXPECT_EQ(plan->sides[2].prompt, SheetPrompt::PaperSet(0));
}

// Each job of the chosen entries ends on its last page allowed: no paper
// prompt is asked after it, as the job then says it stopped there.
TEST_F(AddressPrintPlanTest, JobsEndOnTheirLastPageAllowed) {
  const struct {
    int code;
    int limit;
  } rows[] = {
      {AddressPrintCode(0, 0, 0), kAddressMostPages},
      {AddressPrintCode(0, 3, 0), kAddressMostPages},
      {AddressPrintCode(0, 4, 0), kAddressMostPages},
      {AddressPrintCode(0, 5, 1), kAddressMostPages},
      {AddressPrintCode(12, 1, 0), kAddressMostPages},
      {1501, kAddressMostLabelSheets},
      {1601, kAddressMostLabelSheets},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.code);
    EXPECT_EQ(AddressPageLimit(r.code), r.limit);
    const std::optional<SheetPlan> plan = PlanAddressPrint(r.code);
    ASSERT_TRUE(plan && !plan->sides.empty());
    EXPECT_FALSE(plan->sides.back().askOnly);
    EXPECT_FALSE(plan->sides.back().pages.empty());
    int most = 0;
    for (const PlannedSide& side : plan->sides)
      for (const PlannedPage& page : side.pages) most = std::max(most, page.item);
    EXPECT_EQ(most, r.limit);
  }
  for (int code : {1301, 1401, 1701, int(AddressPrintCode(0, 6, 0))}) EXPECT_EQ(AddressPageLimit(code), 0) << code;
}

TEST_F(AddressPrintPlanTest, OneSheetJobsAndCodesNotPrintedYet) {
  const std::optional<SheetPlan> postcard = PlanAddressPrint(1701);
  ASSERT_TRUE(postcard);
  ASSERT_EQ(postcard->sides.size(), 1u);
  EXPECT_EQ(postcard->sides[0].previewOutline, 10);
  EXPECT_EQ(PlanAddressPrint(1801)->sides[0].previewOutline, 0);
  EXPECT_EQ(PlanAddressPrint(1801)->sides[0].pages[0].item, 1);
  EXPECT_FALSE(PlanAddressPrint(1302));
  // The four-fold book turns the sheet landscape.
  EXPECT_EQ(PlanAddressPrint(AddressPrintCode(0, 5, 1))->orientation, kLandscape);
}

}  // namespace
