// The schedule window's load sequence. Every control starts empty and
// unticked, so each value that a step sets runs the control's handler as a
// user's change would, and the handler writes the value back to its key.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScopeGuard>

#include "ScheduleWindow.h"
#include "ScheduleWindowCheckBoxes.h"
#include "core/dates/DateLists.h"
#include "core/platform/TextLines.h"
#include "core/settings/IniWriteBatch.h"
#include "core/settings/PaperSettings.h"
#include "core/ui/FormHelpers.h"
#include "core/ui/ListControls.h"
#include "core/ui/StartupSwitch.h"
#include "core/ui/TabBar.h"
#include "core/ui/Twips.h"
#include "schedule/DaySchedule.h"
#include "schedule/EntryKind.h"
#include "schedule/PageDesignList.h"
#include "schedule/ScheduleCommandLine.h"
#include "schedule/ScheduleFile.h"
#include "schedule/ScheduleFileChoice.h"
#include "schedule/StoredPhrases.h"

namespace {
// Heights that decide how much of a list shows, in twips.
constexpr double kMonthListHeight = 3930;
constexpr double kHeadingBoxHeight = 300;
constexpr double kSheetCountHeight = 330;
constexpr double kDesignListHeight = 5295;

const QString kTabCaptions = QStringLiteral("予定内容入力,印刷オプション");
}  // namespace

void ScheduleWindow::Form_Load() {
  // Loading writes dozens of keys; the settings file is written once.
  IniWriteBatch settingsWrites;
  loadingWindow_ = true;
  const auto loaded = qScopeGuard([this] { loadingWindow_ = false; });

  List1->setFixedHeight(TwipsToPixelsY(kMonthListHeight));
  txt_midasi->setFixedHeight(TwipsToPixelsY(kHeadingBoxHeight));
  Txt_maisu->setFixedHeight(TwipsToPixelsY(kSheetCountHeight));
  Cmb_Type->setFixedHeight(TwipsToPixelsY(kDesignListHeight));

  // The month list stays empty until the file is settled.
  ScheduleFilePath.clear();
  loadDateLists();
  RefillList(Cmb_yasumi, EntryKind::KindList());
  RefillList(Cmb_Type, PageDesignCaptions());
  Cmb_Type->setCurrentRow(PaperSettings.SuperOrganiserMode == 1 ? kSuperOrganiserDefaultDesign
                                                                 : kDefaultDesign);

  ScheduleFilePath = SettleScheduleFile();
  settleOpeningScheduleFile();

  loadOptions();
  StoredPhrases = LoadStoredPhrases();
  SymbolList = LoadSymbolList();
  loadLaterOptions();

  RefillList(cmb_5nen, DiaryYearItems());
  cmb_5nen->setCurrentIndex(4);
  const QStringList weeks = ProjectWeekItems();
  Options.ProjectWeeks = ListIndexOrDefault(ReadScheduleOptionInt16(QStringLiteral("PRJ_WEEK")) - 1,
                                            weeks.size(), 19) + 1;
  RefillList(cmb_week, weeks);
  cmb_week->setCurrentIndex(Options.ProjectWeeks - 1);

  Cmb_yasumi->setCurrentIndex(0);
  Cmb_naiyou->setCurrentIndex(0);

  selectCommandLineDate();
  DrawTabBar(Picture3, kTabCaptions, 1);
  // Both panels already share one place in the layout.
  ApplyImeMode(this);
  applyWindowColours();
}

// Opening reads the file once: the weekday backup, the code page check and
// the month list all take the bytes of that one read. A read that fails
// writes no backup; the user is told here, and the month list keeps quiet
// about the same failure.
void ScheduleWindow::settleOpeningScheduleFile() {
  ScheduleFileReadOnly = false;
  const QString path = ScheduleFileLocalPath();
  if (!ScheduleFileExists(ScheduleFilePath)) return;
  const QString stamp = DaySchedule::FileChangeStamp(path);
  QByteArray content;
  if (!platform::ReadWholeFileOrReport(path, content)) {
    listReadFailureShown_ = true;
    return;
  }
  ScheduleFile::MakeWeekdayBackupOfBytes(content, ScheduleToday());
  settleScheduleBytesRead(std::move(content), stamp);
}

