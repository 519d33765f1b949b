// A new user's first steps on the to-do page, through the real main window.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "TodoTestSupport.h"
#include "app/RegisterPages.h"
#include "core/platform/ProgramExit.h"
#include "core/ui/MainWindow.h"

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
  w->List2->setCurrentItem(w->List2->findItems(QStringLiteral("電話する"), Qt::MatchContains).value(0));
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
