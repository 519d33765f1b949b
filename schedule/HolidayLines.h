#pragma once
// The public-holiday lines with which every new schedule file starts.
//
// A holiday on the same date and under the same name in every year covered
// is one every-year line ("    /mm/dd 祝日 name"); all others are dated lines
// of each year. The lookup derives by itself the Monday after a dated
// holiday line on a Sunday; every other substitute holiday (after an
// every-year line, or passing over the holidays that follow the Sunday) and
// every day between two holidays is written as a dated line of its own, and
// the lookup derives nothing onto a day that has its line. So each day of
// the covered years comes out a holiday exactly when the law made it one.
// The lines start with the law of July 1948; the every-year lines show in
// any year, as they always did.
#include <QString>
#include <QStringList>

#include "core/settings/DataFileRewrite.h"

constexpr int kHolidayLinesFirstYear = 1948;
constexpr int kHolidayLinesLastYear = 2099;

// The lines in file order: the every-year lines in date order, then each
// year's dated lines in date order.
QStringList HolidayLines(int firstYear = kHolidayLinesFirstYear,
                         int lastYear = kHolidayLinesLastYear);

// Creates the file at path, replacing any file there, with the holiday
// lines (code page 932, CR LF, blanks as separators). A failure is shown in
// a message box and leaves an existing file as it was; the file a first
// start makes of its own accord says so in the options.
bool WriteHolidayLines(const QString& path, const DataFileWriteOptions& options = {});
