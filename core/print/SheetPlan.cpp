#include "SheetPlan.h"

#include "BinderMarks.h"
#include "PrintJob.h"
#include "PrintSurface.h"

SheetPrompt SheetPrompt::PaperSet(int16_t side) {
  SheetPrompt prompt;
  prompt.kind = Kind::PaperSet;
  prompt.paperSide = side;
  return prompt;
}

SheetPrompt SheetPrompt::Question(const QString& text, OnDecline onDecline) {
  SheetPrompt prompt;
  prompt.kind = Kind::Message;
  prompt.text = text;
  prompt.buttons = platform::MsgButtons::OkCancel;
  prompt.icon = platform::MsgIcon::Information;
  prompt.onDecline = onDecline;
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

bool RunSheetPlan(const SheetPlan& plan, const DataPageDrawer& draw) {
  if (plan.sides.empty()) return true;
  switch (AskSheetPrompt(plan.opening)) {
    case SheetPlanGo::Draw: break;
    case SheetPlanGo::Skip: return true;
    case SheetPlanGo::Stop: return false;
  }
  if (plan.orientation != 0) SetPrinterOrientation(plan.orientation);
  const double sheetEdge = GetScaleWidth();
  bool endsAfterThisSide = false;
  for (const PlannedSide& side : plan.sides) {
    const SheetPlanGo go = AskSheetPrompt(side.prompt);
    if (go == SheetPlanGo::Stop) return false;
    if (go == SheetPlanGo::Skip || side.askOnly) continue;
    BeginPage();
    PreviewOutlineKind = side.previewOutline;
    bool ends = endsAfterThisSide;
    endsAfterThisSide = false;
    for (PlannedPage page : side.pages) {
      if (page.toSheetEdge) page.x2 = sheetEdge;
      if (!draw(page) || page.onDataEnd == DataEnd::Ignored) continue;
      if (page.onDataEnd == DataEnd::EndsAfterNextSide) {
        endsAfterThisSide = true;
        continue;
      }
      ends = true;
      break;
    }
    if (side.binderMarks != kNoBinderMarks) DrawBinderMarks(side.binderMarks);
    FinishOutput();
    if (ends) return true;
  }
  return true;
}

bool RunSheetPlan(const SheetPlan& plan, const PlannedPageDrawer& draw) {
  return RunSheetPlan(plan, DataPageDrawer([&draw](const PlannedPage& page) {
                        draw(page);
                        return false;
                      }));
}
