// New, open, export and help of the schedule window.
#include "core/ui/HelpPage.h"
#include "FileCommandsTest.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include "core/platform/TextLines.h"
#include "core/ui/VersionBox.h"
#include "schedule/HolidayLines.h"

namespace {

using NewFile = FileCommandsTest;
using OpenFile = FileCommandsTest;
using ExportFile = FileCommandsTest;

QByteArray HolidayFile() { return platform::JoinLinesCrLf(HolidayLines()); }

TEST_F(NewFile, CreatesTheHolidayLinesAndStoresTheNameInTheProgramFolderWithoutIt) {
  QTemporaryDir elsewhere;
  QDir().mkpath(home() + QStringLiteral("sub"));
  const QString outside = elsewhere.path() + QStringLiteral("/y.txt");
  const struct {
    QString chosen;
    QString stored;
  } cases[] = {
      {home() + QStringLiteral("work.txt"), QStringLiteral("work.txt")},
      {home() + QStringLiteral("sub/x.txt"), QStringLiteral("sub/x.txt")},
      {outside, outside},
  };
  ScheduleWindow& w = OpenOnFixture();
  CurrentScheduleFile = QStringLiteral("opened.txt");
  for (const auto& c : cases) {
    Choose(c.chosen);
    w.cmd_FileNew->click();
    EXPECT_EQ(ReadBytes(c.chosen), HolidayFile()) << c.chosen.toStdString();
    EXPECT_EQ(w.ScheduleFilePath, c.stored);
    EXPECT_EQ(Key("FILE"), c.stored);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("予定表 - ") + c.stored);
  }
  EXPECT_EQ(CurrentScheduleFile, QStringLiteral("opened.txt")) << "a new file leaves the opened one";
  EXPECT_TRUE(messages().shown().empty());

  ASSERT_EQ(requests.size(), 3u);
  const platform::FileDialogRequest& r = requests[1];  // made while "work.txt" was shown
  EXPECT_FALSE(r.open);
  EXPECT_EQ(r.folder, QString());
  EXPECT_EQ(r.fileName, QStringLiteral("work.txt"));
  EXPECT_EQ(r.filter, QStringLiteral("予定表 (*.txt)|*.txt|全て (*.*)|*.*||"));
  EXPECT_EQ(r.filterIndex, 1);
  EXPECT_EQ(r.defaultExtension, QStringLiteral("txt"));
  EXPECT_EQ(requests[2].folder, QStringLiteral("sub/"));
}

TEST_F(NewFile, RefusesAFileThatExistsAndChangesNothing) {
  ScheduleWindow& w = OpenOnFixture();
  const QString shown = w.ScheduleFilePath;
  WriteBytes(homeFile(QStringLiteral("old.txt")), "keep\r\n");
  Choose(homeFile(QStringLiteral("old.txt")));
  w.cmd_FileNew->click();
  ASSERT_EQ(messages().texts(), QStringList{QStringLiteral("既に「") + homeFile(QStringLiteral("old.txt")) +
                                            QStringLiteral("」ファイルは有りますので新規作成できません")});
  EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::Information);
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("old.txt"))), QByteArray("keep\r\n"));
  EXPECT_EQ(w.ScheduleFilePath, shown);
  EXPECT_EQ(Key("FILE"), QStringLiteral("diduvuv.txt"));

  Choose(QString());  // cancelled
  w.cmd_FileNew->click();
  EXPECT_EQ(w.ScheduleFilePath, shown);
  EXPECT_EQ(messages().shown().size(), 1u);
}

TEST_F(NewFile, AFileThatCannotBeCreatedLeavesTheShownFile) {
  ScheduleWindow& w = OpenOnFixture();
  const QString shown = w.ScheduleFilePath;
  Choose(homeFile(QStringLiteral("no/such/folder/new.txt")));
  w.cmd_FileNew->click();
  EXPECT_EQ(messages().shown().size(), 1u) << "the failed write is reported";
  EXPECT_EQ(w.ScheduleFilePath, shown);
  EXPECT_EQ(Key("FILE"), QStringLiteral("diduvuv.txt"));
}

