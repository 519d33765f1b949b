#include "SheetPlan.h"

#include "BinderMarks.h"
#include "PrintJob.h"
#include "PrintSurface.h"
#include "core/settings/PaperSettings.h"

SheetPrompt SheetPrompt::PaperSet(int16_t side) {
  SheetPrompt prompt;
  prompt.kind = Kind::PaperSet;
  prompt.paperSide = side;
  return prompt;
}

SheetPrompt SheetPrompt::Question(const QString& text, OnDecline onDecline, int16_t skippedDays) {
  SheetPrompt prompt;
  prompt.kind = Kind::Message;
  prompt.text = text;
  prompt.buttons = platform::MsgButtons::OkCancel;
  prompt.icon = platform::MsgIcon::Information;
  prompt.onDecline = onDecline;
  prompt.skippedDays = skippedDays;
  return prompt;
}

SheetPrompt SheetPrompt::Notice(const QString& text, platform::MsgIcon icon) {
  SheetPrompt prompt;
  prompt.kind = Kind::Message;
  prompt.text = text;
  prompt.icon = icon;
  return prompt;
}

namespace {

enum class SheetPlanGo { Draw, Skip, Stop };

SheetPlanGo AskSheetPrompt(const SheetPrompt& prompt) {
  switch (prompt.kind) {
    case SheetPrompt::Kind::None:
      return SheetPlanGo::Draw;
    case SheetPrompt::Kind::PaperSet:
      return ConfirmPaperSet(prompt.paperSide) ? SheetPlanGo::Draw : SheetPlanGo::Stop;
    case SheetPrompt::Kind::Message:
      break;
  }
  const platform::MsgResult answer = platform::ShowMessage(prompt.text, prompt.buttons, prompt.icon);
  if (prompt.buttons == platform::MsgButtons::Ok || answer == platform::MsgResult::Ok) return SheetPlanGo::Draw;
  return prompt.onDecline == SheetPrompt::OnDecline::SkipSide ? SheetPlanGo::Skip : SheetPlanGo::Stop;
}

}  // namespace

SheetPlanOutcome RunSheetPlan(const SheetPlan& plan, const DataPageDrawer& draw) {
  if (plan.sides.empty()) return SheetPlanOutcome::PlanDone;
  switch (AskSheetPrompt(plan.opening)) {
    case SheetPlanGo::Draw: break;
    case SheetPlanGo::Skip: return SheetPlanOutcome::PlanDone;
    case SheetPlanGo::Stop: return SheetPlanOutcome::Declined;
  }
  if (plan.orientation != 0) SetPrinterOrientation(plan.orientation);
  const double sheetEdge = GetScaleWidth();
  bool endsAfterThisSide = false;
  int datesBack = 0;
  for (const PlannedSide& side : plan.sides) {
    const SheetPlanGo go = AskSheetPrompt(side.prompt);
    if (go == SheetPlanGo::Stop) return SheetPlanOutcome::Declined;
    if (go == SheetPlanGo::Skip) datesBack += side.prompt.skippedDays;
    if (go == SheetPlanGo::Skip || side.askOnly) continue;
    BeginPage();
    CurrentPrintJob().previewOutlineKind = side.previewOutline;
    bool ends = endsAfterThisSide;
    endsAfterThisSide = false;
    for (PlannedPage page : side.pages) {
      if (page.toSheetEdge) page.x2 = sheetEdge;
      if (datesBack != 0 && page.date.isValid()) page.date = page.date.addDays(-datesBack);
      if (!draw(page) || page.onDataEnd == DataEnd::Ignored) continue;
      if (page.onDataEnd == DataEnd::EndsAfterNextSide) {
        endsAfterThisSide = true;
        continue;
      }
      ends = true;
      if (page.onDataEnd == DataEnd::EndsJob) break;
    }
    if (side.binderMarks != kNoBinderMarks) DrawBinderMarks(side.binderMarks);
    if (side.finishes) FinishOutput();
    if (ends) return SheetPlanOutcome::DataEnded;
  }
  return SheetPlanOutcome::PlanDone;
}

bool RunSheetPlan(const SheetPlan& plan, const PlannedPageDrawer& draw) {
  return RunSheetPlan(plan, DataPageDrawer([&draw](const PlannedPage& page) {
                        draw(page);
                        return false;
                      })) != SheetPlanOutcome::Declined;
}

