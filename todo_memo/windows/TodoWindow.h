#pragma once
// The to-do window: the items of one to-do file with a status mark, an
// importance letter, an outline level and a date, shown in five orders and
// edited with ten buttons; beside them the month calendar and the page
// printing.
//
// TodoWindowLayout.cpp builds and connects the controls, TodoWindowLoad.cpp
// is the load sequence and the option handlers, TodoWindowList.cpp fills the
// list and holds its handlers, TodoWindowEdit.cpp the editing buttons,
// TodoWindowPrint.cpp the print button, TodoWindowCalendar.cpp the month
// calendar and the day list, TodoWindowDrops.cpp the drops that become
// schedule lines and the day mail, TodoWindowFiles.cpp the File commands.
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "ToDoCalendar.h"
#include "ToDoList.h"
#include "ToDoPage.h"
#include "ToDoScheduleEntries.h"
#include "core/ui/PageWindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class LineItemList;
class QPushButton;
class ToDoCalendarView;

class TodoWindow : public PageWindow {
  Q_OBJECT
 public:
  explicit TodoWindow(QWidget* parent = nullptr);

  void Form_Load() override;
  // Chooses the schedule file, draws the calendar and reloads the list.
  void Form_Activate() override;

  // ---- State of the window
  // The to-do file: absolute, or relative to the program folder.
  QString ToDoFilePath;
  // The file the export of finished items appends to.
  QString DoneExportPath;
  // The status marks followed by the first mark again.
  QString StatusMarkCycle;
  QDate SelectedDate;
  QString LinkedScheduleFile;
  int16_t LastDisplayOrder = 0;
  // The to-do file's lines as the list was last loaded from them or wrote
  // them; a change is written only while the file still holds these.
  QStringList ShownFileLines;
  // The mark of a finished item: the last of the status marks.
  QChar DoneMark() const;

  // ---- Controls
  LineItemList* List2 = nullptr;  // the items; ItemDataRole holds each file line
  QLineEdit* Txt_ToDoItem = nullptr;
  QLineEdit* txt_start = nullptr;
  // 表示 追加 更新 削除 ↑ ↓ 済 ← → 重要度
  std::array<QPushButton*, 10> Cmd_Update{};
  QComboBox* cmb_sort = nullptr;
  QComboBox* Cmb_file = nullptr;
  QComboBox* Cmb_jikan = nullptr;
  QLineEdit* Txt_KmkSu = nullptr;
  QComboBox* Cmb_men = nullptr;
  QCheckBox* Chk_ListDay = nullptr;
  QCheckBox* Chk_sumi = nullptr;
  QCheckBox* Chk_naiyo = nullptr;
  QCheckBox* Chk_bunrui = nullptr;
  QPushButton* Cmd_print = nullptr;
  ToDoCalendarView* Pic1 = nullptr;
  // ▲ 今日 ▼ ▲▲ ▼▼
  std::array<QPushButton*, 5> Cmd_mm{};
  QLabel* lbl_calendar = nullptr;
  QListWidget* List1 = nullptr;
  QPushButton* cmd_mail = nullptr;
  QLabel* Img_jx = nullptr;
  // Pressed by the main window's File items.
  QPushButton* cmd_FileNew = nullptr;
  QPushButton* Cmd_FileRead = nullptr;
  QPushButton* Cmd_FileWrite = nullptr;
  QPushButton* Cmd_FileExport = nullptr;
  QPushButton* Cmd_help = nullptr;

  static constexpr int ItemDataRole = Qt::UserRole;  // as LineItemList::ItemDataRole

  // ---- The list
  void LoadToDoList();
  void cmd_update_click(int Index);
  // The list box's entries as a list, and back.
  todo::ToDoList TakeList() const;
  void PutList(const todo::ToDoList& list);
  void List2_DblClick();
  void List2_KeyDown(int16_t& KeyCode, int16_t Shift);
  void List2_KeyPress(int16_t& KeyAscii);

