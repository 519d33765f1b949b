// Every box layout and paging mode of the tree chart, and each side of its
// print button, at two organiser sizes and in the four-fold size, printed
// with and without the paper prompts and previewed: the drawing of each is
// kept (see GoldenDrawing.h).
#include <QCheckBox>
#include <QComboBox>

#include "GoldenDrawing.h"
#include "TreeTest.h"
#include "core/settings/PaperSettings.h"

namespace {

class TreePrintGoldenTest : public TreeTest {};

TEST_F(TreePrintGoldenTest, EveryModeDrawsAsKept) {
  const QStringList items = {QStringLiteral("会社"),     QStringLiteral(" 営業部"), QStringLiteral("  第一課"),
                             QStringLiteral("  第二課"), QStringLiteral(" 開発部"), QStringLiteral("  設計"),
                             QStringLiteral("   回路"),  QStringLiteral("   機構"), QStringLiteral("  試験"),
                             QStringLiteral("総務"),     QStringLiteral(" 人事"),   QStringLiteral(" 経理")};
  GoldenManifest manifest(QStringLiteral("tree_print"));
  for (const int paper : {0, 6, 15}) {
    LoadPaperSettings(paper);
    open();
    const auto run = [&](const QString& name, int box, int paging, int side, bool colours) {
      CheckGoldenModes(manifest, QStringLiteral("size%1/").arg(paper) + name, [&] {
        LoadPaperSettings(paper);
        setItems(items, box, paging);
        window_->SetRemarkText(QStringLiteral("備考の行"));
        window_->chk_kaisoColor->setChecked(colours);
        window_->Cmb_men->setCurrentIndex(side);
        print();
      });
    };
    for (int box = 0; box < window_->cmb_box->count(); ++box)
      for (int paging = 0; paging < window_->cmb_level->count(); ++paging)
        run(QStringLiteral("box%1/paging%2").arg(box).arg(paging), box, paging, 0, paging == 1);
    for (int side = 1; side < window_->Cmb_men->count(); ++side) run(QStringLiteral("side%1").arg(side), 0, 0, side, false);
  }
  manifest.finish();
}

}  // namespace
