// The to-do window: loading, the display orders, the editing buttons, the
// keys and drags of its list, and what happens when the file cannot be
// written.
#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "TodoTestSupport.h"
#include "core/print/PrintSeams.h"
#include "core/print/SurfaceRecorder.h"
#include "core/ui/VersionBox.h"
#include "todo_memo/ToDoList.h"
#include "todo_memo/windows/DragTagSource.h"
#include "todo_memo/windows/TabStopDelegate.h"

namespace {

const QStringList kFive = {"□ 　one\t2009/03/01", "□ 　two\t2009/03/02", "□ 　three\t2009/03/03",
                           "□ 　four\t2009/03/04", "□ 　five\t2009/03/05"};

void PressKey(QWidget* w, Qt::Key key, const QString& text = QString()) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &press);
}

}  // namespace

TEST_F(TodoTest, FirstStartMakesTheSampleFileBackupAndKeys) {
  TodoWindow& w = Open();
  const QStringList lines = ToDoLines();
  ASSERT_EQ(lines.size(), 12);
  EXPECT_EQ(lines[0], QStringLiteral("□ Ringpadの使用法"));
  EXPECT_EQ(lines[1], QStringLiteral("□ 　上のメニューで印刷したい用紙を選びます。"));
  EXPECT_EQ(lines[10], QStringLiteral("□ Ringpadのバージョンアップ"));
  EXPECT_EQ(lines[11], QStringLiteral("□ 　") + HomePageAddress());
  EXPECT_TRUE(ReadBytes(homeFile(QStringLiteral("VIDAZU.txt"))).endsWith("\r\n"));
  // Tuesday is backup 3.
  EXPECT_EQ(ReadBytes(BackupFolder + QStringLiteral("vidazu3.txt")), ReadBytes(homeFile(QStringLiteral("VIDAZU.txt"))));
  EXPECT_EQ(Key("FILE"), QStringLiteral("VIDAZU.txt"));
  EXPECT_EQ(Key("FILE0"), QStringLiteral("VIDAZU.txt"));
  EXPECT_EQ(Key("FILE9"), QStringLiteral("JXTOD9.txt"));
  EXPECT_EQ(Key("FILEX"), QStringLiteral("済.txt"));
  EXPECT_EQ(Key("SUMI"), QStringLiteral("□■"));
  EXPECT_TRUE(platform::FromSjis(ReadBytes(SettingsFilePath())).contains(QStringLiteral(";SUMI=□着待■")));
  EXPECT_EQ(Key("LISTDAY"), QStringLiteral("1"));
  EXPECT_EQ(Key("GYOSU"), QStringLiteral("20"));
  EXPECT_EQ(w.Cmb_file->currentIndex(), 0);
  EXPECT_TRUE(w.Cmb_file->isEnabled());
  EXPECT_EQ(w.List2->count(), 12);
  EXPECT_EQ(w.StatusMarkCycle, QStringLiteral("□■□"));
  EXPECT_EQ(w.DoneMark(), u'■');
  EXPECT_EQ(w.txt_start->text(), QStringLiteral("2009/03/10"));
}

