#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>

#include "MainWindowFixture.h"
#include "core/ui/FindDialog.h"
#include "core/ui/HelpPage.h"
#include "core/ui/PageRegistry.h"
#include "core/ui/SearchDialog.h"
#include "core/ui/VersionBox.h"

namespace {

// A page window that counts its load steps.
class CountingPage : public PageWindow {
 public:
  explicit CountingPage(QWidget* parent = nullptr) : PageWindow(parent) {}
  void Form_Load() override { ++loads; }
  static inline int loads = 0;
};

// A page window whose load ends by running its activation step, as the
// to-do window's does, and whose caption is given when it is made or, with
// a caption asked for, by its load.
class ActivatingPage : public PageWindow {
 public:
  explicit ActivatingPage(QWidget* parent = nullptr) : PageWindow(parent) {
    setWindowTitle(QStringLiteral("Made"));
  }
  void Form_Load() override {
    if (!loadCaption.isEmpty()) setWindowTitle(loadCaption);
    Form_Activate();
    NoteActivatedByLoad();
  }
  void Form_Activate() override { ++activations; }
  static inline int activations = 0;
  static inline QString loadCaption;
};

// Counts the clicks of a page window's buttons by objectName.
class ClickLog : public QObject {
 public:
  void watch(QWidget* window) {
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
      connect(b, &QAbstractButton::clicked, this, [this, b] { clicked << b->objectName(); });
  }
  QStringList clicked;
};

}  // namespace

TEST_F(MainWindowTest, FileCaptionsFollowTheChosenPage) {
  struct Case {
    const char* page;
    const char* greyed;
    QStringList captions;  // in menu order
  };
  const Case cases[] = {
      {"yotei", "mnu_frmCalender",
       {"予定ファイルの新規作成", "予定ファイルの読込", "他ソフトの予定内容のインポート", "予定内容のエクスポート",
        "ヘルプ(予定の入力方法)"}},
      {"tel", "mnu_frmTel",
       {"電話帳ファイルの新規作成", "電話帳ファイルの読込", "電話一覧をメールする",
        "他ソフトの電話帳(CSVﾌｧｲﾙ)をインポート", "検索", "ヘルプ(便利な使いかた)"}},
      {"yousi", "mnu_FrmYousi", {}},
      {"action", "mnu_FrmAction",
       {"Todoファイル新規作成", "Todoファイルの読込", "済んだ内容を「済.txt」ファイルに書き出す。",
        "ヘルプ(ToDo操作方法)"}},
      {"CSV", "mnu_FrmCsv", {"ＣＳＶファイルの読込", "ＣＳＶファイルに印刷位置を追記(書出)"}},
  };
  MainWindow& w = Start();
  for (const Case& c : cases) {
    QString kind = QString::fromLatin1(c.page);
    w.ShowPageForm(kind);
    EXPECT_EQ(VisibleFileCaptions(), c.captions) << c.page;
    EXPECT_EQ(GreyedPageItems(), QStringList({QString::fromLatin1(c.greyed)})) << c.page;
    EXPECT_EQ(ActivePageKind(), kind.toLower()) << c.page;
  }
  // The fixed items stay whatever the page.
  EXPECT_TRUE(w.mnu_option->isVisible() && w.mnu_option->isEnabled());
  EXPECT_TRUE(w.mnu_Version->isVisible());
}

TEST_F(MainWindowTest, OptionBeforeAnyPageLeavesTheFileItemsHidden) {
  MainWindow& w = Start({}, QStringLiteral("ringbook"));  // a name that opens no page
  w.mnu_option_Click();
  EXPECT_EQ(settingsFormShown, 1);
  EXPECT_EQ(VisibleFileCaptions(), QStringList());
  EXPECT_EQ(GreyedPageItems(), QStringList());
  EXPECT_EQ(w.LastPageKind, QString());
  EXPECT_EQ(w.ActivePageWindow(), nullptr);
}

TEST_F(MainWindowTest, OptionReturnsToTheLastPage) {
  MainWindow& w = Start({QStringLiteral("/t:")});
  QString memo = QStringLiteral("memo");
  w.ShowPageForm(memo);
  QString tel = QStringLiteral("tel");
  w.ShowPageForm(tel);
  QString kind = QStringLiteral("option");
  w.ShowPageForm(kind);
  EXPECT_EQ(settingsFormShown, 1);
  EXPECT_EQ(kind, QStringLiteral("tel"));
  EXPECT_EQ(w.LastPageKind, QStringLiteral("tel"));
  EXPECT_EQ(ActivePageKind(), QStringLiteral("tel"));
  EXPECT_EQ(GreyedPageItems(), QStringList({"mnu_frmTel"}));
  EXPECT_EQ(VisibleFileCaptions().size(), 6);
}

