#include "DesignCatalog.h"

#include <vector>

namespace {

using enum OptionControl;
using Controls = std::vector<OptionControl>;

const QString kSimpleStyle = QStringLiteral("ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ");
const QString kSuperOrganiserLayout = QStringLiteral("超整理型");

// Which style a design selects after adding its own styles.
enum class StylePick { First, Second, Last };

struct DesignRow {
  QStringList layouts;
  // The layouts of the four-fold organiser size; empty when they are the
  // usual ones.
  QStringList superLayouts;
  Controls show;
  Controls hide;
  QStringList ownStyles;
  StylePick stylePick = StylePick::First;
  std::optional<bool> memo;
  // Entries in the memo area need the memo column that the four-fold size
  // leaves out.
  bool memoEntriesUnlessSuper = false;
};

// Shown for every design before the design's own changes; every other
// control starts hidden.
const Controls kBaselineShown = {Chk_start, Chk_rokuyou, Chk_Geturei, Chk_yasumi, Chk_naiyou, Chk_Sunday,
                                 chk_teiki, chk_weekno,  Chk_amikake, Chk_eigo,   chk_kakko};

const QStringList kFrontBack{QStringLiteral("表裏交互"), QStringLiteral("A4 両面"), QStringLiteral("表面のみ"),
                             QStringLiteral("裏面のみ")};
const QStringList kBackFront{QStringLiteral("裏表交互"), QStringLiteral("A4 両面"), QStringLiteral("表面のみ"),
                             QStringLiteral("裏面のみ")};
const QStringList kSpread{QStringLiteral("裏表交互"), QStringLiteral("A4 両面"), QStringLiteral("袋とじ")};
const QStringList kWeekStyles{QStringLiteral("縦並び"), QStringLiteral("ボックス")};

const Controls kMonthRuled = {Chk_tatekei0, Chk_tatekei1,   cmb_tatekei,  Chk_yokokei,
                              cmb_memori2,  chk_memori_ten, Chk_nenkesi,  cmb_kirisute};
const Controls kMonthGrid = {Chk_mini, chk_memo, Chk_nenkesi, chk_kousi_hanten, chk_kousi5syu, cmb_kirisute};
const Controls kWeekRuled = {Chk_tatekei0, Chk_yokokei, Chk_memori, cmb_memori2, chk_memori_ten};
const Controls kTimeAxis = {Chk_tatekei0, Chk_tatekei1, Chk_yokokei, cmb_memori2, Chk_mini, chk_memo};

Controls With(Controls controls, const Controls& more) {
  controls.insert(controls.end(), more.begin(), more.end());
  return controls;
}

DesignRow Row(const QStringList& layouts, const QStringList& superLayouts, const Controls& show,
              const Controls& hide) {
  DesignRow row;
  row.layouts = layouts;
  row.superLayouts = superLayouts;
  row.show = show;
  row.hide = hide;
  return row;
}

DesignRow Styled(DesignRow row, const QStringList& styles, StylePick pick) {
  row.ownStyles = styles;
  row.stylePick = pick;
  return row;
}

const std::vector<DesignRow>& DesignRows() {
  static const std::vector<DesignRow> rows = [] {
    const QStringList super{kSuperOrganiserLayout};
    const QStringList monthRuledLayouts = kFrontBack + QStringList{QStringLiteral("A4 山折")};
    std::vector<DesignRow> r(27);
    r[0] = Row({QStringLiteral("表裏交互"), QStringLiteral("表面のみ"), QStringLiteral("裏面のみ"), QStringLiteral("A4 両面")},
               super, {chk_4gatu, Chk_retu, txt_midasi},
               {Chk_rokuyou, Chk_Geturei, Chk_yasumi, Chk_naiyou, chk_teiki, chk_kakko});
    r[1] = Row({QStringLiteral("Ａ４ 横")}, {}, {chk_memo, chk_kousi_hanten}, {Chk_Geturei});
    r[1].memo = true;
    r[2] = Row(monthRuledLayouts, super, kMonthRuled, {Chk_start});
    r[3] = Row({QStringLiteral("A4 両面")}, {}, With(kMonthRuled, {Chk_mini}), {Chk_start});
    r[4] = Styled(Row(kBackFront + QStringList{QStringLiteral("半月を表"), QStringLiteral("半月を裏")}, {},
                      {Chk_tatekei0, Chk_yokokei, cmb_memori2, chk_memori_ten, Chk_nenkesi, cmb_kirisute}, {Chk_start}),
                  {QStringLiteral("縦並び")}, StylePick::Second);
    r[5] = Row(monthRuledLayouts, super, kMonthGrid, {});
    r[6] = Row(kSpread, super, With(kMonthGrid, {chk_Kousiyohaku}), {});
    r[7] = r[6];
    r[8] = Row(kSpread, super, kMonthGrid, {Chk_start});
    r[9] = r[8];
    for (int d : {5, 6, 7, 8, 9}) r[d].memo = false;
    r[10] = Row(kFrontBack, {}, {Chk_nenkesi, cmb_kirisute}, {Chk_Geturei});
    r[11] = Row(kFrontBack.mid(0, 3), {}, {chk_kousi_hanten, chk_kousi5syu, cmb_kirisute}, {Chk_Geturei});
    r[12] = Styled(Row(kFrontBack + QStringList{QStringLiteral("３週"), QStringLiteral("表の後、裏"), QStringLiteral("表面2枚")},
                       super,
                       {Chk_tatekei0, Chk_tatekei1, cmb_tatekei, Chk_yokokei, Chk_memori, cmb_memori2, chk_memori_ten,
                        Chk_mini, chk_mini_ura},
                       {}),
                   kWeekStyles, StylePick::Second);
    r[13] = Styled(Row({QStringLiteral("表裏交互"), QStringLiteral("A4 両面"), QStringLiteral("A4 両面(右)")}, super,
                       {Chk_tatekei0, Chk_tatekei1, Chk_yokokei, Chk_memori, cmb_memori2, chk_memori_ten, Chk_mini}, {}),
                   kWeekStyles, StylePick::Second);
    r[13].memoEntriesUnlessSuper = true;
    r[14] = Styled(Row(kBackFront, {}, kWeekRuled, {Chk_start}), kWeekStyles, StylePick::Second);
    r[15] = Styled(Row(kBackFront, {}, With(kWeekRuled, {Chk_mini}), {Chk_start}), kWeekStyles, StylePick::Second);
    r[16] = Styled(Row(kBackFront, {}, With(kWeekRuled, {Chk_mini}), {}), kWeekStyles, StylePick::Second);
    r[17] = Row({QStringLiteral("裏表交互"), QStringLiteral("A4 両面"), QStringLiteral("A4 表2枚")}, {},
                With(kTimeAxis, {Chk_Kakeibo}), {Chk_Geturei});
    r[18] = Row(kSpread.mid(0, 2), {}, kTimeAxis, {Chk_Geturei});
    r[19] = Row(kSpread.mid(0, 2), {}, kTimeAxis, {Chk_Geturei, Chk_start});
    r[20] = Row({QStringLiteral("裏表交互"), QStringLiteral("表裏交互"), QStringLiteral("表"), QStringLiteral("裏")}, {},
                kTimeAxis, {Chk_Geturei});
    r[21] = Row({QStringLiteral("表"), QStringLiteral("裏"), QStringLiteral("A4 両面"), QStringLiteral("1日おき")},
                {QStringLiteral("１枚４日"), QStringLiteral("１枚２日")}, {Chk_tatekei0, cmb_memori2, Chk_mini}, {Chk_start});
    r[22] = Row({QStringLiteral("裏表交互")}, {}, {Chk_mini, Chk_nenkesi}, {Chk_start});
    r[23] = Row({QStringLiteral("裏表交互"), QStringLiteral("2日おき")}, {}, {Chk_yokokei}, {Chk_start});
    r[24] = Row({QStringLiteral("裏表交互"), QStringLiteral("表面のみ"), QStringLiteral("裏面のみ"), QStringLiteral("A4 表2枚")},
                super, {cmb_5nen}, {Chk_start});
    r[25] = Row({QStringLiteral("Ａ４"), QStringLiteral("Ａ４表2枚"), QStringLiteral("Ａ４表3枚")}, {}, {Chk_next}, {});
    r[26] = Styled(Row({QStringLiteral("Ａ４")}, {}, {Chk_mini, chk_kousi_hanten}, {}), {QStringLiteral("大文字")},
                   StylePick::Last);
    return r;
  }();
  return rows;
}

void SetShown(DesignChoice& choice, const Controls& controls, bool shown) {
  for (OptionControl c : controls) choice.shown[static_cast<int>(c)] = shown;
}

// The styles that every design with a grid or a large calendar offers; the
// wide (横) ones have no room for the boxed variants.
void ApplyCaptionStyles(DesignChoice& choice, const QString& caption) {
  choice.styles = {kSimpleStyle};
  if (!caption.contains(u"格子") && !caption.contains(u"大きな")) return;
  choice.styles << QStringLiteral("ボックス") << QStringLiteral("ライン") << QStringLiteral("網掛ライン");
  if (!caption.contains(u'横')) choice.styles << QStringLiteral("ボックス網掛") << QStringLiteral("ボックス角");
  choice.stylesShown = true;
}

}  // namespace

