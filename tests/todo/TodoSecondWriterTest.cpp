// A second copy of the program writes the to-do file while the window shows
// it: no press writes the window's list over what the other wrote.
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "TodoTestSupport.h"

namespace {

const QStringList kThreeItems = {"□ 　one", "□ 　two", "□ 　three"};
const QString kOtherItem = QStringLiteral("□Dother");
const QString kToDoStale =
    QStringLiteral("ToDoファイルが他で変更されていたため、一覧を読み込み直しました。項目を選択し直してください。");

}  // namespace

TEST_F(TodoTest, APressOnAFileChangedBehindTheListKeepsTheOtherWritersItem) {
  struct Case {
    const char* button;
    int row;
    int index;
    QStringList afterRetry;
  };
  const QStringList withOther = kThreeItems + QStringList{kOtherItem};
  const Case cases[] = {
      {"追加", 2, 1, {"□ 　one", "□ 　two", "□ 　three", "□ 　new\t2009/03/10", "□Dother"}},
      {"更新", 0, 2, {"□ new\t2009/03/10", "□ 　two", "□ 　three", "□Dother"}},
      {"削除", 1, 3, {"□ 　one", "□ 　three", "□Dother"}},
      {"↓", 0, 5, {"□ 　two", "□ 　one", "□ 　three", "□Dother"}},
      {"済", 0, 6, {"■ 　one", "□ 　two", "□ 　three", "□Dother"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    WriteToDo(QStringLiteral("VIDAZU.txt"), kThreeItems);
    TodoWindow& w = Open();
    WriteToDo(QStringLiteral("VIDAZU.txt"), withOther);
    messages().clear();
    w.Txt_ToDoItem->setText(QStringLiteral("new"));
    Select(w, {c.row});
    w.Cmd_Update[c.index]->click();
    EXPECT_EQ(ToDoLines(), withOther);
    ASSERT_FALSE(messages().texts().isEmpty());
    EXPECT_EQ(messages().texts().last(), kToDoStale);
    EXPECT_EQ(ListTexts(w), withOther);
    // What the user typed is not lost with the refused press.
    if (c.index == 1) {
      EXPECT_EQ(w.Txt_ToDoItem->text(), QStringLiteral("new"));
    }

    // Chosen again, the press lands on the file as it now stands.
    w.Txt_ToDoItem->setText(QStringLiteral("new"));
    Select(w, {c.row});
    w.Cmd_Update[c.index]->click();
    EXPECT_EQ(ToDoLines(), c.afterRetry);
    EXPECT_EQ(ListTexts(w), c.afterRetry);
  }
}
