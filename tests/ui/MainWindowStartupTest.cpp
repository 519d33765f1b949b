#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLockFile>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <atomic>

#include "MainWindowFixture.h"
#include "address/AddressStorage.h"
#include "core/platform/Clock.h"
#include "core/platform/Codec.h"
#include "core/platform/FileLock.h"
#include "core/platform/MessageBox.h"
#include "core/platform/ProblemReport.h"
#include "core/platform/SafeSave.h"
#include "core/platform/TextLines.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrinterInfo.h"
#include "core/printer/QtPrinterSystem.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/SettingsText.h"
#include "core/settings/WeekdayBackup.h"
#include "core/ui/FirstPaintDeferral.h"
#include "core/ui/HelpPage.h"
#include "core/ui/InitApplication.h"
#include "core/ui/PageRegistry.h"
#include "core/ui/PreviewWindow.h"
#include "core/ui/StartupRules.h"
#include "core/ui/Twips.h"
#include "core/ui/VersionBox.h"

namespace {
const QString kVersionTitle = QStringLiteral("バージョン情報");

int VersionBoxes(const ScriptedMessages& messages) {
  int count = 0;
  for (const auto& shown : messages.shown())
    if (shown.title == kVersionTitle) ++count;
  return count;
}

// A settings file of an earlier start, so that no version box appears.
void WriteCurrentSettings(const QString& path, const QString& version = QStringLiteral("3.16.01")) {
  WriteBytes(path, "[ringpad]\r\nVERSION=" + version.toLatin1() + "\r\nX=1500\r\nY=750\r\nYOUSI=0\r\n");
}
}  // namespace

TEST_F(MainWindowTest, NoArgumentOpensTheToDoPage) {
  WriteCurrentSettings(homeFile("ringpad.ini"));
  MainWindow& w = Start();
  EXPECT_EQ(ActivePageKind(), QStringLiteral("action"));
  EXPECT_EQ(w.windowTitle(), QStringLiteral("ringpad"));
  EXPECT_TRUE(w.isEnabled());
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(endRequests, 0);
  EXPECT_EQ(VersionBoxes(messages()), 0);
  EXPECT_TRUE(QFileInfo(homeFile("bak")).isDir());
  EXPECT_TRUE(QFileInfo(homeFile("dat")).isDir());
  EXPECT_EQ(w.pos(), QPoint(TwipsToPixelsX(1500), TwipsToPixelsY(750)));
  EXPECT_EQ(w.previewWindow(), nullptr) << "made when a preview first asks for it";
}

TEST_F(MainWindowTest, ThePreviewWindowIsMadeForTheFirstPreviewAndKeptHidden) {
  WriteCurrentSettings(homeFile("ringpad.ini"));
  MainWindow& w = Start();
  std::vector<PreviewWindow*> shown;
  for (int page = 0; page < 2; ++page) {
    QTimer::singleShot(0, &w, [&] {
      PreviewWindow* preview = w.previewWindow();
      ASSERT_NE(preview, nullptr);
      shown.push_back(preview->isVisible() ? preview : nullptr);
      preview->Cmd_ok->click();
    });
    InstalledPrintWindows().previewPage(QImage());
  }
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_NE(shown[0], nullptr) << "shown for the page";
  EXPECT_EQ(shown[1], shown[0]) << "the same window for every page";
  EXPECT_EQ(w.previewWindow()->parentWidget(), &w);
  EXPECT_FALSE(w.previewWindow()->isVisible());
}

