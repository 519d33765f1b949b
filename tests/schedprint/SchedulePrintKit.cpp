#include "SchedulePrintKit.h"

#include <QFile>
#include <cmath>

#include "core/platform/FileDialog.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "schedule/PageDesignList.h"
#include "schedule_print/SchedulePrintButton.h"

const QString kTestQueueName = QStringLiteral("schedprint-queue");

FakeScheduleSource::FakeScheduleSource()
    : lookup_([this](const QString&, QStringList& out) {
        ++fileReads;
        if (unreadable) return false;
        out = lines;
        return true;
      }) {
  // The window's defaults after a first start.
  options.OptPrintEntries = 1;
  options.OptHolidayNames = 1;
  options.OptRecurring = 1;
  options.OptDetailEntries = 1;
  options.OptShading = 1;
  options.OptMiniCalendar = 1;
  options.MemoLineCount = 12;
  options.RedWeekday = 1;
  options.BlueWeekday = 7;
  options.RestDayShade = 0xEEFFEE;
  choose(5, 2, QDate(2009, 3, 1));
}

void FakeScheduleSource::choose(int designIndex, int layoutIndex, const QDate& day, const QString& sheets) {
  controls.Cmb_Type = designIndex;
  controls.Cmb_Type_Caption = PageDesignCaptions().value(designIndex);
  controls.Cmb_men = layoutIndex;
  controls.Cmb_Nen = QString::number(day.year());
  controls.Cmb_Tuki = QStringLiteral("%1").arg(day.month(), 2, 10, QLatin1Char('0'));
  controls.Cmb_Hi = QStringLiteral("%1").arg(day.day(), 2, 10, QLatin1Char('0'));
  controls.Txt_maisu = sheets;
  // As the design chooser leaves 日曜始まり.
  controls.Chk_start_Visible = designIndex != 14 && designIndex != 15 && designIndex != 19;
}

void FakeScheduleSource::GetDaySchedule(const QDate& day, QStringList& texts, DayKind& kind) {
  DayScheduleOptions o;
  o.ScheduleFilePath = PrintScheduleFileName();
  o.OptRecurring = options.OptRecurring;
  o.OptDetailEntries = options.OptDetailEntries;
  o.OptHolidayNames = options.OptHolidayNames;
  o.OptPrintEntries = options.OptPrintEntries;
  o.RedWeekday = options.RedWeekday;
  o.BlueWeekday = options.BlueWeekday;
  o.ShiftPattern = options.ShiftPattern;
  lookup_.GetDaySchedule(day, o, texts, kind);
}

void SchedulePrintTest::SetUp() {
  RingpadTest::SetUp();
  SetProgramPaths(home() + QStringLiteral("ringpad"));
  WriteDefaultSettings();
  LoadPaperSettings(0);  // the bible size
  PaperSettings.PrintMargin = 3;
  // A fresh job: the printer, paper prompts on, one document per page, and
  // the paper not yet checked (a case that drives a job without the print
  // dialog must not inherit the last case's check).
  CurrentPrintJob() = PrintJobState{};
  // A queue of paper, so that the prompts to load and turn it are asked; a
  // PDF file needs none.
  SetInstalledPrintersOverride(QStringList{kTestQueueName});
  SetCurrentPrinter(kTestQueueName);
  recorder_ = std::make_unique<SurfaceRecorder>();
  // These tests follow the dotted rules dot by dot.
  recorder_->printer.setDotsAsPoints(true);
  recorder_->preview.setDotsAsPoints(true);
  SetPrintDialogHandler([this](const PrintDialogView&) {
    ++dialogsShown_;
    if (dialogAnswers_.empty()) return PrintDialogAnswer{};
    PrintDialogAnswer answer = dialogAnswers_.front();
    dialogAnswers_.pop_front();
    return answer;
  });
  SetPreviewPageHandler([this](const QImage&) { previewOutlines_.push_back(CurrentPrintJob().previewOutlineKind); });
  platform::SetMessageHandler([this](const platform::MessageRequest& r) {
    shown_.push_back(r);
    shownAt_.push_back(recorder_ ? printer().ops().size() + preview().ops().size() : 0);
    if (messageAnswers_.empty()) return platform::MsgResult::Ok;
    const platform::MsgResult answer = messageAnswers_.front();
    messageAnswers_.pop_front();
    return answer;
  });
}

