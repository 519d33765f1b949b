#pragma once
// What the schedule printing reads of the schedule window: its options, the
// values of the controls it prints from, the per-date lookup and the three
// annotation fields that the renderers fill and print. The printing lives in
// its own library above this one; the window reaches it through the print
// handler that the program registers at start-up.
#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "DayKind.h"
#include "ScheduleOptions.h"

class QWidget;

// The control values a print job reads, each named after its control. Check
// boxes read 1 when ticked; a list with no selection reads -1.
struct SchedulePrintControls {
  int Cmb_Type = -1;          // design index
  QString Cmb_Type_Caption;   // caption of the selected design, "" when none
  int Cmb_men = -1;           // layout index
  QString Cmb_Nen;            // year text ("    " for the blank year)
  QString Cmb_Tuki;           // month text
  QString Cmb_Hi;             // day text
  QString Txt_maisu;          // sheet count as typed
  bool Chk_start_Visible = false;  // as the design chooser left it, not as on screen
  int cmb_tatekei = 0;
  int16_t chk_mini_ura = 0;
  int16_t chk_tukikijyun = 0;
  int16_t Chk_retu = 0;
  int16_t chk_6dan = 0;
  int16_t Chk_naiyou = 0;
  int16_t Chk_amikake = 0;
  int16_t Chk_yokokei = 0;
  int16_t Chk_Tatekei0 = 0;
  QString txt_midasi;         // heading of the year calendar
};

class SchedulePrintSource {
 public:
  virtual ~SchedulePrintSource() = default;

  // The window's option variables; a job may change one for its own length
  // and put it back.
  virtual ScheduleOptions& PrintOptions() = 0;
  virtual SchedulePrintControls PrintControls() const = 0;
  // A null day empties the month cache.
  virtual void GetDaySchedule(const QDate& day, QStringList& texts, DayKind& kind) = 0;
  // The schedule file as the user knows it, and whether it can be read now.
  virtual QString PrintScheduleFileName() const = 0;
  virtual bool ScheduleFileReadable() const = 0;
  // The window disabled while a job runs (nullptr: none).
  virtual QWidget* PrintBusyWindow() = 0;
  // While a job holds it, the schedule file read at the job's start is taken
  // as unchanged: the lookup need not ask the disk at every change of month.
  virtual void HoldScheduleFileForJob(bool hold) { (void)hold; }

  // Filled by the annotation lookup, printed by the renderers; they keep the
  // last annotated day's texts after a job.
  QString RokuyouText;
  QString MoonMarkText;
  QString WeekNumberText;
};

// The print button's work. The program registers the schedule printing here;
// until then the button does nothing.
using SchedulePrintHandler = std::function<void(SchedulePrintSource&)>;
void SetSchedulePrintHandler(SchedulePrintHandler handler);
const SchedulePrintHandler& CurrentSchedulePrintHandler();