TEST_F(TodoTest, LoadSettlesRowsMarksAndTheRecentSlot) {
  struct Case { const char* rows; const char* shown; };
  const Case cases[] = {{"6", "20"}, {"41", "20"}, {"", "20"}, {"7", "7"}, {"40", "40"}};
  for (const Case& c : cases) {
    SetKey("GYOSU", QString::fromLatin1(c.rows));
    TodoWindow& w = Open();
    EXPECT_EQ(w.Txt_KmkSu->text(), QString::fromLatin1(c.shown)) << c.rows;
    EXPECT_EQ(Key("GYOSU"), QString::fromLatin1(c.shown)) << c.rows;
  }

  WriteToDo(QStringLiteral("mine.txt"), {QStringLiteral("□ mine")});
  SetKey("FILE", QStringLiteral("mine.txt"));
  SetKey("FILE3", QStringLiteral("MINE.TXT"));
  SetKey("SUMI", QStringLiteral("□着待■"));
  SetKey("MEMORI", QStringLiteral("9"));
  TodoWindow& w = Open();
  EXPECT_EQ(w.Cmb_file->currentIndex(), 3);
  EXPECT_EQ(w.StatusMarkCycle, QStringLiteral("□着待■□"));
  EXPECT_EQ(w.DoneMark(), u'■');
  EXPECT_EQ(w.Cmb_jikan->currentText(), QStringLiteral("目盛無"));
  EXPECT_EQ(ListTexts(w), QStringList({"□ mine"}));

  // A file no slot names still opens, with slot 0 shown.
  WriteToDo(QStringLiteral("sub/other.txt"), {QStringLiteral("□ other")});
  SetKey("FILE", homeFile(QStringLiteral("sub/other.txt")));
  TodoWindow& other = Open();
  EXPECT_EQ(other.Cmb_file->currentIndex(), 0);
  EXPECT_EQ(ListTexts(other), QStringList({"□ other"}));

  // A file that has gone gives way to the default, made with the samples.
  SetKey("FILE", QStringLiteral("gone.txt"));
  TodoWindow& fallback = Open();
  EXPECT_EQ(fallback.List2->count(), 12);
  EXPECT_EQ(Key("FILE"), QStringLiteral("gone.txt"));
}

TEST_F(TodoTest, ChoosingASlotOpensItsFile) {
  WriteToDo(QStringLiteral("JXTOD2.txt"), {QStringLiteral("□ second file")});
  TodoWindow& w = Open();
  w.Cmb_file->setCurrentIndex(2);
  EXPECT_EQ(ListTexts(w), QStringList({"□ second file"}));
  EXPECT_EQ(Key("FILE"), homeFile(QStringLiteral("JXTOD2.txt")));
}

TEST_F(TodoTest, AddUpdateAndDeleteWriteTheFile) {
  WriteToDo(QStringLiteral("VIDAZU.txt"), kFive);
  TodoWindow& w = Open();
  Select(w, {2});
  w.Txt_ToDoItem->setText(QStringLiteral("電話する"));
  w.Cmd_Update[1]->click();
  const QString added = QStringLiteral("□ 　電話する\t2009/03/10");
  EXPECT_EQ(ToDoLines().value(3), added);
  EXPECT_EQ(ListTexts(w).value(3), added);
  EXPECT_EQ(w.List2->currentRow(), 3);
  EXPECT_EQ(w.List2->selectedRowCount(), 1);
  EXPECT_TRUE(w.Txt_ToDoItem->text().isEmpty());

  // Show, then update with a new date.
  w.Cmd_Update[0]->click();
  EXPECT_EQ(w.Txt_ToDoItem->text(), QStringLiteral("　電話する"));
  w.txt_start->setText(QStringLiteral("2009/04/01"));
  w.Cmd_Update[2]->click();
  EXPECT_EQ(ToDoLines().value(3), QStringLiteral("□ 　電話する\t2009/04/01"));

  // Delete asks, Cancel first; OK leaves the words in the box.
  messages().answer(platform::MsgResult::Cancel);
  w.Cmd_Update[3]->click();
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(messages().shown()[0].text, QStringLiteral("「　電話する\t2009/04/01」\nを削除します"));
  EXPECT_EQ(messages().shown()[0].defaultButton, 2);
  EXPECT_EQ(ToDoLines().size(), 6);
  w.Cmd_Update[3]->click();
  EXPECT_EQ(ToDoLines(), kFive);
  EXPECT_EQ(w.Txt_ToDoItem->text(), QStringLiteral("　電話する\t2009/04/01"));
}

TEST_F(TodoTest, EditsOnAnEmptyListOrWithoutACurrentEntryWriteNothing) {
  WriteBytes(homeFile(QStringLiteral("VIDAZU.txt")), QByteArray());
  TodoWindow& w = Open();
  const QByteArray before = ReadBytes(homeFile(QStringLiteral("VIDAZU.txt")));
  w.Txt_ToDoItem->setText(QStringLiteral("x"));
  for (int i : {0, 2, 3, 4, 5, 6, 7, 8, 9}) w.cmd_update_click(i);
  w.Txt_ToDoItem->setText(QStringLiteral(" 　 "));
  w.cmd_update_click(1);
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("VIDAZU.txt"))), before);
  EXPECT_TRUE(messages().shown().empty());

  // Deleting the last entry leaves an empty file.
  w.Txt_ToDoItem->setText(QStringLiteral("only"));
  w.cmd_update_click(1);
  w.cmd_update_click(3);
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("VIDAZU.txt"))), QByteArray());
}

