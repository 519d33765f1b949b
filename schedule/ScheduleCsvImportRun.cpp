#include "ScheduleCsvImportRun.h"

#include <QElapsedTimer>

#include "ScheduleCsvImport.h"
#include "core/platform/TestSeamRegistry.h"
#include "core/text/StringHelpers.h"

namespace {

// Rows named in the summary; the rest are counted only.
constexpr int kNamedSkippedRows = 20;
// How often the caller hears of the progress, in records.
constexpr int kReportEvery = 512;
// How much of a skipped row its summary line shows.
constexpr int kShownRowLength = 40;

}  // namespace

ScheduleCsvImportRun::ScheduleCsvImportRun(const QString& path) : reader_(path) {}

bool ScheduleCsvImportRun::report(const ScheduleCsvImportProgress& progress, qint64 passStart, int records,
                                  bool force) {
  if (!progress || (!force && records % kReportEvery != 0)) return true;
  const qint64 total = 2 * reader_.size();
  return progress(passStart + reader_.bytesRead(), total, records);
}

bool ScheduleCsvImportRun::detectColumns(const ScheduleCsvImportProgress& progress) {
  ScheduleCsvColumnDetector detector;
  reader_.rewind();
  ImportedScheduleCsvReader::Record record;
  int records = 0;
  while (!detector.settled() && reader_.next(record)) {
    detector.feed(record.text);
    if (!report(progress, 0, ++records, false)) return false;
  }
  if (reader_.problem() != ImportedScheduleCsvReader::Problem::None) return false;
  columns_ = detector.finish();
  return report(progress, 0, records, true);
}

void ScheduleCsvImportRun::skip(int line, const QString& reason, const QString& row) {
  ++skippedCount_;
  if (skipped_.size() >= kNamedSkippedRows) return;
  QString named = QStringLiteral("%1行目: ").arg(line) + reason;
  if (!row.isEmpty()) {
    QString shown = row.left(kShownRowLength);
    shown.replace(u'\n', u' ');
    named += QStringLiteral(" (") + shown + (row.size() > kShownRowLength ? QStringLiteral("…)") : QStringLiteral(")"));
  }
  skipped_.append(named);
}

bool ScheduleCsvImportRun::importRows(ScheduleLineMerge& merge, const ScheduleCsvImportProgress& progress) {
  reader_.rewind();
  const bool utf8 = reader_.encoding() == ImportedScheduleCsvReader::Encoding::Utf8;
  ImportedScheduleCsvReader::Record record;
  int records = 0;
  while (reader_.next(record)) {
    ++records;
    if (!report(progress, reader_.size(), records, false)) return false;
    if (record.number <= columns_.headerLine) continue;
    if (record.unclosedQuote) {
      skip(record.firstLine, QStringLiteral("引用符(\")が閉じていないので、ファイルの終わりまで読み飛ばしました"));
      continue;
    }
    if (record.tooLong) {
      skip(record.firstLine, QStringLiteral("長すぎる(%1文字を超える)ので読み飛ばしました").arg(kMaxImportLineLength));
      continue;
    }
    if (TrimBlanks(record.text).isEmpty()) continue;
    const ImportedRow row = ConvertImportedRow(record.text, columns_);
    if (row.result == ImportedRow::Result::BrokenDate) {
      skip(record.firstLine, QStringLiteral("日付が読めないので読み飛ばしました"), record.text);
    } else if (row.result == ImportedRow::Result::Line && merge.append(row.line) && utf8) {
      for (char32_t code : CharactersOutsideCodePage932(row.line).toUcs4()) {
        const QString ch = QString::fromUcs4(&code, 1);
        if (!unmappable_.contains(ch)) unmappable_ += ch;
      }
    }
  }
  // Rows read before a failed read are not the file: none of them is kept.
  if (reader_.problem() != ImportedScheduleCsvReader::Problem::None) return false;
  return report(progress, reader_.size(), records, true);
}

QString ScheduleCsvImportRun::skippedMessage() const {
  if (skippedCount_ == 0) return QString();
  QString text = QStringLiteral("インポートできなかった行が%1行ありました。").arg(skippedCount_);
  for (const QString& row : skipped_) text += QStringLiteral("\r\n") + row;
  if (skippedCount_ > skipped_.size())
    text += QStringLiteral("\r\n(ほか%1行)").arg(skippedCount_ - skipped_.size());
  return text;
}

namespace {
ImportCancelHook& CancelHook() {
  static ImportCancelHook hook;
  return hook;
}
}  // namespace

void SetImportCancelHook(ImportCancelHook hook) {
  platform::RegisterSeamReset([] { SetImportCancelHook({}); });
  CancelHook() = std::move(hook);
}

bool ImportCancelRequested(int records) { return CancelHook() && CancelHook()(records); }
