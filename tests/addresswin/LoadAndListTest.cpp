#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QApplication>
#include <QMouseEvent>

#include "AddressWindowTest.h"
#include "address/AddressFile.h"
#include "address/AddressRecord.h"
#include "address/AddressStorage.h"
#include "core/platform/Clock.h"
#include "core/text/CsvLine.h"
#include "core/ui/FormHelpers.h"

namespace {

void KeyClick(QWidget* target, int key, Qt::KeyboardModifiers modifiers) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(target, &press);
}

void MouseClick(QWidget* target) {
  const QPointF at(1, 1);
  QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
}

using LoadAndList = AddressWindowTest;

TEST_F(LoadAndList, FirstUseWritesTheDefaultsAndTheSampleFile) {
  AddressWindow& w = Open();
  EXPECT_EQ(Key("LBL_YOBI"), QStringLiteral("FAX"));
  EXPECT_EQ(Key("LBL_NO"), QStringLiteral("番号"));
  EXPECT_EQ(Key("LBL_BIKO1"), QStringLiteral("ﾒｰﾙ2"));
  EXPECT_EQ(Key("LBL_BIKO2"), QStringLiteral("備考"));
  EXPECT_EQ(Key("ADDRESSFLG"), QStringLiteral("1"));
  EXPECT_EQ(Key("FILE"), QStringLiteral("doZir.csv"));
  EXPECT_EQ(Key("BUNRUI2"), QStringLiteral("プライベート,親戚,友人,知人,私用"));
  EXPECT_EQ(w.Chk_Jyusyo->checkState(), Qt::Checked);
  EXPECT_EQ(w.Chk_mail[2]->text(), QStringLiteral("ﾒｰﾙ2"));
  EXPECT_EQ(w.Txt_Bikou[0]->property(kImeModeProperty).toInt(), 2);  // a mail field takes Latin input
  EXPECT_EQ(w.Txt_Bikou[1]->property(kImeModeProperty).toInt(), 1);

  const QStringList lines = BookLines();
  ASSERT_EQ(lines.size(), 8);
  EXPECT_EQ(lines.at(0), kAddressHeader);
  EXPECT_EQ(lines.at(1), QStringLiteral("0,便利電話,時報,,117,,0|0|0|0|0|0|0|"));
  const QStringList own = SplitCsvFields(lines.at(5));
  EXPECT_EQ(own.size(), 21);
  EXPECT_EQ(own.at(1), QStringLiteral("自分"));
  EXPECT_EQ(own.at(20), QStringLiteral("店主"));

  EXPECT_EQ(w.Cmb_bunrui->currentText(), QStringLiteral("よく使う"));
  EXPECT_EQ(ListNames(w), (QStringList{"電話番号案内", "自分の名前", "おともだち", "かいしゃの上司"}));
  EXPECT_EQ(ListTexts(w).at(2), QStringLiteral("[ｵ]おともだち  \t090-1234-5678"));
  EXPECT_EQ(w.List1->item(2)->data(Qt::UserRole).toInt(), 7);
  EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral("doZir.csv")));
  EXPECT_TRUE(messages().shown().empty());

  EXPECT_EQ(w.Cmb_Type->currentText(), QStringLiteral("横罫 携+自+会+FAX(3行)"));
  EXPECT_EQ(w.cmb_sort->itemText(16), QStringLiteral(" A"));

  // A second start backs the file up instead of creating it.
  Open();
  EXPECT_EQ(ReadBytes(AddressWeekdayBackupPath(platform::Today())), ReadBytes(homeFile("doZir.csv")));
}

TEST_F(LoadAndList, CategoryFilterFollowsTheGroups) {
  WriteBook({"ｱ,親戚,A1,,1", "ｲ,友人,A2,,2", "ｳ,知人,A3,,3", "ｴ,私用,A4,,4", "ｵ,プライベート,A5,,5", "ｶ,自分,A6,,6",
             "ｷ,仕事,A7,,7", "ｸ,無所属,A8,,8", "ｹ,,A9,,9"});
  AddressWindow& w = Open();
  struct {
    const char* filter;
    QStringList names;
  } rows[] = {
      {"プライベート", {"A1", "A2", "A3", "A4", "A5"}},
      {"  友人", {"A2"}},
      {"その他", {"A6", "A8", "A9"}},
      {"仕事関連", {"A7"}},
      {"全て", {"A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9"}},
  };
  for (const auto& row : rows) {
    const int at = w.Cmb_bunrui->findText(QString::fromUtf8(row.filter));
    ASSERT_GE(at, 0) << row.filter;
    w.Cmb_bunrui->setCurrentIndex(at);
    EXPECT_EQ(ListNames(w), row.names) << row.filter;
  }
}

