// The schedule's File commands chosen from the main window's File menu: each
// file dialog is titled with the caption of the item that was chosen.
#include <QAction>
#include <memory>

#include "FileCommandsTest.h"
#include "core/ui/MainWindow.h"
#include "schedule/windows/SchedulePages.h"

namespace {

class MainWindowFileMenu : public FileCommandsTest {
 protected:
  void SetUp() override {
    FileCommandsTest::SetUp();
    RegisterSchedulePages();
  }
  void TearDown() override {
    main_.reset();
    FileCommandsTest::TearDown();
  }
  MainWindow& StartOnSchedule() {
    WriteBytes(homeFile(QStringLiteral("diduvuv.txt")), FixtureBytes(QStringLiteral("schedule.txt")));
    main_ = std::make_unique<MainWindow>(StartupArgs{home() + QStringLiteral("ringpad"), {QStringLiteral("/C:")}});
    main_->MDIForm_Load();
    messages().clear();
    return *main_;
  }

 private:
  std::unique_ptr<MainWindow> main_;
};

TEST_F(MainWindowFileMenu, DialogsAreTitledWithTheCaptionsOfTheFileItems) {
  MainWindow& main = StartOnSchedule();
  ASSERT_NE(main.LoadedPageWindow(QStringLiteral("yotei")), nullptr);
  const struct {
    QAction* item;
    const char* title;
  } cases[] = {
      {main.mnu_FileNew, "予定ファイルの新規作成"},
      {main.mnu_FileRead, "予定ファイルの読込"},
      {main.mnu_FileImport, "他ソフトの予定内容のインポート"},
      {main.mnu_FileExport, "予定内容のエクスポート"},
  };
  for (const auto& c : cases) {
    requests.clear();
    c.item->trigger();  // cancelled: nothing changes
    ASSERT_EQ(requests.size(), 1u) << c.title;
    EXPECT_EQ(requests[0].title, QString::fromUtf8(c.title));
  }
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("diduvuv.txt"))), FixtureBytes(QStringLiteral("schedule.txt")));

  messages().clear();
  main.mnu_help->trigger();
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_TRUE(messages().shown()[0].text.startsWith(QStringLiteral("１．内容の左横のコンボボックス")));
}

TEST_F(MainWindowFileMenu, ExportFromTheMenuWritesTheCsv) {
  MainWindow& main = StartOnSchedule();
  Choose(homeFile(QStringLiteral("out.csv")));
  main.mnu_FileExport->trigger();
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("out.csv"))), FixtureBytes(QStringLiteral("schedule_export.csv")));
}

}  // namespace
