// The calendar and day list of the to-do window, the drops that become
// schedule lines and the day mail, driven through the window's controls and
// events as a user drives them.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrlQuery>
#include <functional>

#include "TodoTestSupport.h"
#include "core/platform/Clipboard.h"
#include "core/platform/CodePageChecks.h"
#include "core/platform/Shell.h"
#include "schedule/CurrentScheduleFile.h"
#include "todo_memo/windows/DragTagSource.h"
#include "todo_memo/windows/ToDoCalendarView.h"

namespace {

const QString kList = QStringLiteral("LIST2");
const QString kMascot = QStringLiteral("IMAGE_JX");

class TodoCalendarTest : public TodoTest {
 protected:
  void SetUp() override {
    TodoTest::SetUp();
    platform::SetShellHandler([this](const platform::ShellAction& a) { actions.push_back(a); });
    platform::UseMemoryClipboard(true);
  }
  void TearDown() override {
    platform::SetShellHandler({});
    platform::UseMemoryClipboard(false);
    CurrentScheduleFile.clear();
    TodoTest::TearDown();
  }

  void WriteSchedule(const QStringList& lines) {
    WriteBytes(homeFile(QStringLiteral("diduvuv.txt")), lines.isEmpty() ? QByteArray() : Sjis(lines));
  }
  QByteArray Schedule() { return ReadBytes(homeFile(QStringLiteral("diduvuv.txt"))); }
  static QByteArray Sjis(const QStringList& lines) { return platform::ToSjis(lines.join("\r\n") + "\r\n"); }

  // The to-do window on the given items, showing the month of the date.
  TodoWindow& OpenOn(const QStringList& items, const QDate& date) {
    WriteToDo(QStringLiteral("VIDAZU.txt"), items);
    TodoWindow& w = Open();
    w.SelectedDate = date;
    w.DrawToDoCalendar(date);
    return w;
  }

  static QPoint CellCentre(const TodoWindow& w, int column, int row) {
    return QPoint(static_cast<int>((column + 0.5) * w.Pic1->width() / 7),
                  static_cast<int>((row + 0.5) * w.Pic1->height() / 7));
  }

  static void Drop(QWidget* target, const QString& tag, const QPoint& at = QPoint(5, 5)) {
    QMimeData data;
    data.setData(DragTagSource::MimeType(), tag.toUtf8());
    // As a real drag comes: it enters the control before it drops there.
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
  }

