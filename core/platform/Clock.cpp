#include "Clock.h"

#include "core/platform/TestSeamRegistry.h"

namespace platform {

namespace {
QDate fixedToday;
QTime fixedTime;
}  // namespace

QDate Today() { return fixedToday.isValid() ? fixedToday : QDate::currentDate(); }

QTime CurrentTime() { return fixedTime.isValid() ? fixedTime : QTime::currentTime(); }

QDateTime CurrentDateTime() { return QDateTime(Today(), CurrentTime()); }

void SetFixedToday(const QDate& date) {
  RegisterSeamReset([] { SetFixedToday(QDate()); });
  fixedToday = date;
}

void SetFixedTime(const QTime& time) {
  RegisterSeamReset([] { SetFixedTime(QTime()); });
  fixedTime = time;
}

}  // namespace platform
