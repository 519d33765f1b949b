#include "CompanionCalendar.h"

#include "Calendar.h"
#include "core/platform/Shell.h"
#include "core/settings/AppGlobals.h"
#include "core/ui/Launcher.h"

namespace {

// Window style of the calendar: a normal window with the focus.
constexpr int kNormalWithFocus = 1;

}  // namespace

QString CompanionCalendarName() { return QStringLiteral("jxcalpad"); }

bool RunCompanionCalendar(const QDate& date) {
  const QString program = platform::CompanionProgramPath(CompanionCalendarName());
  if (program.isEmpty()) {
    ShowCompanionMissingNotice(QStringLiteral("姉妹ソフト「") + CompanionCalendarName() + QStringLiteral("」を") +
                                   ExeName + QStringLiteral("と同じフォルダに入れると、ここから起動できます。"),
                               CompanionCalendarName());
    return false;
  }
  const QStringList arguments = date.isValid() ? QStringList{DateToText(date)} : QStringList();
  platform::RunProgramAndWait(program, arguments, kNormalWithFocus);
  return true;
}