  static void Press(QWidget* target, const QPoint& at, bool twice = false) {
    QMouseEvent press(twice ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress, at, at, Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
  }

  static QStringList DayList(const TodoWindow& w) {
    QStringList texts;
    for (int i = 0; i < w.List1->count(); ++i) texts << w.List1->item(i)->text();
    return texts;
  }

  std::vector<platform::ShellAction> actions;
};

}  // namespace

TEST_F(TodoCalendarTest, ActivationReadsTheScheduleIntoCalendarAndDayList) {
  WriteSchedule({"2024/05/05 　　 a", "2024/05/05 赤　 b", "2024/05/06 秘密 s", "2024/06/01 　　 june"});
  TodoWindow& w = Open();
  EXPECT_EQ(w.LinkedScheduleFile, QStringLiteral("diduvuv.txt"));
  EXPECT_EQ(w.lbl_calendar->text(), QStringLiteral("2009/03/10(火)"));
  EXPECT_EQ(w.Pic1->MarkedDate(), QDate(2009, 3, 10));

  w.Chk_ListDay->setChecked(false);  // the whole month
  w.SelectedDate = QDate(2024, 5, 20);
  w.DrawToDoCalendar(w.SelectedDate);
  EXPECT_EQ(DayList(w), QStringList({"05:a", "05 b"}));
  EXPECT_EQ(w.List1->item(1)->data(TodoWindow::ItemDataRole).toInt(), 2);
  w.Chk_ListDay->setChecked(true);  // only the 20th
  EXPECT_EQ(GetIniValue(QStringLiteral("VIDAZU"), QStringLiteral("LISTDAY")), QStringLiteral("1"));
  EXPECT_TRUE(DayList(w).isEmpty());

  // The schedule window's file, once it has opened one, takes over; a file
  // that has gone leaves the list as it was.
  WriteBytes(homeFile(QStringLiteral("other.txt")), platform::ToSjis(QStringLiteral("2024/05/20 　　 other\r\n")));
  CurrentScheduleFile = homeFile(QStringLiteral("other.txt"));
  w.Form_Activate();
  EXPECT_EQ(DayList(w), QStringList({"20:other"}));
  QFile::remove(homeFile(QStringLiteral("other.txt")));
  w.Cmd_mm[2]->click();
  EXPECT_EQ(DayList(w), QStringList({"20:other"}));
  EXPECT_EQ(w.lbl_calendar->text(), QStringLiteral("2024/05/21(火)"));
}

TEST_F(TodoCalendarTest, ClicksAndButtonsChooseTheDay) {
  TodoWindow& w = OpenOn({}, QDate(2026, 8, 15));  // six weeks
  Press(w.Pic1, CellCentre(w, 1, 6));
  EXPECT_EQ(w.SelectedDate, QDate(2026, 8, 31));
  EXPECT_EQ(w.lbl_calendar->text(), QStringLiteral("2026/08/31(月)"));
  w.Cmd_mm[4]->click();  // ▼▼: September has five weeks
  EXPECT_EQ(w.SelectedDate, QDate(2026, 9, 1));
  Press(w.Pic1, CellCentre(w, 1, 6));  // the empty sixth row
  Press(w.Pic1, CellCentre(w, 3, 0));  // the header
  Press(w.Pic1, CellCentre(w, 0, 1));  // before the 1st
  EXPECT_EQ(w.SelectedDate, QDate(2026, 9, 1));
  w.Cmd_mm[0]->click();
  EXPECT_EQ(w.SelectedDate, QDate(2026, 8, 31));
  w.Cmd_mm[3]->click();
  EXPECT_EQ(w.SelectedDate, QDate(2026, 7, 1));
  w.Cmd_mm[1]->click();
  EXPECT_EQ(w.SelectedDate, QDate(2009, 3, 10));
  EXPECT_EQ(w.Pic1->MarkedDate(), QDate(2009, 3, 10));
}

TEST_F(TodoCalendarTest, DoubleClickRunsTheCompanionCalendarOrSaysItIsMissing) {
  TodoWindow& w = OpenOn({}, QDate(2024, 5, 1));
  Press(w.Pic1, CellCentre(w, 5, 2), true);
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_TRUE(messages().shown()[0].text.startsWith(QStringLiteral(
      "カレンダーをダブルクリックしたとき、\r\n姉妹ソフトのjxcalpadが有ると、\r\n予定内容付きの大きなカレンダーが表示できます。")));
  EXPECT_EQ(messages().shown()[0].buttons, platform::MsgButtons::Ok);
  EXPECT_TRUE(actions.empty());

  WriteBytes(homeFile(QStringLiteral("jxcalpad")), "#!/bin/sh\n");
  QFile::setPermissions(homeFile(QStringLiteral("jxcalpad")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  w.SelectedDate = QDate(2024, 5, 10);
  Press(w.Pic1, CellCentre(w, 5, 2), true);
  ASSERT_EQ(actions.size(), 1u);
  EXPECT_EQ(actions[0].kind, platform::ShellActionKind::RunAndWait);
  EXPECT_TRUE(actions[0].program.endsWith(QStringLiteral("/jxcalpad")));
  EXPECT_EQ(actions[0].arguments, QStringList({"2024/05/10"}));
}

TEST_F(TodoCalendarTest, AnItemDroppedOnADayIsScheduledAndRedated) {
  WriteSchedule({"2024/05/11 　　 b", "2024/05/09 　　 c"});
  TodoWindow& w = OpenOn({"□Aﾃｽﾄ", "□D　plain\t2024/04/01"}, QDate(2024, 5, 1));
  const QByteArray before = Schedule();
  w.List2->setCurrentRow(0);

  Drop(w.Pic1, kList, CellCentre(w, 5, 2));  // Friday 10 May
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(messages().shown()[0].text, QStringLiteral("[2024/05/10]の予定に\n「ﾃｽﾄ」を追加します"));
  EXPECT_EQ(messages().shown()[0].buttons, platform::MsgButtons::OkCancel);
  EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::Information);
  EXPECT_EQ(Schedule(), Sjis({"2024/05/10 赤　 ﾃｽﾄ", "2024/05/11 　　 b", "2024/05/09 　　 c"}));
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("ringpad.tmp"))), before);
  EXPECT_EQ(ToDoLines(), QStringList({"□Aﾃｽﾄ\t2024/05/10", "□D　plain\t2024/04/01"}));
  EXPECT_EQ(ListTexts(w), ToDoLines());
  EXPECT_EQ(w.Txt_ToDoItem->text(), QStringLiteral("ﾃｽﾄ"));
  EXPECT_EQ(w.txt_start->text(), QStringLiteral("2024/05/10"));
  EXPECT_EQ(w.SelectedDate, QDate(2024, 5, 10));
  EXPECT_EQ(w.Pic1->MarkedDate(), QDate(2024, 5, 10));

  Drop(w.Pic1, kList, CellCentre(w, 0, 3));  // Sunday 12 May: the date is replaced
  EXPECT_EQ(ToDoLines().value(0), QStringLiteral("□Aﾃｽﾄ\t2024/05/12"));

  // Importance D writes the plain kind; the level blank stays in the text.
  w.List2->setCurrentRow(1);
  Drop(w.Pic1, kList, CellCentre(w, 1, 3));
  EXPECT_TRUE(platform::FromSjis(Schedule()).contains(QStringLiteral("2024/05/13 　　 　plain\r\n")));

  // Cancel: the day is chosen, nothing is written. Empty cells and the
  // header ask nothing; a drag from elsewhere is not taken.
  const QByteArray scheduled = Schedule();
  const QByteArray items = ReadBytes(homeFile(QStringLiteral("VIDAZU.txt")));
  messages().clear();
  messages().answer(platform::MsgResult::Cancel);
  Drop(w.Pic1, kList, CellCentre(w, 2, 3));
  EXPECT_EQ(w.SelectedDate, QDate(2024, 5, 14));
  Drop(w.Pic1, kList, CellCentre(w, 0, 1));
  Drop(w.Pic1, kList, CellCentre(w, 2, 0));
  Drop(w.Pic1, QStringLiteral("OTHER"), CellCentre(w, 2, 3));
  EXPECT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(Schedule(), scheduled);
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("VIDAZU.txt"))), items);
}