TEST_F(TodoTest, SortedViewsKeepTheFileOrder) {
  WriteToDo(QStringLiteral("VIDAZU.txt"),
            {"□Ab\t2009/03/01", "□ a\t2009/03/05", "□Dc\t2009/03/02", "□Aa\t2009/03/03"});
  TodoWindow& w = Open();
  w.cmb_sort->setCurrentIndex(1);  // 重要順
  ASSERT_EQ(messages().texts(), QStringList({"並び順を変更すると追加ボタンが押せなくなります。\n\n"
                                             "「データ順」に戻すと、追加ボタンが押せるようになります。"}));
  EXPECT_EQ(ListTexts(w), QStringList({"□Aa\t2009/03/03", "□Ab\t2009/03/01", "□Dc\t2009/03/02", "□ a\t2009/03/05"}));
  for (int i : {1, 4, 5, 7, 8}) EXPECT_FALSE(w.Cmd_Update[i]->isEnabled()) << i;

  // "済" on the first shown entry marks the fourth file line.
  Select(w, {0});
  w.Cmd_Update[6]->click();
  EXPECT_EQ(ToDoLines(), QStringList({"□Ab\t2009/03/01", "□ a\t2009/03/05", "□Dc\t2009/03/02", "■Aa\t2009/03/03"}));

  w.cmb_sort->setCurrentIndex(3);  // 新しい順: no second message
  EXPECT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(ListTexts(w).first(), QStringLiteral("□ a\t2009/03/05"));
  w.cmb_sort->setCurrentIndex(0);
  for (int i : {1, 4, 5, 7, 8}) EXPECT_TRUE(w.Cmd_Update[i]->isEnabled()) << i;
  EXPECT_EQ(ListTexts(w), ToDoLines());
}

TEST_F(TodoTest, MarksLevelsImportanceAndMovesOnTheSelection) {
  WriteToDo(QStringLiteral("VIDAZU.txt"), {"□ a", "■ b", "着 c"});
  TodoWindow& w = Open();
  Select(w, {0, 1, 2});
  w.Cmd_Update[6]->click();
  EXPECT_EQ(ToDoLines(), QStringList({"■ a", "□ b", "□ c"}));

  Select(w, {1, 2});
  w.Cmd_Update[4]->click();  // ↑
  EXPECT_EQ(ToDoLines(), QStringList({"□ b", "□ c", "■ a"}));
  EXPECT_EQ(w.List2->selectedRowCount(), 2);

  Select(w, {0});
  QStringList seen;
  for (int i = 0; i < 5; ++i) {
    w.Cmd_Update[9]->click();
    seen << ToDoLines()[0].mid(1, 1);
  }
  EXPECT_EQ(seen, QStringList({"D", "C", "B", "A", " "}));
  w.Cmd_Update[8]->click();
  w.Cmd_Update[8]->click();
  w.Cmd_Update[7]->click();
  EXPECT_EQ(ToDoLines()[0], QStringLiteral("□ 　b"));
}

TEST_F(TodoTest, ListKeysWorkInEveryOrder) {
  WriteToDo(QStringLiteral("VIDAZU.txt"), {"□ a\t2009/03/01", "□ b\t2009/03/02"});
  TodoWindow& w = Open();
  w.cmb_sort->setCurrentIndex(3);  // 新しい順: b first; the level buttons are off
  Select(w, {0});
  PressKey(w.List2, Qt::Key_Space, QStringLiteral(" "));
  PressKey(w.List2, Qt::Key_Right);
  PressKey(w.List2, Qt::Key_Right);
  PressKey(w.List2, Qt::Key_Left);
  EXPECT_EQ(ToDoLines(), QStringList({"□ a\t2009/03/01", "■ 　b\t2009/03/02"}));
  // A blank committed by an input method counts as Space.
  Select(w, {0});
  QInputMethodEvent input;
  input.setCommitString(QStringLiteral("\u3000"));
  QApplication::sendEvent(w.List2, &input);
  EXPECT_EQ(ToDoLines()[1], QStringLiteral("□ 　b\t2009/03/02"));
  // Enter shows the current entry.
  Select(w, {1});
  PressKey(w.List2, Qt::Key_Return, QStringLiteral("\r"));
  EXPECT_EQ(w.Txt_ToDoItem->text(), QStringLiteral("a"));
  EXPECT_EQ(w.txt_start->text(), QStringLiteral("2009/03/01"));
}