TEST_F(LoadAndList, AReservedCategoryIsRefusedAtEveryLoad) {
  SetKey("BUNRUI1", QStringLiteral("友達,全て,友人"));
  WriteBook({});
  for (int load = 0; load < 2; ++load) {
    messages().clear();
    AddressWindow& w = Open();
    EXPECT_EQ(messages().texts(), QStringList{QStringLiteral("分類に「全て」は指定できません")});
    EXPECT_EQ(w.Cmb_bunrui->findText(QStringLiteral("  全て")), -1);
    EXPECT_EQ(w.Cmb_bunruiM->findText(QStringLiteral("全て")), -1);
    EXPECT_GE(w.Cmb_bunruiM->findText(QStringLiteral("友人")), 0);
  }
}

TEST_F(LoadAndList, ListLinesShowNameOrNicknameAndTheFirstNumber) {
  WriteBook({"A,c,,ABC,090", "B,c,A\\B,,,03", "C,c,Co,,,,0|1|,Inc,06", "D,c,None", "E,c,(長い名前の人)ｶﾞ",
             ",c,Blank,,  ,  ,,,07"});
  AddressWindow& w = Open();
  w.Cmb_bunrui->setCurrentIndex(1);
  EXPECT_EQ(ListTexts(w), (QStringList{
                              "[A](ABC)       \t090",
                              "[B]A           \t03",
                              "[C]Co          \t会:06",
                              "[D]None        \t",
                              "[E](長い名前の人)ｶﾞ\t",
                              // No reading: a blank initial; blank numbers are passed over.
                              "[ ]Blank       \t会:07",
                          }));
}