TEST_F(OpenFile, ShowsTheFileAndStoresItRelativeToTheProgramFolder) {
  WriteSchedule(QStringLiteral("sub/x.txt"), {QStringLiteral("2025/06/03,　　,会議")});
  WriteSchedule(QStringLiteral("x.txt"), {QStringLiteral("2025/06/04,赤　,締切"), QStringLiteral("2025/06/05,　　,a")});
  ScheduleWindow& w = OpenOnFixture();
  const struct {
    QString chosen;
    QString stored;
    int rows;
  } cases[] = {
      {home() + QStringLiteral("sub/x.txt"), QStringLiteral("./sub/x.txt"), 1},
      {home() + QStringLiteral("x.txt"), QStringLiteral("x.txt"), 2},
  };
  for (const auto& c : cases) {
    Choose(c.chosen);
    w.Cmd_FileRead->click();
    EXPECT_EQ(w.ScheduleFilePath, c.stored);
    EXPECT_EQ(Key("FILE"), c.stored);
    EXPECT_EQ(CurrentScheduleFile, c.stored);
    EXPECT_EQ(w.List1->count(), c.rows) << c.stored.toStdString();
  }
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_TRUE(requests[1].open);
  EXPECT_EQ(requests[1].folder, QStringLiteral("./sub/"));
  EXPECT_EQ(requests[1].fileName, QStringLiteral("x.txt"));
  EXPECT_EQ(requests[1].filter, QStringLiteral("テキスト (*.doc;*.txt)|*.doc;*.txt|全て (*.*)|*.*||"));
  EXPECT_EQ(requests[1].defaultExtension, QString());
  EXPECT_TRUE(messages().shown().empty());
}

TEST_F(OpenFile, AMissingFileOrACancelChangesNothing) {
  ScheduleWindow& w = OpenOnFixture();
  const QString shown = w.ScheduleFilePath;
  QDir().mkpath(homeFile(QStringLiteral("folder")));
  for (const QString& chosen : {homeFile(QStringLiteral("gone.txt")), homeFile(QStringLiteral("folder")), QString()}) {
    Choose(chosen);
    w.Cmd_FileRead->click();
    EXPECT_EQ(w.ScheduleFilePath, shown);
    EXPECT_EQ(Key("FILE"), QStringLiteral("diduvuv.txt"));
    EXPECT_TRUE(CurrentScheduleFile.isEmpty());
  }
  EXPECT_TRUE(messages().shown().empty());
}

TEST_F(ExportFile, WritesTheScheduleAsCsvWithoutHolidaysReplacingAnEarlierExport) {
  ScheduleWindow& w = OpenOnFixture();
  const QString target = homeFile(QStringLiteral("diduvuv.csv"));
  WriteBytes(target, "earlier export\r\n");
  Choose(target);
  w.Cmd_FileExport->click();
  EXPECT_EQ(ReadBytes(target), FixtureBytes(QStringLiteral("schedule_export.csv")));
  EXPECT_EQ(Schedule(), FixtureBytes(QStringLiteral("schedule.txt")));
  EXPECT_TRUE(w.isEnabled());

  ASSERT_EQ(
      messages().texts(),
      QStringList{QStringLiteral("予定内容をCSV形式で書き出せます。\r\n\r\n書き出した内容には祝日データは含まれません"
                                 "\r\n（公休は含まれます）\r\n")});
  EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::Information);
  EXPECT_EQ(messages().shown()[0].buttons, platform::MsgButtons::Ok);
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_FALSE(requests[0].open);
  EXPECT_EQ(requests[0].folder, home());
  EXPECT_EQ(requests[0].fileName, QStringLiteral("diduvuv.csv"));
  EXPECT_EQ(requests[0].filter,
            QStringLiteral("CSVファイル (*.csv)|*.csv|テキスト (*.csv;*.txt)|*.csv;*.txt|全て (*.*)|*.*||"));
  EXPECT_EQ(requests[0].filterIndex, 1);
  EXPECT_EQ(requests[0].defaultExtension, QString());
}

