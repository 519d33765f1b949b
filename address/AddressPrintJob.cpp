#include "AddressPrintJob.h"

#include <algorithm>
#include <climits>

#include "AddressLabels.h"
#include "AddressPrintCode.h"
#include "AddressPrintPlan.h"
#include "FramedPhoneBook.h"
#include "LandscapePhoneBook.h"
#include "PhoneBookListPage.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"

namespace {

// One page of the job's design; an empty category asks for a blank page.
// Returns the drawer's done flag.
int DrawAddressDesignPage(const AddressPrintJob& job, const QString& category, const AddressPrintLines& lines, int page,
                          double left, double right) {
  const RuledPhoneBookOptions& options = job.book;
  if (category.isEmpty()) {
    // A blank page works on a copy, so the job's lines stay as they are.
    AddressPrintLines blank = lines;
    blank.header.clear();
    return PrintRuledPhoneBook(0, 0, QString(), 0, left, right, blank, options);
  }
  const QString& design = job.design;
  if (design == QStringLiteral("横向き"))
    return PrintLandscapePhoneBook(job.designIndex, job.sortIndex, category, page, left, right, lines);
  if (design == QStringLiteral("宛名ラベル")) return PrintAddressLabels(0, page, lines);
  if (design == QStringLiteral("宛名ラベル(社名付)")) return PrintAddressLabels(1, page, lines);
  if (design == QStringLiteral("枠罫")) {
    const FramedPhoneBookOptions framed{options.addressMode, options.extras};
    return PrintFramedPhoneBook(job.designIndex - 8, job.sortIndex, category, page, left, right, lines, framed);
  }
  if (design == QStringLiteral("詰込"))
    return PrintPhoneBookListPage(job.designIndex, job.sortIndex, category, page, left, right, lines,
                                  options.yobiCaption, job.noCaption);
  return PrintRuledPhoneBook(job.designIndex, job.sortIndex, category, page, left, right, lines, options);
}

}  // namespace

void PrintAddressJob(const AddressPrintJob& job, const AddressPrintLines& lines) {
  SetPrinterScaleMode(kScaleMillimetres);
  SetPrinterOrientation(PaperSettings.SuperOrganiserMode == 1 ? kLandscape : kPortrait);
  const int code = AddressPrintCode(job.designIndex, job.sideIndex, PaperSettings.SuperOrganiserMode);
  const std::optional<SheetPlan> plan = PlanAddressPrint(code);
  if (!plan) {
    platform::ShowMessage(QStringLiteral("まだ印刷できません、要望があったら作ります(^^;"), platform::MsgButtons::Ok,
                          platform::MsgIcon::Exclamation);
    EndPrintDocument();
    return;
  }
  // The lowest page the entries ended on: the book pages after it that a
  // sheet still holds are drawn blank.
  int endedOn = INT_MAX;
  const SheetPlanOutcome outcome = RunSheetPlan(*plan, DataPageDrawer([&](const PlannedPage& page) -> bool {
    switch (page.renderer) {
      case kAddressBookPageOrBlank:
        if (page.item > endedOn) return DrawAddressDesignPage(job, QString(), lines, 0, page.x1, page.x2);
        [[fallthrough]];
      case kAddressBookPage: {
        const bool done = DrawAddressDesignPage(job, job.category, lines, page.item, page.x1, page.x2);
        if (done) endedOn = std::min(endedOn, page.item);
        return done;
      }
      case kAddressBlankPage: DrawAddressDesignPage(job, QString(), lines, 0, page.x1, page.x2); return false;
      case kAddressPersonalInfo: PrintPersonalInfoPage(job.entry, job.captions, page.x1, page.x2); return false;
      case kAddressPostcard:
        PrintPostcardAddress(page.item == 0   ? QStringLiteral("JXPOST_CARD")
                             : page.item == 1 ? QStringLiteral("JXPOST_L4")
                                              : QStringLiteral("JXPOST_L3"),
                             job.recipient);
        return false;
    }
    return false;
  }));
  EndPrintDocument();
  // A book cut short by the page limit must not pass for a whole one.
  const int limit = AddressPageLimit(code);
  if (limit > 0 && outcome == SheetPlanOutcome::PlanDone)
    platform::ShowMessage(PageLimitMessage(limit, lines.LastPrintedName()), platform::MsgButtons::Ok,
                          platform::MsgIcon::Exclamation);
}
