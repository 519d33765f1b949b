// A second copy of the program writes the to-do file while the window shows
// it: no press writes the window's list over what the other wrote.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>

#include "TodoTestSupport.h"

namespace {

const QStringList kThreeItems = {"□ 　one", "□ 　two", "□ 　three"};
const QString kOtherItem = QStringLiteral("□Dother");
const QString kToDoStale =
    QStringLiteral("ToDoファイルが他で変更されていたため、一覧を読み込み直しました。項目を選択し直してください。");

}  // namespace

// The lines a press changes are still there as the list showed them: the
// press goes in at once, and the other writer's item stays.
TEST_F(TodoTest, APressOnAFileChangedBehindTheListKeepsTheOtherWritersItem) {
  struct Case {
    const char* button;
    int row;
    int index;
    QStringList after;
  };
  const Case cases[] = {
      {"更新", 0, 2, {"□ new\t2009/03/10", "□ 　two", "□ 　three", "□Dother"}},
      {"削除", 1, 3, {"□ 　one", "□ 　three", "□Dother"}},
      {"↓", 0, 5, {"□ 　two", "□ 　one", "□ 　three", "□Dother"}},
      {"済", 0, 6, {"■ 　one", "□ 　two", "□ 　three", "□Dother"}},
      {"重要度", 2, 9, {"□ 　one", "□ 　two", "□D　three", "□Dother"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    WriteToDo(QStringLiteral("VIDAZU.txt"), kThreeItems);
    TodoWindow& w = Open();
    WriteToDo(QStringLiteral("VIDAZU.txt"), kThreeItems + QStringList{kOtherItem});
    messages().answer(platform::MsgResult::Ok);  // the question of 削除
    w.Txt_ToDoItem->setText(QStringLiteral("new"));
    Select(w, {c.row});
    w.Cmd_Update[c.index]->click();
    EXPECT_EQ(ToDoLines(), c.after);
    EXPECT_EQ(ListTexts(w), c.after);
    for (const QString& text : messages().texts()) EXPECT_NE(text, kToDoStale);
  }
}

// A line the press would change is no longer there as the list showed it:
// nothing is written over the other writer's change, the list is read
// again and the user told; chosen again, the press lands on the file.
TEST_F(TodoTest, APressOnALineChangedBehindTheListIsRefused) {
  const QStringList otherEdited = {"□ 　one", "□ 　two by the other", "□ 　three"};
  struct Case {
    const char* button;
    int index;
    QStringList afterRetry;
  };
  const Case cases[] = {
      {"更新", 2, {"□ 　one", "□ new\t2009/03/10", "□ 　three"}},
      {"削除", 3, {"□ 　one", "□ 　three"}},
      {"↓", 5, {"□ 　one", "□ 　three", "□ 　two by the other"}},
      {"済", 6, {"□ 　one", "■ 　two by the other", "□ 　three"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    WriteToDo(QStringLiteral("VIDAZU.txt"), kThreeItems);
    TodoWindow& w = Open();
    WriteToDo(QStringLiteral("VIDAZU.txt"), otherEdited);
    messages().clear();
    w.Txt_ToDoItem->setText(QStringLiteral("new"));
    Select(w, {1});
    w.Cmd_Update[c.index]->click();
    EXPECT_EQ(ToDoLines(), otherEdited);
    ASSERT_FALSE(messages().texts().isEmpty());
    EXPECT_EQ(messages().texts().last(), kToDoStale);
    EXPECT_EQ(ListTexts(w), otherEdited);

    w.Txt_ToDoItem->setText(QStringLiteral("new"));
    Select(w, {1});
    w.Cmd_Update[c.index]->click();
    EXPECT_EQ(ToDoLines(), c.afterRetry);
    EXPECT_EQ(ListTexts(w), c.afterRetry);
  }
}

// An add names no line of the list to change, only one to follow: it goes in
// at once on the file as the other copy left it, and the list shows both.
TEST_F(TodoTest, AnAddOnAFileChangedBehindTheListGoesInAtOnce) {
  const QString added = QStringLiteral("□ 　new\t2009/03/10");
  struct Case {
    const char* what;
    QStringList other;  // what the other copy wrote
    int row;            // the current entry, -1 for none
    QStringList after;
  };
  const Case cases[] = {
      {"a line put in front", QStringList{kOtherItem} + kThreeItems, 1,
       {kOtherItem, "□ 　one", "□ 　two", added, "□ 　three"}},
      {"a line put at the end", kThreeItems + QStringList{kOtherItem}, 2,
       {"□ 　one", "□ 　two", "□ 　three", added, kOtherItem}},
      {"the current line deleted", {"□ 　one", "□ 　three"}, 1, {"□ 　one", added, "□ 　three"}},
      {"the current line the other's twin", {"□ 　two", "□ 　one", "□ 　two", "□ 　three"}, 1,
       {"□ 　two", "□ 　one", "□ 　two", added, "□ 　three"}},
      {"no current entry", kThreeItems + QStringList{kOtherItem}, -1, QStringList{added} + kThreeItems + QStringList{kOtherItem}},
      {"every line gone", {}, 2, {added}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteToDo(QStringLiteral("VIDAZU.txt"), kThreeItems);
    TodoWindow& w = Open();
    if (c.other.isEmpty())
      WriteBytes(homeFile("VIDAZU.txt"), QByteArray());
    else
      WriteToDo(QStringLiteral("VIDAZU.txt"), c.other);
    messages().clear();
    w.Txt_ToDoItem->setText(QStringLiteral("new"));
    if (c.row >= 0) Select(w, {c.row});
    else w.List2->setCurrentRow(-1);
    w.Cmd_Update[1]->click();
    EXPECT_EQ(ToDoLines(), c.after);
    EXPECT_EQ(ListTexts(w), c.after);
    EXPECT_TRUE(messages().texts().isEmpty()) << messages().texts().join("\n").toStdString();
    EXPECT_EQ(w.Txt_ToDoItem->text(), QString());
    ASSERT_GE(w.List2->currentRow(), 0);
    EXPECT_EQ(w.List2->text(w.List2->currentRow()), added);
    EXPECT_EQ(w.List2->selectedRowCount(), 1);
    // The next add follows the new entry in the file as the list now shows it.
    w.Txt_ToDoItem->setText(QStringLiteral("next"));
    w.Cmd_Update[1]->click();
    QStringList twice = c.after;
    twice.insert(c.after.indexOf(added) + 1, QStringLiteral("□ 　next\t2009/03/10"));
    EXPECT_EQ(ToDoLines(), twice);
  }
}