TEST_F(MainWindowTest, ChoosingALoadedPageOnlyBringsItForward) {
  RegisterPageWindowClass<CountingPage>(QStringLiteral("gant"));
  CountingPage::loads = 0;
  MainWindow& w = Start();
  w.mnu_FrmGant_Click();
  PageWindow* first = w.LoadedPageWindow(QStringLiteral("gant"));
  w.mnu_FrmAction_Click();
  EXPECT_EQ(ActivePageKind(), QStringLiteral("action"));
  w.mnu_FrmGant_Click();
  EXPECT_EQ(CountingPage::loads, 1);
  EXPECT_EQ(w.LoadedPageWindow(QStringLiteral("gant")), first);
  EXPECT_EQ(ActivePageKind(), QStringLiteral("gant"));
  EXPECT_EQ(w.mdiArea->subWindowList().size(), 2);
}

TEST_F(MainWindowTest, ClosedPageIsLoadedAfreshWhenChosenAgain) {
  RegisterPageWindowClass<CountingPage>(QStringLiteral("tree"));
  CountingPage::loads = 0;
  MainWindow& w = Start();
  w.mnu_FrmTree_Click();
  QPointer<PageWindow> first = w.LoadedPageWindow(QStringLiteral("tree"));
  ASSERT_TRUE(first);
  ASSERT_TRUE(w.mdiArea->currentSubWindow()->close());
  EXPECT_EQ(w.LoadedPageWindow(QStringLiteral("tree")), nullptr);

  // Chosen again before and after the closed window is gone for good.
  w.mnu_FrmTree_Click();
  EXPECT_EQ(CountingPage::loads, 2);
  PageWindow* second = w.LoadedPageWindow(QStringLiteral("tree"));
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first.data());
  EXPECT_EQ(ActivePageKind(), QStringLiteral("tree"));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(first);
  EXPECT_EQ(w.LoadedPageWindow(QStringLiteral("tree")), second);
  w.mnu_FrmTree_Click();
  EXPECT_EQ(CountingPage::loads, 2);
}

TEST_F(MainWindowTest, FileItemsPressTheActivePagesButtons) {
  // A pressed button may open one of the search dialogs; they are answered
  // "cancel" here so the press never waits on a modal dialog, and each opening
  // is logged so the test also sees which press asked for one.
  QStringList dialogs;
  SetFindKeysDialogHandler([&dialogs](FindDialog& d) {
    dialogs << QStringLiteral("find");
    d.cmd_cancel->click();
  });
  SetSearchKeyDialogHandler([&dialogs](SearchDialog& d) {
    dialogs << QStringLiteral("search");
    d.Cmd_cancel->click();
  });
  struct RestoreDialogs {
    ~RestoreDialogs() {
      SetFindKeysDialogHandler({});
      SetSearchKeyDialogHandler({});
    }
  } restore;

  MainWindow& w = Start();
  struct Case {
    const char* page;
    FileItem item;
    const char* button;  // "" = the page offers none
    const char* dialog;  // the search dialog the press opens, "" = none
  };
  const Case cases[] = {
      {"tel", FileItem::Search, "Cmd_FileSearch2", "find"}, {"memo", FileItem::Search, "Cmd_FileSearch", "search"},
      {"yotei", FileItem::Import, "Cmd_Fileimport", ""},    {"yotei", FileItem::New, "cmd_FileNew", ""},
      {"action", FileItem::Export, "Cmd_FileExport", ""},   {"table", FileItem::Help, "Cmd_help", ""},
      {"csv", FileItem::Write, "Cmd_FileWrite", ""},        {"table", FileItem::Export, "", ""},
      {"yousi", FileItem::Read, "", ""},
  };
  for (const Case& c : cases) {
    QString kind = QString::fromLatin1(c.page);
    w.ShowPageForm(kind);
    ClickLog log;
    log.watch(w.ActivePageWindow());
    dialogs.clear();
    w.FileItemAction(c.item)->trigger();
    const QStringList expected = *c.button ? QStringList{QString::fromLatin1(c.button)} : QStringList{};
    EXPECT_EQ(log.clicked, expected) << c.page << " " << static_cast<int>(c.item);
    const QStringList expectedDialogs = *c.dialog ? QStringList{QString::fromLatin1(c.dialog)} : QStringList{};
    EXPECT_EQ(dialogs, expectedDialogs) << c.page << " " << static_cast<int>(c.item);
  }
}

TEST_F(MainWindowTest, FileItemWithoutAnActivePageDoesNothing) {
  MainWindow& w = Start({}, QStringLiteral("ringbook"));
  w.mnu_FileRead_Click();
  w.mnu_help_Click();
  EXPECT_EQ(w.ActivePageWindow(), nullptr);
}

TEST_F(MainWindowTest, UnknownKeywordDressesNoPage) {
  MainWindow& w = Start();
  QString kind = QStringLiteral("nonsense");
  w.ShowPageForm(kind);
  EXPECT_EQ(VisibleFileCaptions(), QStringList());
  EXPECT_EQ(GreyedPageItems(), QStringList());
  EXPECT_EQ(w.LastPageKind, QStringLiteral("nonsense"));
}

