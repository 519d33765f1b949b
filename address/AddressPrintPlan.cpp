#include "AddressPrintPlan.h"

#include <cmath>

#include "core/print/BinderMarks.h"
#include "core/print/JobPaper.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"

namespace {

// How the book and list designs place their pages on a side (0 to 5), or -1
// for the other designs.
int AddressPlanSideLayout(int code) {
  if ((code >= 0 && code < 1300) || (code >= 10000 && code < 11300)) return code % 100 - 1;
  return -1;
}

PlannedPage AddressPage(int16_t renderer, int page, PageSpan at, DataEnd onEnd) {
  PlannedPage planned = ListPage(page, at, onEnd);
  planned.renderer = renderer;
  return planned;
}

SheetPlan PlanAddressBook(int side, PageSpan rightHalf) {
  SheetPlan plan;
  const PageSpan front = FrontPageSpan(), back = BackPageSpan();
  switch (side) {
    case 0: case 1: case 2:
      for (int k = 1; k <= kAddressMostPages; ++k) {
        const SheetPrompt prompt =
            k > 1 ? SheetPrompt::PaperSet(side == 2 ? 2 : (k % 2 == 1 ? 0 : 1)) : SheetPrompt{};
        const bool atFront = side == 2 || (side == 0) == (k % 2 == 1);
        plan.sides.push_back(
            PlanSide(prompt, {AddressPage(kAddressBookPage, k, atFront ? front : back, DataEnd::EndsJob)}));
      }
      break;
    case 3:
      // Folded in the middle, a sheet reads k, k + 1, k + 2, k + 3; the pages
      // after the entries' end are left blank, and the sheet is finished.
      for (int k = 1; k <= kAddressMostPages; k += 4) {
        PlannedSide frontSide = PlanSide(k > 1 ? SheetPrompt::PaperSet(0) : SheetPrompt{},
                                         {AddressPage(kAddressBookPage, k, rightHalf, DataEnd::EndsAfterNextSide),
                                          AddressPage(kAddressBookPageOrBlank, k + 3, back, DataEnd::EndsAfterNextSide)},
                                         0);
        frontSide.binderMarks = kFacingPages;
        plan.sides.push_back(std::move(frontSide));
        plan.sides.push_back(PlanSide(SheetPrompt::PaperSet(1),
                                      {AddressPage(kAddressBookPageOrBlank, k + 1, back, DataEnd::EndsWithSide),
                                       AddressPage(kAddressBookPageOrBlank, k + 2, rightHalf, DataEnd::EndsWithSide)},
                                      0));
      }
      break;
    case 4:
      for (int k = 1; k <= kAddressMostPages; k += 2) {
        PlannedSide sheet = PlanSide(k > 1 ? SheetPrompt::PaperSet(2) : SheetPrompt{},
                                     {AddressPage(kAddressBookPage, k, front, DataEnd::EndsWithSide),
                                      AddressPage(kAddressBookPage, k + 1, FoldedSecondPageSpan(), DataEnd::EndsWithSide)},
                                     0);
        sheet.binderMarks = kSideBySidePages;
        plan.sides.push_back(std::move(sheet));
      }
      break;
    case 5:
      plan.orientation = kLandscape;
      for (int k = 1; k <= kAddressMostPages; k += 4) {
        PlannedSide sheet = PlanSide(k > 1 ? SheetPrompt::PaperSet(2) : SheetPrompt{}, {}, 0);
        for (int i = 1; i <= 4; ++i)
          sheet.pages.push_back(AddressPage(kAddressBookPage, k + i - 1, FourFoldPageSpan(i),
                                            i == 4 ? DataEnd::EndsJob : DataEnd::Ignored));
        plan.sides.push_back(std::move(sheet));
      }
      break;
    default:
      break;
  }
  return plan;
}

}  // namespace

int AddressPageLimit(int code) {
  const int side = AddressPlanSideLayout(code);
  if (side >= 0 && side <= 5) return kAddressMostPages;
  return code == 1501 || code == 1601 ? kAddressMostLabelSheets : 0;
}

std::optional<SheetPlan> PlanAddressPrint(int code) {
  const PaperSettingsData& p = PaperSettings;
  // The width two pages take across a side goes first: the PDF printer's
  // paper follows it and the right half is measured on that paper.
  const int side = AddressPlanSideLayout(code);
  if (side == 3) SetLaidOutSideWidthMm(FacingPagesWidthMm(), kFacingPages);
  if (side == 4) SetLaidOutSideWidthMm(TwoPagesAcrossWidthMm(2), kSideBySidePages);
  const PageSpan rightHalf{std::nearbyint(GetScaleWidth() - (p.PageWidth - p.PageLeft)),
                           std::nearbyint(GetScaleWidth())};
  if (side >= 0) return PlanAddressBook(side, rightHalf);
  SheetPlan plan;
  switch (code) {
    case 1301:
      plan.sides = {PlanSide({}, {AddressPage(kAddressBlankPage, 0, FrontPageSpan(), DataEnd::Ignored)}),
                    PlanSide(SheetPrompt::PaperSet(1),
                             {AddressPage(kAddressBlankPage, 0, BackPageSpan(), DataEnd::Ignored)})};
      return plan;
    case 1401:
    case 1402:
      plan.sides = {PlanSide({}, {AddressPage(kAddressPersonalInfo, 0, code == 1401 ? FrontPageSpan() : BackPageSpan(),
                                              DataEnd::Ignored)})};
      return plan;
    case 1501:
    case 1601:
      for (int k = 1; k <= kAddressMostLabelSheets; ++k)
        plan.sides.push_back(PlanSide(k > 1 ? SheetPrompt::PaperSet(2) : SheetPrompt{},
                                      {AddressPage(kAddressBookPage, k, rightHalf, DataEnd::EndsJob)}, 0));
      return plan;
    case 1701:
    case 1801:
    case 1901:
      plan.sides = {PlanSide({}, {AddressPage(kAddressPostcard, (code - 1701) / 100, {}, DataEnd::Ignored)},
                             code == 1701 ? 10 : 0)};
      return plan;
    default:
      return std::nullopt;
  }
}