TEST_F(TodoCalendarTest, OnlyTheWindowsOwnDragsAreAccepted) {
  TodoWindow& w = OpenOn({}, QDate(2024, 5, 1));
  struct Case {
    QWidget* target;
    QString tag;
    bool accepted;
  };
  const Case cases[] = {{w.Pic1, kList, true},           {w.Pic1, kMascot, true},
                        {w.Pic1, QString(), false},      {w.Cmd_mm[4], kMascot, true},
                        {w.List1->viewport(), kList, true}, {w.List1->viewport(), "FOREIGN", false}};
  for (const Case& c : cases) {
    QMimeData data;
    if (!c.tag.isEmpty()) data.setData(DragTagSource::MimeType(), c.tag.toUtf8());
    data.setText(QStringLiteral("text from another program"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QApplication::sendEvent(c.target, &enter);
    EXPECT_EQ(enter.isAccepted(), c.accepted) << c.target->objectName().toStdString() << c.tag.toStdString();
  }
}

TEST_F(TodoCalendarTest, ASortedViewNeverReordersTheFile) {
  WriteSchedule({});
  TodoWindow& w = OpenOn({"□Dlow\t2024/04/01", "□Ahigh\t2024/04/02", "□Bmid"}, QDate(2024, 5, 1));
  w.cmb_sort->setCurrentIndex(1);  // 重要順
  ASSERT_EQ(ListTexts(w).value(0), QStringLiteral("□Ahigh\t2024/04/02"));
  w.List2->setCurrentRow(0);
  Drop(w.Pic1, kList, CellCentre(w, 5, 2));
  EXPECT_EQ(ToDoLines(), QStringList({"□Dlow\t2024/04/01", "□Ahigh\t2024/05/10", "□Bmid"}));
}

TEST_F(TodoCalendarTest, DayListDropsKeepTheItemAndItsDate) {
  WriteSchedule({"2024/05/11 　　 b"});
  TodoWindow& w = OpenOn({"□Bﾒﾓ\t2024/05/01"}, QDate(2024, 5, 10));
  const QByteArray items = ReadBytes(homeFile(QStringLiteral("VIDAZU.txt")));
  w.List2->setCurrentRow(0);
  Drop(w.List1->viewport(), kList);
  EXPECT_EQ(messages().shown().at(0).text, QStringLiteral("[2024/05/10]の予定に\n「ﾒﾓ\t2024/05/01」を追加します"));
  EXPECT_EQ(Schedule(), Sjis({"2024/05/10 黄　 □B:ﾒﾓ\t2024/05/01", "2024/05/11 　　 b"}));
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("VIDAZU.txt"))), items);
  EXPECT_EQ(ListTexts(w), QStringList({"□Bﾒﾓ\t2024/05/01"}));
  EXPECT_TRUE(DayList(w).contains(QStringLiteral("10 □B:ﾒﾓ\t2024/05/01")));

  // No selected item: nothing asked.
  w.List2->clearSelection();
  messages().clear();
  Drop(w.List1->viewport(), kList);
  EXPECT_TRUE(messages().shown().empty());
}