QString OptionControlName(OptionControl control) {
  // In the order of OptionControl.
  static const char* const kNames[kOptionControlCount] = {
      "chk_4gatu", "Chk_start", "Chk_tatekei(0)", "Chk_tatekei(1)", "cmb_tatekei",
      "Chk_yokokei", "Chk_memori", "cmb_memori2", "chk_memori_ten", "Chk_rokuyou",
      "Chk_Geturei", "Chk_yasumi", "Chk_naiyou", "Chk_Sunday", "chk_teiki",
      "Chk_mini", "chk_mini_ura", "Chk_next", "Chk_retu", "chk_memo",
      "txt_midasi", "Chk_youbi", "chk_weekno", "Chk_nenkesi", "chk_Kousiyohaku",
      "chk_kousi_hanten", "Chk_Kakeibo", "chk_kousi5syu", "chk_6dan", "cmb_5nen",
      "Chk_amikake", "Chk_eigo", "chk_kakko", "chk_memo_yotei", "cmb_week",
      "cmb_kirisute", "chk_tukikijyun", "Chk_SyousaiPrint"
  };
  return QString::fromLatin1(kNames[static_cast<int>(control)]);
}

bool CaptionHasTimes(const QString& caption) {
  for (const char16_t* text : {u"週間予定", u"日予定", u"大きな", u"スケジュール"})
    if (caption.contains(QStringView(text))) return true;
  return false;
}

