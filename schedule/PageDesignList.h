#pragma once
// The page designs of the schedule window's design list, in list order; the
// list index is the design index that the printing dispatches on.
#include <QStringList>

QStringList PageDesignCaptions();

constexpr int kPageDesignCount = 27;
// Selected when the window loads: the monthly ruled list for the
// super-organiser size, else the large A4 landscape calendar.
constexpr int kSuperOrganiserDefaultDesign = 2;
constexpr int kDefaultDesign = 25;
