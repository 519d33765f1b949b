// The table window: its state after loading, templates from the list, the
// option samples, and a new user's way from the menu to a file and back.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cerrno>

#include "TableFile.h"
#include "tables_cards/windows/TableWindow.h"
#include "TestEnvironment.h"
#include "app/RegisterPages.h"
#include "core/platform/FileDialog.h"
#include "core/platform/ProgramExit.h"
#include "core/platform/SystemError.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "core/ui/MainWindow.h"
#include "core/ui/ShowSettingsForm.h"
#include "core/ui/TabBar.h"
#include "core/ui/VersionBox.h"

namespace {

class TableWindowTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    SetProgramPaths(home() + QStringLiteral("ringpad"));
    PaperSettings = PaperSettingsData{};
  }
  void TearDown() override {
    window_.reset();
    main_.reset();
    platform::SetEndProgramHandler({});
    SetSettingsFormHandler({});
    PaperSettings = PaperSettingsData{};
    RingpadTest::TearDown();
  }
  TableWindow& Open() {
    window_ = std::make_unique<TableWindow>();
    window_->Form_Load();
    return *window_;
  }
  // Answers the next file dialog with the path.
  static void ChooseFile(const QString& path) {
    platform::SetFileDialogHandler([path](const platform::FileDialogRequest&) { return std::optional<QString>(path); });
  }

  std::unique_ptr<TableWindow> window_;
  std::unique_ptr<MainWindow> main_;
};

