#include "ScheduleOptions.h"

#include "core/settings/Ini.h"
#include "core/text/Numbers.h"

namespace {

#define OPTION_VARIABLE(member) [](ScheduleOptions& o) -> int16_t& { return o.member; }

const std::vector<ScheduleOptionKey> kKeys = {
    {"ROKUYOU", nullptr, OPTION_VARIABLE(OptRokuyou)},
    {"GETUREI", nullptr, OPTION_VARIABLE(OptMoonPhase)},
    {"WEEKNO", nullptr, OPTION_VARIABLE(OptWeekNumber)},
    {"START", nullptr, OPTION_VARIABLE(OptSundayStart)},
    {"4GATU", "0", OPTION_VARIABLE(OptAprilStart)},
    {"DISPDAY", "0", OPTION_VARIABLE(OptListDays)},
    {"MEMO_YOTEI", "0", OPTION_VARIABLE(OptMemoEntries)},
    {"MEMORI", nullptr, OPTION_VARIABLE(OptHourScale)},
    {"MEMORI_TEN", nullptr, OPTION_VARIABLE(OptDottedScale)},
    {"KOUSI_HANTEN", "0", OPTION_VARIABLE(OptGridInvert)},
    {"TATEKEI0", nullptr, OPTION_VARIABLE(RuleFlags[0])},
    {"TATEKEI1", nullptr, OPTION_VARIABLE(RuleFlags[1])},
    {"YOKOKEI", nullptr, OPTION_VARIABLE(OptHorizontalRules)},
    {"NENKESI", "0", OPTION_VARIABLE(OptNoYear)},
    {"SUNDAY", "1", OPTION_VARIABLE(OptColourPrint)},
    {"EIGO", nullptr, OPTION_VARIABLE(OptEnglish)},
    {"NAIYOU", "1", OPTION_VARIABLE(OptPrintEntries)},
    {"TEIKI", nullptr, OPTION_VARIABLE(OptRecurring)},
    {"YASUMI", "1", OPTION_VARIABLE(OptHolidayNames)},
    {"SYOUSAI", "1", OPTION_VARIABLE(OptDetailEntries)},
    {"NEXT", nullptr, OPTION_VARIABLE(OptNeighbourMonths)},
    {"AMIKAKE", "1", OPTION_VARIABLE(OptShading)},
    {"KAKKO", "1", OPTION_VARIABLE(OptBrackets)},
    {"YOUBI", "1", OPTION_VARIABLE(OptWeekdayRow)},
    {"MINI", "1", OPTION_VARIABLE(OptMiniCalendar)},
    {"MINI_URA", "0", OPTION_VARIABLE(OptMiniCalendarBack)},
    {"KOUSIYOHAKU", "1", OPTION_VARIABLE(OptGridMargin)},
    {"KOUSI5SYU", "0", OPTION_VARIABLE(OptHideSixthWeek)},
    {"KAKEIBO", "0", OPTION_VARIABLE(OptHouseholdRows)},
    {"MEMO", nullptr, OPTION_VARIABLE(OptMemo)},
    {"MEMORI2", "1", nullptr},
    {"KIRISUTE", "0", nullptr},
    {"TATEKEI2", "0", nullptr},
    {"PRJ_WEEK", "20", nullptr},
    {"MEMO_GYO", "12", nullptr},
    {"DAY_RED", "1", nullptr},
    {"DAY_BRUE", "7", nullptr},
    {"AMI_KOKYU", "&HEEFFEE", nullptr},
    {"YAKIN", "", nullptr},
};

#undef OPTION_VARIABLE

// n followed by suffix for n = first .. last, n right-aligned in width.
QStringList NumberedItems(int first, int last, int width, const QString& suffix) {
  QStringList items;
  for (int n = first; n <= last; ++n) items << QStringLiteral("%1").arg(n, width) + suffix;
  return items;
}

}  // namespace

const std::vector<ScheduleOptionKey>& ScheduleOptionKeys() { return kKeys; }

const ScheduleOptionKey* FindScheduleOptionKey(const QString& key) {
  for (const ScheduleOptionKey& k : kKeys)
    if (key == QLatin1String(k.key)) return &k;
  return nullptr;
}

QString ReadScheduleOption(const QString& key) {
  const ScheduleOptionKey* k = FindScheduleOptionKey(key);
  if (k && k->defaultValue)
    return GetIniValueOrDefault(kScheduleSection, key, QString::fromLatin1(k->defaultValue));
  return GetIniValue(kScheduleSection, key);
}

int16_t ReadScheduleOptionInt16(const QString& key) { return ParseInt16(ReadScheduleOption(key)); }

int32_t ReadScheduleOptionInt32(const QString& key) { return ParseInt32(ReadScheduleOption(key)); }

void WriteScheduleOption(const QString& key, int value) {
  WriteIniValue(kScheduleSection, key, QString::number(value));
}

int16_t CheckBoxValue(int16_t stored) { return stored == 1 ? 1 : 0; }

int16_t ListIndexOrDefault(int stored, int itemCount, int16_t fallback) {
  return stored >= 0 && stored < itemCount ? static_cast<int16_t>(stored) : fallback;
}

QStringList HourRangeItems() {
  return {QStringLiteral("時刻数字:なし"),  QStringLiteral("時刻数字:8-19"), QStringLiteral("時刻数字:8-20"),
          QStringLiteral("時刻数字:8-21"), QStringLiteral("時刻数字:8-7"),  QStringLiteral("時刻数字:6-23"),
          QStringLiteral("時刻数字:0-23"), QStringLiteral("縦に３列:0-23")};
}

QStringList RightEdgeItems() {
  return {QStringLiteral("(右端処理)"), QStringLiteral("右端で切捨て"), QStringLiteral("右端で折返し"),
          QStringLiteral("文字を小さく"), QStringLiteral("はみ出し")};
}

QStringList RuleDivisionItems() {
  return QStringList{QStringLiteral("分割無")} + NumberedItems(2, 6, 1, QStringLiteral("分割"));
}

QStringList DiaryYearItems() { return NumberedItems(1, 10, 1, QStringLiteral("年/頁")); }

QStringList ProjectWeekItems() { return NumberedItems(1, 99, 2, QStringLiteral("週")); }
