#pragma once
// The schedule window: the schedule file's entries, the month list and the
// schedule and calendar designs it prints.
//
// The class is spread over several sources: ScheduleWindowLayout.cpp builds the
// controls and connects them, ScheduleWindowLoad.cpp is the load sequence,
// ScheduleWindowOptions.cpp the option handlers, ScheduleWindowMonthList.cpp the month
// list with the date lists and the tab bar, ScheduleWindowKeys.cpp the key
// handlers, ScheduleWindowSharing.cpp the per-date lookup, the clipboard copy and
// the companion calendar, and one source per command group after that.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "core/ui/PageWindow.h"
#include "schedule/DayKind.h"
#include "schedule/DaySchedule.h"
#include "schedule/ScheduleOptions.h"
#include "schedule/SchedulePrintSource.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TabBar;
enum class OptionControl;  // design chooser: DesignCatalog.h

class ScheduleWindow : public PageWindow, public SchedulePrintSource {
  Q_OBJECT
 public:
  explicit ScheduleWindow(QWidget* parent = nullptr);

  // Builds the lists, settles the schedule file and reads the options.
  void Form_Load() override;
  // Shows lines that other windows wrote into the file meanwhile.
  void Form_Activate() override;

  // ---- State of the window
  // The shown schedule file as stored in the settings (a bare name or a
  // path whose folders may be separated by "\"); empty until loaded.
  QString ScheduleFilePath;
  // True when the user chose to leave a schedule file whose bytes are not
  // code page 932 unchanged for this session: no edit, import or holiday
  // write touches it.
  bool ScheduleFileReadOnly = false;
  // Entries 1..50 of the quick-pick phrases and of the symbols of 記号; an
  // empty entry ends each run, entry 0 stays empty.
  QStringList StoredPhrases;
  QStringList SymbolList;
  // True while the chosen design prints times.
  bool DesignHasTimes = false;
  ScheduleOptions Options;

  // ---- Controls of the window itself
  QListWidget* Cmb_Type = nullptr;  // design list
  QComboBox* Cmb_men = nullptr;     // layout list
  QPushButton* Cmd_print = nullptr;
  QLineEdit* Txt_maisu = nullptr;   // number of sheets
  QLabel* lbl_mai = nullptr;
  TabBar* Picture3 = nullptr;       // the two tabs over the panels
  QLabel* Picture1 = nullptr;
  // 0 entry input, 1 print options; both in the same place.
  std::array<QWidget*, 2> Picture2{};

  // Pressed by the main window's File items.
  QPushButton* Cmd_FileSearch = nullptr;
  QPushButton* Cmd_FileRead = nullptr;
  QPushButton* cmd_FileNew = nullptr;
  QPushButton* Cmd_FileExport = nullptr;
  QPushButton* Cmd_Fileimport = nullptr;
  QPushButton* Cmd_FileWrite = nullptr;
  QPushButton* Cmd_help = nullptr;

  // ---- Entry panel Picture2[0]
  QComboBox* Cmb_Nen = nullptr;   // year: 1900..2099, then the blank year
  QComboBox* Cmb_Tuki = nullptr;  // month "01".."12"
  QComboBox* Cmb_Hi = nullptr;    // day "01".."31" (index = day - 1)
  std::array<QLabel*, 1> Label1{};
  QLabel* lbl_hi = nullptr;
  QPushButton* Cmd_Today = nullptr;
  QPushButton* cmd_bear = nullptr;
  QCheckBox* Chk_dispday = nullptr;
  QComboBox* Cmb_yasumi = nullptr;  // entry kind
  QComboBox* Cmb_naiyou = nullptr;  // entry text with its suggestions
  QLabel* lbl_naiyou = nullptr;
  // 表示, 追加, 更新, 削除
  std::array<QPushButton*, 4> Cmd_Update{};
  // Pressed by the "CA" start-up switch too.
  QPushButton* cmd_toclip = nullptr;
  // The month list; each row's number (ListRowLineNumber) is its line in
  // the schedule file, 0 for a day row.
  QListWidget* List1 = nullptr;