// The probe of the default printer waits until the window takes input: it
// runs once the event loop waits, or before a print job that comes first.
TEST_F(MainWindowTest, NoUsablePrinterWarnsOnceTheWindowTakesInputOrBeforeTheFirstJob) {
  const QString warning = QStringLiteral(
      "プリンターをセットアップしてから使ってください。\r\n"
      "通常使うプリンターが使えないと、一部の機能が使えなません。");
  QStringList toldBeforeTheDialog;
  SetPrintDialogHandler([&](const PrintDialogView&) {
    toldBeforeTheDialog = messages().texts();
    return PrintDialogAnswer{0, std::nullopt, std::nullopt};
  });
  for (const bool jobFirst : {false, true}) {
    SCOPED_TRACE(jobFirst ? "a job first" : "the event loop first");
    WriteCurrentSettings(homeFile("ringpad.ini"));
    SetInstalledPrintersOverride(QStringList(), false);
    MainWindow& w = Start();
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(ActivePageKind(), QStringLiteral("action"));
    EXPECT_TRUE(messages().texts().isEmpty()) << "no probe before the window takes input";
    if (!jobFirst) {
      // A bound on the wait should the probe never come; it fails below.
      QTimer::singleShot(10000, [] {});
      while (messages().texts().isEmpty() && w.isVisible())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
      ASSERT_EQ(messages().texts(), QStringList({warning}));
    }
    ShowPrintDialog();
    EXPECT_EQ(toldBeforeTheDialog, QStringList({warning})) << "warned before the job";
    ASSERT_EQ(messages().shown().size(), 1u) << "and once";
    EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::Exclamation);
    SetInstalledPrintersOverride(std::nullopt);
    messages().clear();
  }
}

