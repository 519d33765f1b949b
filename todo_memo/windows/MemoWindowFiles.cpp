// The memo window's share of the File menu: a new memo file and opening
// another one.
#include <QFileInfo>
#include <QListWidget>

#include "DataFiles.h"
#include "MemoWindow.h"
#include "core/platform/FileDialog.h"
#include "core/platform/MessageBox.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/ProgramRelativePath.h"
#include "core/text/PathHelpers.h"
#include "core/ui/FileMenuCaption.h"

namespace {
const QString kFilter = QStringLiteral("テキスト (*.doc;*.txt)|*.doc;*.txt|全て (*.*)|*.*||");
}  // namespace

void MemoWindow::cmd_FileNew_Click() {
  const QString chosen = ShowFileDialog(false, nullptr, ProgramFolder, QString(), FileMenuCaption(FileItem::New),
                                        kFilter, 1, QStringLiteral("txt"));
  if (chosen.isEmpty()) return;
  if (QFileInfo::exists(chosen)) {
    platform::ShowMessage(QStringLiteral("既に「") + chosen + QStringLiteral("」ファイルは有りますので新規作成できません"),
                          platform::MsgButtons::Ok, platform::MsgIcon::Information);
    return;
  }
  // A file that cannot be created has been reported; the shown file stays.
  if (!todo::CreateDataFile(chosen, {})) return;
  MemoFilePath = chosen;
  WriteIniValue(kMemoSection, QStringLiteral("FILE"), chosen);
  LoadMemoIndex();
  cmd_update_click(4);
}

void MemoWindow::Cmd_FileRead_Click() {
  const QString chosen = ShowFileDialog(true, nullptr, FolderOfPath(MemoFilePath), FileNameOfPath(MemoFilePath),
                                        FileMenuCaption(FileItem::Read), kFilter, 1, QString());
  if (chosen.isEmpty() || !QFileInfo(chosen).isFile()) return;
  MemoFilePath = ProgramRelativePath(chosen, RelativeStyle::DotPrefixed);
  WriteIniValue(kMemoSection, QStringLiteral("FILE"), MemoFilePath);
  ShownEntryIndex = -1;
  LoadMemoIndex();
}
