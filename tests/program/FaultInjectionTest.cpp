// Failing system calls, one at a time, on each way the program saves or
// loads a file: the old file keeps its bytes, the user is told, and no
// temporary file is left behind. The failures come from a shim preloaded
// into a child process.
#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QLineEdit>
#include <QComboBox>
#include <QListWidget>
#include <QMap>
#include <QPlainTextEdit>
#include <optional>

#include "ChildProcess.h"
#include "TestEnvironment.h"
#include "charts/windows/GanttWindow.h"
#include "core/platform/ProgramExit.h"
#include "core/print/PrintSeams.h"
#include "core/ui/ScreenArea.h"
#include "core/ui/MainWindow.h"
#include "app/RegisterPages.h"
#include "core/platform/Codec.h"
#include "core/platform/FileDialog.h"
#include "core/platform/MessageBox.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"
#include "ruled_photo/windows/PhotoWindow.h"
#include "core/dates/DateLists.h"
#include "schedule/ScheduleFile.h"
#include "schedule/windows/ScheduleWindow.h"
#include "tables_cards/windows/CardColumnList.h"
#include "tables_cards/windows/CardWindow.h"
#include "tables_cards/TableFile.h"
#include "tables_cards/windows/TableWindow.h"

namespace {

const QDate kTuesday(2024, 6, 4);  // weekday backup 3

// In the child: runs one operation, reporting every message and the result.
// Questions (to overwrite a file, say) are answered OK and not reported:
// they are no failure.
TEST(DISABLED_FaultChild, Run) {
  SetProgramPaths(qEnvironmentVariable("RINGPAD_HOME") + QStringLiteral("/ringpad"));
  platform::SetMessageHandler([](const platform::MessageRequest& r) {
    if (r.buttons == platform::MsgButtons::Ok) ReportToParent(r.text);
    return platform::MsgResult::Ok;
  });
  const QString op = qEnvironmentVariable("RINGPAD_CHILD_OPERATION");
  const QString schedule = ProgramFolder + QStringLiteral("diduvuv.txt");
  const QString table = ProgramFolder + QStringLiteral("hyou.csv");
  // Every file dialog chooses the table's file.
  platform::SetFileDialogHandler([table](const platform::FileDialogRequest&) { return std::optional<QString>(table); });
  bool ok = false;
  if (op == "schedule-add")
    ok = ScheduleFile::Rewrite(schedule, [](QStringList& lines) {
      lines.append(QStringLiteral("2024/06/04,　　,追加"));
      return true;
    });
  else if (op == "schedule-write")
    ok = ScheduleFile::Write(schedule, {QStringLiteral("2024/06/04,　　,全部")});
  else if (op == "backup")
    ok = ScheduleFile::MakeWeekdayBackup(schedule, kTuesday);
  else if (op == "settings-write")
    ok = WriteIniValue(QStringLiteral("DIDUVUV"), QStringLiteral("FILE"), QStringLiteral("other.txt")) != 0;
  else if (op == "program-start") {
    // The whole start on the schedule page, the version box not counted.
    RegisterAllPages();
    SetScreenAreaOverride(QRect(0, 0, 1920, 1080));
    SetInstalledPrintersOverride(QStringList());
    platform::SetEndProgramHandler([](int) {});
    platform::SetMessageHandler([](const platform::MessageRequest& r) {
      ReportToParent(r.title == QStringLiteral("バージョン情報") ? QStringLiteral("version box") : r.text);
      return platform::MsgResult::Ok;
    });
    MainWindow w(StartupArgs{ProgramFolder + QStringLiteral("ringpad"), {QStringLiteral("/C:")}});
    w.MDIForm_Load();
    ok = w.LoadedPageWindow(QStringLiteral("yotei")) != nullptr;
  } else if (op == "schedule-window") {
    // Opened as the main window opens it, and activated once more as when
    // the user comes back to it: the list is read each time.
    SetScheduleToday(kTuesday);
    PaperSettings.PageWidth = 180;
    ScheduleWindow w;
    w.Form_Load();
    w.Form_Activate();
    w.Form_Activate();
    ok = w.List1->count() > 0;
  } else if (op == "table-load" || op == "table-save") {
    TableWindow w;
    w.Form_Load();
    if (op == "table-load") {
      w.Cmd_FileRead_Click();
      ok = w.windowTitle() == QStringLiteral("表 - hyou.csv");
    } else {
      w.Cmd_FileWrite_Click();
      QFile file(table);
      ok = file.open(QIODevice::ReadOnly) && file.readAll() == WriteTableFile(w.Options());
    }
  } else if (op == "gantt-load") {
    GanttWindow::CurrentGanttFile = ProgramFolder + QStringLiteral("plan.csv");
    GanttWindow w;
    w.Form_Load();
    ok = w.txt_data->toPlainText().contains(QStringLiteral("設計"));
  } else if (op == "gantt-read") {
    // The remembered chart edited and not saved, then File > read of a file
    // that cannot be read.
    ExeName = QStringLiteral("ringpad");
    GanttWindow w;
    w.Form_Load();
    w.Cmb_title->setEditText(QStringLiteral("未保存の計画"));
    w.txt_data->setPlainText(QStringLiteral("設計,2024/06/03"));
    const QString before = GanttWindow::CurrentGanttFile;
    platform::SetFileDialogHandler([](const platform::FileDialogRequest&) {
      return std::optional<QString>(ProgramFolder + QStringLiteral("plan.csv"));
    });
    w.Cmd_FileRead_Click();
    // "ok" is the chart, its file and the settings as they were.
    ok = w.Cmb_title->currentText() == QStringLiteral("未保存の計画") &&
         w.txt_data->toPlainText() == QStringLiteral("設計,2024/06/03") && GanttWindow::CurrentGanttFile == before &&
         GetIniValue(QString(), QStringLiteral("FILE")) == QStringLiteral("kept.csv") && w.ChartChanged();
  } else if (op == "card-window") {
    CardWindow w;
    w.Form_Load();
    ok = w.List2->count() > 0;
  } else if (op == "photo-load") {
    PhotoWindow w;
    w.Form_Load();
    ok = w.LoadPhotoFile(ProgramFolder + QStringLiteral("photo.bmp")) &&
         w.txt_title->text() == QStringLiteral("写真");
  }
  ReportToParent(ok ? QStringLiteral("result: ok") : QStringLiteral("result: failed"));
}

class FaultInjectionTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    for (int i = 1; i <= 28; ++i)
      schedule_ += platform::ToSjis(QStringLiteral("2024/06/%1,　　,予定%2\r\n").arg(i, 2, 10, QChar(u'0')).arg(i));
    WriteBytes(homeFile("diduvuv.txt"), schedule_);
    WriteBytes(homeFile("bak/diduvuv3.txt"), "last week\r\n");
    WriteBytes(homeFile("ringpad.ini"), platform::ToSjis("[DIDUVUV]\r\nFILE=diduvuv.txt\r\nMEMO_GYO=3\r\n"));
    WriteBytes(homeFile("hyou.csv"), platform::ToSjis("@TITLE=旅費\r\n月日,区間\r\n05/10,名古屋-東京\r\n"));
    QImage photo(4, 4, QImage::Format_RGB32);
    photo.fill(Qt::blue);
    ASSERT_TRUE(photo.save(homeFile("photo.bmp"), "BMP"));
    WriteBytes(homeFile("photo.txt"), platform::ToSjis("@TITLE=写真\r\n説明\r\n"));
    WriteBytes(homeFile("plan.csv"), platform::ToSjis("@NAME=佐藤\r\n@CSV=\r\n作業,開始\r\n設計,2024/06/03\r\n"));
  }
  // Every file under the program folder, hidden ones too, with its bytes.
  QMap<QString, QByteArray> Files() const {
    QMap<QString, QByteArray> files;
    QDirIterator it(home(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString path = it.next();
      files.insert(path.mid(home().size()), ReadBytes(path));
    }
    return files;
  }
  // Runs the child's operation with every read of the file failing: the
  // failure is told once, naming the file, and then the child's result.
  void ExpectReadFailureNamedOnce(const char* operation, const char* file, const char* result) {
    QProcessEnvironment env;
    env.insert("RINGPAD_CHILD_OPERATION", operation);
    env.insert("RINGPAD_FAULT_CALL", "read");
    env.insert("RINGPAD_FAULT_PATH", homeFile(file));
    const ChildOutcome outcome = RunChildTest("DISABLED_FaultChild.Run", env, RINGPAD_FAULT_SHIM);
    ASSERT_EQ(outcome.exitCode, 0) << operation << "\n" << outcome.log.toStdString();
    ASSERT_EQ(outcome.reports.size(), 2) << operation << "\n" << outcome.reports.join("\n").toStdString();
    EXPECT_TRUE(outcome.reports[0].startsWith("「" + homeFile(file) + "」を読み込めませんでした。("))
        << outcome.reports[0].toStdString();
    EXPECT_EQ(outcome.reports[1], QString::fromLatin1(result)) << operation;
  }
  QByteArray schedule_;
};

