// The memo window's reflow with its undo, the keyword search through the
// memo file, and the help message.
#include <QCoreApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "LineItemList.h"
#include "MemoTools.h"
#include "MemoWindow.h"
#include "core/ui/HelpPage.h"
#include "core/platform/MessageBox.h"
#include "core/platform/TextLines.h"
#include "core/print/PrintJob.h"
#include "core/settings/PaperSettings.h"
#include "core/text/StringHelpers.h"
#include "core/ui/SearchDialog.h"
#include "core/ui/SearchKeys.h"
#include "core/ui/VersionBox.h"

void MemoWindow::cmd_seikei_Click() {
  BeginBusy(this);
  Cmd_undo->setEnabled(true);
  const QString text = platform::NormaliseToCrLf(Text2->toPlainText());
  ReflowUndoText = text;
  QString result = memo::ReflowText(text, CharsPerLine);
  Text2->setPlainText(result.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  EndBusy(this);
}

void MemoWindow::Cmd_undo_Click() {
  if (TrimBlanks(ReflowUndoText).isEmpty()) return;
  QString text = ReflowUndoText;
  Text2->setPlainText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  ReflowUndoText.clear();
  Cmd_undo->setEnabled(false);
}

void MemoWindow::Cmd_FileSearch_Click() {
  if (MemoChangeTest())
    platform::ShowMessage(QStringLiteral("ファイルに保管されている内容を検索します。\r\n"
                                         "このため、修正中のメモの内容は検索しません。"));
  SearchStartLine = 0;
  SearchKeyText.clear();
  SearchDialogPlacement = 2;
  for (;;) {
    ShowSearchKeyDialog(window());
    if (SearchDialogResult == -1) return;
    if (SearchDialogResult == 0) SearchStartLine = 0;
    BeginBusy(this);
    QStringList lines;
    if (!readMemoLines(lines)) {
      EndBusy(this);
      return;
    }
    // The hit is found in the index by its line number: the index must be
    // built from these lines.
    if (lines != ShownFileLines) takeChangedFile(lines);
    const int hit = memo::FindLine(lines, SearchKeyText, SearchStartLine);
    if (hit == 0) {
      platform::ShowMessage(QStringLiteral("検索終了"));
      EndBusy(this);
      return;
    }
    SearchStartLine = hit + 1;
    QList<memo::MemoIndexItem> index;
    for (int i = 0; i < List1->count(); ++i) index.append({List1->text(i), startLineOf(i)});
    const int item = memo::ItemOfLine(index, hit);
    if (item >= 0) {
      List1->setCurrentRow(item);
      cmd_update_click(0);
      // "次検索" goes on with the next item, not the next line of this one.
      if (item + 1 < index.size()) SearchStartLine = index[item + 1].StartLine;
    }
    EndBusy(this);
  }
}

void MemoWindow::Cmd_help_Click() {
  platform::ShowMessage(memo::MemoHelpText(PaperSettings.DefaultFontName, MemoFilePath, MoreHelpLine()),
                        platform::MsgButtons::Ok, platform::MsgIcon::Information);
}
