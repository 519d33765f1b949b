#pragma once
// What each page design of the schedule window offers: its layouts (side
// order and paper) in the order the printing numbers them, its style list,
// the print options it shows, and the options it presets. The window applies
// a DesignChoice to its controls; nothing here touches a widget.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

// The option controls whose visibility depends on the design, in the order
// the window shows or hides them.
enum class OptionControl {
  chk_4gatu,
  Chk_start,
  Chk_tatekei0,
  Chk_tatekei1,
  cmb_tatekei,
  Chk_yokokei,
  Chk_memori,
  cmb_memori2,
  chk_memori_ten,
  Chk_rokuyou,
  Chk_Geturei,
  Chk_yasumi,
  Chk_naiyou,
  Chk_Sunday,
  chk_teiki,
  Chk_mini,
  chk_mini_ura,
  Chk_next,
  Chk_retu,
  chk_memo,
  txt_midasi,
  Chk_youbi,
  chk_weekno,
  Chk_nenkesi,
  chk_Kousiyohaku,
  chk_kousi_hanten,
  Chk_Kakeibo,
  chk_kousi5syu,
  chk_6dan,
  cmb_5nen,
  Chk_amikake,
  Chk_eigo,
  chk_kakko,
  chk_memo_yotei,
  cmb_week,
  cmb_kirisute,
  // Shown by the caption: designs with times.
  chk_tukikijyun,
  Chk_SyousaiPrint,
};
constexpr int kOptionControlCount = static_cast<int>(OptionControl::Chk_SyousaiPrint) + 1;

// The control's name as the window names it ("Chk_tatekei(0)" for an array
// element).
QString OptionControlName(OptionControl control);

struct DesignChoice {
  QStringList layouts;       // items of the layout list; the first is selected
  QStringList styles;        // items of the style list
  int selectedStyle = 0;
  bool stylesShown = false;
  // The design prints times: 時刻 entries are accepted and listed.
  bool hasTimes = false;
  std::array<bool, kOptionControlCount> shown{};
  // The memo option ticked or cleared by the design; unset leaves it alone.
  std::optional<bool> memo;

  bool isShown(OptionControl c) const { return shown[static_cast<int>(c)]; }
};

// The design at index of the design list, whose caption the caption tests
// read. superOrganiser is the four-fold organiser size, which has layouts of
// its own for several designs. An index outside the list gives an empty
// choice (no layouts).
DesignChoice ChooseDesign(int index, const QString& caption, bool superOrganiser);

// The caption names a design that prints times (weekly, daily and the large
// calendars).
bool CaptionHasTimes(const QString& caption);

// OptDetailEntries after a design change: 1 or 0 by the box for a design
// with times, -1 or 0 for any other design, where only 1 counts as on.
int DetailEntriesValue(bool designHasTimes, bool boxTicked);

// The designs of the design list, by their index there.
enum PageDesign : int16_t {
  kDesignYearCalendar = 0,
  kDesignHalfYearGrid,
  kDesignMonthRuled,
  kDesignMonthRuledMemo,
  kDesignMonthRuledSpread,
  kDesignMonthGrid,
  kDesignMonthGridRightMargin,
  kDesignMonthGridLeftMargin,
  kDesignMonthGridWideWeekend,
  kDesignMonthGridNarrowWeekend,
  kDesignMonthGridLandscape,
  kDesignMonthGridTwoTier,
  kDesignWeekRuled,
  kDesignWeekRuledMemo,
  kDesignWeekRuledWeekendRow,
  kDesignWeekRuledSpreadWeekendRow,
  kDesignWeekRuledSpread,
  kDesignWeekHours,
  kDesignWeekHoursMargin,
  kDesignWeekHoursThreeColumns,
  kDesignWeekHoursNarrowWeekend,
  kDesignDay,
  kDesignDaySpread,
  kDesignTwoDaysAPage,
  kDesignFiveYearDiary,
  kDesignLargeLandscapeCalendar,
  kDesignLargePortraitCalendar,
};

// The number the printing dispatches on for a design and its layout,
// counted from 1 in the order of the layout list: design × 10 + layout.
constexpr int16_t DesignCodeOf(PageDesign design, int layout) { return int16_t(design * 10 + layout); }
constexpr PageDesign DesignOfCode(int code) { return PageDesign(code / 10); }
constexpr int LayoutOfCode(int code) { return code % 10; }

// The number the printing dispatches on: design index × 10 + layout index + 1.
int DesignCode(int designIndex, int layoutIndex);