TEST_F(FaultInjectionTest, EveryFailedCallLeavesTheOldFiles) {
  const struct {
    const char* operation;
    const char* call;
    const char* pattern;  // under the program folder
    const char* message;  // a message starting so, "" for none
  } rows[] = {
      {"schedule-add", "read", "diduvuv.txt", "「%1diduvuv.txt」を読み込めませんでした。("},
      {"schedule-add", "fdatasync", ".diduvuv.txt.*", "%1diduvuv.txt に書き込めませんでした。"},
      {"schedule-add", "close", ".diduvuv.txt.*", "%1diduvuv.txt に書き込めませんでした。"},
      {"schedule-add", "rename", "diduvuv.txt", "%1diduvuv.txt に書き込めませんでした。"},
      {"schedule-write", "read", "diduvuv.txt", "「%1diduvuv.txt」を読み込めませんでした。("},
      {"schedule-write", "fdatasync", ".diduvuv.txt.*", "%1diduvuv.txt に書き込めませんでした。"},
      {"schedule-write", "close", ".diduvuv.txt.*", "%1diduvuv.txt に書き込めませんでした。"},
      {"schedule-write", "rename", "diduvuv.txt", "%1diduvuv.txt に書き込めませんでした。"},
      {"backup", "read", "diduvuv.txt", "「%1diduvuv.txt」を読み込めませんでした。("},
      {"backup", "write", "bak/.diduvuv3.txt.*", "%1bak/diduvuv3.txt に書き込めませんでした。"},
      {"backup", "fdatasync", "bak/.diduvuv3.txt.*", "%1bak/diduvuv3.txt に書き込めませんでした。"},
      {"backup", "close", "bak/.diduvuv3.txt.*", "%1bak/diduvuv3.txt に書き込めませんでした。"},
      {"backup", "rename", "bak/diduvuv3.txt", "%1bak/diduvuv3.txt に書き込めませんでした。"},
      {"table-load", "read", "hyou.csv", "「%1hyou.csv」を読み込めませんでした。("},
      {"table-save", "fdatasync", ".hyou.csv.*", "%1hyou.csv に書き込めませんでした。"},
      {"table-save", "close", ".hyou.csv.*", "%1hyou.csv に書き込めませんでした。"},
      {"table-save", "rename", "hyou.csv", "%1hyou.csv に書き込めませんでした。"},
      {"gantt-load", "read", "plan.csv", "「%1plan.csv」を読み込めませんでした。("},
      {"photo-load", "read", "photo.txt", "「%1photo.txt」を読み込めませんでした。("},
      {"settings-write", "read", "ringpad.ini", "「%1ringpad.ini」を読み込めませんでした。("},
      {"settings-write", "fdatasync", ".ringpad.ini.*", "%1ringpad.ini に書き込めませんでした。"},
      {"settings-write", "close", ".ringpad.ini.*", "%1ringpad.ini に書き込めませんでした。"},
      {"settings-write", "rename", "ringpad.ini", "%1ringpad.ini に書き込めませんでした。"},
  };
  const QMap<QString, QByteArray> before = Files();
  for (const auto& row : rows) {
    const std::string where = std::string(row.operation) + " × " + row.call;
    QProcessEnvironment env;
    env.insert("RINGPAD_CHILD_OPERATION", row.operation);
    env.insert("RINGPAD_FAULT_CALL", row.call);
    env.insert("RINGPAD_FAULT_PATH", home() + row.pattern);
    const ChildOutcome outcome = RunChildTest("DISABLED_FaultChild.Run", env, RINGPAD_FAULT_SHIM);
    ASSERT_EQ(outcome.exitCode, 0) << where << "\n" << outcome.log.toStdString();
    ASSERT_FALSE(outcome.reports.isEmpty()) << where;
    EXPECT_EQ(outcome.reports.last(), "result: failed") << where;
    const QStringList messages = outcome.reports.mid(0, outcome.reports.size() - 1);
    if (*row.message) {
      ASSERT_EQ(messages.size(), 1) << where << "\n" << messages.join("\n").toStdString();
      EXPECT_TRUE(messages[0].startsWith(QString::fromUtf8(row.message).arg(home()))) << where << " said "
                                                                                         << messages[0].toStdString();
    } else {
      EXPECT_TRUE(messages.isEmpty()) << where;
    }
    // The temporary copy of an entry edit is made before the replace fails;
    // it holds the file as it was.
    QMap<QString, QByteArray> after = Files();
    if (after.contains("ringpad.tmp")) {
      EXPECT_EQ(after.take("ringpad.tmp"), schedule_) << where;
    }
    EXPECT_EQ(after, before) << where;
  }
}

