#include "InitApplication.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLockFile>
#include <QPointer>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <future>
#include <memory>

#include "FirstPaintDeferral.h"
#include "MainWindow.h"
#include "PlatformWindows.h"
#include "PrintWindowSetup.h"
#include "StartupRules.h"
#include "Twips.h"
#include "core/platform/Clock.h"
#include "core/platform/MessageBox.h"
#include "core/platform/ProgramPaths.h"
#include "core/print/PrintJob.h"
#include "core/print/PrinterInfo.h"
#include "core/printer/QtPrinterSystem.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"
#include "core/text/Numbers.h"

namespace {

// What the default printer's lookup found.
struct DefaultPrinterFound {
  bool none = false;      // no default printer
  double offsetXMm = -1;  // its physical left offset, negative when unknown
};

// Loads the printing system's plug-in and asks CUPS: safe off the window's
// thread, as nothing else asks the printing system until it is done.
DefaultPrinterFound lookUpDefaultPrinter() {
  return {DefaultPrinterName().isEmpty(), DefaultPrinterPhysicalOffsetXMm()};
}

// On the window's thread: the warning, and the margin the offset gives.
void useDefaultPrinterFound(const DefaultPrinterFound& found) {
  if (found.none)
    platform::ShowMessage(QStringLiteral("プリンターをセットアップしてから使ってください。\r\n"
                                         "通常使うプリンターが使えないと、一部の機能が使えなません。"),
                          platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
  PaperSettings.PrintMargin = PrinterOffsetMargin(found.offsetXMm, PaperSettings.PageLeft, PaperSettings.PrintMargin);
}

// The lookup on a thread of its own, started once and waited for by
// whoever needs its answer first, both on the window's thread. The thread
// hands the answer over on the window's thread's next turn.
class DefaultPrinterLookup {
 public:
  void start() {
    if (found_.valid()) return;
    found_ = std::async(std::launch::async, [] {
               const DefaultPrinterFound found = lookUpDefaultPrinter();
               QMetaObject::invokeMethod(
                   QCoreApplication::instance(), [] { RunWorkHeldForNextJob(); }, Qt::QueuedConnection);
               return found;
             }).share();
  }
  DefaultPrinterFound wait() {
    start();
    return found_.get();
  }
  bool started() const { return found_.valid(); }

 private:
  std::shared_future<DefaultPrinterFound> found_;
};

// Bare file names (the temporary copy, companion programs, decoration
// pictures) rely on the program folder being the current folder.
void makeProgramFolderCurrent() {
  QString folder = ProgramFolder;
  if (folder.size() > 1 && folder.endsWith(u'/')) folder.chop(1);
  if (QFileInfo(folder).isDir() && QDir::setCurrent(folder)) return;
  if (folder == QLatin1String("/")) return;
  platform::ShowMessage(QStringLiteral("[") + folder + QStringLiteral("]がみつかりません（これ出たら教えてね）"));
}

std::unique_ptr<QLockFile> tryInstanceLock(const QString& path, bool& otherInstance) {
  auto lock = std::make_unique<QLockFile>(path);
  lock->setStaleLockTime(0);  // a live holder keeps it however long it runs
  if (lock->tryLock(0)) return lock;
  otherInstance = lock->error() == QLockFile::LockFailedError;
  return nullptr;
}

// nullptr when another instance holds the lock. A program folder where no
// lock can be made (read-only) keeps its lock in the runtime folder, so that
// a second start is refused there too; a lock that cannot be taken anywhere
// does not stop the program.
std::unique_ptr<QLockFile> takeInstanceLock(bool& otherInstance) {
  otherInstance = false;
  const QString local = ProgramFolder + ExeName + QStringLiteral(".lock");
  if (InstanceLockPath() == local) {
    if (auto lock = tryInstanceLock(local, otherInstance)) return lock;
    if (otherInstance) return nullptr;
  }
  return tryInstanceLock(RuntimeInstanceLockPath(), otherInstance);
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

QString InstanceLockPath() {
  if (platform::IsWritableFolder(ProgramFolder)) return ProgramFolder + ExeName + QStringLiteral(".lock");
  return RuntimeInstanceLockPath();
}

QString RuntimeInstanceLockPath() {
  QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (runtime.isEmpty()) runtime = QDir::tempPath();
  QString folder = QFileInfo(ProgramFolder).canonicalFilePath();
  if (folder.isEmpty()) folder = QDir::cleanPath(QDir(ProgramFolder).absolutePath());
  const QByteArray key = QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
  return runtime + QStringLiteral("/ringpad-") + QString::fromLatin1(key) + QStringLiteral("-") + ExeName +
         QStringLiteral(".lock");
}

int16_t InitApplication(MainWindow& form, const QString& version) {
  InstallPlatformWindows();
  InstallQtPrinterSystem();
  InstallWidgetPrintWindows();
  TodayText = platform::Today().toString(QStringLiteral("yyyy/MM/dd"));
  ProgramVersion = version;
  CloseVeto = 0;
  SetProgramPaths(form.startupArgs().argv0);  // ExeName and ProgramFolder
  form.setWindowTitle(ExeName);
  CurrentPrintJob().confirmPrompts = 1;

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
  // The data files of this program folder, whatever folder the program was
  // started from: clearing flags elsewhere would touch other people's files.
  ClearReadOnlyFlags({ProgramFolder + QStringLiteral("vidazu.txt"), ProgramFolder + QStringLiteral("dozir.txt"),
                      ProgramFolder + QStringLiteral("diduvuv.txt"), ProgramFolder + QStringLiteral("jxmemo.txt")});

  // A read-only program folder is told once; the writes that fail in it
  // then say nothing more, one box per file.
  if (!FolderWritable(ProgramFolder)) {
    platform::ShowMessage(UnwritableProgramFolderMessage(ProgramFolder), platform::MsgButtons::Ok,
                          platform::MsgIcon::Exclamation);
    platform::QuietWriteFailuresIn(ProgramFolder);
  }

  // Saves killed half-way by an earlier run leave their temporary copies.
  // Only copies an hour old go, so the sweep can wait for the first paint.
  RunAfterFirstPaint([folders = QStringList{ProgramFolder, BackupFolder}] {
    for (const QString& folder : folders) RemoveStaleSaveLeftovers(folder, QDateTime::currentDateTime());
  });

  // The version mark goes in last: a start-up cut short before the defaults
  // are all written then finds the old mark and writes them again.
  int16_t result = 0;
  // A settings file that cannot be read has been named; its empty keys say
  // nothing of the version.
  const bool settingsUnreadable = SettingsFileUnreadable();
  if (!QFileInfo::exists(SettingsFilePath())) {
    writeCentredPosition(form);
    WriteDefaultSettings();
    WriteIniValue(QString(), QStringLiteral("VERSION"), ProgramVersion);
    result = 1;
  }
  if (!settingsUnreadable && GetIniValue(QString(), QStringLiteral("VERSION")) != ProgramVersion) {
    WriteDefaultSettings();
    WriteIniValue(QString(), QStringLiteral("VERSION"), ProgramVersion);
    if (result != 1) result = 2;
  }
  form.PlaceFrameAt(QPoint(TwipsToPixelsX(ParseNumber(GetIniValue(QString(), QStringLiteral("X")))),
                           TwipsToPixelsY(ParseNumber(GetIniValue(QString(), QStringLiteral("Y"))))));

  PaperSettings.PaperIndex = ParseInt16(GetIniValue(QString(), QStringLiteral("YOUSI")));
  LoadPaperSettings(PaperSettings.PaperIndex);
  ImeKana = ParseInt16(GetIniValue(QString(), QStringLiteral("IMEKANA")));
  CurrentPrintJob().endDocPerPage = 1;
  return result;
}

void ProbePrinterOnceTakingInput(MainWindow& form) {
  // Loading the printing system's plug-in and asking CUPS costs as much as
  // a quarter of the window's own start-up, time in which the painted
  // window would take no input. The lookup therefore runs on a thread of its
  // own from the loop's first wait; its answer is used on the window's
  // thread once it is there, or first thing before the first print dialog
  // or printer setup, which waits for it. Tied to this run's window: a
  // probe left over from a window that has gone (a test's) still waits for
  // its thread but says nothing to the next one.
  auto lookup = std::make_shared<DefaultPrinterLookup>();
  HoldUntilNextJob([window = QPointer<MainWindow>(&form), lookup] {
    if (window)
      useDefaultPrinterFound(lookup->wait());
    else if (lookup->started())
      lookup->wait();
  });
  // Waiting means the window has painted and taken everything queued for
  // it; the thread starts then.
  QObject::connect(
      QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &form,
      [lookup] { lookup->start(); }, Qt::SingleShotConnection);
}