TEST_F(TodoTest, TextCodePage932CannotHoldIsRefused) {
  WriteToDo(QStringLiteral("VIDAZU.txt"), kFive);
  TodoWindow& w = Open();
  const QByteArray before = ReadBytes(homeFile(QStringLiteral("VIDAZU.txt")));
  Select(w, {0});
  const QString typed = QStringLiteral("会議😀𠮷");
  w.Txt_ToDoItem->setText(typed);
  w.Cmd_Update[1]->click();
  w.Cmd_Update[2]->click();
  EXPECT_EQ(messages().texts(), QStringList(2, QStringLiteral("「😀𠮷」はShift-JISで保存できない文字です。\n別の文字に直してください。")));
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("VIDAZU.txt"))), before);
  EXPECT_EQ(w.Txt_ToDoItem->text(), typed);
}

TEST_F(TodoTest, AFileThatCannotBeWrittenIsReportedAndReloaded) {
  // The folder goes away under the open window (tests may run as root, for
  // whom a read-only file is no obstacle).
  WriteToDo(QStringLiteral("sub/todo.txt"), kFive);
  SetKey("FILE", homeFile(QStringLiteral("sub/todo.txt")));
  TodoWindow& w = Open();
  ASSERT_EQ(ListTexts(w), kFive);
  QDir(homeFile(QStringLiteral("sub"))).removeRecursively();
  Select(w, {0});
  w.Cmd_Update[6]->click();
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_TRUE(messages().shown()[0].text.contains(QStringLiteral("todo.txt")));
  EXPECT_FALSE(QFile::exists(homeFile(QStringLiteral("sub/todo.txt"))));
  EXPECT_EQ(w.List2->count(), 0);
}

TEST_F(TodoTest, AFileNotInCodePage932IsRewrittenOnlyWhenTheUserAgrees) {
  // UTF-8 text with lone LF line ends and a one-character line.
  const QByteArray utf8 = QStringLiteral("□ 　日本語\nx\n").toUtf8();
  WriteBytes(homeFile(QStringLiteral("VIDAZU.txt")), utf8);
  TodoWindow& w = Open();
  EXPECT_EQ(w.List2->count(), 2);
  Select(w, {1});
  messages().answer(platform::MsgResult::Cancel);
  w.Cmd_Update[9]->click();
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(messages().shown()[0].text, QStringLiteral("「%1」はShift-JISのテキストではないようです。\n"
                                                       "書き換えると元の内容に戻せなくなります。書き換えますか？")
                                            .arg(homeFile(QStringLiteral("VIDAZU.txt"))));
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("VIDAZU.txt"))), utf8);
  EXPECT_EQ(w.List2->count(), 2);
  Select(w, {1});
  w.Cmd_Update[9]->click();  // OK this time
  EXPECT_EQ(ToDoLines().value(1), QStringLiteral("xD"));
}

