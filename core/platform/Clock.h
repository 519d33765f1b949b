#pragma once
// Today's date and the time of day as the program sees them. Every window
// asks here instead of the system clock, so that a test can fix the day and
// the time and get the same dates, backups and time stamps on every run.
#include <QDate>
#include <QDateTime>
#include <QTime>

namespace platform {

QDate Today();
QTime CurrentTime();
// Today() with CurrentTime(), in local time.
QDateTime CurrentDateTime();

// Fixes the day or the time; an invalid value returns to the system clock.
void SetFixedToday(const QDate& date);
void SetFixedTime(const QTime& time);

}  // namespace platform
