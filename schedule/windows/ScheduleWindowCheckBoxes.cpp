#include "ScheduleWindowCheckBoxes.h"

#include <cstring>

#include "ScheduleWindow.h"

namespace {

#define BOX(member) [](ScheduleWindow& w) -> QCheckBox*& { return w.member; }
#define HANDLER(call) [](ScheduleWindow& w) { w.call; }

const std::vector<CheckBoxControl> kBoxes = {
    {"Chk_dispday", "日付", "DISPDAY", 0, BOX(Chk_dispday), HANDLER(Chk_dispday_Click())},
    {"Chk_rokuyou", "六曜(大安）", "ROKUYOU", 1, BOX(Chk_rokuyou), HANDLER(Chk_rokuyou_Click())},
    {"Chk_Geturei", "○満月●新月", "GETUREI", 1, BOX(Chk_Geturei), HANDLER(Chk_Geturei_Click())},
    {"chk_weekno", "週No", "WEEKNO", 1, BOX(chk_weekno), HANDLER(chk_weekno_Click())},
    {"Chk_start", "日曜始まり", "START", 1, BOX(Chk_start), HANDLER(Chk_start_Click())},
    {"chk_4gatu", "4月始り", "4GATU", 1, BOX(chk_4gatu), HANDLER(chk_4gatu_Click())},
    {"chk_memo_yotei", "メモに予定", "MEMO_YOTEI", 1, BOX(chk_memo_yotei), HANDLER(chk_memo_yotei_Click())},
    {"Chk_memori", "目盛線", "MEMORI", 1, BOX(Chk_memori), HANDLER(Chk_memori_Click())},
    {"chk_memori_ten", "点", "MEMORI_TEN", 1, BOX(chk_memori_ten), HANDLER(chk_memori_ten_Click())},
    {"chk_kousi_hanten", "格子反転", "KOUSI_HANTEN", 1, BOX(chk_kousi_hanten),
     HANDLER(chk_kousi_hanten_Click())},
    {"Chk_tatekei_0", "縦罫", "TATEKEI0", 1, BOX(Chk_tatekei[0]), HANDLER(Chk_tatekei_Click(0))},
    {"Chk_tatekei_1", "ﾁｪｯｸ欄", "TATEKEI1", 1, BOX(Chk_tatekei[1]), HANDLER(Chk_tatekei_Click(1))},
    {"Chk_yokokei", "横罫", "YOKOKEI", 1, BOX(Chk_yokokei), HANDLER(Chk_yokokei_Click())},
    {"Chk_nenkesi", "年消", "NENKESI", 1, BOX(Chk_nenkesi), HANDLER(Chk_nenkesi_Click())},
    {"Chk_Sunday", "カラー", "SUNDAY", 1, BOX(Chk_Sunday), HANDLER(Chk_Sunday_Click())},
    {"Chk_eigo", "英語", "EIGO", 1, BOX(Chk_eigo), HANDLER(Chk_eigo_Click())},
    {"Chk_naiyou", "予定内容", "NAIYOU", 1, BOX(Chk_naiyou), HANDLER(Chk_naiyou_Click())},
    {"chk_teiki", "定期予定", "TEIKI", 1, BOX(chk_teiki), HANDLER(chk_teiki_Click())},
    {"Chk_yasumi", "祝日名称", "YASUMI", 1, BOX(Chk_yasumi), HANDLER(Chk_yasumi_Click())},
    {"Chk_SyousaiPrint", "時刻別内容", "SYOUSAI", 1, BOX(Chk_SyousaiPrint), HANDLER(Chk_SyousaiPrint_Click())},
    {"Chk_next", "次月内容", "NEXT", 1, BOX(Chk_next), HANDLER(Chk_next_Click())},
    {"Chk_amikake", "網掛け", "AMIKAKE", 1, BOX(Chk_amikake), HANDLER(Chk_amikake_Click())},
    {"chk_kakko", "曜日の()", "KAKKO", 1, BOX(chk_kakko), HANDLER(chk_kakko_Click())},
    {"Chk_youbi", "曜日", "YOUBI", 1, BOX(Chk_youbi), HANDLER(Chk_youbi_Click())},
    {"Chk_mini", "ﾐﾆｶﾚﾝﾀﾞｰ", "MINI", 1, BOX(Chk_mini), HANDLER(Chk_mini_Click())},
    {"chk_mini_ura", "裏", "MINI_URA", 1, BOX(chk_mini_ura), HANDLER(chk_mini_ura_Click())},
    {"chk_Kousiyohaku", "余白ｶﾚﾝﾀﾞｰ", "KOUSIYOHAKU", 1, BOX(chk_Kousiyohaku),
     HANDLER(chk_KousiYohaku_Click())},
    {"chk_kousi5syu", "6週目枠非表示", "KOUSI5SYU", 1, BOX(chk_kousi5syu), HANDLER(chk_kousi5syu_Click())},
    {"Chk_Kakeibo", "家計簿", "KAKEIBO", 1, BOX(Chk_Kakeibo), HANDLER(Chk_Kakeibo_Click())},
    {"chk_memo", "メモ", "MEMO", 1, BOX(chk_memo), HANDLER(chk_memo_Click())},
    {"chk_tukikijyun", "表題の月を週始基準", nullptr, 1, BOX(chk_tukikijyun), nullptr},
    {"chk_6dan", "6段", nullptr, 1, BOX(chk_6dan), nullptr},
    {"Chk_retu", "2列", nullptr, 1, BOX(Chk_retu), HANDLER(Chk_retu_Click())},
};

#undef BOX
#undef HANDLER

}  // namespace

const std::vector<CheckBoxControl>& ScheduleCheckBoxes() { return kBoxes; }

const CheckBoxControl* FindCheckBox(ScheduleWindow& window, const QCheckBox* box) {
  for (const CheckBoxControl& c : kBoxes)
    if (c.box(window) == box) return &c;
  return nullptr;
}

const CheckBoxControl* FindCheckBoxOfKey(const char* key) {
  for (const CheckBoxControl& c : kBoxes)
    if (c.key && std::strcmp(c.key, key) == 0) return &c;
  return nullptr;
}