// The lookup loads the printing system's plug-in: it runs beside the window
// once the loop waits, never on the window's own thread, and a print job or
// printer setup that comes first waits for it.
TEST_F(MainWindowTest, ThePrinterLookupRunsOffTheWindowsThread) {
  WriteCurrentSettings(homeFile("ringpad.ini"));
  MainWindow& w = Start();
  std::atomic<QThread*> askedOn{nullptr};
  PrinterSystem system;
  system.defaultQueueName = [&askedOn] {
    askedOn = QThread::currentThread();
    return QString();
  };
  InstallPrinterSystem(system);
  // A bound on the wait should the lookup never come; it fails below.
  QTimer::singleShot(10000, [] {});
  const QDeadlineTimer deadline(10000);
  while (!askedOn && w.isVisible() && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  RunWorkHeldForNextJob();  // its answer taken, its thread done
  EXPECT_NE(askedOn.load(), nullptr);
  EXPECT_NE(askedOn.load(), QThread::currentThread());
  InstallQtPrinterSystem();
}

TEST_F(MainWindowTest, SwitchesChooseTheFirstPage) {
  struct Case {
    QStringList arguments;
    const char* page;
  };
  const Case cases[] = {
      {{QStringLiteral("/m:")}, "memo"},
      {{QStringLiteral("/M:/H:")}, "memo"},
      {{QStringLiteral("/M:"), QStringLiteral("/H:")}, "memo"},
      {{QStringLiteral("/H:")}, "table"},
      {{QStringLiteral("/c:2001-05-10")}, "yotei"},
      {{QStringLiteral("/t:")}, "tel"},
      {{QStringLiteral("/P:")}, "picture"},
      {{QStringLiteral("/y:")}, "yousi"},
      {{QStringLiteral("/Q:")}, "action"},
      {{QString()}, "action"},
      {{QStringLiteral("////")}, "action"},
      {{QString(20000, u'/') + QStringLiteral("M:")}, "action"},
      {{QStringLiteral("/") + QString(20000, u'ｍ')}, "action"},
      {{QStringLiteral("/メモ:"), QStringLiteral("日本語")}, "action"},
  };
  WriteCurrentSettings(homeFile("ringpad.ini"));
  for (const Case& c : cases) {
    Start(c.arguments);
    EXPECT_EQ(ActivePageKind(), QString::fromLatin1(c.page)) << c.arguments.join(u' ').left(40).toStdString();
    EXPECT_EQ(window().LastPageKind, QString::fromLatin1(c.page));
  }
  EXPECT_EQ(endRequests, 0);
}

TEST_F(MainWindowTest, VariantNamesHideSevenPageMenusAndOpenTheirPage) {
  struct Case {
    const char* exe;
    const char* page;  // "" = none
  };
  const Case cases[] = {{"dozir", "tel"},     {"DoZiR", "tel"},       {"DUDEZU", "memo"},
                        {"jxtable", "table"}, {"Diduvuv", "yotei"}, {"ringbook", ""}};
  for (const Case& c : cases) {
    const QString exe = QString::fromLatin1(c.exe);
    WriteCurrentSettings(homeFile(exe + ".ini"));
    // The command line is not read under these names.
    MainWindow& w = Start({QStringLiteral("/m:")}, exe);
    EXPECT_EQ(ActivePageKind(), QString::fromLatin1(c.page)) << c.exe;
    for (QAction* hidden : {w.mnu_FrmGant, w.mnu_frmMemo, w.mnu_frmCalender, w.mnu_FrmTable, w.mnu_frmTel,
                            w.mnu_FrmPicture, w.mnu_FrmYousi})
      EXPECT_FALSE(hidden->isVisible()) << c.exe << " " << hidden->objectName().toStdString();
    for (QAction* shown : {w.mnu_FrmAction, w.mnu_FrmTree, w.mnu_FrmCsv})
      EXPECT_TRUE(shown->isVisible()) << c.exe << " " << shown->objectName().toStdString();
  }
  // With no page chosen the File items keep their own captions.
  EXPECT_EQ(VisibleFileCaptions(), QStringList({"新規", "ファイルを開く", "ファイルに書く", "インポート",
                                                "エクスポート", "検索", "ヘルプ"}));
  EXPECT_EQ(GreyedPageItems(), QStringList());
}

TEST_F(MainWindowTest, FirstRunCreatesTheSettingsAndShowsTheVersionBoxOnceAfterThePage) {
  bool pageOpenWhenBoxShown = false;
  QStringList texts;
  platform::SetMessageHandler([&](const platform::MessageRequest& r) {
    if (r.title == kVersionTitle) pageOpenWhenBoxShown = window().LoadedPageWindow(QStringLiteral("action"));
    texts << r.text;
    return platform::MsgResult::Ok;
  });
  Start();
  ASSERT_EQ(texts.size(), 1);
  EXPECT_TRUE(pageOpenWhenBoxShown);
  EXPECT_EQ(texts[0], VersionBoxText(QStringLiteral("ringpad"), QStringLiteral("3.16.01"), HomePageAddress()));
  EXPECT_TRUE(texts[0].startsWith(QStringLiteral("Ringpad ringpad  Ver 3.16.01 (64Bit版 Linux)\r\n\r\n")));
  EXPECT_TRUE(QFileInfo(HomePageAddress()).isFile());
  EXPECT_TRUE(texts[0].endsWith(QStringLiteral(" に有ります。\r\n友達などに宣伝してくれるとうれしいです（＾＾）\r\n\r\n")));

  EXPECT_EQ(Ini("VERSION"), QStringLiteral("3.16.01"));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  // Centred for the size the window has while it starts.
  const double width = PixelsToTwipsX(TwipsToPixelsX(9675));
  const double height = PixelsToTwipsY(TwipsToPixelsY(6605));
  EXPECT_EQ(Ini("X"), QString::number(CentredTwips(PixelsToTwipsX(screen.width()), width)));
  EXPECT_EQ(Ini("Y"), QString::number(CentredTwips(PixelsToTwipsY(screen.height()), height)));
  EXPECT_FALSE(Ini("YOHAKU").isEmpty());  // the defaults were written

  texts.clear();
  Start();
  EXPECT_TRUE(texts.isEmpty());
}

TEST_F(MainWindowTest, VersionChangeRewritesDefaultsAndShowsTheVersionBox) {
  WriteCurrentSettings(homeFile("RingPad.ini"), QStringLiteral("3.15.00"));
  Start({}, QStringLiteral("RingPad"));
  ASSERT_EQ(VersionBoxes(messages()), 1);
  EXPECT_TRUE(messages().shown()[0].text.startsWith(QStringLiteral("Ringpad ringpad  Ver 3.16.01")));
  EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::Information);
  EXPECT_EQ(Ini("VERSION"), QStringLiteral("3.16.01"));
  EXPECT_EQ(Ini("X"), QStringLiteral("1500"));  // the position survives
  EXPECT_FALSE(Ini("YOHAKU").isEmpty());
}

