#include "SchedulePrintButton.h"

#include "SheetCount.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "core/dates/Calendar.h"
#include "schedule/DesignCatalog.h"
#include "schedule/SchedulePrintSource.h"

namespace {

void Warn(const QString& text) {
  platform::ShowMessage(text, platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
}

// Ends the job however the drivers left it: the option put back, the document
// ended, the window enabled again.
class JobEnd {
 public:
  JobEnd(SchedulePrintSource& source) : source_(source), saved_(source.PrintOptions().OptSundayStart) {
    BeginBusy(source_.PrintBusyWindow());
    source_.HoldScheduleFileForJob(true);
  }
  ~JobEnd() {
    source_.HoldScheduleFileForJob(false);
    source_.PrintOptions().OptSundayStart = saved_;
    EndPrintDocument();
    EndBusy(source_.PrintBusyWindow());
  }
  JobEnd(const JobEnd&) = delete;
  JobEnd& operator=(const JobEnd&) = delete;

 private:
  SchedulePrintSource& source_;
  int16_t saved_;
};

}  // namespace

QDate PrintStartDay(const SchedulePrintControls& controls, int16_t optSundayStart) {
  const QDate first = DateFromText(controls.Cmb_Nen.trimmed() + u'/' + controls.Cmb_Tuki.trimmed() + QStringLiteral("/01"));
  if (!first.isValid()) return {};
  if (!controls.Cmb_Type_Caption.contains(QStringLiteral("週間予定"))) return first;
  // A day past the month's end (the lists may lag behind) stands for its last day.
  const int day = std::clamp(int(controls.Cmb_Hi.trimmed().toInt()), 1, int(DaysInMonth(first)));
  QDate start = first.addDays(day - 1);
  start = start.addDays(-(start.dayOfWeek() % 7));  // the Sunday on or before
  if (!(controls.Chk_start_Visible && optSundayStart != 0)) start = start.addDays(1);
  return start;
}

void Cmd_print_Click(SchedulePrintSource& source, const SchedulePrintDrivers& drivers) {
  const SchedulePrintControls controls = source.PrintControls();
  if (controls.Cmb_Type < 0 || controls.Cmb_Type_Caption.isEmpty()) {
    Warn(QStringLiteral("印刷する予定表を選んでください。"));
    return;
  }
  // Refused before the dialog: nothing could be printed for them.
  if (!PrintStartDay(controls, 0).isValid()) {
    Warn(QStringLiteral("年を選んでください。"));
    return;
  }
  if (SheetCountValue(controls.Txt_maisu) > kMaxSheetCount) {
    Warn(QStringLiteral("枚数が多すぎます。"));
    return;
  }
  if (ShowPrintDialog() == PrintDialogResult::Cancelled) return;

  JobEnd end(source);
  ScheduleOptions& options = source.PrintOptions();
  if (controls.Cmb_Type_Caption.contains(QStringLiteral("３列"))) options.OptSundayStart = 0;

  QStringList texts;
  DayKind kind = DayKind::Ordinary;
  source.GetDaySchedule(QDate(), texts, kind);
  if (!source.ScheduleFileReadable())
    Warn(QStringLiteral("予定ファイル「%1」を読めません。\r\n予定なしで印刷します。").arg(source.PrintScheduleFileName()));

  QDate startDay = PrintStartDay(controls, options.OptSundayStart);
  SetPrinterScaleMode(kScaleMillimetres);
  int16_t designCode = int16_t(DesignCode(controls.Cmb_Type, controls.Cmb_men));

  int handled = 0;
  if (PaperSettings.SuperOrganiserMode == 1) {
    SetPrinterOrientation(kLandscape);
    for (const SchedulePrintDriver& driver : drivers.fourFold) handled += driver(source, designCode, startDay);
  } else {
    SetPrinterOrientation(kPortrait);
    for (const SchedulePrintDriver& driver : drivers.normal) handled += driver(source, designCode, startDay);
  }
  if (handled == 0) Warn(QStringLiteral("まだ印刷できません、要望があったら作ります(^^;"));
}