TEST_F(LoadAndList, InitialButtonsAndArrowKeysJumpByInitial) {
  WriteBook({"ｱｲ,c,a1", "ｱｳ,c,a2", "ｲ,c,i1", "ｳ,c,u1", "ｳｴ,c,u2"});
  AddressWindow& w = Open();
  w.Cmb_bunrui->setCurrentIndex(1);

  // No entry from ｶ on: nothing happens.
  w.List1->setCurrentRow(1);
  w.Cmd_search[1]->click();
  EXPECT_EQ(w.List1->currentRow(), 1);
  EXPECT_TRUE(w.Txt_Name->text().isEmpty());
  // "0" lands on the first initial from 0 on, which is the first line, and shows it.
  w.Cmd_search[12]->click();
  EXPECT_EQ(w.List1->currentRow(), 0);
  EXPECT_EQ(w.Txt_Name->text(), QStringLiteral("a1"));

  struct {
    int from;
    int key;
    int to;
  } jumps[] = {
      {0, Qt::Key_Right, 2}, {2, Qt::Key_Space, 3}, {3, Qt::Key_Right, 4},
      {4, Qt::Key_Left, 2},  {2, Qt::Key_Left, 1},  {1, Qt::Key_Left, 0},
  };
  for (const auto& j : jumps) {
    w.List1->setCurrentRow(j.from);
    EXPECT_TRUE(w.List1_KeyDown(j.key, 0));
    EXPECT_EQ(w.List1->currentRow(), j.to) << j.from << " " << j.key;
  }

  // Shift+Down shows the entry selected before the move; the list moves on.
  w.List1->setCurrentRow(2);
  KeyClick(w.List1, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(w.Txt_Name->text(), QStringLiteral("i1"));
  // Shift+Right shows the line it lands on.
  w.List1->setCurrentRow(0);
  KeyClick(w.List1, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(w.Txt_Name->text(), QStringLiteral("i1"));
}

TEST_F(LoadAndList, FreeFieldCaptionsCycleAndAreSavedAtOnce) {
  AddressWindow& w = Open();
  const QStringList expected{"ﾒｰﾙ3", "秘書", "家族", ""};
  for (const QString& caption : expected) {
    MouseClick(w.Lbl_biko2);
    EXPECT_EQ(w.Lbl_biko2->text(), caption);
    EXPECT_EQ(Key("LBL_BIKO2"), caption);
    EXPECT_EQ(w.Chk_mail[3]->text(), caption);
    EXPECT_EQ(w.Txt_Bikou[1]->property(kImeModeProperty).toInt(), caption == QStringLiteral("ﾒｰﾙ3") ? 2 : 1);
  }
  w.Lbl_no_DblClick();
  EXPECT_EQ(Key("LBL_NO"), QStringLiteral("ＰＢ"));
  w.Lbl_yobi->setText(QStringLiteral("何か"));
  w.Lbl_yobi_DblClick();
  EXPECT_EQ(Key("LBL_YOBI"), QString());

  // Later loads keep the captions; only a first use writes the defaults.
  Open();
  EXPECT_EQ(Key("LBL_BIKO2"), QString());

  // A caption edited into the settings file shows as the letters it is.
  const QString markup = QStringLiteral("<h1>重要</h1>");
  SetKey("LBL_NO", markup);
  AddressWindow& again = Open();
  EXPECT_EQ(again.Lbl_no->text(), markup);
  EXPECT_EQ(again.Lbl_no->textFormat(), Qt::PlainText);

  // An "&" is a letter of the caption, on the labels and on the print check
  // boxes that repeat them, never a shortcut that hides it.
  for (const QString& caption : {QStringLiteral("R&D"), QStringLiteral("A&B&&C&")}) {
    SCOPED_TRACE(caption.toStdString());
    SetKey("LBL_BIKO1", caption);
    SetKey("LBL_BIKO2", caption);
    AddressWindow& shown = Open();
    for (QCheckBox* box : {shown.Chk_mail[2], shown.Chk_mail[3]}) {
      EXPECT_TRUE(QKeySequence::mnemonic(box->text()).isEmpty());
      EXPECT_EQ(box->text().replace(QStringLiteral("&&"), QStringLiteral("&")), caption);
    }
    EXPECT_EQ(shown.Lbl_biko1->text(), caption);
  }
  // A click from such a caption leads back to the empty one, on both.
  MouseClick(Open().Lbl_biko1);
  EXPECT_EQ(Key("LBL_BIKO1"), QString());
  EXPECT_EQ(Open().Chk_mail[2]->text(), QString());
}

TEST_F(LoadAndList, KanaIsProposedForAnEmptyReadingOnly) {
  AddressWindow& w = Open();
  w.Txt_Name->setText(QStringLiteral("佐藤 花子"));
  w.Txt_Kana_GotFocus();
  EXPECT_EQ(w.Txt_Kana->text(), QStringLiteral("ｻﾄｳ"));
  w.Txt_Name->setText(QStringLiteral("田中"));
  w.Txt_Kana_GotFocus();
  EXPECT_EQ(w.Txt_Kana->text(), QStringLiteral("ｻﾄｳ"));
}

TEST_F(LoadAndList, TheAddressOptionIsSaved) {
  AddressWindow& w = Open();
  w.Chk_Jyusyo->setCheckState(Qt::Unchecked);
  EXPECT_EQ(Key("ADDRESSFLG"), QStringLiteral("0"));
  SetKey("ADDRESSFLG", QStringLiteral("2"));
  EXPECT_EQ(Open().Chk_Jyusyo->checkState(), Qt::PartiallyChecked);
}

TEST_F(LoadAndList, BrokenFilesAndSettingsOpenWithoutACrash) {
  QStringList many;
  for (int i = 0; i < 50; ++i) many << QStringLiteral("g%1").arg(i);
  SetKey("BUNRUI1", many.join(u','));
  SetKey("BUNRUI2", QStringLiteral(",,,,,,"));
  QByteArray bytes = platform::ToSjis(QStringLiteral("他のヘッダ,x\r\n\"ｱ,c,\"\"broken\r\nｲ,c,n2,,,,abc\r\n"));
  bytes += QByteArray(400, ',') + "\r\n";
  bytes += "ｳ,c," + QByteArray(1 << 20, 'x') + "\r\n";
  bytes += QByteArray("\x00\x01\x81\xff\xfe,\x82", 8) + "\r\n";
  WriteBytes(homeFile("doZir.csv"), bytes);
  AddressWindow& w = Open();
  w.Cmb_bunrui->setCurrentIndex(1);
  EXPECT_EQ(w.List1->count(), 5);
  for (int row = 0; row < w.List1->count(); ++row) {
    w.List1->setCurrentRow(row);
    w.cmd_update_click(0);
  }
}

TEST_F(LoadAndList, AVanishedFileGivesAnEmptyListAndOneMessage) {
  WriteBook({"ｱ,c,a"});
  AddressWindow& w = Open();
  QFile::remove(homeFile("doZir.csv"));
  messages().clear();
  w.Cmb_bunrui->setCurrentIndex(1);
  w.Cmb_bunrui->setCurrentIndex(2);
  EXPECT_EQ(w.List1->count(), 0);
  ASSERT_EQ(messages().texts().size(), 1);
  EXPECT_TRUE(messages().texts().first().contains(QStringLiteral("doZir.csv")));
}

}  // namespace

namespace {

// The list shows the entry lines the address file's own reader gives of its
// bytes, whatever line ends and bytes the file has.
TEST_F(LoadAndList, TheListHoldsTheLinesTheFileReaderGives) {
  const QByteArray cases[] = {
      platform::ToSjis(QStringLiteral("h\r\nｱ,友人,山田,やまだ,03-1,,0|1|0|0|0|0|0|\r\nｲ,,伊藤,,,,0|1|0|0|0|0|0|\r\n")),
      "h\na,,one,,,,0|1|0|0|0|0|0|\rb,,two,,,,0|1|0|0|0|0|0|",  // LF, a lone CR, no last line end
      // Bytes no code page 932 text has, a cut-off last one.
      "h\r\nc,,\xff\x80x,,,,0|1|0|0|0|0|0|\r\nd,,,,,,0|1|0|0|0|0|0|\x82",
      "h\r\n",
  };
  for (const QByteArray& bytes : cases) {
    SCOPED_TRACE(bytes.toHex().constData());
    WriteBytes(homeFile("doZir.csv"), bytes);
    AddressWindow& w = Open();
    QStringList shown;
    for (int row = 0; row < w.List1->count(); ++row) shown << w.List1->item(row)->data(Qt::UserRole + 1).toString();
    EXPECT_EQ(shown, ReadAddressFile(bytes).mid(1));
  }
}

}  // namespace
