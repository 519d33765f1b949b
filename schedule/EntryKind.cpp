#include "EntryKind.h"

#include "core/platform/Codec.h"

const QString EntryKind::Plain = QStringLiteral("　　");
const QString EntryKind::Time = QStringLiteral("時刻");
const QString EntryKind::Detail = QStringLiteral("詳細");
const QString EntryKind::Symbol = QStringLiteral("記号");
const QString EntryKind::EveryYear = QStringLiteral("毎年");
const QString EntryKind::EveryMonth = QStringLiteral("毎月");
const QString EntryKind::EveryWeek = QStringLiteral("毎週");
const QString EntryKind::Anniversary = QStringLiteral("記念");
const QString EntryKind::RestDay = QStringLiteral("公休");
const QString EntryKind::Holiday = QStringLiteral("祝日");
const QString EntryKind::SubstituteHoliday = QStringLiteral("振休");
const QString EntryKind::WorkDay = QStringLiteral("出勤");
const QString EntryKind::Secret = QStringLiteral("秘密");
const QString EntryKind::Plan = QStringLiteral("予定");
const QString EntryKind::Actual = QStringLiteral("実績");
const QString EntryKind::Done = QStringLiteral("完了");
const QString EntryKind::Separator = QStringLiteral("－－");
const QString EntryKind::WeekdayNames = QStringLiteral("日曜月曜火曜水曜木曜金曜土曜");

namespace {

const QString kOrdinals = QStringLiteral("１２３４５");
const QChar kFullWidthBlank = QChar(0x3000);

// Every kind is two full-width characters. Half-width text, control
// characters and bytes that form no character (which decode to single-byte
// stand-ins) in those columns mean the line is no schedule line.
bool IsKindShaped(const QString& kind) {
  if (kind.size() != 2) return false;
  for (QChar c : kind) {
    if (platform::SjisCharBytes(c) != 2) return false;
  }
  return true;
}

}  // namespace

QStringList EntryKind::ColourKinds() {
  return {QStringLiteral("赤　"), QStringLiteral("黄　"), QStringLiteral("青　"),
          QStringLiteral("緑　"), QStringLiteral("紫　")};
}

QStringList EntryKind::KindList() {
  QStringList list{Plain};
  list << ColourKinds() << Separator << Time << Symbol << Separator << EveryYear << EveryMonth
       << EveryWeek;
  for (QChar n : kOrdinals) list << QStringLiteral("第") + n;
  for (QChar n : kOrdinals) list << QStringLiteral("月") + n;
  list << Separator << Anniversary << RestDay << Holiday << WorkDay << Secret << Separator << Plan
       << Actual << Done;
  return list;
}

int EntryKind::Ordinal(const QString& kind) {
  if (kind.size() != 2 || (kind.at(0) != u'第' && kind.at(0) != u'月')) return 0;
  const int n = kOrdinals.indexOf(kind.at(1));
  return n < 0 ? 0 : n + 1;
}

bool EntryKind::IsRecurringRule(const QString& kind) {
  switch (Classify(kind)) {
    case EntryKindClass::EveryMonth:
    case EntryKindClass::EveryWeek:
    case EntryKindClass::NthWeekday:
    case EntryKindClass::MonthNthWeekday: return true;
    default: return false;
  }
}

EntryKindClass EntryKind::Classify(const QString& kind) {
  if (!IsKindShaped(kind)) return EntryKindClass::Invalid;
  static const QList<QPair<QString, EntryKindClass>> named{
      {Time, EntryKindClass::Time},          {Detail, EntryKindClass::Detail},
      {Symbol, EntryKindClass::Symbol},      {EveryYear, EntryKindClass::EveryYear},
      {EveryMonth, EntryKindClass::EveryMonth}, {EveryWeek, EntryKindClass::EveryWeek},
      {Anniversary, EntryKindClass::Anniversary}, {RestDay, EntryKindClass::RestDay},
      {Holiday, EntryKindClass::Holiday},    {SubstituteHoliday, EntryKindClass::SubstituteHoliday},
      {WorkDay, EntryKindClass::WorkDay},    {Secret, EntryKindClass::Secret},
      {Plan, EntryKindClass::Plan},          {Actual, EntryKindClass::Actual},
      {Done, EntryKindClass::Done},
  };
  for (const auto& [name, cls] : named) {
    if (kind == name) return cls;
  }
  if (Ordinal(kind) > 0) {
    return kind.at(0) == u'第' ? EntryKindClass::NthWeekday : EntryKindClass::MonthNthWeekday;
  }
  if (kind.at(0) != kFullWidthBlank && kind.at(1) == kFullWidthBlank) return EntryKindClass::Colour;
  return EntryKindClass::Plain;
}

int EntryKind::WeekdayOfRuleText(const QString& text) {
  // Only a whole name counts: "曜月" straddles two names and names no day.
  const QString name = text.left(2);
  if (name.size() != 2) return 0;
  for (int w = 0; w < 7; ++w) {
    if (WeekdayNames.mid(w * 2, 2) == name) return w + 1;
  }
  return 0;
}
