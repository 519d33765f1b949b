// The schedule window's File commands: a new schedule file, opening another
// one, the CSV export and the usage note. The import is in
// ScheduleWindowFileImport.cpp.
#include <QCoreApplication>
#include <QFileInfo>
#include <QPushButton>

#include "ScheduleWindow.h"
#include "core/platform/CodePageChecks.h"
#include "core/platform/FileDialog.h"
#include "core/platform/MessageBox.h"
#include "core/platform/ProblemReport.h"
#include "core/platform/SafeSave.h"
#include "core/platform/TextLines.h"
#include "core/print/PrintJob.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/DataFileRewrite.h"
#include "core/settings/Ini.h"
#include "core/settings/ProgramRelativePath.h"
#include "core/settings/WeekdayBackup.h"
#include "core/text/PathHelpers.h"
#include "core/text/StringHelpers.h"
#include "core/ui/FileMenuCaption.h"
#include "core/ui/HelpPage.h"
#include "core/ui/VersionBox.h"
#include "schedule/CurrentScheduleFile.h"
#include "schedule/ForeignScheduleBytes.h"
#include "schedule/HolidayLines.h"
#include "schedule/ScheduleCsvExport.h"
#include "schedule/ScheduleFile.h"
#include "schedule/ScheduleFileChoice.h"
#include "schedule/ScheduleOptions.h"

namespace {

const QString kFileKey = QStringLiteral("FILE");

const QString kNewFilter = QStringLiteral("予定表 (*.txt)|*.txt|全て (*.*)|*.*||");
const QString kOpenFilter = QStringLiteral("テキスト (*.doc;*.txt)|*.doc;*.txt|全て (*.*)|*.*||");
const QString kExportFilter =
    QStringLiteral("CSVファイル (*.csv)|*.csv|テキスト (*.csv;*.txt)|*.csv;*.txt|全て (*.*)|*.*||");

QString HelpText() {
  return QStringList{
      QStringLiteral("１．内容の左横のコンボボックス"),
      QStringLiteral("　　空白：通常の予定。通常はこのままで使ってください。"),
      QStringLiteral("　　赤青緑：通常の予定。色付きで印刷"),
      QStringLiteral("　　時刻：週間予定表など、印刷できるスペースがある用紙だけに印刷"),
      QStringLiteral("　　記号：記号を印刷。狭い手帳用紙を有効に使えます。"),
      QStringLiteral("　　記念：誕生日や記念日を印刷"),
      QStringLiteral("　　毎年：毎年定期的に発生する予定を印刷"),
      QStringLiteral("　　秘密：手帳用紙には印刷しない内容を記録しておけます。"),
      QStringLiteral("　　公休祝日：お休みの日を指定してください。休みでなければ削除してください。"),
      QString(),
      QStringLiteral("２．予定を追加するときは、日を入力して下さい。"),
      QStringLiteral("　　入力日と同じ日を一覧で選択しておくと、選択行の下に予定を追加できます。"),
      QStringLiteral("　　一覧で選択した日と入力した日が違うときは、入力した日の最後に追加されます。"),
      QString(),
      MoreHelpLine() + QStringLiteral("。"),
      QString(),
  }
      .join(kCrLf);
}

}  // namespace

void ScheduleWindow::SetUpFileCommands() {
  connect(cmd_FileNew, &QPushButton::clicked, this, &ScheduleWindow::cmd_FileNew_Click);
  connect(Cmd_FileRead, &QPushButton::clicked, this, &ScheduleWindow::Cmd_FileRead_Click);
  connect(Cmd_Fileimport, &QPushButton::clicked, this, &ScheduleWindow::Cmd_Fileimport_Click);
  connect(Cmd_FileExport, &QPushButton::clicked, this, &ScheduleWindow::Cmd_FileExport_Click);
  connect(Cmd_help, &QPushButton::clicked, this, &ScheduleWindow::Cmd_help_Click);
  // Cmd_FileWrite and Cmd_FileSearch stay unconnected: every entry edit is
  // written at once, so there is nothing to save, and the window has no search.
}

void ScheduleWindow::cmd_FileNew_Click() {
  const QString chosen =
      ShowFileDialog(false, nullptr, FolderOfPath(ScheduleFilePath), FileNameOfPath(ScheduleFilePath),
                     FileMenuCaption(FileItem::New), kNewFilter, 1, QStringLiteral("txt"));
  if (chosen.isEmpty()) return;
  if (QFileInfo::exists(chosen)) {
    platform::ShowMessage(
        QStringLiteral("既に「") + chosen + QStringLiteral("」ファイルは有りますので新規作成できません"),
        platform::MsgButtons::Ok, platform::MsgIcon::Information);
    return;
  }
  const QString path = ProgramRelativePath(chosen, RelativeStyle::Bare);
  // A file that cannot be created has been reported; the shown file stays.
  if (!WriteHolidayLines(ScheduleFileLocation(path))) return;
  ScheduleFilePath = path;
  RefreshScheduleList();
  WriteIniValue(kScheduleSection, kFileKey, path);
}

