#include "LatticeSheet.h"

#include "PlainPage.h"
#include "RuledPaperOptions.h"

void DrawLatticeSheet(RuledPaperOptions& o, double left, double right) {
  if (left == 0 && right == 0) {
    o.cmb_kosi_items = {QStringLiteral("質問と回答(左右)"), QStringLiteral("質問と回答(上下)"),
                        QStringLiteral("メリット/デメリット(左右)"), QStringLiteral("メリット/デメリット(上下)"),
                        QStringLiteral("原因/結果/上位/下位/組合/分解/反転/類似")};
    o.cmb_kosi = 0;
    return;
  }
  DrawPlainPage(o, left, right);
}
