// The to-do window's share of the File and Help menus: a new to-do file,
// opening one into the selected recent-file slot, the export of finished
// items, and the usage notes.
#include <QComboBox>
#include <QFileInfo>
#include <QListWidget>

#include "DataFiles.h"
#include "ToDoScheduleEntries.h"
#include "ToDoSettings.h"
#include "TodoWindow.h"
#include "core/ui/HelpPage.h"
#include "core/platform/Clock.h"
#include "core/platform/FileDialog.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrintJob.h"
#include "core/settings/DataFileRewrite.h"
#include "core/settings/Ini.h"
#include "core/settings/ProgramRelativePath.h"
#include "core/text/PathHelpers.h"
#include "core/ui/FileMenuCaption.h"
#include "core/ui/VersionBox.h"

void TodoWindow::cmd_FileNew_Click() {
  const QString chosen =
      ShowFileDialog(false, nullptr, FolderOfPath(ToDoFilePath), FileNameOfPath(ToDoFilePath),
                     FileMenuCaption(FileItem::New), QStringLiteral("TODO (*.txt)|*.txt|全て (*.*)|*.*||"), 1,
                     QStringLiteral("txt"));
  if (chosen.isEmpty()) return;
  if (QFileInfo::exists(chosen)) {
    platform::ShowMessage(QStringLiteral("既に「") + chosen + QStringLiteral("」ファイルは有りますので新規作成できません"),
                          platform::MsgButtons::Ok, platform::MsgIcon::Information);
    return;
  }
  // The file comes into being with the first item added.
  ToDoFilePath = chosen;
  DrawToDoCalendar(SelectedDate);
  LoadToDoList();
  WriteIniValue(todo::kToDoSection, QStringLiteral("FILE"), chosen);
}

void TodoWindow::Cmd_FileRead_Click() {
  const QString chosen = ShowFileDialog(true, nullptr, FolderOfPath(ToDoFilePath), FileNameOfPath(ToDoFilePath),
                                        FileMenuCaption(FileItem::Read),
                                        QStringLiteral("テキスト (*.doc;*.txt)|*.doc;*.txt|全て (*.*)|*.*||"), 1,
                                        QString());
  if (chosen.isEmpty() || !QFileInfo(chosen).isFile()) return;
  // A picture chosen here is no list: neither the list nor the recent files
  // take it.
  if (!todo::CheckChosenTextFile(chosen)) return;
  const QString stored = ProgramRelativePath(chosen, RelativeStyle::DotPrefixed);
  ToDoFilePath = todo::InProgramFolder(stored);
  // Only the slot remembers the file; the next start opens the file named
  // under FILE, as before.
  const int slot = Cmb_file->currentIndex();
  if (slot >= 0) {
    Cmb_file->setItemText(slot, stored);
    WriteIniValue(todo::kToDoSection, todo::RecentSlotKey(slot), stored);
  }
  Form_Activate();
}

void TodoWindow::Cmd_FileWrite_Click() {
  platform::ShowMessage(QStringLiteral("ＣＳＶファイルと同じファイル名で\n印刷フォーマットを保管します\n\nまだできてません"),
                        platform::MsgButtons::Ok, platform::MsgIcon::None);
}

void TodoWindow::Cmd_FileExport_Click() {
  const QString chosen =
      ShowFileDialog(false, nullptr, FolderOfPath(DoneExportPath), FileNameOfPath(DoneExportPath),
                     FileMenuCaption(FileItem::Export), QStringLiteral("txtファイル (*.txt)|*.txt|全て (*.*)|*.*||"),
                     1, QStringLiteral(".txt"));
  if (chosen.isEmpty()) return;
  if (SameFile(chosen, todo::LocalPath(ToDoFilePath))) {
    platform::ShowMessage(QStringLiteral("同じファイル「") + chosen + QStringLiteral("」には書き出せません"),
                          platform::MsgButtons::Ok, platform::MsgIcon::None);
    return;
  }
  DoneExportPath = chosen;
  // Asked before the export file gets the items: a to-do file that changed
  // behind the list, or whose rewrite the user refuses, would leave them in
  // both files.
  if (!toDoFileMayChange()) return;
  BeginBusy(this);

  const todo::FinishedItems items = todo::TakeFinishedItems(TakeList(), DoneMark(), platform::Today());
  // The finished items leave the list only once the export file holds them.
  const bool appended = RewriteDataFile(chosen, [&items](QStringList& lines) {
    lines += items.exported;
    return true;
  });
  if (appended) {
    // The file takes the order the list shows, and the entries number
    // their new lines.
    PutList(items.kept);
    writeBack(items.kept.texts);
  }
  EndBusy(this);
}

void TodoWindow::Cmd_help_Click() {
  const QStringList lines = {
      QStringLiteral("１．カレンダーをダブルクリックすると、大きなカレンダーで予定入力できます(jxcalpad必要)"),
      QString(),
      QStringLiteral("２．ToDoの内容を予定に反映したいときは、カレンダーにドラッグドロップしてください"),
      QStringLiteral("　　予定の削除は「予定表」画面でお願いします"),
      QString(),
      QStringLiteral("３．記入欄の横のメモの絵をカレンダーにドラッグドロップすると、記入内容だけが予定に反映します"),
      QString(),
      QStringLiteral("４．[Shift]キーを押してＴＯＤＯをクリックすると、ＴＯＤＯ項目を一度に複数選択できます。"),
      QStringLiteral("　　[Ctrl]キーを押してＴＯＤＯをクリックすると、離れた項目を選択できます。"),
      QString(),
      MoreHelpLine(),
      QString(),
  };
  platform::ShowMessage(lines.join(u'\n') + u'\n', platform::MsgButtons::Ok, platform::MsgIcon::Information);
}
