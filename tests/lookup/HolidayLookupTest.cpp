#include <gtest/gtest.h>

#include <QFile>
#include <QMap>

#include "LookupTestSupport.h"
#include "core/dates/Calendar.h"
#include "schedule/DaySchedule.h"
#include "schedule/HolidayLines.h"

namespace {

// The law's holidays from a reference list made apart from the program
// ("yyyy/mm/dd name" a line), under the names the schedule shows: the
// substitute holiday reads 振休 when the lookup derives it.
QMap<QDate, QString> LawHolidays() {
  QMap<QDate, QString> law;
  QFile f(QStringLiteral(RINGPAD_SOURCE_DIR "/tests/schedule/fixtures/law_holidays.txt"));
  if (!f.open(QIODevice::ReadOnly)) return law;
  for (const QByteArray& raw : f.readAll().split('\n')) {
    const QString line = QString::fromUtf8(raw);
    if (line.size() <= 11) continue;
    QString name = line.mid(11);
    if (name == "元日") name = "元旦";  // what schedules have always called it
    law.insert(DateFromText(line.left(10)), name);
  }
  return law;
}

// The holiday names of a heading: "name " for each holiday line, "振休" for
// a derived substitute holiday.
QStringList HeadingNames(QString heading) {
  QStringList names;
  while (heading.startsWith("振休")) {
    names.append("振替休日");
    heading = heading.mid(2);
  }
  for (const QString& part : heading.split(' ', Qt::SkipEmptyParts)) {
    if (part.endsWith("振休") && part != "振休") {
      names.append(part.chopped(2));
      names.append("振替休日");
    } else {
      names.append(part == "振休" ? QStringLiteral("振替休日") : part);
    }
  }
  return names;
}

class HolidayLookup : public ::testing::Test {
 protected:
  HolidayLookup()
      : lines_(HolidayLines()), schedule_([this](const QString&, QStringList& out) {
          out = lines_;
          return true;
        }) {}

  QString Heading(const QDate& d, DayKind* kind = nullptr) {
    QStringList texts;
    DayKind k = DayKind::Ordinary;
    schedule_.GetDaySchedule(d, FreshWindowOptions(), texts, k);
    if (kind) *kind = k;
    EXPECT_EQ(texts.size(), 1) << DateToText(d).toStdString();
    return texts.value(0);
  }

  QStringList lines_;
  DaySchedule schedule_;
};

// From the law of 20 July 1948; before it the every-year lines show as they
// do in any year.
TEST_F(HolidayLookup, EveryDayFrom1948To2099NamesExactlyTheLawsHolidays) {
  const QMap<QDate, QString> law = LawHolidays();
  ASSERT_GT(law.size(), 2400);
  int mismatches = 0;
  for (QDate d(1948, 7, 20); d.year() <= 2099; d = d.addDays(1)) {
    DayKind kind = DayKind::Ordinary;
    const QString heading = Heading(d, &kind);
    const QStringList names = HeadingNames(heading);
    const QStringList expected = law.contains(d) ? QStringList{law.value(d)} : QStringList{};
    const bool holiday = kind == DayKind::Holiday || kind == DayKind::SubstituteHoliday;
    if (names != expected || holiday != law.contains(d)) {
      ADD_FAILURE() << DateToText(d).toStdString() << " heading \"" << heading.toStdString()
                    << "\" kind " << int(kind) << " law \"" << law.value(d).toStdString() << "\"";
      if (++mismatches > 20) return;
    }
  }
}

TEST_F(HolidayLookup, NamedDays) {
  const struct {
    QDate day;
    const char* heading;
  } cases[] = {
      // 4 May a Sunday: the substitute passes over 5 May.
      {QDate(2025, 5, 5), "こどもの日 "},
      {QDate(2025, 5, 6), "振替休日 "},
      {QDate(2014, 5, 6), "振替休日 "},
      {QDate(2026, 7, 20), "海の日 "},
      {QDate(2026, 7, 21), ""},
      // Before 1999.
      {QDate(1988, 4, 29), "天皇誕生日 "},
      {QDate(1989, 4, 29), "みどりの日 "},
      {QDate(1990, 12, 23), "天皇誕生日 "},
      {QDate(1990, 5, 4), "国民の休日 "},
      {QDate(1995, 1, 15), "成人の日 "},
      {QDate(1948, 9, 23), "秋分の日 "},
  };
  for (const auto& c : cases) EXPECT_EQ(Heading(c.day), c.heading) << DateToText(c.day).toStdString();
}

}  // namespace
