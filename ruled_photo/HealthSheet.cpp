#include "HealthSheet.h"

#include "PlainPage.h"
#include "RuledPageText.h"
#include "RuledPaperOptions.h"
#include "core/settings/Ini.h"
#include "schedule/Calendar.h"
#include "schedule/DateLists.h"

namespace {

const QString kSection = QStringLiteral("DADADA");

int16_t SwitchValue(const QString& text) { return BoxNumber(text) == 1 ? 1 : 0; }

void FillHealthControls(RuledPaperOptions& o) {
  o.Cmb_kenko_items = {QStringLiteral("日付なし"), QStringLiteral("毎日"), QStringLiteral("毎週 (日曜)"),
                       QStringLiteral("曜日なし")};
  o.Cmb_kenko = 0;
  o.txt_kenko_yyyymmdd = DateToText(ScheduleToday());
  const QString one = QStringLiteral("1");
  o.chk_kenko_hosuu = SwitchValue(GetIniValueOrDefault(kSection, QStringLiteral("HOSUU"), one));
  o.Chk_kenko_cycle = SwitchValue(GetIniValue(kSection, QStringLiteral("CYCLE")));
  o.Chk_kenko_ketuatu = SwitchValue(GetIniValue(kSection, QStringLiteral("KETUATU")));
  o.Chk_kenko_ketuatu_grapth = SwitchValue(GetIniValue(kSection, QStringLiteral("KETUATU_G")));
  o.Chk_kenko_taijyu_grapth = SwitchValue(GetIniValue(kSection, QStringLiteral("TAIJYU_G")));
  o.Chk_kenko_taion_grapth = SwitchValue(GetIniValue(kSection, QStringLiteral("TAION_G")));
  o.Chk_kenko_taisibou = SwitchValue(GetIniValue(kSection, QStringLiteral("TAISIBOU")));
  o.Chk_kenko_kusuri = SwitchValue(GetIniValue(kSection, QStringLiteral("KUSURI")));
  o.chk_kenko_seikatu = SwitchValue(GetIniValueOrDefault(kSection, QStringLiteral("SEIKATU"), one));
}

// Where the next page starts: the Sunday on or before the start, one week on
// for the daily heads, seven weeks on for the weekly ones.
QDate NextPageStart(const QDate& start, int kind) {
  if (!start.isValid()) return start;
  const QDate sunday = start.addDays(1 - WeekdayNumber(start));
  if (kind == 0 || kind == 1) return sunday.addDays(7);
  if (kind == 2) return sunday.addDays(49);
  return sunday;
}

}  // namespace

void DrawHealthSheet(RuledPaperOptions& o, double left, double right, QDate& startDate) {
  if (left == 0 && right == 0) {
    FillHealthControls(o);
    return;
  }
  // The record table itself comes with the health sheet's own page; the
  // page and the dates of the job are already those of the finished sheet.
  DrawPlainPage(o, left, right);
  startDate = NextPageStart(startDate, o.Cmb_kenko);
}
