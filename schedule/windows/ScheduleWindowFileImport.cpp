// The schedule window's import of another program's CSV schedule: the rows
// that the schedule does not hold yet are added at the end of the file.
#include "ScheduleWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>

#include "core/platform/FileDialog.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrintJob.h"
#include "core/text/PathHelpers.h"
#include "core/text/StringHelpers.h"
#include "core/ui/FileMenuCaption.h"
#include "schedule/ScheduleCsvColumns.h"
#include "schedule/ScheduleCsvFile.h"
#include "schedule/ScheduleCsvImport.h"
#include "schedule/ScheduleCsvImportRun.h"
#include "schedule/ScheduleFile.h"

namespace {

constexpr int kProgressSteps = 1000;
// Short imports finish before any progress shows.
constexpr int kProgressDelayMs = 500;
const QString kImportFilter = QStringLiteral("CSVファイル (*.csv)|*.csv|全て (*.*)|*.*||");

QString IntroText() {
  const QStringList lines{
      QStringLiteral("インポート機能"),
      QString(),
      QStringLiteral("・この機能はテスト中なので注意して使ってください。"),
      QStringLiteral("　(表示中のファイルを書き換えるので、バックアップしてください）"),
      QString(),
      QStringLiteral("・他のスケジュールソフトで出力したCSV形式のスケジュールを"),
      QStringLiteral("　表示中のスケジュールファイルに追記します。"),
      QString(),
  };
  QString text;
  for (const QString& line : lines) text += line + kCrLf;
  return text;
}

void Refuse(const QString& text) {
  platform::ShowMessage(text, platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
}

// Files of the organiser programs whose schedules are not CSV.
bool IsUnsupportedFormat(const QString& path) {
  const QString tail = path.right(3).toUpper();
  return tail == QStringLiteral("OCL") || tail == QStringLiteral("XML");
}

}  // namespace

void ScheduleWindow::Cmd_Fileimport_Click() {
  if (!ScheduleFileWritable()) return;
  platform::ShowMessage(IntroText(), platform::MsgButtons::Ok, platform::MsgIcon::Information);
  const QString path = ShowFileDialog(true, nullptr, FolderOfPath(ScheduleFilePath), FileNameOfPath(ScheduleFilePath),
                                      FileMenuCaption(FileItem::Import), kImportFilter, 1, QStringLiteral("txt"));
  if (path.isEmpty()) return;
  if (IsShownScheduleFile(path)) return Refuse(QStringLiteral("表示中のファイルはインポートできません。"));
  if (IsUnsupportedFormat(path))
    return Refuse(QStringLiteral("このファイルはインポートできません。") + kCrLf +
                  QStringLiteral("インポートしたい場合、要望を掲示板に書いてください。"));

  ScheduleCsvImportRun run(path);
  if (!run.refusal().isEmpty()) return Refuse(run.refusal());

  // A big file is read twice as a stream; the window shows how far it got
  // and lets the user stop. Stopping writes nothing.
  QProgressDialog progress(QStringLiteral("インポート中です。"), QStringLiteral("中止"), 0, kProgressSteps, this);
  progress.setWindowTitle(FileMenuCaption(FileItem::Import));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(kProgressDelayMs);
  progress.setAutoClose(false);
  progress.setAutoReset(false);
  QElapsedTimer clock;
  clock.start();
  const auto onProgress = [&](qint64 done, qint64 total, int records) {
    progress.setLabelText(QStringLiteral("インポート中です。%1行 (%2秒)").arg(records).arg(clock.elapsed() / 1000));
    progress.setValue(total > 0 ? int(done * kProgressSteps / total) : 0);
    QCoreApplication::processEvents();
    return !progress.wasCanceled() && !ImportCancelRequested(records);
  };

  if (!run.detectColumns(onProgress)) {
    progress.close();
    if (!run.refusal().isEmpty()) Refuse(run.refusal());
    return;
  }
  if (run.columns().date == 0) {
    progress.close();
    return Refuse(QStringLiteral("このファイル(") + path + QStringLiteral(")には、インポートできません。") + kCrLf +
                  QStringLiteral("インポートしたい場合は、「ヘルプ(予定の入力方法)」をご覧ください。"));
  }

  BeginBusy(this);
  QStringList stored;
  // A schedule that cannot be read is never replaced by the imported rows alone.
  bool imported = false;
  if (ReadShownScheduleFile(stored)) {
    ScheduleLineMerge merge(stored);
    stored.clear();
    if (run.importRows(merge, onProgress)) {
      progress.close();
      const bool write =
          run.unmappable().isEmpty() ||
          platform::ShowMessage(QStringLiteral("次の文字はShift-JISで書けないため「?」として書き込まれます。") + kCrLf +
                                    run.unmappable() + kCrLf + QStringLiteral("インポートを続けますか？"),
                                platform::MsgButtons::OkCancel, platform::MsgIcon::Exclamation) ==
              platform::MsgResult::Ok;
      // The copy "ringpad.tmp" keeps the schedule as it was before the import.
      imported = write && ScheduleFile::RewriteBytes(ScheduleFileLocalPath(), [&merge](QList<QByteArray>& lines) {
                   merge.moveAddedInto(lines);
                   return true;
                 });
      RefreshScheduleList();
    } else if (!run.refusal().isEmpty()) {
      progress.close();
      Refuse(run.refusal());
    }
  }
  EndBusy(this);
  progress.close();
  if (imported && run.skippedCount() > 0)
    platform::ShowMessage(run.skippedMessage(), platform::MsgButtons::Ok, platform::MsgIcon::Information);
}
