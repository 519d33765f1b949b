#include <gtest/gtest.h>

#include <QFile>
#include <QSet>

#include "LookupTestSupport.h"
#include "schedule/Calendar.h"
#include "schedule/DaySchedule.h"
#include "schedule/HolidayLines.h"

namespace {

// The reference list of the law's holidays, made apart from the program's
// holiday writer (one "yyyy/mm/dd name" a line).
QSet<QDate> LawHolidays() {
  QSet<QDate> law;
  QFile f(QStringLiteral(RINGPAD_SOURCE_DIR "/tests/schedule/fixtures/law_holidays.txt"));
  if (!f.open(QIODevice::ReadOnly)) return law;
  for (const QByteArray& line : f.readAll().split('\n')) {
    if (line.size() >= 10) law.insert(DateFromText(QString::fromUtf8(line.left(10))));
  }
  return law;
}

TEST(HolidayLookup, EveryDayFrom1999To2099IsAHolidayExactlyWhenTheLawSaysSo) {
  const QSet<QDate> law = LawHolidays();
  ASSERT_GT(law.size(), 1700);
  const QStringList lines = HolidayLines();
  DaySchedule schedule([&](const QString&, QStringList& out) {
    out = lines;
    return true;
  });
  const DayScheduleOptions options = FreshWindowOptions();
  int mismatches = 0;
  QStringList texts;
  DayKind kind = DayKind::Ordinary;
  for (QDate d(1999, 1, 1); d.year() <= 2099; d = d.addDays(1)) {
    schedule.GetDaySchedule(d, options, texts, kind);
    const bool holiday = kind == DayKind::Holiday || kind == DayKind::SubstituteHoliday;
    const bool expected = law.contains(d);
    // Only holiday lines are in the file, so the heading names exactly the
    // holidays.
    if (holiday != expected || texts.at(0).isEmpty() == expected || texts.size() != 1) {
      ADD_FAILURE() << DateToText(d).toStdString() << " kind " << int(kind) << " heading \""
                    << texts.at(0).toStdString() << "\" law " << expected;
      if (++mismatches > 20) return;
    }
  }
}

}  // namespace
