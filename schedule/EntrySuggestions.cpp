#include "EntrySuggestions.h"

#include <algorithm>

#include "EntryComposer.h"
#include "EntryKind.h"
#include "core/platform/Clock.h"
#include "core/text/StringHelpers.h"

namespace {

constexpr int kFirstHour = 8;
constexpr int kLastHour = 20;
constexpr int kMorningHour = 9;
constexpr int kProjectWeekChoices = 10;

QString HourText(int hour) { return QStringLiteral("%1:00 ").arg(hour, 2, 10, QLatin1Char('0')); }

// Entries 1, 2, ... up to the first empty one.
QStringList EntryRun(const QStringList& entries) {
  QStringList run;
  for (qsizetype i = 1; i < entries.size() && !entries.at(i).isEmpty(); ++i) run << entries.at(i);
  return run;
}

QStringList WeekdayRuleStarts() {
  QStringList items;
  for (int w = 0; w < 7; ++w) items << EntryKind::WeekdayNames.mid(w * 2, 2) + u':';
  return items;
}

QStringList ProjectSpanStarts() {
  QStringList items;
  for (int n = 1; n <= kProjectWeekChoices; ++n)
    items << QStringLiteral("～%1週:").arg(n, 2, 10, QLatin1Char('0'));
  return items;
}

// A list whose first item is selected and shown in the box.
Suggestions Fixed(const QStringList& items) { return {items, true, items.value(0)}; }

}  // namespace

KindChoiceStep DecideKindChoice(const QString& kind, bool designHasTimes, QString& lastEntryKind) {
  if (kind == EntryKind::Separator) return KindChoiceStep::SelectNext;
  if (kind == EntryKind::Time && !designHasTimes) return KindChoiceStep::RefuseTime;
  if (lastEntryKind == EntryKind::Plan) lastEntryKind = EntryKind::Actual;
  if (kind == lastEntryKind) return KindChoiceStep::KeepSuggestions;
  lastEntryKind = kind;
  return KindChoiceStep::Refill;
}

QString TimeKindRefusal() { return QStringLiteral("「時刻」は日予定/週間予定表のみ入力可能です。"); }

Suggestions SuggestionsForKind(const QString& kind, const QStringList& storedPhrases,
                               const QStringList& symbols, int hour) {
  const QString blank;
  switch (EntryKind::Classify(kind)) {
    case EntryKindClass::Time: return Fixed(HourSuggestions(hour));
    case EntryKindClass::RestDay:
      return {{blank, QStringLiteral("正月休み"), QStringLiteral("夏季休暇")}, false, std::nullopt};
    case EntryKindClass::Anniversary:
    case EntryKindClass::EveryYear: return {{blank, QStringLiteral("誕生日")}, false, std::nullopt};
    case EntryKindClass::Holiday: return {{blank, QStringLiteral("出勤日")}, false, std::nullopt};
    case EntryKindClass::Symbol: return Fixed(EntryRun(symbols));
    case EntryKindClass::EveryMonth: return {{blank}, true, std::nullopt};
    case EntryKindClass::EveryWeek:
    case EntryKindClass::NthWeekday:
    case EntryKindClass::MonthNthWeekday: return Fixed(WeekdayRuleStarts());
    case EntryKindClass::Plan:
    case EntryKindClass::Actual: return Fixed(ProjectSpanStarts());
    default: return {QStringList{blank} + EntryRun(storedPhrases), false, std::nullopt};
  }
}

QStringList HourSuggestions(int hour) {
  const int h = std::clamp(hour + 1, kFirstHour, kLastHour);
  QStringList items;
  for (int i = h; i <= kLastHour; ++i) items << HourText(i);
  for (int i = kMorningHour; i <= h; ++i) items << HourText(i);
  return items;
}

int NewSuggestionPosition(const QStringList& items, const QString& text) {
  const QString wanted = WithoutTrailingBlanks(text);
  for (const QString& item : items)
    if (WithoutTrailingBlanks(item) == wanted) return -1;
  return std::min<int>(1, items.size());
}

QTime ScheduleNow() { return platform::CurrentTime(); }

void SetScheduleNow(const QTime& time) { platform::SetFixedTime(time); }