void ScheduleWindow::Cmd_FileRead_Click() {
  const QString chosen = ShowFileDialog(true, nullptr, FolderOfPath(ScheduleFilePath), FileNameOfPath(ScheduleFilePath),
                                        FileMenuCaption(FileItem::Read), kOpenFilter, 1, QString());
  if (chosen.isEmpty() || !QFileInfo(chosen).isFile()) return;
  const QString path = ProgramRelativePath(chosen, RelativeStyle::DotPrefixed);
  ScheduleFilePath = path;
  WriteIniValue(kScheduleSection, kFileKey, path);
  CurrentScheduleFile = path;
  SettleScheduleFileBytes();
  RefreshScheduleList();
}

void ScheduleWindow::Cmd_FileExport_Click() {
  platform::ShowMessage(QStringLiteral("予定内容をCSV形式で書き出せます。") + kCrLf + kCrLf +
                            QStringLiteral("書き出した内容には祝日データは含まれません") + kCrLf +
                            QStringLiteral("（公休は含まれます）") + kCrLf,
                        platform::MsgButtons::Ok, platform::MsgIcon::Information);
  const QString path = ShowFileDialog(false, nullptr, ProgramFolder, QStringLiteral("diduvuv.csv"),
                                      FileMenuCaption(FileItem::Export), kExportFilter, 1, QString());
  if (path.isEmpty()) return;
  // However the two paths are written, the schedule is never replaced by
  // its own export.
  if (IsShownScheduleFile(path)) {
    platform::ShowMessage(QStringLiteral("表示中のファイルと同じファイルは指定できません"), platform::MsgButtons::Ok,
                          platform::MsgIcon::Exclamation);
    return;
  }
  QCoreApplication::processEvents();
  BeginBusy(this);
  QStringList lines;
  if (ReadShownScheduleFile(lines)) platform::SaveFileOrReport(path, WriteScheduleCsvFile(lines));
  EndBusy(this);
}

void ScheduleWindow::Cmd_help_Click() {
  platform::ShowMessage(HelpText(), platform::MsgButtons::Ok, platform::MsgIcon::Information);
}

bool ScheduleWindow::IsShownScheduleFile(const QString& path) const {
  return path == ScheduleFilePath || SameFile(path, ScheduleFileLocalPath());
}

bool ScheduleWindow::ReadShownScheduleFile(QStringList& lines) {
  QString error;
  if (ScheduleFile::ReadLines(ScheduleFileLocalPath(), lines, &error)) return true;
  platform::ReportProblem({platform::Problem::ViewReadFailed, ScheduleFilePath, error});
  return false;
}

void ScheduleWindow::SettleScheduleFileBytes() {
  ScheduleFileReadOnly = false;
  const QString path = ScheduleFileLocalPath();
  QByteArray content;
  const QString stamp = DaySchedule::FileChangeStamp(path);
  // A file that cannot be read writes nothing anyway: every rewrite reads it
  // again first.
  if (!QFileInfo(path).isFile() || !platform::ReadWholeFile(path, content)) return;
  settleScheduleBytesRead(std::move(content), stamp);
}

// stamp is the file's change stamp taken before content was read.
void ScheduleWindow::settleScheduleBytesRead(QByteArray content, const QString& stamp) {
  const QString path = ScheduleFileLocalPath();
  switch (ClassifyScheduleBytes(content)) {
    case ScheduleBytes::CodePage932:
      if (loadingWindow_) {
        openingBytes_ = std::move(content);
        openingStamp_ = stamp;
      }
      return;
    case ScheduleBytes::Foreign:
      ScheduleFileReadOnly = !platform::ConfirmRewriteOfForeignBytes(ScheduleFilePath, platform::SplitLines(content));
      return;
    case ScheduleBytes::Utf8:
      break;
  }
  // The original goes to the backup first; without it nothing is converted.
  ScheduleFileReadOnly = true;
  const auto tellNotKept = [this] {
    platform::ShowMessage(Utf8OriginalNotKeptMessage(ScheduleFilePath), platform::MsgButtons::Ok,
                          platform::MsgIcon::Exclamation);
  };
  if (BackupFolderIsLink()) return tellNotKept();
  const QStringList lines = Utf8Lines(content);
  if (platform::ShowMessage(ConvertUtf8Question(ScheduleFilePath, platform::UnsavableCharacters(lines.join(QString()))),
                            platform::MsgButtons::YesNo, platform::MsgIcon::Question) != platform::MsgResult::Yes)
    return;
  const QString original = Utf8OriginalBackupPath(ScheduleFilePath);
  QString error;
  switch (SaveBackupCopy(original, content, &error)) {
    case BackupCopy::Saved: break;
    case BackupCopy::FolderIsLink: return tellNotKept();
    case BackupCopy::Failed: {
      platform::ProblemReport failure(platform::Problem::WriteFailed, original, error);
      failure.userChange = true;  // the user said yes to the conversion
      platform::ReportProblem(failure);
      return;
    }
  }
  ScheduleFileReadOnly = !WriteDataFile(path, lines, {.confirmForeignBytes = false});
}

bool ScheduleWindow::ScheduleFileWritable() const {
  if (!ScheduleFileReadOnly) return true;
  platform::ShowMessage(ReadOnlyScheduleMessage(ScheduleFilePath), platform::MsgButtons::Ok,
                        platform::MsgIcon::Exclamation);
  return false;
}
