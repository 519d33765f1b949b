#pragma once
// The public-holiday lines with which every new schedule file starts.
//
// A holiday on the same date and under the same name in every year covered
// is one every-year line ("    /mm/dd 祝日 name"); all others are dated lines
// of each year. The lookup of a day's entries derives by itself the day after
// a dated holiday line that falls on a Sunday (within the same month); every
// other substitute holiday, and every day between two holidays, is written
// as a dated line of its own, so that each day of the covered years comes
// out a holiday exactly when the law makes it one.
#include <QString>
#include <QStringList>

constexpr int kHolidayLinesFirstYear = 1999;
constexpr int kHolidayLinesLastYear = 2099;

// The lines in file order: the every-year lines in date order, then each
// year's dated lines in date order.
QStringList HolidayLines(int firstYear = kHolidayLinesFirstYear,
                         int lastYear = kHolidayLinesLastYear);

// Creates the file at path, replacing any file there, with the holiday
// lines (code page 932, CR LF, blanks as separators). A failure is shown in
// a message box and leaves an existing file as it was.
bool WriteHolidayLines(const QString& path);
