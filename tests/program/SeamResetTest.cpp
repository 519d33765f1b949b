// Every seam a test can set is put back between tests: a seam left set would
// let one test's script answer the next test's dialog. Each seam registers
// its own reset when first set; this program links every library, so one
// table covers them all.
#include <gtest/gtest.h>

#include <QDate>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTime>
#include <functional>
#include <memory>
#include <vector>

#include "TestEnvironment.h"
#include "charts/GanttPage.h"
#include "core/platform/AvailableScreen.h"
#include "core/platform/Clipboard.h"
#include "core/platform/Clock.h"
#include "core/platform/FileDialog.h"
#include "core/platform/MessageBox.h"
#include "core/platform/ProgramExit.h"
#include "core/platform/ProgramPaths.h"
#include "core/platform/Shell.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/print/RecordingSurface.h"
#include "core/ui/FindDialog.h"
#include "core/ui/PrinterSetup.h"
#include "core/ui/SearchDialog.h"
#include "core/ui/ShowSettingsForm.h"
#include "schedule/ScheduleCsvFile.h"
#include "schedule/ScheduleCsvImportRun.h"
#include "schedule_print/FourUpPages.h"
#include "todo_memo/windows/DragTagSource.h"

namespace {

QString SeamTestSourceText(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The names of the seam setters the program's headers declare.
QSet<QString> DeclaredSeams() {
  static const QRegularExpression seam(
      QStringLiteral(R"(\b((?:Set\w*(?:Handler|Override|Hook)|SetFixed\w+|Install\w*Surface))\s*\()"));
  QSet<QString> names;
  for (const char* folder :
       {"core", "schedule", "schedule_print", "todo_memo", "address", "ruled_photo", "tables_cards", "charts"}) {
    QDirIterator it(QStringLiteral(RINGPAD_SOURCE_DIR "/") + QLatin1String(folder), {QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      auto matches = seam.globalMatch(SeamTestSourceText(it.next()));
      while (matches.hasNext()) names.insert(matches.next().captured(1));
    }
  }
  return names;
}

// A handler for any seam that only holds the token: while the seam keeps the
// handler, the token is shared.
template <class Result>
struct TokenHandler {
  std::shared_ptr<int> token;
  template <class... Args>
  Result operator()(Args&&...) const {
    return Result();
  }
};

template <class Handler>
Handler Holding(const std::shared_ptr<int>& token) {
  return Handler(TokenHandler<typename Handler::result_type>{token});
}

RecordingSurface& SeamTestSurface() {
  static RecordingSurface surface;
  return surface;
}

struct SeamRow {
  const char* name;
  std::function<void(const std::shared_ptr<int>& token)> set;
  // Whether the seam is still set; rows without it are handlers whose token
  // tells.
  std::function<bool()> stillSet;
};

const std::vector<SeamRow>& SeamRows() {
  static const std::vector<SeamRow> rows = {
      {"SetMessageHandler", [](auto& t) { platform::SetMessageHandler(Holding<platform::MessageHandler>(t)); }},
      {"SetFileDialogHandler",
       [](auto& t) { platform::SetFileDialogHandler(Holding<platform::FileDialogHandler>(t)); }},
      {"SetShellHandler", [](auto& t) { platform::SetShellHandler(Holding<platform::ShellHandler>(t)); }},
      {"SetEndProgramHandler",
       [](auto& t) { platform::SetEndProgramHandler(Holding<platform::EndProgramHandler>(t)); }},
      {"SetReadOnlyFolderOverride", [](auto&) { platform::SetReadOnlyFolderOverride(QDir::tempPath()); },
       [] { return !platform::IsWritableFolder(QDir::tempPath()); }},
      {"UseMemoryClipboard",
       [](auto&) {
         platform::UseMemoryClipboard(true);
         platform::ClipboardSetText(QStringLiteral("seam row"));
       },
       [] { return platform::ClipboardText() == QStringLiteral("seam row"); }},
      {"SetFixedToday", [](auto&) { platform::SetFixedToday(QDate(2001, 2, 3)); },
       [] { return platform::Today() == QDate(2001, 2, 3); }},
      {"SetFixedTime", [](auto&) { platform::SetFixedTime(QTime(1, 2, 3)); },
       [] { return platform::CurrentTime() == QTime(1, 2, 3); }},
      {"SetScreenAreaOverride", [](auto&) { SetScreenAreaOverride(QRect(1, 2, 3, 4)); },
       [] { return AvailableScreenArea() == QRect(1, 2, 3, 4); }},
      {"SetWindowFrameOverride", [](auto&) { SetWindowFrameOverride(QMargins(1, 20, 1, 1)); },
       [] { return WindowFrameOverride() == QMargins(1, 20, 1, 1); }},
      {"InstallPrinterSurface", [](auto&) { InstallPrinterSurface(&SeamTestSurface()); },
       [] { return &PrinterSurfaceTarget() == &SeamTestSurface(); }},
      {"InstallPreviewSurface", [](auto&) { InstallPreviewSurface(&SeamTestSurface()); },
       [] { return &PreviewPicture() == &SeamTestSurface(); }},
      {"SetPrintDialogHandler", [](auto& t) { SetPrintDialogHandler(Holding<PrintDialogHandler>(t)); }},
      {"SetPreviewPageHandler", [](auto& t) { SetPreviewPageHandler(Holding<PreviewPageHandler>(t)); }},
      {"SetInstalledPrintersOverride",
       [](auto&) { SetInstalledPrintersOverride(QStringList{QStringLiteral("seam")}, false); },
       [] { return InstalledQueuesOverride().has_value() || !PdfPrinterListed(); }},
      {"SetQueueDefaultMediaOverride",
       [](auto&) {
         SetQueueDefaultMediaOverride({{QStringLiteral("seam"), QPageSize(QPageSize::A5)}});
       },
       [] { return !QueueDefaultMediaOverride().isEmpty(); }},
      {"SetQueueStateOverride",
       [](auto&) {
         SetQueueStateOverride({{QStringLiteral("seam"), QueueState::Stopped}});
       },
       [] { return QueueStateOf(QStringLiteral("seam")) == QueueState::Stopped; }},
      {"SetQueueJobsOverride", [](auto& t) { SetQueueJobsOverride(Holding<QueueJobsOverride>(t)); }},
      {"SetSettingsFormHandler", [](auto& t) { SetSettingsFormHandler(Holding<SettingsFormHandler>(t)); }},
      {"SetFindKeysDialogHandler", [](auto& t) { SetFindKeysDialogHandler(Holding<FindKeysDialogHandler>(t)); }},
      {"SetSearchKeyDialogHandler", [](auto& t) { SetSearchKeyDialogHandler(Holding<SearchKeyDialogHandler>(t)); }},
      {"SetPrinterSetupHandler", [](auto& t) { SetPrinterSetupHandler(Holding<PrinterSetupHandler>(t)); }},
      {"SetImportCancelHook", [](auto& t) { SetImportCancelHook(Holding<ImportCancelHook>(t)); }},
      {"SetImportReadFaultHook", [](auto& t) { SetImportReadFaultHook(Holding<ImportReadFaultHook>(t)); }},
      {"SetFourUpWeekRuledPage", [](auto& t) { SetFourUpWeekRuledPage(Holding<FourUpWeekPage>(t)); }},
      {"SetStartHandler", [](auto& t) { DragTagSource::SetStartHandler(Holding<DragTagSource::StartHandler>(t)); }},
      {"SetGanttPageDrawer", [](auto& t) { SetGanttPageDrawer(Holding<GanttPageDrawer>(t)); }},
  };
  return rows;
}

class SeamResetTest : public RingpadTest {};

TEST_F(SeamResetTest, ASeamSetInOneTestIsBackToTheRealThingForTheNext) {
  for (const SeamRow& row : SeamRows()) {
    auto token = std::make_shared<int>(0);
    row.set(token);
    const auto isSet = [&] { return row.stillSet ? row.stillSet() : token.use_count() > 1; };
    EXPECT_TRUE(isSet()) << row.name << " did not take";
    // What runs between one test and the next.
    TearDown();
    EXPECT_FALSE(isSet()) << row.name << " is still set after the test";
    SetUp();
  }
}

TEST(SeamResetTable, EverySeamTheHeadersDeclareHasARow) {
  QSet<QString> seams = DeclaredSeams();
  EXPECT_GE(seams.size(), 20);  // the scan found the headers
  // The program itself registers the schedule printing there, once.
  seams.remove(QStringLiteral("SetSchedulePrintHandler"));
  QSet<QString> rows;
  for (const SeamRow& row : SeamRows()) rows.insert(QString::fromLatin1(row.name));
  for (const QString& name : seams) EXPECT_TRUE(rows.contains(name)) << name.toStdString() << " has no row";
}

}  // namespace