TEST_F(TableWindowTest, LoadShowsTheTravelCostTableOnTheOptionsPage) {
  TableWindow& w = Open();
  EXPECT_EQ(w.cmb_type->count(), 40);
  EXPECT_EQ(w.cmb_type->currentRow(), 8);
  EXPECT_EQ(w.Txt_Title->text(), "交通費");
  EXPECT_EQ(w.Txt_MidasiRetu->text(), "月日,区間,乗物,金額,備考");
  EXPECT_EQ(w.Txt_Data->toPlainText(), "05/10,名古屋-東京,新幹線,9400\n");
  EXPECT_EQ(w.Cmb_retu->currentText(), "3列");
  EXPECT_EQ(w.Cmb_retu_haba[0]->currentText(), "10mm");
  EXPECT_EQ(w.Cmb_retu_haba[1]->currentText(), "30mm");
  EXPECT_EQ(w.Cmb_retu_haba[2]->currentText(), "");
  EXPECT_EQ(w.Cmb_retu_haba[0]->count(), 41);
  EXPECT_EQ(w.Cmb_gyou->currentText(), "20行");
  EXPECT_EQ(w.cmb_size[0]->count(), 19);
  EXPECT_EQ(w.cmb_size[0]->currentText(), "ﾃﾞﾌｫﾙﾄ");
  EXPECT_EQ(w.cmb_amikake_col->itemText(1), "網掛 1列");
  EXPECT_EQ(w.cmb_amikake_col->itemText(10), "網掛10列");
  EXPECT_EQ(w.cmb_keisen_yoko->currentText(), "横罫毎行");
  EXPECT_EQ(w.Cmb_men->currentText(), "表裏交互");
  EXPECT_TRUE(w.chk_midasiAmi->isChecked());
  EXPECT_EQ(w.Shap_amikake_yoko->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(w.TableFilePath, ProgramFolder);
  EXPECT_TRUE(w.Picture1[0]->isVisibleTo(&w));
  EXPECT_FALSE(w.Picture1[1]->isVisibleTo(&w));
  EXPECT_EQ(w.Picture3->Tag(), "サンプル,内容入力");
}

TEST_F(TableWindowTest, TemplatesKeepTheOptionsTheyDoNotSetAndTheSamplesFollow) {
  TableWindow& w = Open();
  w.chk_amikake->setChecked(true);
  w.cmb_amikake_col->setCurrentIndex(2);
  EXPECT_EQ(w.Shap_amikake_tate->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
  w.chk_tensen->setChecked(true);
  EXPECT_EQ(w.Line_yokokei[1]->property("BorderStyle").toInt(), 3);
  w.chk_midasiAmi->setChecked(false);
  EXPECT_EQ(w.Chk_midasi->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xFF));

  w.cmb_type->setCurrentRow(10);
  EXPECT_EQ(w.Cmb_retu->currentIndex(), -1);
  EXPECT_EQ(w.Cmb_retu_haba[0]->currentText(), "50mm");
  w.cmb_type->setCurrentRow(39);
  EXPECT_EQ(w.cmb_size[0]->currentText(), " 5.5");
  EXPECT_EQ(w.cmb_keisen_yoko->currentText(), "横罫４行毎");
  EXPECT_EQ(w.Txt_Title->text(), "");
  EXPECT_TRUE(w.chk_amikake->isChecked());
  EXPECT_EQ(w.cmb_amikake_col->currentIndex(), 2);
  EXPECT_TRUE(w.chk_tensen->isChecked());
}

TEST_F(TableWindowTest, FourFoldModeSelectsTheSuperOrganiserSide) {
  PaperSettings.SuperOrganiserMode = 1;
  TableWindow& w = Open();
  EXPECT_EQ(w.Cmb_men->currentText(), "超整理型");
  w.cmb_type->setCurrentRow(5);
  EXPECT_EQ(w.Cmb_men->currentText(), "超整理型");
}

TEST_F(TableWindowTest, TabBarSwitchesThePages) {
  TableWindow& w = Open();
  w.resize(600, 500);
  const int second = w.Picture3->width() * 3 / 4;
  w.Picture3_MouseDown(1, 0, second, 2);
  EXPECT_FALSE(w.Picture1[0]->isVisibleTo(&w));
  EXPECT_TRUE(w.Picture1[1]->isVisibleTo(&w));
  EXPECT_TRUE(w.isEnabled());
}

TEST_F(TableWindowTest, FailedReadAndFailedWriteLeaveEverythingAsItWas) {
  TableWindow& w = Open();
  const TableOptions before = w.Options();
  ChooseFile(homeFile("missing.csv"));
  w.Cmd_FileRead_Click();
  EXPECT_EQ(messages().texts().value(0),
            "「" + homeFile("missing.csv") + "」を読み込めませんでした。(" + platform::SystemErrorText(ENOENT) + ")");
  EXPECT_EQ(w.Options(), before);
  EXPECT_EQ(w.windowTitle(), "表");
  EXPECT_TRUE(w.isEnabled());

  // A folder in the file's place cannot be replaced, even by root.
  const QString target = homeFile("taken.csv");
  WriteBytes(target + "/inside", "old");
  ChooseFile(target);
  messages().clear();
  w.Cmd_FileWrite_Click();  // the overwrite question gets OK, the save fails
  ASSERT_EQ(messages().texts().size(), 2);
  EXPECT_TRUE(messages().texts()[0].startsWith("同じファイルがあります、上書きしますか？\n"));
  EXPECT_TRUE(messages().texts()[1].contains("taken.csv"));
  EXPECT_EQ(ReadBytes(target + "/inside"), "old");
  EXPECT_TRUE(w.isEnabled());
  EXPECT_EQ(w.TableFilePath, ProgramFolder);  // the window keeps the file it had
}

// A table with a trailing blank row, written and read back in the window,
// has the same rows; a cancelled save dialog keeps the table's file.
TEST_F(TableWindowTest, WrittenRowsReadBackWholeAndACancelledSaveKeepsTheFile) {
  TableWindow& w = Open();
  EXPECT_FALSE(w.TableChanged());
  w.Txt_Data->setPlainText(QStringLiteral("a,1\nb,2\n\n"));
  EXPECT_TRUE(w.TableChanged());
  const QString path = homeFile("rows.csv");
  for (int trip = 0; trip < 3; ++trip) {
    ChooseFile(path);
    if (trip > 0) messages().answer(platform::MsgResult::Ok);  // overwrite
    w.Cmd_FileWrite_Click();
    EXPECT_FALSE(w.TableChanged());
    w.Txt_Data->clear();
    messages().answer(platform::MsgResult::No);  // the emptied box is read over unwritten
    w.Cmd_FileRead_Click();
    EXPECT_EQ(w.Txt_Data->toPlainText(), QStringLiteral("a,1\nb,2\n\n")) << trip;
    EXPECT_FALSE(w.TableChanged()) << trip;
  }
  w.Cmd_FileWrite_Click();  // answered OK
  EXPECT_EQ(w.TableFilePath, path);
  platform::FileDialogRequest seen;
  platform::SetFileDialogHandler([&seen](const platform::FileDialogRequest& r) {
    seen = r;
    return std::optional<QString>();
  });
  w.Cmd_FileWrite_Click();
  EXPECT_EQ(w.TableFilePath, path);
  w.Cmd_FileWrite_Click();
  EXPECT_EQ(seen.fileName, QStringLiteral("rows.csv"));
}

// A file read over a table that was not written asks first, as closing
// does; a file that is no text is refused and the table stays as it was.
TEST_F(TableWindowTest, ReadingOverAnUnwrittenTableAsksFirstAndRefusesBinaryFiles) {
  const QString good = homeFile("good.csv");
  WriteBytes(good, "@TITLE=good\r\n@CSV=\r\nh1,h2\r\na,b\r\n");
  const QString binary = homeFile("binary.csv");
  WriteBytes(binary, QByteArray("@TITLE=bin\r\n@CSV=\r\nh1,h2\r\na\0,b\r\n", 32));
  TableWindow& w = Open();
  w.Txt_Data->setPlainText(QStringLiteral("typed,row"));
  const TableOptions typed = w.Options();
  int dialogs = 0;
  QString chosen;
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) {
    ++dialogs;
    return std::optional<QString>(chosen);
  });

  chosen = good;
  messages().answer(platform::MsgResult::Cancel);
  w.Cmd_FileRead_Click();
  ASSERT_EQ(messages().texts().size(), 1);
  EXPECT_TRUE(messages().texts()[0].startsWith(
      QStringLiteral("「表」の内容が変更されています。\n書き出してから読み込みますか？")));
  EXPECT_EQ(dialogs, 0);
  EXPECT_EQ(w.Options(), typed);

  chosen = binary;
  messages().clear();
  messages().answer(platform::MsgResult::No);
  w.Cmd_FileRead_Click();
  ASSERT_EQ(messages().texts().size(), 2);
  EXPECT_EQ(messages().texts()[1], "「" + binary + "」はテキストファイルではないので、読み込めません。");
  EXPECT_EQ(w.Options(), typed);
  EXPECT_EQ(w.windowTitle(), "表");

  chosen = good;
  messages().clear();
  messages().answer(platform::MsgResult::No);
  w.Cmd_FileRead_Click();
  EXPECT_EQ(messages().texts().size(), 1);
  EXPECT_EQ(w.Txt_Title->text(), QStringLiteral("good"));
  EXPECT_FALSE(w.TableChanged());
  // Nothing changed since: the next read asks nothing.
  messages().clear();
  w.Cmd_FileRead_Click();
  EXPECT_TRUE(messages().texts().isEmpty());
}

