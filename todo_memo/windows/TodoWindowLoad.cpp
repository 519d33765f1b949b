// The to-do window's load sequence, its activation and its option handlers.
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

#include "DataFiles.h"
#include "LineItemList.h"
#include "ToDoLine.h"
#include "ToDoOrder.h"
#include "ToDoSettings.h"
#include "TodoWindow.h"
#include "core/platform/Clock.h"
#include "core/platform/MessageBox.h"
#include "core/platform/TextLines.h"
#include "core/print/PrintJob.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/IniWriteBatch.h"
#include "core/settings/PaperSettings.h"
#include "core/ui/FirstPaintDeferral.h"
#include "core/ui/FormHelpers.h"
#include "core/ui/ListControls.h"
#include "core/ui/Twips.h"
#include "core/ui/VersionBox.h"
#include "schedule/CurrentScheduleFile.h"
#include "schedule/ScheduleFileChoice.h"
#include "schedule/ScheduleOptions.h"

namespace {
// Heights that decide how many rows of the lists show, in twips.
constexpr double kDayListHeight = 2565;
constexpr double kItemListHeight = 4320;
constexpr double kTextBoxHeight = 345;

const QStringList kSideModes = {QStringLiteral("表裏交互"), QStringLiteral("裏表交互"), QStringLiteral("表のみ"),
                                QStringLiteral("裏のみ"),   QStringLiteral("Ａ４両面"), QStringLiteral("２折り"),
                                QStringLiteral("超整理")};
const QStringList kHourScales = {QStringLiteral("目盛無"), QStringLiteral("8-20"), QStringLiteral("8-24"),
                                 QStringLiteral("8-翌8")};
constexpr int kSuperOrganiserSideMode = 6;

int StoredNumber(const QString& key) { return GetIniValue(todo::kToDoSection, key).toInt(); }
}  // namespace

QChar TodoWindow::DoneMark() const { return todo::DoneMarkOf(StatusMarkCycle); }

void TodoWindow::Form_Load() {
  IniWriteBatch settingsWrites;

  List1->setFixedHeight(TwipsToPixelsY(kDayListHeight));
  List2->setFixedHeight(TwipsToPixelsY(kItemListHeight));
  Txt_ToDoItem->setFixedHeight(TwipsToPixelsY(kTextBoxHeight));
  txt_start->setFixedHeight(TwipsToPixelsY(kTextBoxHeight));
  SelectedDate = platform::Today();

  RefillList(Cmb_men, kSideModes);
  Cmb_men->setCurrentIndex(PaperSettings.SuperOrganiserMode == 1 ? kSuperOrganiserSideMode : 0);

  RefillList(Cmb_file, todo::EnsureRecentSlots());
  settleToDoFile();
  // The backup waits for the first paint while start-up holds such work.
  // A file the list could not read has been named already, and a backup of
  // it would fail the same way; a backup that runs first and fails to read
  // keeps the list from naming the failure again.
  RunAfterFirstPaint([self = QPointer<TodoWindow>(this), path = todo::LocalPath(ToDoFilePath)] {
    if (!self || self->toDoReadFailureTold_) return;
    if (!todo::MakeWeekdayBackup(path, QStringLiteral("vidazu"), QStringLiteral("txt"))) {
      QByteArray content;
      self->toDoReadFailureTold_ = !platform::ReadWholeFile(path, content);
    }
  });
  DoneExportPath = todo::InProgramFolder(GetIniValueOrDefault(todo::kToDoSection, QStringLiteral("FILEX"),
                                                              QStringLiteral("済.txt")));
  selectRecentSlot();
  StatusMarkCycle = todo::StatusMarkCycleOf(todo::EnsureStatusMarks());

  RefillList(cmb_sort, todo::DisplayOrderItems());
  cmb_sort->setCurrentIndex(0);
  txt_start->setText(todo::DateText(platform::Today()));
  Chk_ListDay->setChecked(GetIniValueOrDefault(todo::kToDoSection, QStringLiteral("LISTDAY"), QStringLiteral("1"))
                              .toInt() != 0);
  // A first start's schedule file, holiday lines and all, is made after the
  // first paint; the calendar then shows its holidays.
  RunAfterFirstPaint([window = QPointer<TodoWindow>(this)] {
    if (window && window->linkScheduleFile()) window->Form_Activate();
  });

  RefillList(Cmb_jikan, kHourScales);
  // A scale the list does not have shows none.
  const int scale = StoredNumber(QStringLiteral("MEMORI"));
  Cmb_jikan->setCurrentIndex(scale >= 0 && scale < kHourScales.size() ? scale : 0);
  Txt_KmkSu->setText(todo::RowsPerPageText(GetIniValue(todo::kToDoSection, QStringLiteral("GYOSU"))));
  settingsWrites.commit();

  Form_Activate();
  NoteActivatedByLoad();
  RunPendingMessages();
  Cmb_file->setEnabled(true);
  ApplyImeMode(this);
}