  // ---- Print-option panel Picture2[1]
  QCheckBox* Chk_rokuyou = nullptr;
  QCheckBox* Chk_Geturei = nullptr;
  QCheckBox* chk_weekno = nullptr;
  QCheckBox* Chk_start = nullptr;
  QCheckBox* chk_4gatu = nullptr;
  QCheckBox* chk_memo_yotei = nullptr;
  QCheckBox* Chk_memori = nullptr;
  QCheckBox* chk_memori_ten = nullptr;
  QCheckBox* chk_kousi_hanten = nullptr;
  std::array<QCheckBox*, 2> Chk_tatekei{};
  QCheckBox* Chk_yokokei = nullptr;
  QCheckBox* Chk_nenkesi = nullptr;
  QCheckBox* Chk_Sunday = nullptr;
  QCheckBox* Chk_eigo = nullptr;
  QCheckBox* Chk_naiyou = nullptr;
  QCheckBox* chk_teiki = nullptr;
  QCheckBox* Chk_yasumi = nullptr;
  QCheckBox* Chk_SyousaiPrint = nullptr;
  QCheckBox* Chk_next = nullptr;
  QCheckBox* Chk_amikake = nullptr;
  QCheckBox* chk_kakko = nullptr;
  QCheckBox* Chk_youbi = nullptr;
  QCheckBox* Chk_mini = nullptr;
  QCheckBox* chk_mini_ura = nullptr;
  QCheckBox* chk_Kousiyohaku = nullptr;
  QCheckBox* chk_kousi5syu = nullptr;
  QCheckBox* Chk_Kakeibo = nullptr;
  QCheckBox* chk_memo = nullptr;
  // Not saved: read by the printing as they stand.
  QCheckBox* chk_tukikijyun = nullptr;
  QCheckBox* chk_6dan = nullptr;
  QCheckBox* Chk_retu = nullptr;
  QComboBox* cmb_memori2 = nullptr;
  QComboBox* cmb_kirisute = nullptr;
  QComboBox* cmb_tatekei = nullptr;
  QComboBox* cmb_5nen = nullptr;
  QComboBox* cmb_week = nullptr;
  QComboBox* Cmb_design = nullptr;
  QLineEdit* txt_midasi = nullptr;
  QLabel* Label2 = nullptr;
  QFrame* Line1 = nullptr;
  QFrame* Line2 = nullptr;

  // ---- Month list and navigation
  void RefreshScheduleList();
  void ClampDayCombo();
  void Cmd_Today_Click();
  void List1_DblClick();
  void List1_KeyPress(int16_t& KeyAscii);
  void List1_KeyDown(int16_t& KeyCode, int16_t Shift);
  void Picture3_MouseDown(int Button, int Shift, int X, int Y);
  // The file line number that a month-list row carries (0 for a day row or
  // no such row); the rows keep it as item data under this role.
  int ListRowLineNumber(int row) const;
  static constexpr int ListLineNumberRole = Qt::UserRole;
  // The schedule file's path to open (ScheduleFilePath with "/" folders).
  QString ScheduleFileLocalPath() const;

  // ---- Date lists
  void Cmb_Nen_Click();
  void Cmb_Tuki_Click();
  void Cmb_Hi_Click();

  // ---- Check-box options: each copies its box into the option and writes
  // the option's key at once.
  void Chk_rokuyou_Click();
  void Chk_Geturei_Click();
  void chk_weekno_Click();
  void Chk_start_Click();
  void chk_4gatu_Click();
  void Chk_dispday_Click();
  void chk_memo_yotei_Click();
  void Chk_memori_Click();
  void chk_memori_ten_Click();
  void chk_kousi_hanten_Click();
  void Chk_tatekei_Click(int Index);
  void Chk_yokokei_Click();
  void Chk_nenkesi_Click();
  void Chk_Sunday_Click();
  void Chk_eigo_Click();
  void Chk_naiyou_Click();
  void chk_teiki_Click();
  void Chk_yasumi_Click();
  void Chk_SyousaiPrint_Click();
  void Chk_next_Click();
  void Chk_amikake_Click();
  void chk_kakko_Click();
  void Chk_youbi_Click();
  void Chk_mini_Click();
  void chk_mini_ura_Click();
  void chk_KousiYohaku_Click();
  void chk_kousi5syu_Click();
  void Chk_Kakeibo_Click();
  void chk_memo_Click();
  void Chk_retu_Click();

  // ---- List options
  void cmb_memori2_Click();
  void cmb_kirisute_Click();
  void cmb_tatekei_Click();
  void cmb_5nen_Click();
  void cmb_week_Click();
  void Cmb_design_Click();

  // ---- Entry-text key filters: set the code to 0 to drop the key.
  void Cmb_naiyou_KeyDown(int16_t& KeyCode, int16_t Shift);
  void Cmb_naiyou_KeyPress(int16_t& KeyAscii);

