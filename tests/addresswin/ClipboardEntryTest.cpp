// Filling the entry editor from an address block copied to the clipboard.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "AddressWindowTest.h"
#include "address/AddressRecord.h"
#include "core/platform/Clipboard.h"

namespace {

class ClipboardEntry : public AddressWindowTest {
 protected:
  void SetUp() override {
    AddressWindowTest::SetUp();
    platform::UseMemoryClipboard(true);
    platform::ClipboardClear();
  }
  void TearDown() override {
    platform::ClipboardClear();
    platform::UseMemoryClipboard(false);
    AddressWindowTest::TearDown();
  }
};

TEST_F(ClipboardEntry, PastedSignatureBecomesANewEntry) {
  QFile::copy(QStringLiteral(RINGPAD_TEST_FIXTURES "/doZir.csv"), homeFile("doZir.csv"));
  SetKey("FILE", QStringLiteral("doZir.csv"));
  AddressWindow& w = Open();
  w.Txt_Handle->setText(QStringLiteral("やまちゃん"));  // a box the paste does not fill keeps its text
  platform::ClipboardSetText(QStringLiteral(
      "山田 太郎\nフリガナ：ﾔﾏﾀﾞ ﾀﾛｳ\n株式会社サンプル 営業部\n〒123-4567 東京都千代田区1-1-1 サンプルビル3F\n"
      "TEL：０３－１２３４－５６７８\nE-mail: taro@example.co.jp\n"));
  w.cmd_clipboard->click();

  EXPECT_EQ(w.Txt_Zip->text(), QStringLiteral("123-4567"));
  EXPECT_EQ(w.Txt_Address1->text(), QStringLiteral("東京都千代田区1-1-1"));
  EXPECT_EQ(w.Txt_Address2->text(), QStringLiteral("サンプルビル3F"));
  EXPECT_EQ(w.Txt_KaisyaName->text(), QStringLiteral("株式会社サンプル 営業部"));
  EXPECT_EQ(w.Txt_Name->text(), QStringLiteral("山田 太郎"));
  EXPECT_EQ(w.Txt_Kana->text(), QStringLiteral("ﾔﾏﾀﾞ ﾀﾛｳ"));
  EXPECT_EQ(w.Txt_Mail->text(), QStringLiteral("taro@example.co.jp"));
  EXPECT_EQ(w.Txt_Tel->text(), QStringLiteral("03-1234-5678"));
  EXPECT_EQ(w.Txt_Bikou[3]->text(), QString());  // "http://" emptied: no web address pasted
  EXPECT_EQ(w.Txt_Bikou3->toPlainText(), QString());
  EXPECT_EQ(w.Txt_Handle->text(), QStringLiteral("やまちゃん"));
  const QStringList before = BookLines();

  // Nothing is saved until the user adds the entry.
  w.Cmb_bunruiM->setEditText(QStringLiteral("仕事"));
  EXPECT_EQ(BookLines(), before);
  w.Cmd_Update[1]->click();
  const QStringList after = BookLines();
  ASSERT_EQ(after.size(), before.size() + 1);
  qsizetype at = -1;
  for (qsizetype i = 1; i < after.size(); ++i)
    if (AddressRecord::FromLine(after[i]).field(kFieldName) == QStringLiteral("山田 太郎")) at = i;
  ASSERT_GT(at, 0);
  EXPECT_EQ(at, after.size() - 1);  // ﾔﾏﾀﾞ sorts after the fixture's ｱｵｷ … ﾀﾅｶ
  const AddressRecord added = AddressRecord::FromLine(after[at]);
  EXPECT_EQ(added.field(kFieldMail), QStringLiteral("taro@example.co.jp"));
  EXPECT_EQ(added.field(kFieldTel), QStringLiteral("03-1234-5678"));
  // The entries around it are the file's own, in their order.
  QStringList without = after.mid(1);
  without.removeAt(at - 1);
  EXPECT_EQ(without, before.mid(1));

  // An empty clipboard, or one of blanks and line breaks only, explains the
  // button and changes nothing.
  w.Txt_Name->setText(QStringLiteral("山田 太郎"));
  w.Txt_Zip->setText(QStringLiteral("123-4567"));
  for (const QString& text : {QString(), QStringLiteral("  \r\n \n")}) {
    messages().clear();
    if (text.isNull())
      platform::ClipboardClear();
    else
      platform::ClipboardSetText(text);
    w.cmd_clipboard->click();
    ASSERT_EQ(messages().texts().size(), 1);
    EXPECT_TRUE(messages().texts()[0].startsWith(QStringLiteral("＜クリップボード解析機能＞")));
    EXPECT_EQ(w.Txt_Name->text(), QStringLiteral("山田 太郎"));
    EXPECT_EQ(w.Txt_Zip->text(), QStringLiteral("123-4567"));
  }
}

}  // namespace
