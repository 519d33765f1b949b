#pragma once
// The memo window: titled memo entries kept in one memo file, listed by
// title, shown one at a time in a title box and a body box for editing.
//
// MemoWindowLayout.cpp builds and connects the controls, MemoWindowLoad.cpp
// is the load sequence, the index, the settings and the close check,
// MemoWindowEntries.cpp the entry buttons and MemoWindowFiles.cpp the new
// and open commands, MemoWindowTools.cpp the reflow, search and help.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>

#include "MemoPage.h"
#include "core/ui/PageWindow.h"

// The memo window's section of the settings file.
inline const QString kMemoSection = QStringLiteral("DUDEZU");

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class LineItemList;
class QPlainTextEdit;
class QPushButton;

class MemoWindow : public PageWindow {
  Q_OBJECT
 public:
  explicit MemoWindow(QWidget* parent = nullptr);

  void Form_Load() override;
  // Paper or font settings changed elsewhere take effect.
  void Form_Activate() override;
  // Asks before unsaved text is lost; a refusal also makes the main window
  // refuse its close.
  void Form_QueryUnload(int16_t& cancel, UnloadMode mode) override;

  // ---- State of the window
  QString MemoFilePath;
  int16_t ShownEntryIndex = -1;  // the index item the boxes hold; -1 none
  QString ShownTitle;
  QString ShownBody;
  QString ReflowUndoText;
  QString SubtitleMarks;
  int16_t CharsPerLine = 0;
  int16_t LinesPerPage = 0;
  // The first memo-file line the next "次検索" looks at.
  int SearchStartLine = 0;
  // The memo file's lines the index was built from; the start lines it
  // carries name these lines, and a change is written only while the file
  // still holds them.
  QStringList ShownFileLines;

  // ---- Controls
  QLineEdit* Text1 = nullptr;       // title, at most 40 characters
  QPlainTextEdit* Text2 = nullptr;  // body
  LineItemList* List1 = nullptr;    // the index; StartLineRole holds each item's line
  // 読込 (hidden) 追加 更新 削除 ｸﾘｱ ↑ ↓
  std::array<QPushButton*, 7> Cmd_Update{};
  QPushButton* cmd_seikei = nullptr;
  QPushButton* Cmd_undo = nullptr;
  QPushButton* Cmd_print = nullptr;
  QComboBox* Cmb_men = nullptr;
  QComboBox* cmb_size = nullptr;
  QLineEdit* txt_start = nullptr;
  QCheckBox* Chk_Auto = nullptr;
  QCheckBox* Chk_page = nullptr;
  QCheckBox* Chk_DataNo = nullptr;
  QCheckBox* Chk_yoko = nullptr;
  QLabel* Lbl_gyosu = nullptr;
  QLineEdit* txt_file = nullptr;  // hidden: another way to switch the file
  QPushButton* cmd_FileNew = nullptr;
  QPushButton* Cmd_FileRead = nullptr;
  QPushButton* Cmd_FileSearch = nullptr;
  QPushButton* Cmd_help = nullptr;
  QPushButton* Cmd_FileExport = nullptr;
  QPushButton* Cmd_Fileimport = nullptr;
  QPushButton* Cmd_FileWrite = nullptr;

  static constexpr int StartLineRole = Qt::UserRole;  // as LineItemList::ItemDataRole

  // ---- Routines
  // False when the file could not be read (the user has been told).
  bool LoadMemoIndex();
  void ApplyMemoSettings();
  void CalcMemoLineMetrics(int16_t landscape);
  void ShowCaretPosition();
  // True when the boxes differ from what was last shown or saved, blanks
  // at both ends aside.
  bool MemoChangeTest() const;
  // The memo file to open (MemoFilePath with "/" folders).
  QString MemoFileLocalPath() const;

  // ---- Handlers
  void cmd_update_click(int Index);
  void cmd_FileNew_Click();
  void Cmd_FileRead_Click();
  void Chk_DataNo_Click();
  void Chk_yoko_Click();
  void Cmb_size_Click();
  void List1_DblClick();
  void List1_KeyDown(int16_t& KeyCode, int16_t Shift);
  void Text2_KeyPress(int16_t& KeyAscii);
  void Text2_KeyUp();
  void txt_file_Change();
  // MemoWindowTools.cpp
  void cmd_seikei_Click();
  void Cmd_undo_Click();
  void Cmd_FileSearch_Click();
  void Cmd_help_Click();
  // MemoWindowPrint.cpp
  void Cmd_print_Click();
  // What the page drawer needs of the window's boxes and options.
  MemoPageOptions PageOptions() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void connectHandlers();
  // MemoWindowEntries.cpp
  void showEntry();
  void appendEntry();
  void updateEntry();
  void deleteEntry();
  void clearEntry();
  void moveEntry(bool up);
  // Reads the memo file's lines; a failure is shown and gives false and no
  // lines.
  bool readMemoLines(QStringList& lines) const;
  // MemoWindowLoad.cpp: the index of the lines, which become ShownFileLines.
  void fillIndex(const QStringList& lines);
  // The index rebuilt from the file as another writer left it: the entry
  // in the boxes stays the shown one where the file still holds it
  // unchanged, else none is.
  void takeChangedFile(const QStringList& lines);
  // The change of the file under its lock; the edit finds the entries it
  // changes where the file now has them, and returns false when one is no
  // longer there as the index showed it: the file is then read again and
  // that said.
  bool changeShownFile(const std::function<bool(QStringList& lines)>& edit);
  // The index item whose part is the lines, the one nearest near; near
  // when there is none.
  int indexOfPart(const QStringList& part, int near) const;
  // The new block of the boxes' text, stamped now.
  QStringList currentBlock() const;
  int selectedIndex() const;
  int startLineOf(int index) const;
  // The index of the file as just written, the item at select (or, given
  // the part, the item of that part nearest select) current; its index.
  int afterChange(int select, const QStringList& part = {});
};
