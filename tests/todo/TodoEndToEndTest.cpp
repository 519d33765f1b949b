// A new user's first steps on the to-do page, through the real main window.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QPushButton>
#include <QCheckBox>

#include "TodoTestSupport.h"
#include "app/RegisterPages.h"
#include "core/platform/ProgramExit.h"
#include "core/ui/MainWindow.h"
#include "todo_memo/windows/DragTagSource.h"
#include "todo_memo/windows/ToDoCalendarView.h"

namespace {
QStringList DayList(const TodoWindow& w) {
  QStringList texts;
  for (int i = 0; i < w.List1->count(); ++i) texts << w.List1->item(i)->text();
  return texts;
}
}  // namespace

TEST_F(TodoTest, ANewUserAddsMarksAndWeighsAnItem) {
  RegisterAllPages();
  platform::SetEndProgramHandler([](int) {});
  WriteToDo(QStringLiteral("VIDAZU.txt"), {"□ 買い物", "□ 　牛乳\t2009/03/01", "□ 　パン\t2009/03/02"});
  MainWindow main(StartupArgs{home() + QStringLiteral("ringpad"), {}});
  main.MDIForm_Load();
  auto* w = qobject_cast<TodoWindow*>(main.ActivePageWindow());
  ASSERT_NE(w, nullptr);
  ASSERT_EQ(w->List2->count(), 3);

  w->List2->setCurrentRow(2);
  w->Txt_ToDoItem->setText(QStringLiteral("電話する"));
  w->Cmd_Update[1]->click();
  QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
  QApplication::sendEvent(w->List2, &space);
  w->cmb_sort->setCurrentIndex(1);  // 重要順, the message answered OK
  w->List2->setCurrentRow(int(w->List2->texts().indexOf(QRegularExpression(QStringLiteral(".*電話する.*")))));
  w->Cmd_Update[9]->click();
  w->cmb_sort->setCurrentIndex(0);

  // The version box of a first run, then the one message of the order.
  EXPECT_EQ(messages().texts().filter(QStringLiteral("並び順を変更すると")).size(), 1);
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("VIDAZU.txt"))),
            platform::ToSjis(QStringLiteral("□ 買い物\r\n□ 　牛乳\t2009/03/01\r\n□ 　パン\t2009/03/02\r\n"
                                            "■D　電話する\t2009/03/10\r\n")));
  EXPECT_EQ(ListTexts(*w), ToDoLines());
  platform::SetEndProgramHandler({});
}

TEST_F(TodoTest, ANewUserSchedulesAnItemOnTheCalendar) {
  RegisterAllPages();
  platform::SetEndProgramHandler([](int) {});
  WriteBytes(homeFile(QStringLiteral("diduvuv.txt")),
             platform::ToSjis(QStringLiteral("2009/03/20 祝日 春分の日\r\n2009/03/25 　　 歯医者\r\n")));
  WriteToDo(QStringLiteral("VIDAZU.txt"), {"□A請求書を送る", "□ 　牛乳\t2009/03/01"});
  MainWindow main(StartupArgs{home() + QStringLiteral("ringpad"), {}});
  main.MDIForm_Load();
  auto* w = qobject_cast<TodoWindow*>(main.ActivePageWindow());
  ASSERT_NE(w, nullptr);
  messages().clear();
  const auto centre = [w](int column, int row) {
    return QPointF((column + 0.5) * w->Pic1->width() / 7, (row + 0.5) * w->Pic1->height() / 7);
  };

  // A click on Wednesday 25 March shows its entry.
  QMouseEvent press(QEvent::MouseButtonPress, centre(3, 4), centre(3, 4), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(w->Pic1, &press);
  EXPECT_EQ(w->lbl_calendar->text(), QStringLiteral("2009/03/25(水)"));
  EXPECT_EQ(DayList(*w), QStringList({"25:歯医者"}));

  // The first item dragged onto Thursday 26 March.
  w->List2->setCurrentRow(0);
  QMimeData data;
  data.setData(DragTagSource::MimeType(), "LIST2");
  QDragEnterEvent enter(centre(4, 4).toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w->Pic1, &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(centre(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w->Pic1, &drop);
  QCoreApplication::processEvents();

  ASSERT_EQ(messages().texts(), QStringList({"[2009/03/26]の予定に\n「請求書を送る」を追加します"}));
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("diduvuv.txt"))),
            platform::ToSjis(QStringLiteral("2009/03/20 祝日 春分の日\r\n2009/03/25 　　 歯医者\r\n"
                                            "2009/03/26 赤　 請求書を送る\r\n")));
  EXPECT_EQ(ToDoLines().value(0), QStringLiteral("□A請求書を送る\t2009/03/26"));
  EXPECT_EQ(DayList(*w), QStringList({"26 請求書を送る"}));
  EXPECT_EQ(w->lbl_calendar->text(), QStringLiteral("2009/03/26(木)"));

  // A double click on the day list opens the schedule page.
  w->List1_DblClick();
  ASSERT_NE(main.ActivePageWindow(), nullptr);
  EXPECT_NE(main.ActivePageWindow(), w);
  EXPECT_EQ(main.ActivePageWindow(), main.LoadedPageWindow(QStringLiteral("yotei")));

#ifdef RINGPAD_ARTEFACT_DIR
  // The calendar as the user sees it, for a look by eye.
  w->Chk_ListDay->setChecked(false);
  w->Pic1->grab().save(QStringLiteral(RINGPAD_ARTEFACT_DIR "/todo-calendar.png"));
  w->grab().save(QStringLiteral(RINGPAD_ARTEFACT_DIR "/todo-window.png"));
#endif
  platform::SetEndProgramHandler({});
}
