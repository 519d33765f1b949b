#include "DayStyles.h"

#include "core/dates/DateFormat.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "core/dates/LunarCalendar.h"
#include "schedule/SchedulePrintSource.h"
#include "WeekdayMarks.h"

namespace {

constexpr int32_t kBlack = 0;
constexpr int32_t kGreen = 2;
constexpr int32_t kPurple = 5;
constexpr int32_t kYellow = -2;
constexpr int32_t kPaleRed = 0xEEEEFF;
constexpr int32_t kPaleBlue = 0xFFEEEE;

bool Bracketed(DayKind kind) {
  return kind == DayKind::Holiday || kind == DayKind::SubstituteHoliday || kind == DayKind::RestDay;
}

}  // namespace

int32_t DayKindTextColor(const ScheduleOptions& options, DayKind kind) {
  if (options.OptColourPrint != 1) return kBlack;
  switch (kind) {
    case DayKind::RedWeekday:
    case DayKind::Holiday:
    case DayKind::SubstituteHoliday:
    case DayKind::RestDay: return kRed;
    case DayKind::BlueWeekday: return kBlue;
    default: return PaperSettings.DefaultColor;
  }
}

int32_t DayKindBackColor(const ScheduleOptions& options, DayKind kind) {
  if (options.OptColourPrint != 1) return PaperSettings.ShadeColor;
  switch (kind) {
    case DayKind::RedWeekday:
    case DayKind::Holiday:
    case DayKind::SubstituteHoliday: return kPaleRed;
    case DayKind::BlueWeekday: return kPaleBlue;
    case DayKind::RestDay: return options.RestDayShade;
    default: return PaperSettings.ShadeColor;
  }
}

QString DayNumberLabel(const ScheduleOptions& options, DayKind kind, const QDate& day) {
  SetForeColor(DayKindTextColor(options, kind));
  return DayNumberText(options, kind, day);
}

QString DayNumberText(const ScheduleOptions& options, DayKind kind, const QDate& day) {
  const QString number = QStringLiteral("%1").arg(day.day(), 2);
  if (options.OptColourPrint != 1 && Bracketed(kind)) return u'[' + number + u']';
  return u' ' + number + u' ';
}

QString WeekdayLabel(const ScheduleOptions& options, const QDate& day, DayKind kind) {
  const QString name = FormatDate(day, options.OptEnglish == 1 ? QStringLiteral("ddd") : QStringLiteral("aaa"));
  if (options.OptBrackets == 1) {
    if (kind == DayKind::RedWeekday || kind == DayKind::BlueWeekday) return u'(' + name + u')';
    if (Bracketed(kind)) return u'[' + name + u']';
  }
  return u' ' + name + u' ';
}

void ApplyColourPrefix(const ScheduleOptions& options, QString& entryText) {
  int32_t colour = PaperSettings.DataColor;
  if (options.OptColourPrint == 1 && !entryText.isEmpty()) {
    switch (entryText[0].unicode()) {
      case u'赤': colour = kRed; break;
      case u'黄': colour = kYellow; break;
      case u'青': colour = kBlue; break;
      case u'緑': colour = kGreen; break;
      case u'紫': colour = kPurple; break;
      default: break;
    }
  }
  SetForeColor(colour);
  entryText = entryText.mid(1);
}

QDate WeekCountedDay(const ScheduleOptions& options, const QDate& day) {
  return day.dayOfWeek() == 7 && options.OptColourPrint == 0 ? day.addDays(-1) : day;
}

void GetDayAnnotations(SchedulePrintSource& source, const QDate& day) {
  const ScheduleOptions& options = source.PrintOptions();
  if (options.OptRokuyou == 1 || options.OptMoonPhase == 1)
    LunarDayInfo(day, source.RokuyouText, source.MoonMarkText);
  if (options.OptRokuyou != 1) source.RokuyouText.clear();
  if (options.OptMoonPhase != 1) source.MoonMarkText.clear();
  source.WeekNumberText.clear();
  if (day.dayOfWeek() == 1 && options.OptWeekNumber == 1)
    source.WeekNumberText = FormatDate(day, QStringLiteral("\\(ww\\)"));
}
