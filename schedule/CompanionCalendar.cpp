#include "CompanionCalendar.h"

QString CompanionCalendarName() { return QStringLiteral("jxcalpad"); }
