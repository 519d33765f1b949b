#pragma once
// The installed printers: the CUPS queues and the PDF printer, and the
// printer that jobs print on.
#include <QList>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <functional>

class PrintSurface;

// Device name of the PDF printer.
inline const QString kPdfPrinterName = QStringLiteral("PDF");

// What a queue does with the jobs handed to it.
enum class QueueState {
  Unknown,   // the printing system could not be asked
  Ready,     // it takes jobs and prints them
  Refusing,  // it refuses every job (cupsreject)
  Stopped,   // it takes jobs but holds them until it is started again (cupsdisable)
};

// One job as the queue lists it: CUPS numbers jobs upwards across all
// queues, so a job handed over later has a higher number.
struct QueueJob {
  int id = 0;
  bool held = false;  // kept back until someone releases it (the queue's own hold, lp -H)
};
// The jobs a queue lists, those done included, or why there is no list.
struct QueueJobList {
  enum class Answer {
    Unanswered,   // the printing system could not be asked
    NoSuchQueue,  // the queue is gone
    Listed,
  };
  Answer answer = Answer::Unanswered;
  QList<QueueJob> jobs;
};

// The user-facing sentence for a printer that is gone or cannot be opened.
QString UnusablePrinterText(const QString& name);

// The printing system the queues come from, and the surface that prints on
// the current printer. It needs Qt's print support, which this library does
// not use: the program installs it at start-up, as do the tests and
// benchmarks. Until one is installed no queue is listed (the PDF printer
// is), every queue prints on A4, and the printer fails to open, so a job
// says the printer cannot be used and prints nothing.
struct PrinterSystem {
  std::function<QStringList()> queueNames;    // in the system's order
  std::function<QString()> defaultQueueName;  // "" when there is none
  // The queue's default media; an invalid size when the system names none.
  std::function<QPageSize(const QString& queue)> queueDefaultPageSize;
  // What the queue does with a job handed to it now.
  std::function<QueueState(const QString& queue)> queueState;
  // The jobs the queue lists now, those done included.
  std::function<QueueJobList(const QString& queue)> queueJobs;
  // The one printer surface of the run, made on first use.
  std::function<PrintSurface&()> printer;
};
void InstallPrinterSystem(PrinterSystem system);
// The installed system's printer surface; unlike PrinterSurfaceTarget() it
// is never replaced by a test surface.
PrintSurface& SystemPrinter();

// Device names in the platform's order: the CUPS queues, then "PDF".
QStringList InstalledPrinterNames();

// Device name of the default printer: the CUPS default queue, else "PDF";
// "" when no printer can be used.
QString DefaultPrinterName();

// The paper a queue prints on unless told otherwise: its default media in
// CUPS, A4 when CUPS names none. The answer is kept until
// ForgetQueueDefaultPageSizes, which every print job and printer setup call
// first, so a change made in CUPS counts from the next job on.
QPageSize QueueDefaultPageSize(const QString& queue);
void ForgetQueueDefaultPageSizes();

// What the queue does with a job handed to it now; Unknown while no
// printing system is installed or the queue list is replaced
// (SetInstalledPrintersOverride).
QueueState QueueStateOf(const QString& queue);

// The jobs the queue lists now; Unanswered while no printing system is
// installed, the queue list is replaced or a test surface stands in for the
// printer, unless SetQueueJobsOverride answers.
QueueJobList QueueJobsOf(const QString& queue);

// The printer that jobs print on; the default printer until one is chosen.
QString CurrentPrinterName();
// Makes a printer current; any open document of the previous one ends.
void SetCurrentPrinter(const QString& deviceName);