TEST_F(MainWindowTest, SecondInstanceStandsDownBeforeTouchingTheSettings) {
  WriteCurrentSettings(homeFile("ringpad.ini"), QStringLiteral("3.15.00"));
  const QByteArray before = ReadBytes(homeFile("ringpad.ini"));
  ProgramFolder = home();
  ExeName = QStringLiteral("ringpad");
  QLockFile running(InstanceLockPath());
  ASSERT_TRUE(running.tryLock(0));

  MainWindow& w = Start({QStringLiteral("/m:")});
  EXPECT_EQ(messages().texts(), QStringList({QStringLiteral("既に起動されています。")}));
  EXPECT_EQ(endRequests, 1);
  EXPECT_TRUE(w.ProgramEnded());
  EXPECT_EQ(ReadBytes(homeFile("ringpad.ini")), before);
  EXPECT_EQ(w.ActivePageWindow(), nullptr);
  EXPECT_FALSE(w.isVisible());
}

TEST_F(MainWindowTest, OtherExecutableNamesAreOtherInstances) {
  ProgramFolder = home();
  ExeName = QStringLiteral("ringpad");
  QLockFile running(InstanceLockPath());
  ASSERT_TRUE(running.tryLock(0));
  Start({}, QStringLiteral("dozir"));
  EXPECT_EQ(endRequests, 0);
  EXPECT_EQ(ActivePageKind(), QStringLiteral("tel"));
}

TEST_F(MainWindowTest, ClipboardSwitchPressesTheScheduleButtonAndEnds) {
  WriteCurrentSettings(homeFile("ringpad.ini"), QStringLiteral("3.15.00"));
  MainWindow& w = Start({QStringLiteral("/CA")});
  EXPECT_EQ(endRequests, 1);
  EXPECT_TRUE(w.isMinimized());
  EXPECT_NE(w.LoadedPageWindow(QStringLiteral("yotei")), nullptr);
  EXPECT_EQ(VersionBoxes(messages()), 0);  // the program ended before the box
}

TEST_F(MainWindowTest, CloseWritesThePositionOnlyInTheNormalState) {
  WriteCurrentSettings(homeFile("ringpad.ini"));
  MainWindow& w = Start();
  w.move(200, 100);
  w.mnu_End_Click();
  EXPECT_EQ(endRequests, 1);
  EXPECT_EQ(Ini("X"), SingleText(static_cast<float>(PixelsToTwipsX(w.pos().x()))));
  EXPECT_EQ(Ini("Y"), SingleText(static_cast<float>(PixelsToTwipsY(w.pos().y()))));
  EXPECT_NE(Ini("X"), QStringLiteral("1500"));

  for (auto state : {Qt::WindowMaximized, Qt::WindowMinimized}) {
    WriteCurrentSettings(homeFile("ringpad.ini"));
    MainWindow& again = Start();
    again.move(300, 200);
    again.setWindowState(state);
    again.close();
    EXPECT_EQ(Ini("X"), QStringLiteral("1500")) << state;
    EXPECT_EQ(Ini("Y"), QStringLiteral("750")) << state;
  }
  EXPECT_EQ(endRequests, 3);
}

namespace {
// A memo window whose user declines to close over unsaved changes.
class DecliningMemo : public PageWindow {
 public:
  explicit DecliningMemo(QWidget* parent = nullptr) : PageWindow(parent) {}
  void Form_QueryUnload(int16_t& cancel, UnloadMode mode) override {
    lastMode = mode;
    CloseVeto = -1;
    cancel = 1;
  }
  static inline UnloadMode lastMode = UnloadMode::Code;
};
}  // namespace

TEST_F(MainWindowTest, MemoVetoKeepsTheProgramOpen) {
  WriteCurrentSettings(homeFile("ringpad.ini"));
  RegisterPageWindowClass<DecliningMemo>(QStringLiteral("memo"));
  MainWindow& w = Start({QStringLiteral("/M:")});
  w.move(200, 100);
  EXPECT_FALSE(w.close());
  EXPECT_EQ(DecliningMemo::lastMode, UnloadMode::MdiForm);
  EXPECT_EQ(CloseVeto, 0);
  EXPECT_EQ(endRequests, 0);
  EXPECT_EQ(Ini("X"), QStringLiteral("1500"));
  EXPECT_TRUE(w.isVisible());
}

