#pragma once
// How a day is classed for printing: the lookup of a day's entries returns
// one of these with the day's texts, and the page renderers choose the ink
// from it (1, 2, 3 and 5 red, 4 blue, 5 also shaded).
#include <cstdint>

enum class DayKind : int16_t {
  Ordinary = 0,           // also any day with a working-day line
  RedWeekday = 1,         // the weekday chosen to print red (Sunday by default)
  Holiday = 2,            // a public-holiday line
  SubstituteHoliday = 3,  // a substitute holiday
  BlueWeekday = 4,        // the weekday chosen to print blue (Saturday by default)
  RestDay = 5,            // a rest day of the user's workplace
};
