// Every side layout of the card window's print button, at two organiser
// sizes and in the four-fold size, printed with and without the paper prompts
// and previewed: the drawing of each is kept (see GoldenDrawing.h).
#include <QComboBox>

#include "CardTest.h"
#include "GoldenDrawing.h"
#include "core/settings/PaperSettings.h"

namespace {

class CardPrintGoldenTest : public CardTest {};

TEST_F(CardPrintGoldenTest, EverySideLayoutDrawsAsKept) {
  QStringList lines = {QStringLiteral("@TABLE_ITEM_XY(名前)=ITEM,0,0"), QStringLiteral("@TABLE_ITEM_XY(電話)=ITEM,40,10"),
                       QStringLiteral("@TABLE_ITEM_XY(メモ)=ITEM,0,30"), QStringLiteral("名前,電話,メモ")};
  for (int r = 1; r <= 9; ++r)
    lines << QStringLiteral("山田%1,03-1234-%2,カードの覚え書き%1").arg(r).arg(1000 + r);
  GoldenManifest manifest(QStringLiteral("card_print"));
  for (const int paper : {0, 6, 15}) {
    LoadPaperSettings(paper);
    CardWindow& w = openFile(QStringLiteral("cards.csv"), lines);
    for (int side = 0; side < w.Cmb_men->count(); ++side) {
      CheckGoldenModes(manifest, QStringLiteral("size%1/side%2").arg(paper).arg(side), [&] {
        LoadPaperSettings(paper);
        w.Cmb_men->setCurrentIndex(side);
        w.Cmd_print_Click();
      });
    }
  }
  manifest.finish();
}

}  // namespace