TEST_F(TodoCalendarTest, TheMascotSchedulesTheTypedText) {
  WriteSchedule({});
  TodoWindow& w = OpenOn({"□Aitem"}, QDate(2024, 5, 10));
  w.List2->setCurrentRow(0);

  // Empty text, or a list item on a button: nothing happens.
  w.Txt_ToDoItem->setText(QStringLiteral("   "));
  Drop(w.Cmd_mm[4], kMascot);
  Drop(w.Pic1, kMascot, CellCentre(w, 5, 2));
  Drop(w.Cmd_mm[4], kList);
  EXPECT_TRUE(messages().shown().empty());

  w.Txt_ToDoItem->setText(QStringLiteral(" 買物 "));
  Drop(w.Cmd_mm[4], kMascot);  // ▼▼ schedules for today, and moves nothing
  EXPECT_EQ(messages().shown().at(0).text, QStringLiteral("[2009/03/10]に\n「買物」を追加します"));
  EXPECT_EQ(w.SelectedDate, QDate(2024, 5, 10));
  Drop(w.List1->viewport(), kMascot);
  Drop(w.Pic1, kMascot, CellCentre(w, 6, 2));
  EXPECT_EQ(Schedule(), Sjis({"2009/03/10 　　 買物", "2024/05/10 　　 □ :買物", "2024/05/11 　　 買物"}));
  EXPECT_EQ(ToDoLines(), QStringList({"□Aitem"}));

  // Text code page 932 cannot hold is refused with the shared message.
  const QByteArray scheduled = Schedule();
  messages().clear();
  w.Txt_ToDoItem->setText(QStringLiteral("😀"));
  Drop(w.Cmd_mm[1], kMascot);
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_TRUE(messages().shown()[0].text.contains(QStringLiteral("Shift-JISで保存できない")));
  EXPECT_EQ(Schedule(), scheduled);
}

TEST_F(TodoCalendarTest, ADropThatCannotBeWrittenWritesNothing) {
  // The schedule file has gone.
  TodoWindow& w = OpenOn({"□Aitem"}, QDate(2024, 5, 1));
  QFile::remove(homeFile(QStringLiteral("diduvuv.txt")));
  w.List2->setCurrentRow(0);
  Drop(w.Pic1, kList, CellCentre(w, 5, 2));
  ASSERT_EQ(messages().shown().size(), 2u);
  EXPECT_TRUE(messages().shown()[1].text.contains(QStringLiteral("diduvuv.txt")));
  EXPECT_EQ(ToDoLines(), QStringList({"□Aitem"}));
  EXPECT_FALSE(QFile::exists(homeFile(QStringLiteral("diduvuv.txt"))));

  // The to-do file's folder has gone: the schedule stays as it was too.
  WriteSchedule({"2024/05/11 　　 b"});
  const QByteArray scheduled = Schedule();
  WriteToDo(QStringLiteral("sub/todo.txt"), {"□Aitem"});
  SetKey("FILE", homeFile(QStringLiteral("sub/todo.txt")));
  TodoWindow& v = OpenOn({}, QDate(2024, 5, 1));
  ASSERT_EQ(ListTexts(v), QStringList({"□Aitem"}));
  QDir(homeFile(QStringLiteral("sub"))).removeRecursively();
  v.List2->setCurrentRow(0);
  messages().clear();
  Drop(v.Pic1, kList, CellCentre(v, 5, 2));
  ASSERT_EQ(messages().shown().size(), 2u);
  EXPECT_TRUE(messages().shown()[1].text.contains(QStringLiteral("todo.txt")));
  EXPECT_EQ(Schedule(), scheduled);
}

