// Today, the command line's dates, the tab bar and the month list's keys.
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

#include "ScheduleWindowTest.h"
#include "app/RegisterPages.h"
#include "core/platform/ProgramExit.h"
#include "core/ui/MainWindow.h"
#include "core/ui/TabBar.h"
#include "schedule/ScheduleCommandLine.h"

namespace {

using Navigation = ScheduleWindowTest;

QString Shown(const ScheduleWindow& w) {
  return w.Cmb_Nen->currentText() + u'/' + w.Cmb_Tuki->currentText() + u'/' + w.Cmb_Hi->currentText();
}

TEST(ScheduleCommandLine, DatesOfTheCSwitches) {
  struct Row { const char* line; QDate date; };
  const Row rows[] = {
      {"/C:2001-05-10", QDate(2001, 5, 10)},
      {"/c:2001-5-9 ", QDate(2001, 5, 9)},
      {"/C:2001.12.31", QDate(2001, 12, 31)},
      {"/C:20020203", QDate(2002, 2, 3)},
      {"/C:2001-05-10 /C:2003-01-02", QDate(2003, 1, 2)},
      {"/C:2003-01-02 /C:abc", QDate(2003, 1, 2)},
      {"/C:2001-02-30", QDate()},
      {"C:2001-05-10", QDate()},  // before the first "/": no switch
      {"/M:x /C:2004-04-04", QDate(2004, 4, 4)},
      {"/CA", QDate()},
      {"", QDate()},
  };
  for (const Row& r : rows) EXPECT_EQ(CommandLineScheduleDate(QString::fromUtf8(r.line)), r.date) << r.line;
  EXPECT_EQ(SwitchDate(QStringLiteral("2001年5月10日")), QDate(2001, 5, 10));
}

TEST_F(Navigation, ACSwitchSelectsItsDate) {
  struct Row { const char* line; const char* shown; };
  const Row rows[] = {
      {"/C:2001-05-10", "2001/05/10"},
      {"/C:2001-05-10 /C:2002-02-28", "2002/02/28"},
      {"/C:1850-01-01", "2025/06/15"},  // no such year in the list
      {"/C:tomorrow", "2025/06/15"},
  };
  for (const Row& r : rows) {
    CommandLineText = QString::fromUtf8(r.line);
    EXPECT_EQ(Shown(Open()), QLatin1String(r.shown)) << r.line;
  }
}

TEST_F(Navigation, TheMainWindowOpensTheScheduleAtTheDateOfTheCommandLine) {
  RegisterAllPages();
  platform::SetEndProgramHandler([](int) {});
  {
    MainWindow main(StartupArgs{home() + QStringLiteral("ringpad"), {QStringLiteral("/C:2001-05-10")}});
    main.MDIForm_Load();
    auto* schedule = qobject_cast<ScheduleWindow*>(main.LoadedPageWindow(QStringLiteral("yotei")));
    ASSERT_NE(schedule, nullptr);
    EXPECT_EQ(Shown(*schedule), QStringLiteral("2001/05/10"));
    EXPECT_EQ(main.ActivePageWindow(), schedule);
    EXPECT_EQ(schedule->windowTitle(), QStringLiteral("予定表 - diduvuv.txt"));
  }
  platform::SetEndProgramHandler({});
}

TEST_F(Navigation, TodaySelectsTodayAndItsFirstRow) {
  WriteSchedule(QStringLiteral("diduvuv.txt"),
                {QStringLiteral("    /  /  ,毎週,月曜:朝会"), QStringLiteral("2001/05/03,　　,a"),
                 QStringLiteral("2001/05/15,　　,b"), QStringLiteral("2001/05/20,　　,c")});
  SetScheduleToday(QDate(2001, 5, 14));
  ScheduleWindow& w = Open();
  w.Cmb_Nen->setCurrentIndex(90);
  w.Cmb_Hi->setCurrentIndex(0);
  w.List1->setCurrentRow(0);
  w.Cmd_Today->click();
  EXPECT_EQ(Shown(w), QStringLiteral("2001/05/14"));
  EXPECT_EQ(w.List1->currentRow(), 2);
  EXPECT_EQ(w.List1->currentItem()->text(), QStringLiteral("2001/05/15 　　 b"));

  SetScheduleToday(QDate(2001, 5, 25));
  w.Cmd_Today->click();
  EXPECT_EQ(w.List1->currentRow(), -1) << "no row on or after the 25th";
  EXPECT_TRUE(w.List1->selectedItems().isEmpty());
}

TEST_F(Navigation, TheTabsSwitchThePanels) {
  ScheduleWindow& w = Open();
  w.Picture3->resize(301, 20);
  w.Picture3_MouseDown(1, 0, 200, 5);
  EXPECT_TRUE(w.Picture2[0]->isHidden());
  EXPECT_FALSE(w.Picture2[1]->isHidden());
  EXPECT_EQ(w.Picture3->SelectedTab(), 2);
  // The one unit past the second tab is no tab: the shown panel stays.
  w.Picture3_MouseDown(1, 0, 300, 5);
  EXPECT_FALSE(w.Picture2[1]->isHidden());
  EXPECT_EQ(w.Picture3->SelectedTab(), 2);
  w.Picture3_MouseDown(1, 0, 10, 5);
  EXPECT_FALSE(w.Picture2[0]->isHidden());
  EXPECT_TRUE(w.Picture2[1]->isHidden());
  EXPECT_EQ(w.Picture3->SelectedTab(), 1);
  EXPECT_TRUE(w.isEnabled());
}

TEST_F(Navigation, TheListsKeysPressTheEditorsButtons) {
  ScheduleWindow& w = Open();
  QList<int> pressed;
  for (int i = 0; i < 4; ++i)
    QObject::connect(w.Cmd_Update[i], &QPushButton::clicked, [&pressed, i] { pressed << i; });
  const auto key = [&w](int code, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w.List1, &press);
  };
  key(Qt::Key_Return, QStringLiteral("\r"));
  key(Qt::Key_Delete, QString());
  key(Qt::Key_A, QStringLiteral("a"));
  w.List1_DblClick();
  EXPECT_EQ(pressed, (QList<int>{0, 3, 0}));
}

}  // namespace
