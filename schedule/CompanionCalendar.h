#pragma once
// The companion calendar jxcalpad, which shows the schedule file month by
// month; the schedule window's "ｶﾚﾝﾀﾞｰ" button and the to-do calendar start it
// when it sits in the program folder.
#include <QString>

// The companion calendar's program name.
QString CompanionCalendarName();