TEST_F(TodoCalendarTest, ADropAsksAndChecksAllOfTheToDoFileBeforeItSchedules) {
  WriteSchedule({"2024/05/11 　　 b"});
  const QByteArray scheduled = Schedule();
  const QString question = QStringLiteral("[2024/05/10]の予定に\n「item」を追加します");

  // A second copy of the program added an item since the list was loaded.
  TodoWindow& w = OpenOn({"□Aitem"}, QDate(2024, 5, 1));
  WriteToDo(QStringLiteral("VIDAZU.txt"), {"□Aitem", "□Bother"});
  w.List2->setCurrentRow(0);
  Drop(w.Pic1, kList, CellCentre(w, 5, 2));
  EXPECT_EQ(messages().texts(),
            QStringList({question, "ToDoファイルが他で変更されていたため、一覧を読み込み直しました。"
                                   "項目を選択し直してください。"}));
  EXPECT_EQ(Schedule(), scheduled);
  EXPECT_EQ(ToDoLines(), QStringList({"□Aitem", "□Bother"}));
  EXPECT_EQ(ListTexts(w), ToDoLines());

  // A to-do file not in code page 932 is asked about before the schedule is
  // written; Cancel writes neither file, OK both, asking once.
  const QByteArray foreign = platform::ToSjis(QStringLiteral("□Aitem\r\n")) + QStringLiteral("日本語\r\n").toUtf8();
  WriteBytes(homeFile(QStringLiteral("VIDAZU.txt")), foreign);
  w.Form_Activate();
  w.List2->setCurrentRow(0);
  messages().clear();
  messages().answer(platform::MsgResult::Ok);
  messages().answer(platform::MsgResult::Cancel);
  Drop(w.Pic1, kList, CellCentre(w, 5, 2));
  ASSERT_EQ(messages().texts().size(), 2);
  EXPECT_TRUE(messages().texts()[1].contains(QStringLiteral("Shift-JISのテキストではないようです")));
  EXPECT_EQ(Schedule(), scheduled);
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("VIDAZU.txt"))), foreign);

  w.List2->setCurrentRow(0);
  messages().clear();
  Drop(w.Pic1, kList, CellCentre(w, 5, 2));
  EXPECT_EQ(messages().texts().size(), 2);
  EXPECT_EQ(Schedule(), Sjis({"2024/05/10 赤　 item", "2024/05/11 　　 b"}));
  EXPECT_EQ(ToDoLines().value(0), QStringLiteral("□Aitem\t2024/05/10"));
}