QString SchedulePrintTest::usePdfPrinter(const QString& name) {
  recorder_.reset();
  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/%1.pdf").arg(name);
  QFile::remove(pdf);
  platform::SetFileDialogHandler([pdf](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  dialogAnswers_.clear();
  SetPrintDialogHandler([this](const PrintDialogView&) {
    ++dialogsShown_;
    return PrintDialogAnswer{1, false, kPdfPrinterName};
  });
  return pdf;
}

void SchedulePrintTest::TearDown() {
  recorder_.reset();
  SetInstalledPrintersOverride(std::nullopt);
  SetCurrentPrinter(DefaultPrinterName());
  platform::SetMessageHandler({});
  SetPrintDialogHandler({});
  SetPreviewPageHandler({});
  CurrentPrintJob().previewMode = 0;
  RingpadTest::TearDown();
}

QStringList SchedulePrintTest::messageTexts() const {
  QStringList out;
  for (const auto& r : shown_) out << r.text;
  return out;
}

std::vector<std::vector<RecordedOp>> SchedulePrintTest::Pages(const RecordingSurface& surface) {
  std::vector<std::vector<RecordedOp>> pages;
  for (const RecordedOp& op : surface.ops()) {
    if (op.kind == RecordedOp::BeginDocument || op.kind == RecordedOp::NewPage) pages.emplace_back();
    else if (!pages.empty() && op.kind != RecordedOp::EndDocument && op.kind != RecordedOp::EndJob)
      pages.back().push_back(op);
  }
  return pages;
}

QStringList SchedulePrintTest::jobSequence() const {
  // Both surfaces' page starts, each at its place in the combined op count.
  std::vector<std::pair<size_t, QString>> events;
  if (!recorder_) return {};
  const auto addPages = [&events](const RecordingSurface& surface, size_t offsetOf) {
    size_t i = 0;
    for (const RecordedOp& op : surface.ops()) {
      if (op.kind == RecordedOp::BeginDocument || op.kind == RecordedOp::NewPage)
        events.emplace_back(i + offsetOf, QStringLiteral("page"));
      ++i;
    }
  };
  // One surface is used per job; the other adds nothing.
  addPages(recorder_->printer, 0);
  addPages(recorder_->preview, 0);
  std::vector<std::pair<size_t, QString>> messages;
  for (size_t k = 0; k < shown_.size(); ++k) {
    QString text = QStringLiteral("message:") + shown_[k].text;
    for (int16_t side = 0; side <= 2; ++side)
      if (shown_[k].text == PaperSetMessage(side)) text = QStringLiteral("prompt(%1)").arg(side);
    messages.emplace_back(shownAt_[k], text);
  }
  QStringList out;
  size_t m = 0;
  for (const auto& [at, text] : events) {
    while (m < messages.size() && messages[m].first <= at) out << messages[m++].second;
    out << text;
  }
  while (m < messages.size()) out << messages[m++].second;
  return out;
}

QStringList TextsOf(const std::vector<RecordedOp>& ops) {
  QStringList out;
  for (const RecordedOp& op : ops)
    if (op.kind == RecordedOp::Text || op.kind == RecordedOp::RotatedText) out << op.text;
  return out;
}

std::optional<RecordedOp> FindText(const std::vector<RecordedOp>& ops, const QString& text) {
  for (const RecordedOp& op : ops)
    if ((op.kind == RecordedOp::Text || op.kind == RecordedOp::RotatedText) && op.text.trimmed() == text.trimmed())
      return op;
  return std::nullopt;
}

int SchedulePrintTest::runDesign(ScheduleDriver driver, int16_t code, const QDate& day, const QString& sheets,
                                 QDate start) {
  source.choose(code / 10, code % 10 - 1, day, sheets);
  SetPrinterScaleMode(kScaleMillimetres);
  const int result = driver(source, code, start);
  EndPrintDocument();
  return result;
}

void SchedulePrintTest::freshPage() {
  QStringList texts;
  DayKind kind;
  source.GetDaySchedule(QDate(), texts, kind);
  printer().clearOps();
  SetPrinterScaleMode(kScaleMillimetres);
}

void SchedulePrintTest::expectPrintedWhereRecorded(const QString& pdfName) {
  Cmd_print_Click(source);
  const auto pages = Pages(printer());
  ASSERT_GE(pages.size(), 1u);
  const std::vector<RecordedOp> page = pages.front();
  const QString pdf = usePdfPrinter(pdfName);
  Cmd_print_Click(source);
  ASSERT_GE(PdfPageCount(pdf), 1);
  const std::vector<PdfWord> words = PdfWords(pdf);
  constexpr int pdfPage = 1;
  constexpr double margin = 3;
  int compared = 0;
  for (const RecordedOp& op : page) {
    if (op.kind != RecordedOp::Text || op.text.trimmed().isEmpty()) continue;
    // Leading blanks print nothing pdftotext could find.
    double lead = 0;
    for (qsizetype i = 0; i < op.text.size() && op.text.at(i).isSpace(); ++i) lead += op.text.at(i) == u'　' ? 2 : 1;
    const double x = op.x1 + margin + lead * op.fontSize / 5.67, y = op.y1 + margin;
    // The word holding the text: the one whose box holds its first character.
    const PdfWord* best = nullptr;
    for (const PdfWord& w : words)
      if (w.page == pdfPage && x >= w.xMinMm - 0.3 && x < w.xMaxMm &&
          (!best || std::abs(w.yMinMm - y) < std::abs(best->yMinMm - y)))
        best = &w;
    if (!best) continue;  // blanks only, or marks pdftotext drops
    ++compared;
    EXPECT_NEAR(best->yMinMm, y, 0.15) << op.text.toStdString() << " at " << op.x1 << ", " << op.y1;
  }
  EXPECT_GT(compared, 20);
}