  // ---- Printing (TodoWindowPrint.cpp)
  void Cmd_print_Click();
  // What the page drawer needs of the window's controls.
  ToDoPageOptions PageOptions() const;

  // ---- Options
  void cmb_sort_Click();
  void Cmb_file_Click();
  void Chk_ListDay_Click();
  void Cmb_jikan_Click();
  void Txt_KmkSu_Change();
  void Txt_ToDoItem_GotFocus();

  // ---- Calendar and day list (TodoWindowCalendar.cpp)
  // The day number in each calendar cell as last drawn, [column][row].
  todo::DayGridTable DayGrid{};
  // Draws the month of the date with that day marked, and fills the day
  // list; SelectedDate stays.
  void DrawToDoCalendar(const QDate& date);
  // Fills the flags and the day list from the schedule file; a missing file
  // leaves the list as it was.
  void ListDaySchedule(const QDate& date, todo::DayFlagTable& flags);
  void Pic1_MouseDown(int x, int y);
  void Pic1_DblClick();
  void Cmd_mm_Click(int index);
  void List1_DblClick();

  // ---- Drops and day mail (TodoWindowDrops.cpp)
  void Pic1_DragDrop(const QString& sourceTag, int x, int y);
  void Cmd_mm_DragDrop(int index, const QString& sourceTag);
  void List1_DragDrop(const QString& sourceTag);
  // Writes the dated line into the schedule file before the first line that
  // sorts after it; false, with the user told why, when nothing was written.
  bool InsertScheduleLine(const QDate& date, const QString& kind, const QString& text);
  void cmd_mail_Click();

  // ---- File commands (TodoWindowFiles.cpp)
  void cmd_FileNew_Click();
  void Cmd_FileRead_Click();
  void Cmd_FileWrite_Click();
  void Cmd_FileExport_Click();
  void Cmd_help_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // TodoWindowLayout.cpp
  void buildControls();
  void connectHandlers();
  // TodoWindowLoad.cpp
  void settleToDoFile();
  void selectRecentSlot();
  // true when the schedule file was missing and has been made.
  bool linkScheduleFile();
  // TodoWindowEdit.cpp
  // Writes the lines as the to-do file while it holds ShownFileLines; true
  // when written. Otherwise the list is read again from the file, and a file
  // changed behind the window is said so.
  bool writeBack(const QStringList& lines);
  // "追加": puts the line into the file as it stands now, after the line the
  // current entry shows (first when none is current), even when another copy
  // of the program changed the file meanwhile: an added line names no line
  // of the list to change. The list then shows the file, the new entry
  // current and selected. False when nothing was written (a failure told).
  bool addToDoLine(const todo::ToDoList& list, const QString& line);
  // An edit of the list (before to after) written on the file as it stands:
  // when another copy changed the file, the entries the edit rewrote or
  // removed are changed where the file now has them and the list is read
  // again; when one of them is no longer there as the list showed it,
  // nothing is written, the list is read again and the user told.
  bool writeListChange(const todo::ToDoList& before, const todo::ToDoList& after);
  // Asked before a change that writes another file too: true while the to-do
  // file still holds ShownFileLines and may be rewritten (the foreign-bytes
  // question answered); otherwise the list is read again and the user told.
  bool toDoFileMayChange();
  // TodoWindowCalendar.cpp
  QString linkedSchedulePath() const;
  // TodoWindowDrops.cpp
  bool dropItemOnDay(const QDate& day);
  bool addScheduleLine(const QDate& date, const QString& kind, const QString& text, todo::AddedScheduleLine* added);
  bool takeScheduleLineBack(const todo::AddedScheduleLine& added);
  bool confirmDrop(const QDate& date, bool toDoItem, const QString& text);
  QString mascotText() const;
  QString selectedItem() const;
  void deleteCurrent(todo::ToDoList& list, bool& changed);
  // A failed read of the to-do file has been told, and no read has worked
  // since: the list, read again at every activation, says it once.
  bool toDoReadFailureTold_ = false;
};