TEST_F(MainWindowTest, ARefusalLeftFromClosingTheMemoAloneDoesNotStopTheProgramsClose) {
  WriteCurrentSettings(homeFile("ringpad.ini"));
  MainWindow& w = Start();
  CloseVeto = -1;  // the memo window refused its own close earlier
  EXPECT_TRUE(w.close());
  EXPECT_EQ(endRequests, 1);
}

TEST_F(MainWindowTest, StartClearsReadOnlyDataFilesAndKeepsTheLeastWidth) {
  WriteCurrentSettings(homeFile("ringpad.ini"));
  WriteBytes(homeFile("diduvuv.txt"), "x");
  QFile::setPermissions(homeFile("diduvuv.txt"), QFileDevice::ReadOwner);
  MainWindow& w = Start();
  EXPECT_TRUE(QFileInfo(homeFile("diduvuv.txt")).permissions() & QFileDevice::WriteOwner);

  w.resize(100, 300);
  EXPECT_EQ(w.frameGeometry().width(), TwipsToPixelsX(9650));
}

// Settings that exist but cannot be read are named once; their empty keys
// are no new version and name no missing schedule file.
TEST_F(MainWindowTest, UnreadableSettingsAreNamedAndNothingElseIsSaid) {
  QDir().mkpath(homeFile("ringpad.ini"));  // exists, and every read fails
  Start({QStringLiteral("/C:")});
  for (QString kind : {QStringLiteral("action"), QStringLiteral("tel"), QStringLiteral("memo"), QStringLiteral("table"),
                       QStringLiteral("picture"), QStringLiteral("yousi"), QStringLiteral("gant"), QStringLiteral("tree"),
                       QStringLiteral("csv")})
    window().ShowPageForm(kind);
  EXPECT_EQ(VersionBoxes(messages()), 0);
  ASSERT_EQ(messages().texts().size(), 1) << messages().texts().join("\n").toStdString();
  EXPECT_TRUE(messages().texts()[0].startsWith("「" + homeFile("ringpad.ini") + "」を読み込めませんでした。"));
  EXPECT_TRUE(QFileInfo(homeFile("ringpad.ini")).isDir()) << "nothing written";
}

// The address book's sample file of a first start is backed up at once.
TEST_F(MainWindowTest, FirstStartOfTheAddressBookBacksUpItsSample) {
  Start({QStringLiteral("/T:")});
  ASSERT_TRUE(QFileInfo(homeFile("doZir.csv")).isFile());
  EXPECT_EQ(ReadBytes(AddressWeekdayBackupPath(platform::Today())), ReadBytes(homeFile("doZir.csv")));
}

// A backup folder that is a link receives nothing, and says so once however
// many windows load their files.
TEST_F(MainWindowTest, ALinkedBackupFolderIsToldOnceAndLeftAlone) {
  QTemporaryDir elsewhere;
  WriteBytes(elsewhere.filePath("vidazu1.txt"), "someone else's file");
  ASSERT_TRUE(QFile::link(elsewhere.path(), homeFile("bak")));
  WriteCurrentSettings(homeFile("ringpad.ini"));
  WriteBytes(homeFile("vidazu.txt"), "□A item\r\n");
  WriteBytes(homeFile("jxmemo.txt"), "memo\r\n");
  Start({QStringLiteral("/T:")});
  for (QString kind : {QStringLiteral("action"), QStringLiteral("memo")}) window().ShowPageForm(kind);
  EXPECT_EQ(messages().texts(), QStringList{LinkedBackupFolderMessage()});
  EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"vidazu1.txt"});
  EXPECT_EQ(ReadBytes(elsewhere.filePath("vidazu1.txt")), "someone else's file");
}

