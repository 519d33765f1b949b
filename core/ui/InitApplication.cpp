#include "InitApplication.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLockFile>
#include <QScreen>

#include "MainWindow.h"
#include "StartupRules.h"
#include "Twips.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrinterInfo.h"
#include "core/platform/Clock.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"
#include "core/text/Numbers.h"

namespace {

void probeDefaultPrinter() {
  if (!DefaultPrinterName().isEmpty()) return;
  platform::ShowMessage(QStringLiteral("プリンターをセットアップしてから使ってください。\r\n"
                                       "通常使うプリンターが使えないと、一部の機能が使えなません。"),
                        platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
}

// Bare file names (the temporary copy, companion programs, decoration
// pictures) rely on the program folder being the current folder.
void makeProgramFolderCurrent() {
  QString folder = ProgramFolder;
  if (folder.size() > 1 && folder.endsWith(u'/')) folder.chop(1);
  if (QFileInfo(folder).isDir() && QDir::setCurrent(folder)) return;
  if (folder == QLatin1String("/")) return;
  platform::ShowMessage(QStringLiteral("[") + folder + QStringLiteral("]がみつかりません（これ出たら教えてね）"));
}

// nullptr when another instance holds the lock; a lock that cannot be taken
// for any other reason (a read-only folder) does not stop the program.
std::unique_ptr<QLockFile> takeInstanceLock(bool& otherInstance) {
  auto lock = std::make_unique<QLockFile>(InstanceLockPath());
  lock->setStaleLockTime(0);  // a live holder keeps it however long it runs
  otherInstance = false;
  if (lock->tryLock(0)) return lock;
  otherInstance = lock->error() == QLockFile::LockFailedError;
  return nullptr;
}

void writeCentredPosition(const MainWindow& form) {
  const QScreen* screen = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->geometry() : QRect();
  const QRect frame = form.frameGeometry();
  WriteIniValue(QString(), QStringLiteral("X"),
                QString::number(CentredTwips(PixelsToTwipsX(area.width()), PixelsToTwipsX(frame.width()))));
  WriteIniValue(QString(), QStringLiteral("Y"),
                QString::number(CentredTwips(PixelsToTwipsY(area.height()), PixelsToTwipsY(frame.height()))));
}

}  // namespace

QString InstanceLockPath() { return ProgramFolder + ExeName + QStringLiteral(".lock"); }

int16_t InitApplication(MainWindow& form, const QString& version) {
  TodayText = platform::Today().toString(QStringLiteral("yyyy/MM/dd"));
  ProgramVersion = version;
  CloseVeto = 0;
  SetProgramPaths(form.startupArgs().argv0);  // ExeName and ProgramFolder
  form.setWindowTitle(ExeName);
  form.LoadPreviewWindow();
  ConfirmPrompts = 1;
  probeDefaultPrinter();

  BackupFolder = ProgramFolder + QStringLiteral("bak/");
  CreateFolderIfMissing(ProgramFolder + QStringLiteral("bak"));
  DataFolder = ProgramFolder + QStringLiteral("dat/");
  ImportDataFolder = DataFolder;
  CreateFolderIfMissing(ProgramFolder + QStringLiteral("dat"));
  makeProgramFolderCurrent();

  bool otherInstance = false;
  std::unique_ptr<QLockFile> lock = takeInstanceLock(otherInstance);
  if (otherInstance) {
    platform::ShowMessage(QStringLiteral("既に起動されています。"));
    form.EndProgram();
    return kInitProgramEnded;
  }
  form.HoldInstanceLock(std::move(lock));

  int16_t result = 0;
  if (!QFileInfo::exists(SettingsFilePath())) {
    WriteIniValue(QString(), QStringLiteral("VERSION"), ProgramVersion);
    writeCentredPosition(form);
    WriteDefaultSettings();
    result = 1;
  }
  if (GetIniValue(QString(), QStringLiteral("VERSION")) != ProgramVersion) {
    WriteIniValue(QString(), QStringLiteral("VERSION"), ProgramVersion);
    WriteDefaultSettings();
    if (result != 1) result = 2;
  }
  form.move(TwipsToPixelsX(ParseNumber(GetIniValue(QString(), QStringLiteral("X")))),
            TwipsToPixelsY(ParseNumber(GetIniValue(QString(), QStringLiteral("Y")))));

  PaperSettings.PaperIndex = ParseInt16(GetIniValue(QString(), QStringLiteral("YOUSI")));
  LoadPaperSettings(PaperSettings.PaperIndex);
  ImeKana = ParseInt16(GetIniValue(QString(), QStringLiteral("IMEKANA")));
  EndDocPerPage = 1;
  PaperSettings.PrintMargin =
      PrinterOffsetMargin(DefaultPrinterPhysicalOffsetXMm(), PaperSettings.PageLeft, PaperSettings.PrintMargin);
  return result;
}
