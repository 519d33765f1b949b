#pragma once
// What the weekly page tests share: a schedule whose every day carries one
// entry naming its date, and the organiser pages found on a recorded side.
#include <QDate>
#include <QStringList>
#include <vector>

#include "core/print/RecordingSurface.h"

// One "予定 Wmmdd" entry for every day from first to last.
QStringList DatedEntryLines(const QDate& first, const QDate& last);
// The entry text of a day, as a page prints it.
QString DatedEntry(const QDate& day);

// An organiser page drawn on a side: its range (from its footer rule) and the
// dated entries drawn before that rule, in order.
struct DrawnWeekPage {
  double x1 = 0, x2 = 0;
  QStringList entries;
};
std::vector<DrawnWeekPage> DrawnWeekPages(const std::vector<RecordedOp>& sideOps);
