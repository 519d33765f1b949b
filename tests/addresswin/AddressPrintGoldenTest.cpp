// Every design of the address window's print button on every side it offers
// (phone books, labels, postcards, the personal sheet, the blank pages), at
// two organiser sizes and in the four-fold size, printed with and without the
// paper prompts and previewed: the drawing of each is kept (see
// GoldenDrawing.h).
#include <QComboBox>
#include <QLineEdit>

#include "AddressWindowTest.h"
#include "GoldenDrawing.h"

namespace {

class AddressPrintGoldenTest : public AddressWindowTest {};

TEST_F(AddressPrintGoldenTest, EveryDesignOnEverySideDrawsAsKept) {
  WriteDefaultSettings();
  // kana, category, name, handle, mobile, home, flags, company, its phone,
  // postcode, address 1 and 2, mail, remarks.
  QStringList book;
  const char* names[] = {"山田太郎", "佐藤花子", "鈴木一郎", "高橋次郎", "田中三郎", "伊藤四郎",
                         "渡辺五郎", "中村六郎", "小林七子", "加藤八重", "吉田九郎", "山本十子"};
  const char* kana[] = {"ﾔﾏﾀﾞﾀﾛｳ", "ｻﾄｳﾊﾅｺ", "ｽｽﾞｷｲﾁﾛｳ", "ﾀｶﾊｼｼﾞﾛｳ", "ﾀﾅｶｻﾌﾞﾛｳ", "ｲﾄｳｼﾛｳ",
                        "ﾜﾀﾅﾍﾞｺﾞﾛｳ", "ﾅｶﾑﾗﾛｸﾛｳ", "ｺﾊﾞﾔｼﾅﾅｺ", "ｶﾄｳﾔｴ", "ﾖｼﾀﾞｸﾛｳ", "ﾔﾏﾓﾄﾄｵｺ"};
  for (int i = 0; i < 12; ++i)
    book << QStringLiteral("%1,%2,%3,,090-0000-%4,03-1111-%4,,株式会社見本,03-2222-%4,100-000%5,東京都千代田区%6丁目,見本ビル%6階,u%4@example.jp,備考%6")
                .arg(QString::fromUtf8(kana[i]), i % 3 == 0 ? QStringLiteral("友人") : QStringLiteral("仕事"),
                     QString::fromUtf8(names[i]))
                .arg(1000 + i)
                .arg(i % 10)
                .arg(i + 1);
  GoldenManifest manifest(QStringLiteral("address_print"));
  for (const int paper : {0, 6, 15}) {
    LoadPaperSettings(paper);
    WriteBook(book);
    AddressWindow& window = Open();
    window.Cmb_bunrui->setCurrentIndex(1);  // 全て
    // The personal sheet and the postcards print the person in the editor.
    ASSERT_TRUE(SelectByName(window, QStringLiteral("山田太郎")));
    window.List1_DblClick();
    ASSERT_EQ(window.Txt_Name->text(), QStringLiteral("山田太郎"));
    for (int design = 0; design < window.Cmb_Type->count(); ++design) {
      // The mail list is a file, not a page.
      if (window.Cmb_Type->itemText(design) == QStringLiteral("メール一覧作成")) continue;
      window.Cmb_Type->setCurrentIndex(design);
      window.Cmb_type_Click();
      for (int side = 0; side < window.Cmb_men->count(); ++side) {
        CheckGoldenModes(manifest, QStringLiteral("size%1/design%2/side%3").arg(paper).arg(design).arg(side), [&] {
          LoadPaperSettings(paper);
          window.Cmb_men->setCurrentIndex(side);
          window.Cmd_print_Click();
        });
      }
    }
  }
  manifest.finish();
}

}  // namespace
