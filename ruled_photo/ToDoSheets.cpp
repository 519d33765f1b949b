#include "ToDoSheets.h"

#include "PlainPage.h"
#include "RuledPageText.h"
#include "RuledPaperOptions.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"

namespace {

constexpr double kFewestItems = 7;
constexpr double kMostItems = 40;

void FillToDoControls(RuledPaperOptions& o) {
  const QString stored = GetIniValue(ExeName, QStringLiteral("TODOSU"));
  const double n = BoxNumber(stored);
  o.Txt_KmkSu = n < kFewestItems || n > kMostItems ? QStringLiteral("20") : stored;
  o.Cmb_jikan_items = {QStringLiteral("時間目盛なし"), QStringLiteral("時間目盛付 8-20"),
                       QStringLiteral("時間目盛付 8-24"), QStringLiteral("時間目盛付 8-翌8")};
  o.Cmb_jikan = 1;
}

}  // namespace

void DrawToDoSheet(RuledPaperOptions& o, int16_t kind, double left, double right) {
  if (left == 0 && right == 0) {
    FillToDoControls(o);
    return;
  }
  DrawPlainPage(o, left, right);
}

void DrawWideToDoSheet(RuledPaperOptions& o, double left, double right) { DrawPlainPage(o, left, right); }
