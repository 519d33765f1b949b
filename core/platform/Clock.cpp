#include "Clock.h"

namespace platform {

namespace {
QDate fixedToday;
QTime fixedTime;
}  // namespace

QDate Today() { return fixedToday.isValid() ? fixedToday : QDate::currentDate(); }

QTime CurrentTime() { return fixedTime.isValid() ? fixedTime : QTime::currentTime(); }

QDateTime CurrentDateTime() { return QDateTime(Today(), CurrentTime()); }

void SetFixedToday(const QDate& date) { fixedToday = date; }

void SetFixedTime(const QTime& time) { fixedTime = time; }

}  // namespace platform
