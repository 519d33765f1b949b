#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "AddressWindowTest.h"
#include "TinyFileSystem.h"
#include "address/AddressRecord.h"
#include "core/platform/CodePageChecks.h"
#include "core/text/CsvLine.h"

namespace {

class Editor : public AddressWindowTest {
 protected:
  // Opens a book listed under "全て".
  AddressWindow& OpenBook(const QStringList& entries) {
    WriteBook(entries);
    AddressWindow& w = Open();
    w.Cmb_bunrui->setCurrentIndex(1);
    return w;
  }
  void Fill(AddressWindow& w, const QString& kana, const QString& name, const QString& category = "友人") {
    w.Txt_Kana->setText(kana);
    w.Txt_Name->setText(name);
    w.Cmb_bunruiM->setEditText(category);
  }
  QStringList Entries() const { return BookLines().mid(1); }
  static QString Field(const QString& line, int n) { return AddressRecord::FromLine(line).field(n); }
};

TEST_F(Editor, AddKeepsTheFileSortedAndNormalisesTheTypedValues) {
  AddressWindow& w = OpenBook({});
  Fill(w, QStringLiteral("ﾔﾏﾀﾞ　ﾀﾛｳ"), QStringLiteral(" 山田　太郎 "));
  w.Txt_Tel->setText(QStringLiteral("０９０ー１２３４ー５６７８"));
  w.Txt_Zip->setText(QStringLiteral(" １００－０００１ "));
  w.Cmd_Update[1]->click();
  ASSERT_EQ(BookLines().size(), 2);  // a header-only file gains line 2
  EXPECT_EQ(BookLines().at(0), kAddressHeader);
  const QString line = Entries().at(0);
  EXPECT_EQ(Field(line, kFieldName), QStringLiteral("山田 太郎"));
  EXPECT_EQ(Field(line, kFieldKana), QStringLiteral("ﾔﾏﾀﾞ ﾀﾛｳ"));
  EXPECT_EQ(Field(line, kFieldTel), QStringLiteral("090-1234-5678"));
  EXPECT_EQ(Field(line, kFieldZip), QStringLiteral("100-0001"));
  EXPECT_EQ(Field(line, kFieldFlags), QStringLiteral("0|1|0|0|0|0|0|"));
  EXPECT_EQ(SplitCsvFields(line).size(), 21);
  // The editor is cleared for the next entry; the category stays.
  EXPECT_TRUE(w.Txt_Name->text().isEmpty());
  EXPECT_EQ(w.Cmb_bunruiM->currentText(), QStringLiteral("友人"));
  EXPECT_EQ(w.SelectedLineNumber, -1);

  // Only a nickname: accepted. Equal keys go after the existing entry.
  w.Cmd_Update[4]->click();
  Fill(w, QStringLiteral("ｱ"), QString(), QStringLiteral("仕事"));
  w.Txt_Handle->setText(QStringLiteral("あだな"));
  w.Cmd_Update[1]->click();
  Fill(w, QStringLiteral("ﾔﾏﾀﾞ ﾀﾛｳ"), QStringLiteral("山田 太郎"));
  w.Txt_Jitaku->setText(QStringLiteral("second"));
  w.Cmd_Update[1]->click();
  const QStringList entries = Entries();
  ASSERT_EQ(entries.size(), 3);
  EXPECT_EQ(Field(entries.at(0), kFieldHandle), QStringLiteral("あだな"));
  EXPECT_EQ(Field(entries.at(0), kFieldName), QString());
  EXPECT_EQ(Field(entries.at(2), kFieldJitaku), QStringLiteral("second"));
  EXPECT_TRUE(messages().shown().empty());
}

TEST_F(Editor, RequiredFieldsAndChoiceAreChecked) {
  AddressWindow& w = OpenBook({"ｱ,c,a"});
  const QByteArray before = ReadBytes(homeFile("doZir.csv"));
  struct {
    const char* kana;
    const char* name;
    const char* category;
  } missing[] = {{"ｱ", "a", ""}, {"ｱ", " ", "c"}, {" ", "a", "c"}};
  for (const auto& m : missing) {
    Fill(w, QString::fromUtf8(m.kana), QString::fromUtf8(m.name), QString::fromUtf8(m.category));
    messages().clear();
    w.Cmd_Update[1]->click();
    EXPECT_EQ(messages().texts(), QStringList{QStringLiteral("「分類、名前(愛称)、カナ名」は必須入力です。")});
  }
  // Update with nothing shown, show and delete with nothing selected.
  Fill(w, QStringLiteral("ｱ"), QStringLiteral("a"), QStringLiteral("c"));
  w.List1->setCurrentRow(-1);
  w.List1->clearSelection();
  for (int op : {2, 0, 3}) {
    messages().clear();
    w.cmd_update_click(op);
    EXPECT_EQ(messages().texts(), QStringList{QStringLiteral("一覧から選択してください。")}) << op;
  }
  EXPECT_EQ(ReadBytes(homeFile("doZir.csv")), before);
}

TEST_F(Editor, ShowAndUpdateKeepRemarksCarriedFieldsAndMoveTheEntry) {
  AddressRecord carried;
  carried.setField(kFieldKana, QStringLiteral("ｶ"));
  carried.setField(kFieldBunrui, QStringLiteral("独自分類"));
  carried.setField(kFieldName, QStringLiteral("加藤"));
  carried.setField(kFieldBikou3, QStringLiteral("一行目\r\n\"二\"行目"));
  carried.setField(22, QStringLiteral("100-0001"));
  carried.setField(25, QStringLiteral("内線9"));
  AddressWindow& w = OpenBook({"ｱ,c,a", carried.toLine(), "ｻ,c,s"});

  ASSERT_TRUE(SelectByName(w, QStringLiteral("加藤")));
  w.Cmd_Update[0]->click();
  EXPECT_EQ(w.Txt_Bikou3->toPlainText(), QStringLiteral("一行目\n\"二\"行目"));
  EXPECT_EQ(w.Cmb_bunruiM->currentText(), QStringLiteral("独自分類"));  // added to the list for this window
  EXPECT_EQ(w.SelectedLineNumber, 3);

  w.Txt_Kana->setText(QStringLiteral("ﾀ"));
  w.Cmd_Update[2]->click();
  EXPECT_EQ(messages().texts(), QStringList{QStringLiteral("「加藤さん」を更新します。")});
  const QStringList entries = Entries();
  ASSERT_EQ(entries.size(), 3);
  EXPECT_EQ(Field(entries.at(1), kFieldName), QStringLiteral("s"));
  const AddressRecord moved = AddressRecord::FromLine(entries.at(2));
  EXPECT_EQ(moved.field(kFieldKana), QStringLiteral("ﾀ"));
  EXPECT_EQ(moved.field(kFieldBikou3), QStringLiteral("一行目\r\n\"二\"行目"));
  EXPECT_EQ(moved.field(22), QStringLiteral("100-0001"));
  EXPECT_EQ(moved.field(25), QStringLiteral("内線9"));
  EXPECT_EQ(SplitCsvFields(entries.at(2)).size(), 25);
  EXPECT_EQ(w.List1->currentItem()->data(Qt::UserRole).toInt(), 4);
  EXPECT_EQ(ListNames(w).at(w.List1->currentRow()), QStringLiteral("加藤"));
  EXPECT_TRUE(QFile::exists(homeFile("ringpad.tmp")));

  // Cancel leaves the file as it is.
  const QByteArray before = ReadBytes(homeFile("doZir.csv"));
  messages().answer(platform::MsgResult::Cancel);
  w.Cmd_Update[2]->click();
  EXPECT_EQ(ReadBytes(homeFile("doZir.csv")), before);
}

TEST_F(Editor, DeleteTakesTheListSelectionAndKeepsTheEditor) {
  AddressWindow& w = OpenBook({"ｱ,c,a", "ｲ,c,i", "ｳ,c,u"});
  ASSERT_TRUE(SelectByName(w, QStringLiteral("a")));
  w.Cmd_Update[0]->click();
  ASSERT_TRUE(SelectByName(w, QStringLiteral("u")));
  w.Cmd_Update[3]->click();
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(messages().shown().front().defaultButton, 2);
  EXPECT_TRUE(messages().texts().front().endsWith(QStringLiteral("」さんを削除します。")));
  EXPECT_EQ(ListNames(w), (QStringList{"a", "i"}));
  EXPECT_EQ(w.Txt_Name->text(), QStringLiteral("a"));
  // The editor's entry is no longer the one an update would replace.
  messages().clear();
  w.Cmd_Update[2]->click();
  EXPECT_EQ(messages().texts().last(), QStringLiteral("一覧から選択してください。"));
}

TEST_F(Editor, AnEntryChangedOutsideIsNeitherUpdatedNorDeleted) {
  AddressWindow& w = OpenBook({"ｱ,c,a", "ｲ,c,i"});
  ASSERT_TRUE(SelectByName(w, QStringLiteral("i")));
  w.Cmd_Update[0]->click();
  WriteBook({"ｱ,c,a", "ｲ,c,changed"});
  w.Cmd_Update[2]->click();
  EXPECT_EQ(messages().texts().last(), QStringLiteral("一覧から選択してください。"));
  EXPECT_EQ(Entries(), (QStringList{"ｱ,c,a", "ｲ,c,changed"}));
  EXPECT_EQ(ListNames(w), (QStringList{"a", "changed"}));

  messages().clear();
  ASSERT_TRUE(SelectByName(w, QStringLiteral("a")));
  WriteBook({"ｱ,c,moved", "ｲ,c,changed"});
  w.Cmd_Update[3]->click();
  EXPECT_EQ(messages().texts().last(), QStringLiteral("一覧から選択してください。"));
  EXPECT_EQ(Entries(), (QStringList{"ｱ,c,moved", "ｲ,c,changed"}));
  EXPECT_EQ(ListNames(w), (QStringList{"moved", "changed"}));
}

TEST_F(Editor, FailedWritesLeaveTheFileAsItWas) {
  AddressWindow& w = OpenBook({"ｱ,c,a"});
  const QByteArray before = ReadBytes(homeFile("doZir.csv"));

  // Text the code page cannot hold.
  Fill(w, QStringLiteral("ｲ"), QStringLiteral("i\U0001F600"), QStringLiteral("c"));
  w.Cmd_Update[1]->click();
  EXPECT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(ReadBytes(homeFile("doZir.csv")), before);

  // A full disk: the message names the file, which stays as it was.
  TinyFileSystem disk(homeFile(QStringLiteral("disk")));
  if (!disk.mounted()) GTEST_SKIP() << disk.skipReason();
  WriteBook({"ｱ,c,a"}, QStringLiteral("disk/book.csv"));
  SetKey("FILE", disk.path(QStringLiteral("book.csv")));
  AddressWindow& onDisk = Open();
  onDisk.Cmb_bunrui->setCurrentIndex(1);
  const QByteArray old = ReadBytes(disk.path(QStringLiteral("book.csv")));
  ASSERT_TRUE(disk.fill());
  messages().clear();
  Fill(onDisk, QStringLiteral("ｲ"), QString(1000, u'i'), QStringLiteral("c"));
  onDisk.Cmd_Update[1]->click();
  ASSERT_FALSE(messages().texts().isEmpty());
  EXPECT_TRUE(messages().texts().last().contains(QStringLiteral("book.csv")));
  EXPECT_EQ(ReadBytes(disk.path(QStringLiteral("book.csv"))), old);
  EXPECT_EQ(ListNames(onDisk), QStringList{"a"});
}

TEST_F(Editor, AFileNotInTheCodePageIsRewrittenOnlyWhenTheUserAgrees) {
  platform::ForgetForeignBytesAnswers();
  WriteBytes(homeFile("doZir.csv"), QByteArray("header\r\n\xef\xbd\xb1,c,utf8\r\n"));
  AddressWindow& w = Open();
  const QByteArray before = ReadBytes(homeFile("doZir.csv"));
  Fill(w, QStringLiteral("ｲ"), QStringLiteral("i"), QStringLiteral("c"));
  messages().clear();
  messages().answer(platform::MsgResult::Cancel);
  w.Cmd_Update[1]->click();
  ASSERT_EQ(messages().texts().size(), 1);
  EXPECT_TRUE(messages().texts().first().contains(QStringLiteral("Shift-JIS")));
  EXPECT_EQ(ReadBytes(homeFile("doZir.csv")), before);
  platform::ForgetForeignBytesAnswers();
}

}  // namespace