PageSpan FrontPageSpan() { return {double(PaperSettings.PageLeft), double(PaperSettings.PageWidth)}; }
PageSpan BackPageSpan() { return {0, double(PaperSettings.PageWidth - PaperSettings.PageLeft)}; }
PageSpan FoldedSecondPageSpan() {
  const double w = PaperSettings.PageWidth, l = PaperSettings.PageLeft;
  return {w + 2, 2 * w - l + 2};
}
PageSpan FourFoldPageSpan(int k) { return {double(PaperSettings.SheetPageX[k]), double(PaperSettings.SheetPageY[k])}; }

PlannedSide PlanSide(SheetPrompt prompt, std::vector<PlannedPage> pages, int16_t previewOutline) {
  PlannedSide side;
  side.prompt = std::move(prompt);
  side.previewOutline = previewOutline;
  side.pages = std::move(pages);
  return side;
}

PlannedPage ListPage(int page, PageSpan at, DataEnd onEnd) {
  PlannedPage planned{0, QDate(), page, at.x1, at.x2};
  planned.onDataEnd = onEnd;
  return planned;
}

namespace {

void AskAfterLastListSheet(SheetPlan& plan, int16_t paperSide) {
  PlannedSide last = PlanSide(SheetPrompt::PaperSet(paperSide), {}, 1);
  last.askOnly = true;
  plan.sides.push_back(std::move(last));
}

}  // namespace

SheetPlan PlanListPageASide(int first, int step, int limit, const std::function<PageSpan(int page)>& at,
                            const std::function<int16_t(int page)>& paperSideAfter) {
  SheetPlan plan;
  SheetPrompt before;
  for (int p = first; p <= limit; p += step) {
    plan.sides.push_back(PlanSide(before, {ListPage(p, at(p))}, 1));
    before = SheetPrompt::PaperSet(paperSideAfter(p));
  }
  if (before.kind == SheetPrompt::Kind::PaperSet) AskAfterLastListSheet(plan, before.paperSide);
  return plan;
}

SheetPlan PlanListFourToADoubleSidedSheet(int first, int limit, PageSpan right, PageSpan left) {
  SheetPlan plan;
  for (int p = first; p <= limit; p += 4) {
    PlannedSide front = PlanSide(p != 1 ? SheetPrompt::PaperSet(0) : SheetPrompt{},
                                 {ListPage(p, right), ListPage(p + 3, left, DataEnd::EndsAfterNextSide)}, 0);
    front.binderMarks = kFacingPages;
    plan.sides.push_back(std::move(front));
    plan.sides.push_back(PlanSide(SheetPrompt::PaperSet(1), {ListPage(p + 1, left), ListPage(p + 2, right)}, 0));
  }
  return plan;
}

SheetPlan PlanListPagesPerSheet(int perSheet, int limit, const std::function<PageSpan(int k)>& at,
                                int16_t binderMarks) {
  SheetPlan plan;
  for (int p = 1; p <= limit; p += perSheet) {
    PlannedSide side = PlanSide(p != 1 ? SheetPrompt::PaperSet(2) : SheetPrompt{}, {}, 0);
    for (int k = 1; k <= perSheet; ++k)
      side.pages.push_back(ListPage(p + k - 1, at(k), k == perSheet ? DataEnd::EndsJob : DataEnd::Ignored));
    side.binderMarks = binderMarks;
    plan.sides.push_back(std::move(side));
  }
  if (!plan.sides.empty()) AskAfterLastListSheet(plan, 2);
  return plan;
}

SheetPlan PlanNumberedFronts(int pageCount, int16_t paperSideBetween) {
  SheetPlan plan;
  for (int page = 1; page <= pageCount; ++page)
    plan.sides.push_back(PlanSide(page > 1 ? SheetPrompt::PaperSet(paperSideBetween) : SheetPrompt{},
                                  {ListPage(page, FrontPageSpan(), DataEnd::Ignored)}));
  return plan;
}

QString PageLimitMessage(int limit, const QString& lastPrinted) {
  return QStringLiteral(
             "印刷できるのは%1ページ（枚）までのため、印刷をそこで終えました。\r\n最後に印刷したのは%2です。")
      .arg(limit)
      .arg(lastPrinted);
}
