#include "AddressPrintLists.h"

QStringList AddressDesignItems() {
  return {
      "横罫 携+自+会+FAX(3行)", "横罫 携+自+会(2行)", "横罫 自+携(1行)",   "横罫 携+自+会(1行)",
      "横罫 会+FAX(2行)",       "横罫 会+携+FAX(3行)", "横罫 住所+電話(3行)", "横罫 住所+ﾒｰﾙ+誕生日",
      "枠罫",                   "横罫 携+自+会+予備(3行)", "詰込",           "詰込(3行)",
      "横向き",                 "記入用紙(白紙)",     "個人情報",           "宛名ラベル",
      "宛名ラベル(社名付)",     "はがき宛名(年賀状)", "封筒宛名(長形４号)", "封筒宛名(長形３号)",
      "メール一覧作成",
  };
}

QStringList AddressSideItems(int designIndex) {
  switch (designIndex) {
    case 12: return {"表裏交互", "A4 両面"};
    case 13: return {""};
    case 14: return {"表面", "裏面"};
    case 15:
    case 16: return {"A4 片面"};
    case 17: return {"はがき"};
    case 18:
    case 19: return {"封筒"};
    case 20: return {"jxsender.htm"};
    default: return {"表裏交互", "裏表交互", "表のみ", "A4 両面", "２つ折り", "超整理型"};
  }
}

QStringList AddressSortItems() {
  QStringList items{"カナ順", "カナ別", "会社順", "会社別", "選択行", "番号順"};
  for (const char16_t* kana : {u"ｱ", u"ｶ", u"ｻ", u"ﾀ", u"ﾅ", u"ﾊ", u"ﾏ", u"ﾔ", u"ﾗ", u"ﾜ"})
    items << QStringLiteral(" ") + QString::fromUtf16(kana);
  for (char c = 'A'; c <= 'Z'; ++c) items << QStringLiteral(" ") + QChar(c);
  return items;
}
