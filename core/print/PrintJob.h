#pragma once
// The print-job protocol that every page window follows:
//   if (ShowPrintDialog() == PrintDialogResult::Cancelled) return;
//   SetPrinterScaleMode(kScaleMillimetres);
//   for each output page: BeginPage(); draw...; FinishOutput();
//                         if (more && !ConfirmPaperSet(side)) break;
//   EndPrintDocument();
#include <QString>
#include <cstdint>
#include <functional>

class QWidget;

// What the user chose in the print dialog (closing it is cancelling).
enum class PrintDialogResult : int16_t {
  Cancelled = 0,
  Print = 1,
  Preview = 2,
};

// The print job under way, from the print dialog to EndPrintDocument. There
// is one, owned by CurrentPrintJob(); the surface routines ask it whether to
// draw on the printer or the preview picture, and the page loop what the
// page holds.
struct PrintJobState {
  int16_t previewMode = 0;  // 0 every routine draws on the printer, 1 on the preview picture
  PrintDialogResult choice = PrintDialogResult::Cancelled;
  int16_t pageUsed = 0;            // 1 once text was put on the current page
  int16_t previewOutlineKind = 1;  // preview guide: 0 none, 1 organiser page, 10 postcard
  // The paper is checked once per job, before its first page.
  bool paperChecked = false;
  // The user was told that the queue is stopped and holds the job.
  bool queueStoppedTold = false;
  // The user was told that the queue holds the job back until released.
  bool queueHoldTold = false;
  // The highest job number the queue listed before the open document
  // began; -1 while the document is not watched (no queue, or CUPS could
  // not be asked).
  int lastQueueJobBefore = -1;
  // The dialog's check box, kept from job to job: 1 asks before turning or
  // loading paper, and (as endDocPerPage) sends each page to the printer at once.
  int16_t confirmPrompts = 1;
  int16_t endDocPerPage = 1;  // 1 = one printer document per page
};
PrintJobState& CurrentPrintJob();

// Shows the print dialog and readies the job for the answer (a preview job
// draws on the preview picture).
PrintDialogResult ShowPrintDialog();
// Work that must be done before a job begins but that start-up need not
// wait for (the default printer's probe): ShowPrintDialog runs it first
// unless it has run already. Holding new work replaces work not yet run.
void HoldUntilNextJob(std::function<void()> work);
void RunWorkHeldForNextJob();
// A busy window takes no input and shows the hourglass; it stays in front
// with its focus kept (the page window's own part of the protocol). The
// window itself is made busy by the installed print windows (PrintSeams).
void BeginBusy(QWidget* window);
void EndBusy(QWidget* window);
// BeginBusy for the life of a scope: the window takes input again however
// the scope is left.
class BusyScope {
 public:
  explicit BusyScope(QWidget* window) : window_(window) { BeginBusy(window_); }
  ~BusyScope() { EndBusy(window_); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  QWidget* window_;
};
void BeginPage();
void FinishOutput();
// side 0: a new sheet's front comes next, 1: the back comes next, 2: the next
// sheet of a single-sided job. True = go on.
bool ConfirmPaperSet(int16_t side);
void EndPrintDocument();

// The text ConfirmPaperSet shows for a side ("" for an unknown side).
QString PaperSetMessage(int16_t side);