// However the chosen path or the stored one is written, the schedule is
// never overwritten by its own export.
TEST_F(ExportFile, RefusesTheShownScheduleFileHoweverItsPathIsWritten) {
  ScheduleWindow& w = OpenOnFixture();
  const QByteArray before = Schedule();
  QDir().mkpath(home() + QStringLiteral("sub"));
  ASSERT_TRUE(QFile::link(homeFile(QStringLiteral("diduvuv.txt")), homeFile(QStringLiteral("sub/link.txt"))));
  const QString refused = QStringLiteral("表示中のファイルと同じファイルは指定できません");
  for (const QString& chosen : {homeFile(QStringLiteral("diduvuv.txt")), QStringLiteral("sub/../diduvuv.txt"),
                                QStringLiteral("diduvuv.txt"), homeFile(QStringLiteral("sub/link.txt"))}) {
    EXPECT_EQ(PressAfterNotice(w.Cmd_FileExport, chosen), QStringList{refused}) << chosen.toStdString();
    EXPECT_EQ(messages().shown().back().icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(Schedule(), before);
  }

  // A schedule stored by a relative name after "new".
  Choose(homeFile(QStringLiteral("work.txt")));
  w.cmd_FileNew->click();
  ASSERT_EQ(w.ScheduleFilePath, QStringLiteral("work.txt"));
  EXPECT_EQ(PressAfterNotice(w.Cmd_FileExport, homeFile(QStringLiteral("work.txt"))), QStringList{refused});
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("work.txt"))), HolidayFile());
}

TEST_F(ExportFile, ACancelledDialogOrAnUnwritableTargetLosesNothing) {
  ScheduleWindow& w = OpenOnFixture();
  Choose(QString());
  w.Cmd_FileExport->click();
  EXPECT_EQ(messages().shown().size(), 1u);
  EXPECT_FALSE(QFile::exists(homeFile(QStringLiteral("diduvuv.csv"))));

  messages().clear();
  Choose(homeFile(QStringLiteral("no/folder/out.csv")));
  w.Cmd_FileExport->click();
  EXPECT_EQ(messages().shown().size(), 2u) << "the failed write is reported";
  EXPECT_TRUE(w.isEnabled());
  EXPECT_EQ(Schedule(), FixtureBytes(QStringLiteral("schedule.txt")));
}

TEST_F(FileCommandsTest, HelpShowsTheUsageNote) {
  ScheduleWindow& w = OpenOnFixture();
  w.Cmd_help->click();
  ASSERT_EQ(messages().shown().size(), 1u);
  const QStringList lines = messages().shown()[0].text.split(QStringLiteral("\r\n"));
  ASSERT_EQ(lines.size(), 16);
  EXPECT_EQ(lines[0], QStringLiteral("１．内容の左横のコンボボックス"));
  EXPECT_EQ(lines[8], QStringLiteral("　　公休祝日：お休みの日を指定してください。休みでなければ削除してください。"));
  EXPECT_EQ(lines[9], QString());
  EXPECT_EQ(lines[12],
            QStringLiteral("　　一覧で選択した日と入力した日が違うときは、入力した日の最後に追加されます。"));
  EXPECT_EQ(lines[14], MoreHelpLine() + QStringLiteral("。"));
  EXPECT_TRUE(lines[14].contains(HomePageAddress()));
  EXPECT_TRUE(QFileInfo(HomePageAddress()).isFile());
  EXPECT_EQ(lines[15], QString());
  EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::Information);
}

TEST_F(FileCommandsTest, WriteAndSearchDoNothing) {
  ScheduleWindow& w = OpenOnFixture();
  w.Cmd_FileWrite->click();
  w.Cmd_FileSearch->click();
  EXPECT_TRUE(messages().shown().empty());
  EXPECT_TRUE(requests.empty());
  EXPECT_EQ(Schedule(), FixtureBytes(QStringLiteral("schedule.txt")));
}

}  // namespace