// In a program folder the user has been told cannot be written, failed
// writes and locks of its files are not told again one by one; others are,
// and so is every other problem with its files.
TEST_F(MainWindowTest, WriteFailuresInAFolderToldUnwritableAreNotToldAgain) {
  using platform::Problem;
  EXPECT_TRUE(FolderWritable(home()));
  EXPECT_TRUE(UnwritableProgramFolderMessage(home()).contains("「" + QDir::cleanPath(home()) + "」"));
  platform::QuietWriteFailuresIn(home());
  const QString reason = QStringLiteral("Read-only file system");
  platform::ReportProblem({Problem::WriteFailed, homeFile("diduvuv.txt"), reason});
  platform::ReportProblem({Problem::LockFailed, homeFile("bak/vidazu3.txt"), reason});
  platform::ReportProblem({Problem::LockFailed, QStringLiteral("diduvuv.txt"), reason});  // the current folder
  EXPECT_TRUE(platform::WriteFailuresQuietIn(homeFile("bak/vidazu3.txt")));
  EXPECT_TRUE(messages().texts().isEmpty());
  platform::ReportProblem({Problem::WriteFailed, QStringLiteral("/elsewhere/x.txt"), reason});
  platform::ReportProblem({Problem::ReadFailed, homeFile("diduvuv.txt"), reason});
  platform::ShowMessage(QStringLiteral("別の知らせ"));
  EXPECT_EQ(messages().texts(),
            (QStringList{platform::SaveFailureMessage(QStringLiteral("/elsewhere/x.txt"), reason),
                         platform::ReadFailureMessage(homeFile("diduvuv.txt"), reason), QStringLiteral("別の知らせ")}));
}

// Temporary files of saves killed an hour ago or more go at start; a fresh
// one may be another copy's save in progress, and other hidden files are
// not the program's.
TEST_F(MainWindowTest, StaleTemporaryFilesOfKilledSavesAreRemoved) {
  WriteCurrentSettings(homeFile("ringpad.ini"));
  const QDateTime old = QDateTime::currentDateTime().addSecs(-2 * 3600);
  const QStringList stale = {".diduvuv.txt.Ab12Cd", "bak/.vidazu3.txt.x9Y8z7", ".ringpad.ini.000000"};
  const QStringList kept = {".diduvuv.txt.Fresh1", ".bashrc.backup", ".notes.txt.toolong7", "diduvuv.txt.Ab12Cd"};
  for (const QString& name : stale + kept) {
    WriteBytes(homeFile(name), "half a save");
    if (name != kept[0]) {
      QFile file(homeFile(name));
      ASSERT_TRUE(file.open(QIODevice::ReadWrite));
      ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
  }
  Start();
  for (const QString& name : stale) EXPECT_FALSE(QFile::exists(homeFile(name))) << name.toStdString();
  for (const QString& name : kept) EXPECT_TRUE(QFile::exists(homeFile(name))) << name.toStdString();
}

namespace {
// Notes whether a file is there when the main window first paints.
class FileAtFirstPaint : public QObject {
 public:
  explicit FileAtFirstPaint(QString path) : path_(std::move(path)) { qApp->installEventFilter(this); }
  ~FileAtFirstPaint() override { qApp->removeEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted && qobject_cast<QMainWindow*>(watched)) {
      painted = true;
      existed = QFileInfo::exists(path_);
    }
    return false;
  }
  bool painted = false, existed = false;

 private:
  QString path_;
};
}  // namespace

// The help page the sample to-do items name is written, synced, once the
// window has painted; a start cut short before that still writes it whole.
TEST_F(MainWindowTest, FirstRunWritesTheHelpPageAfterTheFirstPaint) {
  const QString page = homeFile("ringpad-help.html");
  {
    const FileAtFirstPaint watch(page);
    Start();
    EXPECT_TRUE(watch.painted);
    EXPECT_FALSE(watch.existed);
  }
  ASSERT_EQ(HomePageAddress(), page);
  EXPECT_EQ(ReadBytes(page), HelpPageHtml().toUtf8());
  EXPECT_EQ(platform::FromSjisLines(ReadBytes(homeFile("VIDAZU.txt"))).filter(page).size(), 1)
      << "the sample items name the page";

  QFile::remove(page);
  {
    FirstPaintDeferral cutShort;
    EXPECT_EQ(HomePageAddress(), page);
    EXPECT_FALSE(QFileInfo::exists(page));
  }
  EXPECT_EQ(ReadBytes(page), HelpPageHtml().toUtf8());
}
