#include "LunarCalendar.h"

#include "NewMoonTable.h"

namespace {

constexpr int kFirstAnsweredYear = 1998;
constexpr int kFieldCount = 13;  // the leap month, then months 1 to 12
const QString kRokuyou = QStringLiteral("大安赤口先勝友引先負仏滅");

QString TableRow(int year) {
  const int index = year - NewMoonTableFirstYear;
  if (index < 0 || index >= NewMoonTableRows) return QString();
  return QString::fromLatin1(NewMoonTable[index]);
}

// The field's date, month "13" being January of the next year; invalid for a
// blank field.
QDate FieldDate(int rowYear, const QString& field) {
  if (field.size() != 5 || field.at(0) == u' ') return QDate();
  const int month = field.left(2).toInt();
  const int day = field.mid(3, 2).toInt();
  return month == 13 ? QDate(rowYear + 1, 1, day) : QDate(rowYear, month, day);
}

}  // namespace

bool LunarMonthAndDay(const QDate& d, int& month, int& day) {
  if (!d.isValid() || d.year() < kFirstAnsweredYear) return false;
  QDate start;
  int startMonth = 0;
  // The month holding d began in d's lunar year or the one before; the
  // latest first day not after d is the one.
  for (int rowYear : {d.year() - 1, d.year()}) {
    const QString row = TableRow(rowYear);
    if (row.isEmpty()) continue;
    for (int k = 1; k <= kFieldCount; ++k) {
      const QString field = row.mid((k - 1) * 6 + 5, 5);
      const QDate first = FieldDate(rowYear, field);
      if (!first.isValid() || first > d || (start.isValid() && first < start)) continue;
      start = first;
      // A leap month shares its number with the month before it, which is
      // one less than the calendar month in which the leap month begins.
      startMonth = k == 1 ? field.left(2).toInt() - 1 : k - 1;
    }
  }
  if (!start.isValid()) return false;
  const qint64 lunarDay = start.daysTo(d) + 1;
  // No lunar month is longer than 30 days: past that the table has ended.
  if (lunarDay > 30) return false;
  month = startMonth;
  day = int(lunarDay);
  return true;
}

void LunarDayInfo(const QDate& d, QString& rokuyou, QString& moonMark) {
  rokuyou.clear();
  moonMark.clear();
  int month = 0;
  int day = 0;
  if (!LunarMonthAndDay(d, month, day)) return;
  rokuyou = kRokuyou.mid(((month + day) % 6) * 2, 2) + u' ';
  if (day == 1) moonMark = QStringLiteral("●");
  if (day == 15) moonMark = QStringLiteral("○");
}
