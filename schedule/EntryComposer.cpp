#include "EntryComposer.h"

#include <QDate>

#include "EntryKind.h"
#include "ScheduleLine.h"
#include "core/text/Numbers.h"
#include "core/text/StringHelpers.h"

namespace {

const QString kNoMonthOrDay = QStringLiteral("  ");
constexpr int kFirstEnteredYear = 1988;

// A 祝日 is written for every year only when the law has kept it on one date
// for all years; any other holiday (the Monday holidays, the equinoxes, the
// birthdays of emperors, substitute days and names the editor does not know)
// keeps the year it was entered for, or it would show on the same date in
// every year.
bool IsFixedDateHoliday(const QString& text) {
  static const QStringList kNames{QStringLiteral("元旦"),       QStringLiteral("元日"),
                                  QStringLiteral("建国記念の日"), QStringLiteral("昭和の日"),
                                  QStringLiteral("憲法記念日"),   QStringLiteral("こどもの日"),
                                  QStringLiteral("文化の日"),     QStringLiteral("勤労感謝の日")};
  return kNames.contains(TrimBlanks(text));
}

bool IsYearless(const QString& kind) {
  return kind == EntryKind::Anniversary || kind == EntryKind::EveryYear || kind == EntryKind::Holiday;
}

QString DateMessage(const EntryFields& f) {
  return QStringLiteral("入力した日付[") + f.year + u'/' + f.month + u'/' + f.day + QStringLiteral("]は誤っています。");
}

}  // namespace

void BlankRecurringDateParts(const QString& kind, const QString& text, QString& year, QString& month,
                             QString& day) {
  if (kind == EntryKind::EveryYear || (kind == EntryKind::Holiday && IsFixedDateHoliday(text)))
    year = ScheduleLine::kNoYear;
  switch (EntryKind::Classify(kind)) {
    case EntryKindClass::Anniversary:
      if (year == QLatin1String("1900") || ParseNumber(year) == 0) year = ScheduleLine::kNoYear;
      break;
    case EntryKindClass::EveryMonth:
      year = ScheduleLine::kNoYear;
      month = kNoMonthOrDay;
      break;
    case EntryKindClass::EveryWeek:
    case EntryKindClass::NthWeekday:
      year = ScheduleLine::kNoYear;
      month = day = kNoMonthOrDay;
      break;
    case EntryKindClass::MonthNthWeekday:
      year = ScheduleLine::kNoYear;
      day = kNoMonthOrDay;
      break;
    default: break;
  }
}

QString EntryRefusal(const EntryFields& f, bool update, int shownLineNumber) {
  if (update && shownLineNumber == 0) return QStringLiteral("更新する予定を選択し、一旦表示してください。");
  if (f.text.isEmpty() && f.kind != EntryKind::RestDay && f.kind != EntryKind::WorkDay)
    return QStringLiteral("内容を入力してください。");
  // The blank year is no year to compare: its entries are refused as no date.
  const int year = ScheduleLine::DigitsValue(f.year);
  if (year == 0) return DateMessage(f);
  if (!IsYearless(f.kind) && year < kFirstEnteredYear) return QStringLiteral("1988年以前は入力できません。");
  if (!QDate(year, ScheduleLine::DigitsValue(f.month), ScheduleLine::DigitsValue(f.day)).isValid())
    return DateMessage(f);
  return QString();
}

QString ComposeEntryLine(const EntryFields& f) {
  QString text = f.text == kBlankEntryText ? QString() : f.text;
  text.replace(u'\r', u' ').replace(u'\n', u' ');
  QString year = f.year, month = f.month, day = f.day;
  BlankRecurringDateParts(f.kind, text, year, month, day);
  return WithoutTrailingBlanks(ScheduleLine::Compose(year, month, day, u',', f.kind, text));
}
