// The memo window's entry buttons: show, append, update, delete, clear and
// the two moves. Changes to existing entries rewrite the file keeping the
// file as it was in "ringpad.tmp"; a refused, cancelled or failed change
// leaves file, index and boxes as they were. The index's start lines name
// the lines of the file as the index was built; where another writer has
// changed the file since, a change goes in on the entries where the file
// now has them, and only when the entries it changes are no longer there as
// the index showed them is nothing written and the index rebuilt, the boxes
// keeping their text. An entry added at the end names no entry at all.
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdlib>

#include "LineItemList.h"
#include "DataFiles.h"
#include "MemoFile.h"
#include "MemoWindow.h"
#include "core/platform/Clock.h"
#include "core/platform/MessageBox.h"
#include "core/platform/TextLines.h"
#include "core/settings/PaperSettings.h"
#include "core/text/StringHelpers.h"

namespace {

void Tell(const QString& text, platform::MsgIcon icon = platform::MsgIcon::Exclamation) {
  platform::ShowMessage(text, platform::MsgButtons::Ok, icon);
}

bool Ask(const QString& text, platform::MsgIcon icon = platform::MsgIcon::Exclamation) {
  return platform::ShowMessage(text, platform::MsgButtons::OkCancel, icon) == platform::MsgResult::Ok;
}

const QString kChooseItem = QStringLiteral("メモ一覧から項目を選択してください");
const QString kShowBeforeMove = QStringLiteral("メモ一覧をダブルクリックし、移動したいタイトルの内容を表示させてください");

QString BoxBody(const QPlainTextEdit* box) { return platform::NormaliseToCrLf(box->toPlainText()); }

void SetBoxBody(QPlainTextEdit* box, const QString& body) {
  QString text = body;
  box->setPlainText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

}  // namespace

int MemoWindow::selectedIndex() const { return List1->currentRow(); }

int MemoWindow::startLineOf(int index) const {
  return List1->itemData().value(index);
}

QStringList MemoWindow::currentBlock() const {
  return memo::MemoBlock(Text1->text(), BoxBody(Text2), PaperSettings.DataFontName, PaperSettings.DataFontSize,
                         platform::CurrentDateTime());
}

void MemoWindow::takeChangedFile(const QStringList& lines) {
  const QStringList shown =
      ShownEntryIndex >= 0 ? memo::PartLines(ShownFileLines, startLineOf(ShownEntryIndex)) : QStringList();
  fillIndex(lines);
  ShownEntryIndex = -1;
  if (shown.isEmpty()) return;
  for (int i = 0; i < List1->count(); ++i)
    if (memo::PartLines(lines, startLineOf(i)) == shown) {
      ShownEntryIndex = static_cast<int16_t>(i);
      List1->setCurrentRow(i);
      return;
    }
}

bool MemoWindow::changeShownFile(const std::function<bool(QStringList& lines)>& edit) {
  bool gone = false;
  QStringList written;
  if (todo::ChangeDataFile(MemoFileLocalPath(), [&](QStringList& lines) {
        gone = !edit(lines);
        written = lines;
        return !gone;
      }, true)) {
    ShownFileLines = written;
    return true;
  }
  if (gone) {
    QStringList lines;
    // A file that cannot be read now has been reported; the index stays.
    if (readMemoLines(lines)) takeChangedFile(lines);
    todo::ShowStaleListMessage(todo::kMemoFileSubject);
  }
  return false;
}

int MemoWindow::indexOfPart(const QStringList& part, int near) const {
  int best = -1;
  for (int i = 0; i < List1->count(); ++i)
    if ((best < 0 || std::abs(i - near) < std::abs(best - near)) &&
        memo::PartLines(ShownFileLines, startLineOf(i)) == part)
      best = i;
  return best < 0 ? near : best;
}

// The index of the file as just written.
int MemoWindow::afterChange(int select, const QStringList& part) {
  fillIndex(ShownFileLines);
  ApplyMemoSettings();
  // Another writer's entries may have moved the changed one.
  if (!part.isEmpty()) select = indexOfPart(part, select);
  if (select >= 0) List1->setCurrentRow(select);
  ShownTitle = Text1->text();
  ShownBody = BoxBody(Text2);
  return select;
}

void MemoWindow::cmd_update_click(int Index) {
  switch (Index) {
    case 0: showEntry(); break;
    case 1: appendEntry(); break;
    case 2: updateEntry(); break;
    case 3: deleteEntry(); break;
    case 4: clearEntry(); break;
    case 5: moveEntry(true); break;
    case 6: moveEntry(false); break;
    default: break;
  }
}

void MemoWindow::showEntry() {
  const int selected = selectedIndex();
  if (selected < 0) return Tell(kChooseItem);
  const bool filled = !TrimBlanks(Text1->text()).isEmpty() || !TrimBlanks(BoxBody(Text2)).isEmpty();
  if (filled && MemoChangeTest() &&
      !Ask(QStringLiteral("修正内容を破棄し、メモ一覧で選択された内容を表示します\r\n\r\n"
                          "必要であれば、一旦、更新してから他の項目を表示させてください"),
           platform::MsgIcon::Information))
    return;
  QStringList lines;
  if (!readMemoLines(lines)) return;
  if (lines != ShownFileLines) {
    takeChangedFile(lines);
    return todo::ShowStaleListMessage(todo::kMemoFileSubject);
  }
  Cmd_undo->setEnabled(false);
  ReflowUndoText.clear();
  const memo::MemoPart part = memo::ReadMemoPart(lines, startLineOf(selected));
  // The box takes 40 characters as typed, but a title written longer (by
  // hand, or by another program) is shown whole: cut in the box, "更新" would
  // write it back cut without a word.
  if (part.title.size() > Text1->maxLength()) Text1->setMaxLength(int(part.title.size()));
  Text1->setText(part.title);
  if (part.hasFontName) PaperSettings.DataFontName = part.fontName;
  if (part.fontSize > 0) PaperSettings.DataFontSize = static_cast<float>(part.fontSize);
  SetBoxBody(Text2, part.body);
  ShownEntryIndex = static_cast<int16_t>(selected);
  ApplyMemoSettings();
  ShownTitle = Text1->text();
  ShownBody = BoxBody(Text2);
}

void MemoWindow::appendEntry() {
  if (TrimBlanks(Text1->text()).isEmpty() || TrimBlanks(BoxBody(Text2)).isEmpty()) {
    Ask(QStringLiteral("印刷する「表題/メモ内容」を入力してください"));
    return;
  }
  if (!todo::CheckTypedText(Text1->text() + BoxBody(Text2))) return;
  const QStringList block = currentBlock();
  // An entry added at the end names no line of the index: the file may
  // have changed meanwhile.
  QStringList written;
  if (!todo::ChangeDataFile(
          MemoFileLocalPath(), [&](QStringList& lines) { lines << block; written = lines; return true; }, false))
    return;
  ShownFileLines = written;
  afterChange(-1);
  ShownEntryIndex = static_cast<int16_t>(List1->count() - 1);
}

void MemoWindow::updateEntry() {
  if (ShownEntryIndex < 0 || selectedIndex() < 0)
    return Tell(QStringLiteral("メモ一覧をダブルクリックし、更新する内容を一旦表示させてください"));
  if (!Ask(QStringLiteral("更新します。"))) return;
  // The shown entry is replaced, whatever was selected meanwhile.
  List1->setCurrentRow(ShownEntryIndex);
  if (!todo::CheckTypedText(Text1->text() + BoxBody(Text2))) return;
  const int start = startLineOf(ShownEntryIndex);
  const QStringList block = currentBlock();
  if (!changeShownFile([&](QStringList& lines) {
        const int at = memo::PartStartNow(lines, ShownFileLines, start);
        if (at > 0) lines = memo::ReplacePart(lines, at, block);
        return at > 0;
      }))
    return;
  ShownEntryIndex = static_cast<int16_t>(afterChange(ShownEntryIndex, block));
}

void MemoWindow::deleteEntry() {
  const int selected = selectedIndex();
  if (selected < 0) return Tell(kChooseItem);
  if (!Ask(QStringLiteral("「") + List1->text(selected) + QStringLiteral("」を削除します"))) return;
  const int start = startLineOf(selected);
  if (!changeShownFile([&](QStringList& lines) {
        const int at = memo::PartStartNow(lines, ShownFileLines, start);
        if (at > 0) lines = memo::RemovePart(lines, at);
        return at > 0;
      }))
    return;
  ShownEntryIndex = -1;
  afterChange(-1);
}

void MemoWindow::clearEntry() {
  if (!Ask(QStringLiteral("メモ内容をクリアします"))) return;
  Text1->clear();
  Text2->clear();
  ShownEntryIndex = -1;
  afterChange(-1);
}

void MemoWindow::moveEntry(bool up) {
  const int selected = selectedIndex();
  if (ShownEntryIndex < 0 || selected < 0) return Tell(kShowBeforeMove);
  if (up && selected < 1) return Tell(QStringLiteral("これ以上、↑に移動できません"));
  if (!up && selected == List1->count() - 1) return Tell(QStringLiteral("これ以上、↓に移動できません"));
  if (ShownEntryIndex != selected) return Tell(kShowBeforeMove);
  if (!todo::CheckTypedText(Text1->text() + BoxBody(Text2))) return;
  const int start = startLineOf(selected);
  // Down past the last item means after the file's last line.
  const int before = up ? startLineOf(selected - 1) : (selected + 2 < List1->count() ? startLineOf(selected + 2) : 0);
  const QStringList block = currentBlock();
  if (!changeShownFile([&](QStringList& lines) {
        const int at = memo::PartStartNow(lines, ShownFileLines, start);
        const int beforeNow = before > 0 ? memo::PartStartNow(lines, ShownFileLines, before) : 0;
        if (at > 0 && (before == 0 || beforeNow > 0)) lines = memo::MovePart(lines, at, block, beforeNow);
        return at > 0 && (before == 0 || beforeNow > 0);
      }))
    return;
  ShownEntryIndex = static_cast<int16_t>(afterChange(ShownEntryIndex + (up ? -1 : 1), block));
}
