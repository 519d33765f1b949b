#include "PaperSizeTable.h"

namespace {

// In PaperIndex order. The list texts pad the size name with half-width
// blanks so that the columns line up in the settings form's list.
const PaperSizeDefaults kSizes[kPaperSizeCount] = {
    {u"SIZE_BIBLE", u"バイブル   6穴(約17cm×9cm)", 8, 88, 170, 4, 9, 156, 12, 9, 9},
    {u"SIZE_POKET", u"ポケット   6穴(約12cm×8cm)", 8, 80, 125, 4, 9, 112, 9, 8, 7},
    {u"SIZE_MINI", u"ミニ       5穴(約10cm×6cm)", 6, 57, 105, 3, 6, 91, 7, 7, 6},
    {u"SIZE_NARROW", u"ナロー     6穴(約17cm×8cm)", 8, 74, 170, 4, 9, 156, 12, 9, 9},
    {u"SIZE_TECHO8", u"手帳       8穴(約14cm×8cm)", 8, 81, 140, 8, 13, 126, 12, 9, 9},
    {u"SIZE_TECHO82", u"手帳狭     8穴(約14cm×7cm)", 8, 76, 140, 8, 13, 126, 12, 9, 9},
    {u"SIZE_A5", u"Ａ５       6穴 20穴", 12, 140, 190, 10, 17, 186, 18, 10, 9},
    {u"SIZE_A6", u"Ａ６     ", 10, 95, 148, 4, 9, 134, 12, 9, 9},
    {u"SIZE_B5", u"Ｂ５       26穴", 4, 170, 250, 22, 30, 234, 15, 12, 12},
    {u"SIZE_B6", u"Ｂ６     ", 8, 120, 180, 4, 9, 166, 12, 12, 12},
    {u"SIZE_A4", u"Ａ４       2穴", 17, 200, 292, 18, 26, 281, 15, 13, 13},
    {u"SIZE_A3", u"Ａ３       ", 10, 290, 400, 32, 52, 400, 30, 24, 24},
    {u"SIZE_LETTER", u"Letter     2穴", 17, 206, 260, 15, 25, 250, 15, 12, 12},
    {u"SIZE_FUSEN_DAI", u"付箋大     (約12cm×8cm)", 1, 75, 128, 1, 5, 120, 9, 8, 8},
    {u"SIZE_CARD", u"カード     (約8cm×6cm)", 0, 55, 85, 2, 5, 80, 5, 5, 5},
    {u"SIZE_CHYO_A4", u"A4横を４折 (超整理ｻｲｽﾞ)", 0, 72, 200, 12, 22, 196, 12, 9, 9},
    {u"SIZE_CHYO_A7", u"A4横を４折の高さ半分版", 0, 72, 100, 1, 5, 96, 7, 6, 6},
    {u"SIZE_B7", u"Ｂ７", 6, 81, 126, 4, 8, 120, 8, 6, 6},
    {u"SIZE_TECHO9", u"手帳大     (約15cm×9cm)", 8, 89, 153, 8, 13, 149, 12, 9, 9},
    {u"SIZE_BIBLE_W", u"バイブル広 (約17cm×10cm)", 8, 101, 170, 4, 9, 156, 12, 9, 9},
    {u"SIZE_A5_L", u"Ａ５長     (約21cm×14cm)", 12, 140, 216, 10, 17, 210, 18, 10, 9},
    {u"SIZE_POST", u"はがき     (約15cm×10cm)", 6, 92, 148, 4, 9, 140, 12, 12, 12},
    {u"SIZE_POSTY", u"はがき横   (約10cm×15cm)", 0, 140, 94, 7, 12, 90, 9, 9, 9},
    {u"SIZE_CARDY", u"カード横   (約13cm×18cm)", 0, 177, 128, 5, 14, 120, 20, 10, 10},
    {u"SIZE_POKET7", u"ポケット狭 (約12cm×7cm)", 8, 70, 125, 4, 9, 112, 9, 8, 7},
};

// The order in which the defaults are written, as section names.
const char16_t* const kWriteOrder[kPaperSizeCount] = {
    u"SIZE_BIBLE",   u"SIZE_BIBLE_W",   u"SIZE_POKET", u"SIZE_POKET7",  u"SIZE_MINI",
    u"SIZE_NARROW",  u"SIZE_TECHO8",    u"SIZE_TECHO82", u"SIZE_TECHO9", u"SIZE_A6",
    u"SIZE_A5",      u"SIZE_A5_L",      u"SIZE_A4",    u"SIZE_A3",      u"SIZE_LETTER",
    u"SIZE_B5",      u"SIZE_B6",        u"SIZE_POST",  u"SIZE_POSTY",   u"SIZE_B7",
    u"SIZE_FUSEN_DAI", u"SIZE_CARD",    u"SIZE_CHYO_A4", u"SIZE_CHYO_A7", u"SIZE_CARDY",
};

}  // namespace

const PaperSizeDefaults* PaperSizeDefaultsAt(int index) {
  if (index < 0 || index >= kPaperSizeCount) return nullptr;
  return &kSizes[index];
}

std::vector<int> PaperSizeDefaultWriteOrder() {
  std::vector<int> order;
  order.reserve(kPaperSizeCount);
  for (const char16_t* name : kWriteOrder)
    for (int i = 0; i < kPaperSizeCount; ++i)
      if (std::u16string_view(kSizes[i].section) == name) order.push_back(i);
  return order;
}
