#pragma once
// One import of another program's schedule CSV, read as a stream in two
// passes: the first finds the columns, the second turns the rows into lines
// of the merge. Rows that give no line are counted and named for one
// summary at the end, never one message each. The caller learns of the
// progress and may cancel at any point; the schedule file is the caller's
// to write, and only after a run that ended well.
#include <QString>
#include <QStringList>
#include <functional>

#include "ScheduleCsvColumns.h"
#include "ScheduleCsvFile.h"

class ScheduleLineMerge;

// Returns false to cancel. done and total count bytes over both passes;
// records counts the records read so far in this pass.
using ScheduleCsvImportProgress = std::function<bool(qint64 done, qint64 total, int records)>;

class ScheduleCsvImportRun {
 public:
  explicit ScheduleCsvImportRun(const QString& path);

  // The file cannot be read as text, or a read failed: the message that
  // says why.
  QString refusal() const { return reader_.problemMessage(); }

  // The first pass; false when cancelled or when a read failed (refusal()
  // then says why). No date column (columns().date 0) means the file cannot
  // be imported.
  bool detectColumns(const ScheduleCsvImportProgress& progress);
  const ScheduleCsvColumns& columns() const { return columns_; }

  // The second pass, into the merge; false when cancelled or when a read
  // failed (refusal() then says why).
  bool importRows(ScheduleLineMerge& merge, const ScheduleCsvImportProgress& progress);

  // Rows that gave no line although they held something, in file order.
  int skippedCount() const { return skippedCount_; }
  // The one message that names them; "" when none was skipped.
  QString skippedMessage() const;
  // Characters of the new lines that code page 932 cannot hold (written as
  // "?"), each once; only a UTF-8 file can bring them.
  const QString& unmappable() const { return unmappable_; }

 private:
  bool report(const ScheduleCsvImportProgress& progress, qint64 passStart, int records, bool force);
  void skip(int line, const QString& reason, const QString& row = QString());

  ImportedScheduleCsvReader reader_;
  ScheduleCsvColumns columns_;
  QStringList skipped_;
  int skippedCount_ = 0;
  QString unmappable_;
  qint64 lastReport_ = -1;
};

// Stands in for the cancel button of the window's progress, for tests: a
// hook that returns true (given the records read so far) cancels.
using ImportCancelHook = std::function<bool(int records)>;
void SetImportCancelHook(ImportCancelHook hook);
bool ImportCancelRequested(int records);