// The same child without a fault changes its file: the rows above fail
// because of the shim, not because the operation cannot work.
TEST_F(FaultInjectionTest, WithoutAFaultEachOperationWrites) {
  for (const char* operation : {"schedule-add", "schedule-write", "backup", "schedule-window", "table-load",
                                "table-save", "gantt-load", "photo-load", "settings-write"}) {
    QProcessEnvironment env;
    env.insert("RINGPAD_CHILD_OPERATION", operation);
    const ChildOutcome outcome = RunChildTest("DISABLED_FaultChild.Run", env, RINGPAD_FAULT_SHIM);
    EXPECT_EQ(outcome.reports, QStringList{"result: ok"}) << operation << "\n" << outcome.log.toStdString();
  }
  EXPECT_EQ(ReadBytes(homeFile("bak/diduvuv3.txt")), platform::ToSjis("2024/06/04,　　,全部\r\n"));
  EXPECT_TRUE(platform::FromSjis(ReadBytes(homeFile("ringpad.ini"))).contains("FILE=other.txt"));
}

// The schedule window reads its file as it opens (one read for the weekday
// backup, the code page check and the month list) and again on each
// activation: a file that cannot be read is named once, not once a read,
// and nothing is copied or written.
TEST_F(FaultInjectionTest, AScheduleThatCannotBeReadIsNamedOnceWhenItsWindowOpens) {
  QProcessEnvironment env;
  env.insert("RINGPAD_CHILD_OPERATION", "schedule-window");
  env.insert("RINGPAD_FAULT_CALL", "read");
  env.insert("RINGPAD_FAULT_PATH", homeFile("diduvuv.txt"));
  QMap<QString, QByteArray> before = Files();
  const ChildOutcome outcome = RunChildTest("DISABLED_FaultChild.Run", env, RINGPAD_FAULT_SHIM);
  ASSERT_EQ(outcome.exitCode, 0) << outcome.log.toStdString();
  ASSERT_EQ(outcome.reports.size(), 2) << outcome.reports.join("\n").toStdString();
  EXPECT_TRUE(outcome.reports[0].startsWith("「" + homeFile("diduvuv.txt") + "」を読み込めませんでした。("))
      << outcome.reports[0].toStdString();
  EXPECT_EQ(outcome.reports[1], "result: failed") << "an empty list";
  // Opening writes its settings; the data and its backup keep their bytes.
  QMap<QString, QByteArray> after = Files();
  before.remove("ringpad.ini");
  after.remove("ringpad.ini");
  EXPECT_EQ(after, before);
}

