#pragma once
// Colours and names of the weekdays as the calendars print them.
#include <QString>
#include <cstdint>

inline constexpr int32_t kBlue = 1;
inline constexpr int32_t kRed = 4;
// One mark a weekday from Sunday, and Sunday again for Monday-first weeks:
// R red, B blue, blank the text colour.
inline const QString kWeekdayColours = QStringLiteral("R     BR");
inline const QString kJapaneseNames = QStringLiteral("日月火水木金土日");
inline const QString kEnglishNames = QStringLiteral("SunMonTueWedThuFriSatSun");
// Two characters a day, for the narrow mini calendar.
inline const QString kEnglishInitials = QStringLiteral("S M T W T F S S  ");
