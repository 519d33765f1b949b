#pragma once
// Keeps every printed page as it is: a job's drawing (each op of the printer
// and the preview picture with all its fields, the page starts, the paper
// prompts, the message boxes and the preview pages shown, in order) becomes
// one text, whose event count and SHA-256 are kept per case in
// tests/golden/<area>.txt. A case whose text differs fails and leaves the
// whole text in the artefact folder (golden/<area>/<case>.txt) to diff against
// the same text written by the code before the change.
//
// RINGPAD_GOLDEN_UPDATE=1 rewrites the manifest from the cases run instead of
// comparing; otherwise the manifest is only read. Each area's cases run in one
// test, so that a case gone from the run or missing from the manifest fails.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "core/platform/MessageBox.h"
#include "core/print/RecordingSurface.h"

// A recording surface that also notes the orientation each page began in.
class GoldenSurface : public RecordingSurface {
 public:
  using RecordingSurface::RecordingSurface;
  // Orientation at each page start, by the index of its op.
  const std::map<size_t, int>& pageOrientations() const { return pageOrientations_; }

 protected:
  OpenResult openDocument() override;
  void startNextPage() override;

 private:
  std::map<size_t, int> pageOrientations_;
};

// How a job is run: through the print dialog to a printer queue (so that the
// paper prompts are asked) or to the preview, with the dialog's check box for
// the prompts set or cleared; optionally the user stops the job at the first
// OK/Cancel question (a paper prompt, or whether to print on paper too small).
struct GoldenJobMode {
  bool preview = false;
  bool prompts = true;
  bool cancelFirstQuestion = false;
  // For case names: "print-prompts", "print-quiet", "preview-prompts",
  // "print-cancel".
  QString name() const;
};

// The modes every case runs in.
std::vector<GoldenJobMode> GoldenJobModes();

// Records one job while it lives: its own surfaces stand in for the printer
// and the preview picture, the print dialog answers as the mode says, and
// every message box is recorded and answered with its first button (OK, Yes)
// unless the mode cancels it.
// The printer is the one a GoldenManifest chose.
// Before the job runs, it is what the fixture left; afterwards (destroyed) the
// surfaces and handlers are gone.
class GoldenJob {
 public:
  explicit GoldenJob(GoldenJobMode mode);
  ~GoldenJob();
  GoldenJob(const GoldenJob&) = delete;
  GoldenJob& operator=(const GoldenJob&) = delete;

  GoldenSurface& printer() { return *printer_; }
  GoldenSurface& preview() { return *preview_; }
  // Adds a line of the test's own (e.g. what a job returned) at this point.
  void note(const QString& text);
  // The job's events, one a line (UTF-8), and how many there were.
  QByteArray stream() const;
  int eventCount() const;

 private:
  struct Mark {
    size_t printerOps;
    size_t previewOps;
    QString line;
  };
  void mark(const QString& line);

  GoldenJobMode mode_;
  bool cancelled_ = false;
  std::unique_ptr<GoldenSurface> printer_;
  std::unique_ptr<GoldenSurface> preview_;
  std::vector<Mark> marks_;
};

// Appends one line of an op, all of its fields, without the line end;
// coordinates and sizes to 3 decimals.
void AppendGoldenOpLine(QByteArray& out, const RecordedOp& op);

class GoldenManifest {
 public:
  // The manifest tests/golden/<area>.txt of the source tree. While it lives,
  // jobs print to a queue of its own with A4 paper, whatever CUPS offers, and
  // the clock stands at 2009-03-10 08:30.
  explicit GoldenManifest(const QString& area);
  ~GoldenManifest();
  GoldenManifest(const GoldenManifest&) = delete;
  GoldenManifest& operator=(const GoldenManifest&) = delete;
  // Compares (or, updating, keeps) one case; a mismatch fails the test with
  // the case's name and writes the stream to the artefact folder.
  void check(const QString& caseName, const GoldenJob& job);
  void check(const QString& caseName, const QByteArray& stream, int events);
  // Fails for manifest cases that were not run; updating, writes the manifest.
  void finish();
  static bool Updating();

 private:
  struct Entry {
    int events = 0;
    QString hash;
  };
  QString area_;
  QString path_;
  std::map<QString, Entry> kept_;
  std::map<QString, Entry> run_;
};

// Runs a job once in each of GoldenJobModes() and checks each as
// "<name>/<mode>". The job sets up its inputs and runs from the print dialog
// on, as the window's print button does (ShowPrintDialog, then the pages).
void CheckGoldenModes(GoldenManifest& manifest, const QString& name, const std::function<void()>& job);
