#pragma once
// Readable gtest output for Qt texts, and the lookup options of a freshly
// loaded schedule window.
#include <gtest/gtest.h>

#include <QDate>
#include <QString>
#include <QStringList>
#include <ostream>

#include "schedule/DayKind.h"
#include "schedule/DaySchedule.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) {
  *os << '{';
  for (qsizetype i = 0; i < l.size(); ++i) *os << (i ? ", \"" : "\"") << l.at(i).toStdString() << '"';
  *os << '}';
}
inline void PrintTo(const QDate& d, std::ostream* os) { *os << d.toString(Qt::ISODate).toStdString(); }
QT_END_NAMESPACE

inline void PrintTo(DayKind k, std::ostream* os) { *os << "DayKind " << int(k); }

// The options as the schedule window has them after its first load (the
// defaults of DayScheduleOptions): holiday names, entries and timed entries
// on, recurring entries off, Sunday red and Saturday blue, no shift pattern.
inline DayScheduleOptions FreshWindowOptions(const QString& path = QString()) {
  DayScheduleOptions o;
  o.ScheduleFilePath = path;
  return o;
}