TEST_F(TodoTest, DragsStartOnlyPastTheDragDistance) {
  TodoWindow& w = Open();
  QStringList started;
  DragTagSource::SetStartHandler([&](const QString& tag) { started << tag; });
  const int distance = QApplication::startDragDistance();
  auto drag = [&](QWidget* target, int dx) {
    const QPointF from(10, 5);
    QMouseEvent press(QEvent::MouseButtonPress, from, from, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    const QPointF to = from + QPointF(dx, 0);
    QMouseEvent move(QEvent::MouseMove, to, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, to, to, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
  };
  drag(w.List2->viewport(), distance - 1);
  drag(w.Img_jx, distance - 1);
  EXPECT_TRUE(started.isEmpty());
  drag(w.List2->viewport(), distance);
  drag(w.Img_jx, distance + 5);
  EXPECT_EQ(started, QStringList({"LIST2", "IMAGE_JX"}));
  DragTagSource::SetStartHandler({});
}

TEST_F(TodoTest, ThePrintButtonPrintsTheListAsShownAndFreesTheWindow) {
  WriteToDo(QStringLiteral("VIDAZU.txt"), kFive);
  TodoWindow& w = Open();
  SurfaceRecorder recorder;
  CurrentPrintJob().confirmPrompts = 0;
  int answer = 0;  // cancel first
  SetPrintDialogHandler([&](const PrintDialogView&) { return PrintDialogAnswer{answer, false, std::nullopt}; });
  w.Cmb_men->setCurrentIndex(2);  // 表のみ
  w.Chk_naiyo->setChecked(true);
  w.Cmd_print->click();
  EXPECT_TRUE(recorder.printer.protocol().isEmpty());
  answer = 1;
  w.Cmd_print->click();
  EXPECT_TRUE(recorder.printer.texts().contains(QStringLiteral("five")));
  EXPECT_TRUE(recorder.printer.protocol().endsWith(QStringLiteral("end-job")));
  EXPECT_TRUE(w.isEnabled());
  SetPrintDialogHandler({});
  CurrentPrintJob().confirmPrompts = 1;
}

// The dates after the item texts show whole at the program's font, in one
// column, however narrow the list: the tab distance alone lies beyond the
// list's right edge.
TEST_F(TodoTest, DatesShowWholeInTheList) {
  WriteToDo(QStringLiteral("VIDAZU.txt"),
            {"□ 　short\t2026/12/11", "□ 　an item text long enough to reach the date column of the list\t2026/12/11"});
  TodoWindow& w = Open();
  w.resize(w.sizeHint());
  w.show();
  auto* delegate = qobject_cast<TabStopDelegate*>(w.List2->itemDelegate());
  ASSERT_NE(delegate, nullptr);
  const QFont font = w.List2->font();
  const int width = w.List2->viewport()->width();
  const qreal column = delegate->DateColumn(font, width);
  EXPECT_GT(column, width / 3);
  EXPECT_LE(column + QFontMetricsF(font).horizontalAdvance(QStringLiteral("2026/12/11")), width);
  // A wide list keeps the tab distance itself.
  EXPECT_EQ(delegate->DateColumn(font, 4000), delegate->TabDistance(font));

  // Drawn: the right edge of the long entry's date is ink, and nothing is
  // drawn over the list's right edge.
  w.List2->setCurrentRow(-1);
  w.List2->clearSelection();
  const QImage shot = w.List2->viewport()->grab().toImage();
  const QRect row = w.List2->visualRect(w.List2->model()->index(1, 0));
  int rightmostInk = -1;
  for (int x = 0; x < shot.width(); ++x)
    for (int y = row.top(); y <= row.bottom(); ++y)
      if (qGray(shot.pixel(x, y)) < 128) rightmostInk = x;
  EXPECT_GT(rightmostInk, column);
  EXPECT_LT(rightmostInk, width - 1);
}

namespace {

// The list holds the lines the to-do file's own reader gives of its bytes,
// whatever line ends and bytes the file has.
TEST_F(TodoTest, TheListHoldsTheLinesTheFileReaderGives) {
  const QByteArray cases[] = {
      platform::ToSjis(QStringLiteral("■A　済んだ\t2009/03/10\r\n□ 　ﾊﾝｶｸ\t2009/03/11\tメモ\r\n")),
      "\x81\xa0 a\n\x81\xa0 b\r\x81\xa0 c",  // LF, a lone CR, no last line end
      "\x81\xa0 a\r\n\r\n\r\n\x81\xa0 b\r\n",  // empty lines between
      "\x81\xa0 \xff\xfe\x80 x\r\n\x82",  // bytes no code page 932 text has, a cut-off last one
      QByteArray(),
  };
  for (const QByteArray& bytes : cases) {
    SCOPED_TRACE(bytes.toHex().constData());
    WriteBytes(homeFile("VIDAZU.txt"), bytes);
    TodoWindow& w = Open();
    EXPECT_EQ(w.ShownFileLines, todo::ReadToDoFile(bytes));
  }
}

}  // namespace