TEST_F(MainWindowTest, HomePageItemsOpenTheProgramsOwnHelp) {
  MainWindow& w = Start();
  w.mnu_home_Click();
  w.mnu_home_2->trigger();
  ASSERT_EQ(openedDocuments.size(), 2);
  // No README is installed beside the test program, so the help page the
  // program carries is written into the program folder and opened.
  EXPECT_EQ(openedDocuments[0], HelpPagePath());
  EXPECT_EQ(openedDocuments[0], homeFile(QStringLiteral("ringpad-help.html")));
  EXPECT_EQ(QString::fromUtf8(ReadBytes(openedDocuments[0])), HelpPageHtml());
  // An older page is brought up to date.
  WriteBytes(HelpPagePath(), "old");
  w.mnu_home_Click();
  EXPECT_EQ(QString::fromUtf8(ReadBytes(HelpPagePath())), HelpPageHtml());
}

// Without a desktop launcher that opens it (the test platform has none), the
// help item says where the help file is.
TEST_F(MainWindowTest, HomePageItemWithoutALauncherSaysWhereTheHelpIs) {
  MainWindow& w = Start();
  platform::SetShellHandler({});
  messages().clear();
  w.mnu_home_Click();
  ASSERT_EQ(messages().texts().size(), 1);
  EXPECT_TRUE(messages().texts()[0].endsWith(QStringLiteral("\r\n\r\n") + HelpPagePath()));
  EXPECT_TRUE(QFileInfo(HelpPagePath()).isFile());
}

TEST_F(MainWindowTest, AnInstalledReadmeIsTheHelp) {
  QTemporaryDir prefix;
  const QString bin = prefix.filePath(QStringLiteral("bin"));
  QDir().mkpath(bin);
  EXPECT_EQ(InstalledReadme(bin), QString());
  WriteBytes(prefix.filePath(QStringLiteral("share/doc/ringpad/README.md")), "# Ringpad\n");
  EXPECT_EQ(InstalledReadme(bin), prefix.filePath(QStringLiteral("share/doc/ringpad/README.md")));
  // A source checkout above a build folder is not an installation.
  QTemporaryDir checkout;
  WriteBytes(checkout.filePath(QStringLiteral("README.md")), "# Ringpad\n");
  QDir().mkpath(checkout.filePath(QStringLiteral("build/dev")));
  EXPECT_EQ(InstalledReadme(checkout.filePath(QStringLiteral("build/dev"))), QString());
}

TEST(PageRegistry, ButtonsAreFoundWhateverTheirLetterCase) {
  QWidget window;
  auto* button = new QPushButton(&window);
  button->setObjectName(QStringLiteral("Cmd_FileRead"));
  EXPECT_EQ(FindCommandButton(&window, QStringLiteral("CMD_FILEREAD")), button);
  EXPECT_EQ(FindCommandButton(&window, QStringLiteral("Cmd_FileWrite")), nullptr);
  EXPECT_FALSE(PressCommandButton(&window, QString()));
  EXPECT_EQ(CreatePageWindow(QStringLiteral("no-such-page")), nullptr);
}

// The activation that brings a page forward right after its load ran the
// activation step finds the page as the load left it; once the event loop
// has turned, or on any later activation, the step runs again.
TEST_F(MainWindowTest, ALoadThatActivatedItsPageIsNotRepeatedByItsFirstActivation) {
  RegisterPageWindowClass<ActivatingPage>(QStringLiteral("gant"));
  ActivatingPage::loadCaption.clear();
  MainWindow& w = Start();
  ActivatingPage::activations = 0;
  w.mnu_FrmGant_Click();
  EXPECT_EQ(ActivatingPage::activations, 1) << "the load's own run only";
  w.mnu_FrmAction_Click();
  w.mnu_FrmGant_Click();
  EXPECT_EQ(ActivatingPage::activations, 2);

  ActivatingPage page;
  page.Form_Load();
  QCoreApplication::processEvents();
  page.Activate();
  EXPECT_EQ(ActivatingPage::activations, 4) << "the loop turned between the load and the activation";
}

// The frame takes its caption from the page however the load goes: the one
// the page was made with, or the one its load gave it.
TEST_F(MainWindowTest, APageFrameShowsThePagesCaption) {
  RegisterPageWindowClass<ActivatingPage>(QStringLiteral("gant"));
  MainWindow& w = Start();
  for (const QString& loadCaption : {QString(), QStringLiteral("Loaded")}) {
    ActivatingPage::loadCaption = loadCaption;
    w.mnu_FrmGant_Click();
    QMdiSubWindow* sub = w.mdiArea->currentSubWindow();
    ASSERT_NE(sub, nullptr);
    const QString expected = loadCaption.isEmpty() ? QStringLiteral("Made") : loadCaption;
    EXPECT_EQ(sub->widget()->windowTitle(), expected);
    EXPECT_EQ(sub->windowTitle(), expected);
    ASSERT_TRUE(sub->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  ActivatingPage::loadCaption.clear();
}