  // ---- Per-date lookup, the clipboard copy and the companion calendar
  // The day's texts (element 0 the heading, then the entries with their
  // marker) and DayKind under the window's options; a null day empties the
  // month cache and leaves texts and kind as they are.
  void GetDaySchedule(const QDate& day, QStringList& texts, DayKind& kind) override;
  DayScheduleOptions DayOptions() const;
  // The date of the year, month and day lists (the blank year read as this
  // year); a null date when they make none.
  QDate ChosenDate() const;
  void cmd_toclip_Click();
  void cmd_bear_Click();

  // ---- Printing (ScheduleWindowPrinting.cpp): the print button and what
  // the schedule printing reads of the window.
  void Cmd_print_Click();
  // The options as the chosen design shows them: an option whose box the
  // design hides is off on its pages. Taken afresh by every print job.
  ScheduleOptions& PrintOptions() override;
  ScheduleOptions OptionsAsShown();
  SchedulePrintControls PrintControls() const override;
  QString PrintScheduleFileName() const override;
  bool ScheduleFileReadable() const override;
  QWidget* PrintBusyWindow() override;
  void HoldScheduleFileForJob(bool hold) override;

  // ---- File commands: new, open, CSV import and export, help
  // (ScheduleWindowFileCommands.cpp, ScheduleWindowFileImport.cpp)
  void cmd_FileNew_Click();
  void Cmd_FileRead_Click();
  void Cmd_Fileimport_Click();
  void Cmd_FileExport_Click();
  void Cmd_help_Click();
  // Connects the File buttons; called once while the controls are connected.
  void SetUpFileCommands();
  // True when the path names the shown schedule file, however it is written.
  bool IsShownScheduleFile(const QString& path) const;
  // Reads the shown schedule file; a failure is reported in a message box.
  bool ReadShownScheduleFile(QStringList& lines);
  // Looks at the bytes of the shown file once, when it is loaded or opened:
  // a file that is not code page 932 is named, a UTF-8 one offered for
  // conversion (its original kept as a backup), any other rewritten only
  // with the user's word; otherwise the file stays read-only for the session.
  void SettleScheduleFileBytes();
  void settleScheduleBytesRead(QByteArray content, const QString& stamp);
  void settleOpeningScheduleFile();
  // True when the shown file may be written; otherwise says why.
  bool ScheduleFileWritable() const;

  // ---- Design chooser, entry kinds and entry editor
  void Cmb_type_Click();
  void Cmb_yasumi_Click();
  void cmd_update_click(int Index);

  // ---- Design chooser, entry kinds and entry editor: keys, state, controls
  // The design list ignores Delete and typed characters; arrows move it.
  void Cmb_Type_KeyDown(int16_t& KeyCode, int16_t Shift);
  void Cmb_Type_KeyPress(int16_t& KeyAscii);
  // Called once while the controls are connected.
  void watchDesignListKeys();
  // The option control that a design shows or hides.
  QWidget* DesignOptionControl(OptionControl control) const;
  // The kind whose suggestions the entry-text box holds.
  QString LastEntryKind;
  // The file line that "表示" put into the fields (0: none), and the line
  // as it read then, so that "更新" replaces that line and no other.
  int ShownLineNumber = 0;
  QString ShownLine;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ScheduleOptions printedOptions_;  // the options of the running print job
  // True after a failed read of the shown file was reported, until it reads again.
  bool listReadFailureShown_ = false;
  // While the window loads, option boxes that refresh the month list when
  // clicked are set from the settings; the list is built once, when the
  // window is first activated, not again for each of them.
  bool loadingWindow_ = false;
  // The file's bytes as the window read them while it loaded, and the file's
  // change stamp then: the first month list is built from them rather than
  // from a second read of the whole file, unless the file changed since.
  QByteArray openingBytes_;
  QString openingStamp_;
  // ScheduleWindowLayout.cpp
  void buildControls();
  QWidget* buildEntryPanel();
  QWidget* buildOptionPanel();
  void connectHandlers();
  void applyWindowColours();
  // ScheduleWindowLoad.cpp
  void loadDateLists();
  void loadOptions();
  void loadLaterOptions();
  void loadListOption(QComboBox* list, const QStringList& items, const char* key,
                      int16_t fallback);
  void selectCommandLineDate();
  // ScheduleWindowOptions.cpp
  void loadCheckOption(const char* key);
  void storeCheckOption(QCheckBox* box);
  void keepBracketsOrColour();

  // The lookup with its month cache, kept while the window lives.
  DaySchedule daySchedule_;
};