TEST_F(TableWindowTest, HelpShowsTheHelpText) {
  TableWindow& w = Open();
  w.Cmd_help->click();
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(messages().shown()[0].text, TableHelpText());
  EXPECT_TRUE(TableHelpText().contains(HomePageAddress()));
}

TEST_F(TableWindowTest, NewUserWritesAPocketBookAndReadsItBack) {
  RegisterAllPages();
  platform::SetEndProgramHandler([](int) {});
  SetSettingsFormHandler([](SettingsForm&) {});
  main_ = std::make_unique<MainWindow>(StartupArgs{home() + QStringLiteral("ringpad"), {}});
  main_->MDIForm_Load();
  messages().clear();
  main_->mnu_FrmTable->trigger();
  auto* w = qobject_cast<TableWindow*>(main_->LoadedPageWindow(QStringLiteral("table")));
  ASSERT_NE(w, nullptr);

  w->cmb_type->setCurrentRow(3);
  w->Picture3_MouseDown(1, 0, w->Picture3->width() * 3 / 4, 2);
  ASSERT_TRUE(w->Picture1[1]->isVisibleTo(w));
  w->Txt_Title->setText("五月の小遣い");
  w->chk_date->setChecked(true);
  const TableOptions written = w->Options();

  const QString path = homeFile("pocket.csv");
  WriteBytes(path, "old");
  QStringList titles;
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest& r) {
    titles << r.title;
    return std::optional<QString>(path);
  });
  messages().answer(platform::MsgResult::Cancel);
  main_->mnu_FileWrite->trigger();
  EXPECT_EQ(ReadBytes(path), "old");
  EXPECT_EQ(w->TableFilePath, ProgramFolder);  // nothing written, the window's file stays
  messages().answer(platform::MsgResult::Ok);
  main_->mnu_FileWrite->trigger();
  EXPECT_EQ(ReadBytes(path), WriteTableFile(written));
  EXPECT_EQ(titles.value(0), "ＣＳＶファイルの書出");
  EXPECT_EQ(w->windowTitle(), "表");

  w->cmb_type->setCurrentRow(0);
  EXPECT_EQ(w->Txt_Title->text(), "");
  main_->mnu_FileRead->trigger();
  EXPECT_EQ(titles.value(2), "ＣＳＶファイルの読込");
  EXPECT_EQ(w->Options(), written);
  EXPECT_EQ(w->TableFilePath, "pocket.csv");
  EXPECT_EQ(w->windowTitle(), "表 - pocket.csv");
  EXPECT_EQ(w->cmb_type->currentRow(), 0);
}

}  // namespace