int DetailEntriesValue(bool designHasTimes, bool boxTicked) {
  if (!boxTicked) return 0;
  return designHasTimes ? 1 : -1;
}

int DesignCode(int designIndex, int layoutIndex) { return DesignCodeOf(PageDesign(designIndex), layoutIndex + 1); }

DesignChoice ChooseDesign(int index, const QString& caption, bool superOrganiser) {
  DesignChoice choice;
  choice.hasTimes = CaptionHasTimes(caption);
  SetShown(choice, {Chk_SyousaiPrint}, choice.hasTimes);
  SetShown(choice, {chk_tukikijyun}, caption.contains(u"週間予定"));
  SetShown(choice, kBaselineShown, true);
  ApplyCaptionStyles(choice, caption);

  const std::vector<DesignRow>& rows = DesignRows();
  if (index < 0 || index >= static_cast<int>(rows.size())) return choice;
  const DesignRow& row = rows[index];
  choice.layouts = superOrganiser && !row.superLayouts.isEmpty() ? row.superLayouts : row.layouts;
  SetShown(choice, row.show, true);
  SetShown(choice, row.hide, false);
  if (row.memoEntriesUnlessSuper && !superOrganiser) SetShown(choice, {chk_memo_yotei}, true);
  choice.memo = row.memo;
  if (!row.ownStyles.isEmpty()) {
    choice.styles << row.ownStyles;
    choice.stylesShown = true;
    choice.selectedStyle = row.stylePick == StylePick::Last ? choice.styles.size() - 1
                           : row.stylePick == StylePick::Second ? 1
                                                                : 0;
  }
  return choice;
}