// The to-do file fails only after the schedule line went in: the line is
// taken back out, unless the schedule no longer holds it as written.
TEST_F(TodoCalendarTest, ADropWhoseToDoWriteFailsTakesItsScheduleLineBack) {
  // The schedule holds a line not in code page 932, so its rewrite asks
  // first; while that question is up, things happen to the files.
  const QByteArray original = Sjis({"2024/05/11 　　 b"}) + QStringLiteral("2024/06/01 　　 日本語\r\n").toUtf8();
  const QString toDo = QStringLiteral("sub/todo.txt");
  struct Case {
    const char* what;
    std::function<void()> meanwhile;       // while the schedule question is up
    std::function<void()> afterToDoFails;  // when the to-do file is found changed
    QByteArray scheduleAfter;
    QString lastMessage;
  };
  const QByteArray otherSchedule = Sjis({"2024/05/11 　　 b", "2024/05/12 　　 other"});
  const Case cases[] = {
      {"another copy adds an item",
       [&] { WriteToDo(toDo, {"□Aitem", "□Bother"}); }, [] {}, original,
       QStringLiteral("「%1」を書き換えられませんでした。\n予定には何も書き込んでいません。").arg(homeFile(toDo))},
      {"the folder goes", [&] { QDir(homeFile(QStringLiteral("sub"))).removeRecursively(); }, [] {}, original,
       QStringLiteral("「%1」を書き換えられませんでした。\n予定には何も書き込んでいません。").arg(homeFile(toDo))},
      // Another writer took the line out already: it is not taken twice.
      {"the line is gone", [&] { WriteToDo(toDo, {"□Aitem", "□Bother"}); },
       [&] { WriteBytes(homeFile(QStringLiteral("diduvuv.txt")), otherSchedule); }, otherSchedule,
       QStringLiteral("予定ファイル「diduvuv.txt」に追加した\n「2024/05/10 赤　 item」を取り消せませんでした。\n"
                      "予定表の画面で確かめてください。")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    platform::ForgetForeignBytesAnswers();
    WriteBytes(homeFile(QStringLiteral("diduvuv.txt")), original);
    WriteToDo(toDo, {"□Aitem"});
    SetKey("FILE", homeFile(toDo));
    TodoWindow& w = OpenOn({}, QDate(2024, 5, 1));
    ASSERT_EQ(ListTexts(w), QStringList({"□Aitem"}));
    QStringList shown;
    platform::SetMessageHandler([&](const platform::MessageRequest& r) {
      shown << r.text;
      if (r.text.contains(QStringLiteral("diduvuv.txt」はShift-JIS"))) c.meanwhile();
      if (r.text.contains(QStringLiteral("他で変更されていた"))) c.afterToDoFails();
      return platform::MsgResult::Ok;
    });
    w.List2->setCurrentRow(0);
    Drop(w.Pic1, kList, CellCentre(w, 5, 2));
    EXPECT_EQ(Schedule(), c.scheduleAfter);
    EXPECT_EQ(shown.value(shown.size() - 1), c.lastMessage);
    EXPECT_EQ(ListTexts(w), ToDoLines(toDo));
    EXPECT_FALSE(ListTexts(w).contains(QStringLiteral("□Aitem\t2024/05/10")));
  }
}

TEST_F(TodoCalendarTest, TheDayMailCarriesTheListIntact) {
  WriteSchedule({"2024/05/05 　　 a&b c", "2024/05/05 赤　 #1 %? +漢字 "});
  TodoWindow& w = OpenOn({}, QDate(2024, 5, 5));
  ASSERT_EQ(DayList(w), QStringList({"05:a&b c", "05 #1 %? +漢字 "}));
  w.cmd_mail->click();
  ASSERT_EQ(actions.size(), 1u);
  const QUrl url = actions[0].url;
  EXPECT_EQ(url.scheme(), QStringLiteral("mailto"));
  EXPECT_TRUE(url.path().isEmpty());
  const QUrlQuery query(url);
  EXPECT_EQ(query.queryItemValue("subject", QUrl::FullyDecoded), QStringLiteral("2024/05/05の予定"));
  EXPECT_EQ(query.queryItemValue("body", QUrl::FullyDecoded), QStringLiteral("05:a&b c\r\n05 #1 %? +漢字\r\n"));
  EXPECT_EQ(platform::ClipboardText(), QStringLiteral("05:a&b c\r\n05 #1 %? +漢字 \r\n"));

  // An empty day: the subject alone.
  w.Cmd_mm[2]->click();
  actions.clear();
  w.cmd_mail->click();
  ASSERT_EQ(actions.size(), 1u);
  const QUrlQuery subjectOnly(actions[0].url);
  EXPECT_EQ(subjectOnly.queryItemValue("subject", QUrl::FullyDecoded), QStringLiteral("2024/05/06の予定"));
  EXPECT_FALSE(subjectOnly.hasQueryItem("body"));
}

TEST_F(TodoCalendarTest, BadScheduleFilesAreDrawnWithoutHarm) {
  QByteArray bytes("2024/05/0\r\n\x81\r\n\xff\xfe");
  bytes.append('\0');
  bytes.append("\x01 binary\r\n2024/05/xx \x8f\x6a\x93\xfa x\r\n2024/05/01\r\n");
  bytes.append("\xe3\x81\x82 utf-8 text\n");
  for (int i = 0; i < 100000; ++i) bytes.append("2024/05/02 \x81\x40\x81\x40 many\r\n");
  WriteBytes(homeFile(QStringLiteral("diduvuv.txt")), bytes);
  TodoWindow& w = OpenOn({}, QDate(2024, 5, 1));
  w.Chk_ListDay->setChecked(false);
  EXPECT_GE(w.List1->count(), 100000);
  EXPECT_EQ(w.lbl_calendar->text(), QStringLiteral("2024/05/01(水)"));
}
