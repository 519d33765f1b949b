#include "TestSeams.h"

#include <QDate>
#include <QTime>
#include <optional>

#include "charts/GanttPage.h"
#include "core/platform/Clipboard.h"
#include "core/platform/Clock.h"
#include "core/platform/FileDialog.h"
#include "core/platform/MessageBox.h"
#include "core/platform/ProgramExit.h"
#include "core/platform/ProgramPaths.h"
#include "core/platform/Shell.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/ui/FindDialog.h"
#include "core/ui/PrinterSetup.h"
#include "core/ui/ScreenArea.h"
#include "core/ui/SearchDialog.h"
#include "core/ui/ShowSettingsForm.h"
#include "schedule/ScheduleCsvFile.h"
#include "schedule/ScheduleCsvImportRun.h"
#include "schedule_print/FourUpPages.h"
#include "todo_memo/windows/DragTagSource.h"

// SetSchedulePrintHandler is no test seam: the program registers the schedule
// printing there once, and the page libraries' registration is what tests run.
void ResetAllTestSeams() {
  platform::SetMessageHandler({});
  platform::SetFileDialogHandler({});
  platform::SetShellHandler({});
  platform::SetEndProgramHandler({});
  platform::SetReadOnlyFolderOverride(QString());
  platform::UseMemoryClipboard(false);
  platform::SetFixedToday(QDate());
  platform::SetFixedTime(QTime());

  InstallPrinterSurface(nullptr);
  InstallPreviewSurface(nullptr);
  SetPrintDialogHandler({});
  SetPreviewPageHandler({});
  SetInstalledPrintersOverride(std::nullopt);
  SetQueueDefaultMediaOverride({});

  SetSettingsFormHandler({});
  SetFindKeysDialogHandler({});
  SetSearchKeyDialogHandler({});
  SetPrinterSetupHandler({});
  SetScreenAreaOverride(std::nullopt);

  SetImportCancelHook({});
  SetImportReadFaultHook({});
  SetFourUpWeekRuledPage({});
  DragTagSource::SetStartHandler({});
  SetGanttPageDrawer({});
}
