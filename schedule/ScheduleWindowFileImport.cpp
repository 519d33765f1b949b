// The schedule window's import of another program's CSV schedule: the rows
// that the schedule does not hold yet are added at the end of the file.
#include "ScheduleWindow.h"
#include "ScheduleCsvColumns.h"
#include "ScheduleCsvFile.h"
#include "ScheduleCsvImport.h"
#include "ScheduleFile.h"
#include "core/platform/FileDialog.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrintJob.h"
#include "core/text/PathHelpers.h"
#include "core/ui/FileMenuCaption.h"
#include "core/ui/VersionBox.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");
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

  const ImportedScheduleCsv csv = ReadImportedScheduleCsv(path);
  if (csv.problem != ImportedScheduleCsv::Problem::None) return Refuse(ImportedScheduleCsvMessage(csv, path));
  const ScheduleCsvColumns columns = DetectScheduleCsvColumns(csv.lines);
  if (columns.date == 0)
    return Refuse(QStringLiteral("このファイル(") + path + QStringLiteral(")には、インポートできません。") + kCrLf +
                  QStringLiteral("インポートしたい場合は、") + HomePageAddress() +
                  QStringLiteral("にご連絡ください。"));

  BeginBusy(this);
  QStringList stored;
  // A schedule that cannot be read is never replaced by the imported rows alone.
  if (ReadShownScheduleFile(stored)) {
    ScheduleLineMerge merge(stored);
    ImportScheduleCsvRows(csv.lines, columns, merge, [](const QString& line) {
      platform::ShowMessage(QStringLiteral("インポートデータの日付が壊れているので読み飛ばします。") + kCrLf + line);
    });
    // The copy "ringpad.tmp" keeps the schedule as it was before the import.
    ScheduleFile::Rewrite(ScheduleFileLocalPath(), merge.lines());
    RefreshScheduleList();
  }
  EndBusy(this);
}