// A chart file that cannot be read is told once and changes nothing: the
// unsaved chart, its title, its file and the settings stay, so that a save
// cannot write an empty chart over the file.
TEST_F(FaultInjectionTest, AGanttReadThatFailsLeavesTheChartAndTheSettings) {
  WriteBytes(homeFile("kept.csv"), platform::ToSjis("@TITLE=前の計画\r\n@CSV=\r\n作業,開始\r\n"));
  WriteBytes(homeFile("ringpad.ini"), platform::ToSjis("[DIDUVUV]\r\nFILE=diduvuv.txt\r\n[ringpad]\r\nFILE=kept.csv\r\n"));
  ExpectReadFailureNamedOnce("gantt-read", "plan.csv", "result: ok");
}

// Settings that cannot be read at start are named once: no first-run or
// new-version box, no word of a schedule file not found, nothing written.
TEST_F(FaultInjectionTest, SettingsThatCannotBeReadAtStartAreNamedOnce) {
  WriteBytes(homeFile("ringpad.ini"), platform::ToSjis("[ringpad]\r\nVERSION=3.15.00\r\n[DIDUVUV]\r\nFILE=gone.txt\r\n"));
  const QByteArray settings = ReadBytes(homeFile("ringpad.ini"));
  ExpectReadFailureNamedOnce("program-start", "ringpad.ini", "result: ok");
  EXPECT_EQ(ReadBytes(homeFile("ringpad.ini")), settings);
}

// The card window reads its file as it opens, for the backup and for the
// lists: a file that cannot be read is named once, and no backup is made.
TEST_F(FaultInjectionTest, ACardFileThatCannotBeReadIsNamedOnceWhenItsWindowOpens) {
  WriteBytes(homeFile("VOREVA.csv"), platform::ToSjis("@TITLE(2001/08/18 11:44:18)=x\r\n読み,英語\r\n,ABLE\r\n"));
  ExpectReadFailureNamedOnce("card-window", "VOREVA.csv", "result: failed");  // empty lists
  EXPECT_TRUE(QDir(homeFile("bak")).entryList({"voreva*"}, QDir::Files | QDir::Hidden).isEmpty());
  // Without the fault the lists fill.
  QProcessEnvironment env;
  env.insert("RINGPAD_CHILD_OPERATION", "card-window");
  EXPECT_EQ(RunChildTest("DISABLED_FaultChild.Run", env, RINGPAD_FAULT_SHIM).reports, QStringList{"result: ok"});
}

}  // namespace
