#include "CompanionCalendarRun.h"

#include "core/dates/Calendar.h"
#include "core/platform/CompanionProgram.h"
#include "core/settings/AppGlobals.h"
#include "core/ui/Launcher.h"
#include "schedule/CompanionCalendar.h"

namespace {

// Window style of the calendar: a normal window with the focus.
constexpr int kNormalWithFocus = 1;

}  // namespace

bool RunCompanionCalendar(const QDate& date) {
  const QStringList arguments = date.isValid() ? QStringList{DateToText(date)} : QStringList();
  return platform::RunCompanionProgram(CompanionCalendarName(), arguments, kNormalWithFocus, [] {
    ShowCompanionMissingNotice(QStringLiteral("姉妹ソフト「") + CompanionCalendarName() + QStringLiteral("」を") +
                                   ExeName + QStringLiteral("と同じフォルダに入れると、ここから起動できます。"),
                               CompanionCalendarName());
  });
}
