#include "PrintJob.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>

#include "JobPaper.h"
#include "PreviewImageSurface.h"
#include "PrintDialogModel.h"
#include "PrintSeams.h"
#include "PrintSurface.h"
#include "PrinterInfo.h"
#include "core/platform/MessageBox.h"
#include "core/platform/ScreenCursor.h"
#include "core/settings/AppGlobals.h"

PrintJobState& CurrentPrintJob() {
  static PrintJobState job;
  return job;
}

namespace {

bool PrintingToPdf() { return !Previewing() && CurrentPrinterName() == kPdfPrinterName; }

// False when the sheet the job lays out does not fit the paper and the user
// chose not to print anyway.
bool SheetFitsOrUserAgrees(const PrintSurface& printer) {
  const int16_t orientation = printer.orientation();
  const QString text = SheetMismatchText(LaidOutSheetMm(orientation, printer.pageOriginOnPaperMm()),
                                         PaperForJob(CurrentPrinterName(), orientation));
  if (text.isEmpty()) return true;
  return platform::ShowMessage(text, platform::MsgButtons::OkCancel, platform::MsgIcon::Exclamation) ==
         platform::MsgResult::Ok;
}

void ReportUnusablePrinter(const PrintSurface& printer) {
  platform::ShowMessage(printer.failureText() + QStringLiteral("\r\n印刷を中止します。"),
                        platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
}

void TellJobStopped(const QString& text) {
  PrinterSurfaceTarget().cancelJob();
  platform::ShowMessage(text, platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
}

// A document for a queue begins only while CUPS still knows the queue (Qt
// keeps printing "to" a queue removed since it was chosen, and nothing
// arrives anywhere); the jobs it lists now are the ones the document's job
// must come after.
void WatchQueueBeforeDocument() {
  PrintJobState& job = CurrentPrintJob();
  job.lastQueueJobBefore = -1;
  const QString queue = CurrentPrinterName();
  if (queue.isEmpty() || queue == kPdfPrinterName) return;
  const QueueJobList jobs = QueueJobsOf(queue);
  if (jobs.answer == QueueJobList::Answer::NoSuchQueue) {
    TellJobStopped(UnusablePrinterText(queue) + QStringLiteral("\r\n印刷を中止します。"));
  } else if (jobs.answer == QueueJobList::Answer::Listed) {
    job.lastQueueJobBefore = 0;
    for (const QueueJob& listed : jobs.jobs) job.lastQueueJobBefore = std::max(job.lastQueueJobBefore, listed.id);
  }
}

// Hands the open document to the printer. Qt hands it to CUPS and keeps no
// word of what came of it, so CUPS is asked at once: a job that never
// reached the queue (refused, or the queue gone) would otherwise look
// printed, and one the queue holds would look lost. After a job that did not
// arrive the rest of the job draws nothing and asks nothing more.
void HandOverDocument() {
  PrintSurface& printer = PrinterSurfaceTarget();
  const bool handed = printer.documentOpen() && printer.jobUsable();
  printer.endDocument();
  PrintJobState& job = CurrentPrintJob();
  const int lastBefore = std::exchange(job.lastQueueJobBefore, -1);
  const QString queue = CurrentPrinterName();
  if (!handed || queue == kPdfPrinterName) return;
  const QueueJobList after = lastBefore < 0 ? QueueJobList{} : QueueJobsOf(queue);
  bool arrived = false, held = false;
  for (const QueueJob& listed : after.jobs) {
    if (listed.id <= lastBefore) continue;
    arrived = true;
    held = held || listed.held;
  }
  const QueueState state =
      after.answer == QueueJobList::Answer::NoSuchQueue ? QueueState::Unknown : QueueStateOf(queue);
  if (state == QueueState::Refusing && !arrived) {
    TellJobStopped(QStringLiteral("プリンター「%1」が印刷を受け付けませんでした。\r\n印刷されていません。").arg(queue));
    return;
  }
  if (after.answer == QueueJobList::Answer::NoSuchQueue || (after.answer == QueueJobList::Answer::Listed && !arrived)) {
    TellJobStopped(UnusablePrinterText(queue) +
                   QStringLiteral("\r\n印刷データがプリンターに届いていません。印刷を中止します。"));
    return;
  }
  if (held && !job.queueHoldTold) {
    job.queueHoldTold = true;
    platform::ShowMessage(QStringLiteral("プリンター「%1」は印刷を保留しました。\r\n"
                                         "保留が解除されるまで印刷されません。")
                              .arg(queue),
                          platform::MsgButtons::Ok, platform::MsgIcon::Information);
  }
  if (state == QueueState::Stopped && !job.queueStoppedTold) {
    job.queueStoppedTold = true;
    platform::ShowMessage(QStringLiteral("プリンター「%1」は停止しています。\r\n"
                                         "印刷は、プリンターが再開されるまで待機します。")
                              .arg(queue),
                          platform::MsgButtons::Ok, platform::MsgIcon::Information);
  }
}

void ShowPreviewPage() {
  RunModalPrintStep([] {
    if (const PreviewPageHandler& handler = CurrentPreviewPageHandler())
      handler(PreviewImage().image());
    else if (const PreviewPageHandler& window = InstalledPrintWindows().previewPage)
      window(PreviewImage().image());
  });
}

void AskPrintDialog() {
  RunModalPrintStep([] {
    PrintDialogOpened();
    if (const PrintDialogHandler& handler = CurrentPrintDialogHandler()) {
      const PrintDialogView shown = PrintDialogContents();
      ApplyPrintDialogAnswer(shown, handler(shown));
    } else if (const std::function<void()>& window = InstalledPrintWindows().printDialog) {
      window();
    }
  });
}

}  // namespace

namespace {
std::function<void()>& workHeldForNextJob() {
  static std::function<void()> work;
  return work;
}
}  // namespace

void HoldUntilNextJob(std::function<void()> work) { workHeldForNextJob() = std::move(work); }

void RunWorkHeldForNextJob() {
  if (std::function<void()> work = std::exchange(workHeldForNextJob(), {})) work();
}

PrintDialogResult ShowPrintDialog() {
  RunWorkHeldForNextJob();
  // A job left without EndPrintDocument must neither run into the next one
  // nor keep it from printing.
  PrintSurface& printer = PrinterSurfaceTarget();
  if (printer.jobOutputOpen() || !printer.jobUsable()) printer.endJob();
  // Nor may a landscape job left that way turn the next one's preview.
  PreviewPicture().setOrientation(kPortrait);
  PrintJobState& job = CurrentPrintJob();
  job.previewMode = 0;
  job.paperChecked = false;
  job.queueStoppedTold = false;
  job.queueHoldTold = false;
  job.lastQueueJobBefore = -1;
  ForgetLaidOutSideWidth();
  ForgetQueueDefaultPageSizes();
  AskPrintDialog();
  if (job.choice == PrintDialogResult::Preview) job.previewMode = 1;
  return job.choice;
}

void BeginBusy(QWidget* window) {
  if (window && InstalledPrintWindows().busyWindow) InstalledPrintWindows().busyWindow(window, true);
  platform::SetHourglassCursor();
}

void EndBusy(QWidget* window) {
  platform::SetDefaultCursor();
  if (window && InstalledPrintWindows().busyWindow) InstalledPrintWindows().busyWindow(window, false);
}

// A page opens by the surface's own page state, so a page that ends with the
// current position at (0, 0) is never drawn over by the next one.
void BeginPage() {
  PrintJobState& job = CurrentPrintJob();
  job.pageUsed = 0;
  job.previewOutlineKind = 1;
  if (Previewing()) {
    PreviewPicture().beginPage();
  } else {
    PrintSurface& printer = PrinterSurfaceTarget();
    printer.setScaleMode(kScaleMillimetres);
    // A queue that is gone is told before anything is asked about its paper.
    if (printer.jobUsable() && !printer.documentOpen()) WatchQueueBeforeDocument();
    if (!job.paperChecked && printer.jobUsable()) {
      job.paperChecked = true;
      if (!SheetFitsOrUserAgrees(printer)) printer.cancelJob();
    }
    const bool wasUsable = printer.jobUsable();
    printer.beginPage();
    if (wasUsable && printer.jobState() == PrintSurface::OpenResult::Failed)
      ReportUnusablePrinter(printer);
  }
  QCoreApplication::processEvents();
  platform::SetHourglassCursor();
}

void FinishOutput() {
  if (Previewing()) {
    if (CurrentPrintJob().pageUsed == 1) ShowPreviewPage();
  } else if (CurrentPrintJob().endDocPerPage == 1) {
    HandOverDocument();
  }
}

QString PaperSetMessage(int16_t side) {
  QString first, second;
  switch (side) {
    case 0:
      first = QStringLiteral("裏面の印刷が終了するのを待ってください。");
      second = QStringLiteral("新しい用紙を表面にセットして、");
      break;
    case 1:
      first = QStringLiteral("表面の印刷が終わるのを待ってください。");
      second = QStringLiteral("用紙を裏面にセットして、");
      break;
    case 2:
      first = QStringLiteral("印刷が終わるのを待ってください。");
      second = QStringLiteral("用紙をセットして、");
      break;
    default:
      return {};
  }
  return first + QStringLiteral("\r\n\r\n") + second + QStringLiteral("\r\nＯＫを押してください。");
}

bool ConfirmPaperSet(int16_t side) {
  // A job whose printer could not be opened stops at the first chance.
  if (!Previewing() && !PrinterSurfaceTarget().jobUsable()) return false;
  if (CurrentPrintJob().confirmPrompts != 1) return true;
  const QString text = PaperSetMessage(side);
  if (text.isEmpty()) return false;
  // A PDF file has no paper to turn or load: its pages simply follow.
  if (PrintingToPdf()) return true;
  return platform::ShowMessage(text, platform::MsgButtons::OkCancel,
                               platform::MsgIcon::Information) == platform::MsgResult::Ok;
}

void EndPrintDocument() {
  // Whatever the page loop left open ends with the job, and the PDF file of
  // the job is complete only now.
  if (CurrentPrintJob().endDocPerPage == 0 || !Previewing()) HandOverDocument();
  if (!Previewing()) PrinterSurfaceTarget().endJob();
  CurrentPrintJob().paperChecked = false;
  ForgetLaidOutSideWidth();
  SetPrinterOrientation(kPortrait);
}