// A file named in the settings that has gone is replaced, without a word,
// by the default file, made with the sample items when missing.
void TodoWindow::settleToDoFile() {
  ToDoFilePath = todo::InProgramFolder(GetIniValueOrDefault(todo::kToDoSection, QStringLiteral("FILE"),
                                                            todo::kDefaultToDoFile));
  if (QFileInfo(todo::LocalPath(ToDoFilePath)).isFile()) return;
  ToDoFilePath = ProgramFolder + todo::kDefaultToDoFile;
  if (!QFileInfo(ToDoFilePath).exists()) todo::CreateDataFile(ToDoFilePath, todo::ToDoSampleLines(HomePageAddress()));
}

void TodoWindow::selectRecentSlot() {
  QStringList recent;
  for (int i = 0; i < Cmb_file->count(); ++i) recent << Cmb_file->itemText(i);
  Cmb_file->setCurrentIndex(todo::SlotOfFile(recent, ToDoFilePath));
}

// The schedule window makes the schedule file when it is missing; here the
// same choice is made without opening that window.
bool TodoWindow::linkScheduleFile() {
  LinkedScheduleFile = GetIniValue(kScheduleSection, QStringLiteral("FILE"));
  if (ScheduleFileExists(LinkedScheduleFile)) return false;
  SettleScheduleFile();
  return true;
}

void TodoWindow::Form_Activate() {
  LinkedScheduleFile = !CurrentScheduleFile.isEmpty() ? CurrentScheduleFile
                                                       : GetIniValue(kScheduleSection, QStringLiteral("FILE"));
  DrawToDoCalendar(SelectedDate);
  LoadToDoList();
}

void TodoWindow::Cmb_file_Click() {
  if (!Cmb_file->isEnabled() || Cmb_file->currentIndex() < 0) return;
  BeginBusy(this);
  ToDoFilePath = todo::InProgramFolder(Cmb_file->currentText());
  WriteIniValue(todo::kToDoSection, QStringLiteral("FILE"), ToDoFilePath);
  DrawToDoCalendar(SelectedDate);
  LoadToDoList();
  EndBusy(this);
}

void TodoWindow::cmb_sort_Click() {
  BeginBusy(this);
  const int order = cmb_sort->currentIndex();
  if (order != 0) {
    if (LastDisplayOrder == 0)
      platform::ShowMessage(QStringLiteral("並び順を変更すると追加ボタンが押せなくなります。\n\n"
                                           "「データ順」に戻すと、追加ボタンが押せるようになります。"),
                            platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
  }
  // Adding and moving would renumber or exchange file lines in a sorted view.
  for (int i : {1, 4, 5, 7, 8}) Cmd_Update[i]->setEnabled(order == 0);
  LastDisplayOrder = static_cast<int16_t>(order);
  LoadToDoList();
  EndBusy(this);
}

void TodoWindow::Chk_ListDay_Click() {
  WriteIniValue(todo::kToDoSection, QStringLiteral("LISTDAY"),
                Chk_ListDay->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
  DrawToDoCalendar(SelectedDate);
}

void TodoWindow::Cmb_jikan_Click() {
  const int index = Cmb_jikan->currentIndex();
  if (index >= 0 && StoredNumber(QStringLiteral("MEMORI")) != index)
    WriteIniValue(todo::kToDoSection, QStringLiteral("MEMORI"), QString::number(index));
}

void TodoWindow::Txt_KmkSu_Change() {
  WriteIniValue(todo::kToDoSection, QStringLiteral("GYOSU"), Txt_KmkSu->text());
}

void TodoWindow::Txt_ToDoItem_GotFocus() { Txt_ToDoItem->selectAll(); }