void ScheduleWindow::loadDateLists() {
  const QDate today = ScheduleToday();
  RefillList(Cmb_Nen, YearListItems());
  Cmb_Nen->setCurrentIndex(NearestYearListIndex(today.year()));
  RefillList(Cmb_Tuki, MonthListItems());
  Cmb_Tuki->setCurrentIndex(today.month() - 1);
  RefillList(Cmb_Hi, DayListItems());
  Cmb_Hi->setCurrentIndex(today.day() - 1);
}

void ScheduleWindow::loadOptions() {
  for (const char* key : {"ROKUYOU", "GETUREI", "WEEKNO", "START", "4GATU", "DISPDAY"}) loadCheckOption(key);
  Options.MemoLineCount = ReadScheduleOptionInt16(QStringLiteral("MEMO_GYO"));
  loadCheckOption("MEMO_YOTEI");
  loadListOption(cmb_kirisute, RightEdgeItems(), "KIRISUTE", 0);
  loadCheckOption("MEMORI");
  loadCheckOption("MEMORI_TEN");
  loadListOption(cmb_memori2, HourRangeItems(), "MEMORI2", 1);
  for (const char* key : {"KOUSI_HANTEN", "TATEKEI0", "TATEKEI1"}) loadCheckOption(key);
  loadListOption(cmb_tatekei, RuleDivisionItems(), "TATEKEI2", 0);
  for (const char* key : {"YOKOKEI", "NENKESI", "SUNDAY"}) loadCheckOption(key);
  Options.RedWeekday = ReadScheduleOptionInt16(QStringLiteral("DAY_RED"));
  Options.BlueWeekday = ReadScheduleOptionInt16(QStringLiteral("DAY_BRUE"));
  Options.RestDayShade = ReadScheduleOptionInt32(QStringLiteral("AMI_KOKYU"));
  for (const char* key : {"EIGO", "NAIYOU", "TEIKI"}) loadCheckOption(key);
  Options.ShiftPattern = ReadScheduleOption(QStringLiteral("YAKIN"));
  for (const char* key : {"YASUMI", "SYOUSAI", "NEXT"}) loadCheckOption(key);
}

void ScheduleWindow::loadLaterOptions() {
  loadCheckOption("AMIKAKE");
  loadCheckOption("KAKKO");
  if (Options.OptColourPrint == 0 && Options.OptShading == 0) chk_kakko->setChecked(true);
  for (const char* key : {"YOUBI", "MINI", "MINI_URA", "KOUSIYOHAKU", "KOUSI5SYU", "KAKEIBO"})
    loadCheckOption(key);
}

void ScheduleWindow::loadCheckOption(const char* key) {
  const QString name = QString::fromLatin1(key);
  const int16_t value = CheckBoxValue(ReadScheduleOptionInt16(name));
  FindScheduleOptionKey(name)->variable(Options) = value;
  FindCheckBoxOfKey(key)->box(*this)->setChecked(value == 1);
}

// A stored index that the list does not have becomes the fallback, which
// the list's handler then writes back.
void ScheduleWindow::loadListOption(QComboBox* list, const QStringList& items, const char* key, int16_t fallback) {
  RefillList(list, items);
  list->setCurrentIndex(
      ListIndexOrDefault(ReadScheduleOptionInt16(QString::fromLatin1(key)), items.size(), fallback));
}

// A "C:" date whose year the list lacks changes nothing.
void ScheduleWindow::selectCommandLineDate() {
  const QDate date = CommandLineScheduleDate(CommandLineText);
  if (!date.isValid() || YearListIndex(date.year()) < 0) return;
  Cmb_Nen->setCurrentIndex(YearListIndex(date.year()));
  Cmb_Tuki->setCurrentIndex(date.month() - 1);
  Cmb_Hi->setCurrentIndex(date.day() - 1);
}
