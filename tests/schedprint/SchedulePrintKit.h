#pragma once
// What the schedule printing tests share: a schedule window made of plain
// values (options, control values and an in-memory schedule file), recording
// surfaces for the printer and the preview, a scripted print dialog and
// message boxes, and the pages, prompts and messages of a job in order.
#include <QDate>
#include <QStringList>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "PdfReadBack.h"
#include "TestEnvironment.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrintSeams.h"
#include "core/print/SurfaceRecorder.h"
#include "schedule/DaySchedule.h"
#include "schedule/DesignCatalog.h"
#include "schedule/SchedulePrintSource.h"

// What the print button says of a design and layout that print nothing.
inline const QString kNotPrintable = QStringLiteral("まだ印刷できません、要望があったら作ります(^^;");

// The bible page at the front range, in millimetres from the sheet's left.
inline constexpr double kX1 = 8, kX2 = 88;
// A Monday whose week the weekly pages are tested on.
inline const QDate kMonday(2009, 3, 2);

// The printer queue the recording tests print to.
extern const QString kTestQueueName;

class FakeScheduleSource : public SchedulePrintSource {
 public:
  FakeScheduleSource();
  // Its lookup reads this object's lines: a copy would read the original's.
  FakeScheduleSource(const FakeScheduleSource&) = delete;
  FakeScheduleSource& operator=(const FakeScheduleSource&) = delete;

  ScheduleOptions options;
  SchedulePrintControls controls;
  // The schedule file's lines; unreadable makes every read fail.
  QStringList lines;
  bool unreadable = false;
  int fileReads = 0;
  // The window a job disables while it runs; none unless a test sets one.
  QWidget* busyWindow = nullptr;

  // Chooses a design by its index (caption from the design list) and layout.
  void choose(int designIndex, int layoutIndex, const QDate& day, const QString& sheets = QStringLiteral("1"));

  ScheduleOptions& PrintOptions() override { return options; }
  SchedulePrintControls PrintControls() const override { return controls; }
  void GetDaySchedule(const QDate& day, QStringList& texts, DayKind& kind) override;
  QString PrintScheduleFileName() const override { return QStringLiteral("diduvuv.txt"); }
  bool ScheduleFileReadable() const override { return !unreadable; }
  QWidget* PrintBusyWindow() override { return busyWindow; }

 private:
  DaySchedule lookup_;
};

// One event of a job in the order it happened.
struct JobEvent {
  enum Kind { Page, Prompt, Message } kind;
  int side = -1;  // Prompt: the side ConfirmPaperSet asked for
  QString text;   // Message: its text
};

class SchedulePrintTest : public RingpadTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Answers for the next print dialogs (print when none is left).
  void answerDialog(PrintDialogAnswer answer) { dialogAnswers_.push_back(answer); }
  void previewNext() { answerDialog(PrintDialogAnswer{2, {}, {}}); }
  int dialogsShown() const { return dialogsShown_; }
  int previewPagesShown() const { return int(previewOutlines_.size()); }
  // The job's preview outline kind as each shown preview page had it.
  const std::vector<int>& previewOutlines() const { return previewOutlines_; }
  // Answers for the next message boxes (OK when none is left).
  void answerMessage(platform::MsgResult result) { messageAnswers_.push_back(result); }
  const std::vector<platform::MessageRequest>& shownMessages() const { return shown_; }
  QStringList messageTexts() const;

  // Prints through the real PDF printer into the artefact folder from here
  // on (the dialog answers "PDF"); returns the file's path.
  QString usePdfPrinter(const QString& name);
  // Prints the chosen design through the print button on the recording
  // surface, then into the PDF of that name, and expects every text of the
  // first page where the recording put it: a word starts at or before the
  // text's x and its top lies at the text's y, shifted by the 3 mm margin.
  // The recording steps lines by one em, as the layouts count them; a
  // printer that stepped by its face's taller line box puts later lines lower.
  void expectPrintedWhereRecorded(const QString& pdfName);

  // Chooses design code (tens the design, units the layout) for the day,
  // runs the driver on it from start as the print button would, and ends the
  // job; returns what the driver returned.
  using ScheduleDriver = int (*)(SchedulePrintSource&, int16_t&, QDate&);
  int runDesign(ScheduleDriver driver, int16_t code, const QDate& day, const QString& sheets, QDate start = {});

  // Before a test draws one page itself: the recording emptied and the
  // schedule's month cache dropped, as a new job starts, so lines the test
  // changed are read.
  void freshPage();

  RecordingSurface& printer() { return recorder_->printer; }
  RecordingSurface& preview() { return recorder_->preview; }
  // The ops of each page on a surface (what came after its page began).
  static std::vector<std::vector<RecordedOp>> Pages(const RecordingSurface& surface);
  // Pages, prompts and other messages of the printer and preview, in order:
  // "page", "prompt(1)", "message:<text>".
  QStringList jobSequence() const;

  FakeScheduleSource source;

 private:
  std::unique_ptr<SurfaceRecorder> recorder_;
  std::deque<PrintDialogAnswer> dialogAnswers_;
  std::deque<platform::MsgResult> messageAnswers_;
  std::vector<platform::MessageRequest> shown_;
  std::vector<size_t> shownAt_;  // ops recorded when each message showed
  int dialogsShown_ = 0;
  std::vector<int> previewOutlines_;
};

// Texts of the ops of a page, in order.
QStringList TextsOf(const std::vector<RecordedOp>& ops);
// The first Text op with this text (trimmed comparison); nullopt when none.
std::optional<RecordedOp> FindText(const std::vector<RecordedOp>& ops, const QString& text);

