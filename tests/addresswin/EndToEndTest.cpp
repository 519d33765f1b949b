// A user's round on the address page, through the real main window: the
// page chosen from the menu, the entries listed, one added, one changed, one
// deleted and the list narrowed with the find dialog.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "AddressWindowTest.h"
#include "address/AddressRecord.h"
#include "app/RegisterPages.h"
#include "core/platform/ProgramExit.h"
#include "core/ui/MainWindow.h"
#include "core/ui/SearchKeys.h"

namespace {

class AddressEndToEnd : public AddressWindowTest {
 protected:
  void SetUp() override {
    AddressWindowTest::SetUp();
    RegisterAllPages();
    platform::SetEndProgramHandler([](int) {});
  }
  void TearDown() override {
    main_.reset();
    SetFindKeysDialogHandler({});
    platform::SetEndProgramHandler({});
    AddressWindowTest::TearDown();
  }
  MainWindow& Start() {
    main_ = std::make_unique<MainWindow>(StartupArgs{home() + QStringLiteral("ringpad"), {}});
    main_->MDIForm_Load();
    return *main_;
  }
  std::unique_ptr<MainWindow> main_;
};

TEST_F(AddressEndToEnd, ListAddChangeDeleteAndFind) {
  QFile::copy(QStringLiteral(RINGPAD_TEST_FIXTURES "/doZir.csv"), homeFile("doZir.csv"));
  SetKey("FILE", QStringLiteral("doZir.csv"));
  MainWindow& main = Start();
  QString kind = QStringLiteral("tel");
  main.ShowPageForm(kind);
  auto* w = qobject_cast<AddressWindow*>(main.LoadedPageWindow(QStringLiteral("tel")));
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(main.FileItemAction(FileItem::New)->text(), QStringLiteral("電話帳ファイルの新規作成"));

  w->Cmb_bunrui->setCurrentIndex(w->Cmb_bunrui->findText(QStringLiteral("全て")));
  EXPECT_EQ(ListNames(*w), (QStringList{"青木 一郎", "岡田 花子", "佐藤 次郎", "田中 三郎"}));

  // The "ｵ" button is not there; "ｶ" jumps past ｵ to the first entry from ｶ on.
  w->Cmd_search[1]->click();
  EXPECT_EQ(w->Txt_Name->text(), QStringLiteral("佐藤 次郎"));

  w->Cmd_Update[4]->click();
  w->Cmb_bunrui->setCurrentIndex(w->Cmb_bunrui->findText(QStringLiteral("全て")));
  w->Txt_Name->setText(QStringLiteral("井上 四郎"));
  w->Txt_Kana->setText(QStringLiteral("ｲﾉｳｴ"));
  w->Cmb_bunruiM->setEditText(QStringLiteral("友人"));
  w->Txt_Tel->setText(QStringLiteral("０８０－５５５５－５５５５"));
  w->Cmd_Update[1]->click();
  w->Cmb_bunrui->setCurrentIndex(w->Cmb_bunrui->findText(QStringLiteral("全て")));
  ASSERT_TRUE(SelectByName(*w, QStringLiteral("井上 四郎")));
  emit w->List1->itemDoubleClicked(w->List1->currentItem());
  EXPECT_EQ(w->Txt_Tel->text(), QStringLiteral("080-5555-5555"));
  w->Txt_Tel->setText(QStringLiteral("080-6666-6666"));
  w->Cmd_Update[2]->click();

  ASSERT_TRUE(SelectByName(*w, QStringLiteral("佐藤 次郎")));
  QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
  QApplication::sendEvent(w->List1, &del);

  const QStringList entries = BookLines().mid(1);
  ASSERT_EQ(entries.size(), 4);
  EXPECT_EQ(BookLines().at(0), kAddressHeader);
  const AddressRecord added = AddressRecord::FromLine(entries.at(1));
  EXPECT_EQ(added.field(kFieldName), QStringLiteral("井上 四郎"));
  EXPECT_EQ(added.field(kFieldTel), QStringLiteral("080-6666-6666"));
  EXPECT_EQ(ListNames(*w), (QStringList{"青木 一郎", "井上 四郎", "岡田 花子", "田中 三郎"}));

  SetFindKeysDialogHandler([](FindDialog& d) {
    d.Form_Load();
    d.txt_key1[0]->setText(QStringLiteral("友人"));
    d.txt_key2[0]->setText(QStringLiteral("090"));
    d.cmd_find->click();
  });
  w->Cmd_FileSearch2->click();
  EXPECT_EQ(ListNames(*w), (QStringList{"青木 一郎", "岡田 花子"}));
  // The first start's version box comes before them.
  EXPECT_EQ(messages().texts().mid(messages().texts().size() - 2),
            (QStringList{"「井上 四郎さん」を更新します。", "「[ｻ]佐藤 次郎   \t03-3333-3333」さんを削除します。"}));
}

}  // namespace
