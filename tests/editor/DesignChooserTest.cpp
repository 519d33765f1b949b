// The 27 designs: layouts with the codes the printing computes from them,
// styles and the option controls each design shows, in the usual and the
// four-fold organiser sizes; first as the catalog gives them, then as the
// window applies them to its controls.
#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <set>

#include "EditorWindowTest.h"
#include "core/print/PrintSeams.h"
#include "core/print/SurfaceRecorder.h"
#include "schedule/DesignCatalog.h"
#include "schedule_print/SchedulePrinting.h"
#include "schedule/PageDesignList.h"

namespace {

// Baseline of the option controls, to which each row adds ("+name") and
// from which it takes ("-name") as the design's own changes.
const char* const kBaseline =
    "Chk_start Chk_rokuyou Chk_Geturei Chk_yasumi Chk_naiyou Chk_Sunday chk_teiki chk_weekno Chk_amikake "
    "Chk_eigo chk_kakko";
// Shown by the caption of the designs with times.
const char* const kWeek = "+Chk_SyousaiPrint +chk_tukikijyun";
const char* const kDay = "+Chk_SyousaiPrint";

struct DesignCase {
  int design;
  const char* layouts;       // "item=code|..."
  const char* superLayouts;  // "" when the four-fold size has the same
  const char* controls;      // changes against the baseline
  int styleCount;
  const char* style;         // the selected style
  bool stylesShown;
};

const DesignCase kDesigns[] = {
    {0, "表裏交互=1|表面のみ=2|裏面のみ=3|A4 両面=4", "超整理型=1",
     "+chk_4gatu +Chk_retu +txt_midasi -Chk_rokuyou -Chk_Geturei -Chk_yasumi -Chk_naiyou -chk_teiki -chk_kakko", 1,
     "ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", false},
    {1, "Ａ４ 横=11", "", "+chk_memo +chk_kousi_hanten -Chk_Geturei", 6, "ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", true},
    {2, "表裏交互=21|A4 両面=22|表面のみ=23|裏面のみ=24|A4 山折=25", "超整理型=21",
     "+Chk_tatekei(0) +Chk_tatekei(1) +cmb_tatekei +Chk_yokokei +cmb_memori2 +chk_memori_ten +Chk_nenkesi "
     "+cmb_kirisute -Chk_start",
     1, "ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", false},
    {3, "A4 両面=31", "",
     "+Chk_tatekei(0) +Chk_tatekei(1) +cmb_tatekei +Chk_yokokei +cmb_memori2 +chk_memori_ten +Chk_nenkesi "
     "+cmb_kirisute +Chk_mini -Chk_start",
     1, "ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", false},
    {4, "裏表交互=41|A4 両面=42|表面のみ=43|裏面のみ=44|半月を表=45|半月を裏=46", "",
     "+Chk_tatekei(0) +Chk_yokokei +cmb_memori2 +chk_memori_ten +Chk_nenkesi +cmb_kirisute -Chk_start", 2, "縦並び",
     true},
    {5, "表裏交互=51|A4 両面=52|表面のみ=53|裏面のみ=54|A4 山折=55", "超整理型=51",
     "+Chk_mini +chk_memo +Chk_nenkesi +chk_kousi_hanten +chk_kousi5syu +cmb_kirisute", 6, "ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", true},
    {6, "裏表交互=61|A4 両面=62|袋とじ=63", "超整理型=61",
     "+Chk_mini +chk_memo +Chk_nenkesi +chk_kousi_hanten +chk_kousi5syu +cmb_kirisute +chk_Kousiyohaku", 6,
     "ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", true},
    {7, "裏表交互=71|A4 両面=72|袋とじ=73", "超整理型=71",
     "+Chk_mini +chk_memo +Chk_nenkesi +chk_kousi_hanten +chk_kousi5syu +cmb_kirisute +chk_Kousiyohaku", 6,
     "ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", true},
    {8, "裏表交互=81|A4 両面=82|袋とじ=83", "超整理型=81",
     "+Chk_mini +chk_memo +Chk_nenkesi +chk_kousi_hanten +chk_kousi5syu +cmb_kirisute -Chk_start", 6, "ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ",
     true},
    {9, "裏表交互=91|A4 両面=92|袋とじ=93", "超整理型=91",
     "+Chk_mini +chk_memo +Chk_nenkesi +chk_kousi_hanten +chk_kousi5syu +cmb_kirisute -Chk_start", 6, "ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ",
     true},
    {10, "表裏交互=101|A4 両面=102|表面のみ=103|裏面のみ=104", "", "+Chk_nenkesi +cmb_kirisute -Chk_Geturei", 4,
     "ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", true},
    {11, "表裏交互=111|A4 両面=112|表面のみ=113", "", "+chk_kousi_hanten +chk_kousi5syu +cmb_kirisute -Chk_Geturei",
     6, "ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", true},
    {12, "表裏交互=121|A4 両面=122|表面のみ=123|裏面のみ=124|３週=125|表の後、裏=126|表面2枚=127", "超整理型=121",
     "+Chk_tatekei(0) +Chk_tatekei(1) +cmb_tatekei +Chk_yokokei +Chk_memori +cmb_memori2 +chk_memori_ten "
     "+Chk_mini +chk_mini_ura",
     3, "縦並び", true},
    {13, "表裏交互=131|A4 両面=132|A4 両面(右)=133", "超整理型=131",
     "+Chk_tatekei(0) +Chk_tatekei(1) +Chk_yokokei +Chk_memori +cmb_memori2 +chk_memori_ten +Chk_mini "
     "+chk_memo_yotei",
     3, "縦並び", true},
    {14, "裏表交互=141|A4 両面=142|表面のみ=143|裏面のみ=144", "",
     "+Chk_tatekei(0) +Chk_yokokei +Chk_memori +cmb_memori2 +chk_memori_ten -Chk_start", 3, "縦並び", true},
    {15, "裏表交互=151|A4 両面=152|表面のみ=153|裏面のみ=154", "",
     "+Chk_tatekei(0) +Chk_yokokei +Chk_memori +cmb_memori2 +chk_memori_ten +Chk_mini -Chk_start", 3, "縦並び",
     true},
    {16, "裏表交互=161|A4 両面=162|表面のみ=163|裏面のみ=164", "",
     "+Chk_tatekei(0) +Chk_yokokei +Chk_memori +cmb_memori2 +chk_memori_ten +Chk_mini", 3, "縦並び", true},
    {17, "裏表交互=171|A4 両面=172|A4 表2枚=173", "",
     "+Chk_tatekei(0) +Chk_tatekei(1) +Chk_yokokei +cmb_memori2 +Chk_mini +chk_memo +Chk_Kakeibo -Chk_Geturei", 1,
     "ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", false},
    {18, "裏表交互=181|A4 両面=182", "",
     "+Chk_tatekei(0) +Chk_tatekei(1) +Chk_yokokei +cmb_memori2 +Chk_mini +chk_memo -Chk_Geturei", 1, "ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ",
     false},
    {19, "裏表交互=191|A4 両面=192", "",
     "+Chk_tatekei(0) +Chk_tatekei(1) +Chk_yokokei +cmb_memori2 +Chk_mini +chk_memo -Chk_Geturei -Chk_start", 1,
     "ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", false},
    {20, "裏表交互=201|表裏交互=202|表=203|裏=204", "",
     "+Chk_tatekei(0) +Chk_tatekei(1) +Chk_yokokei +cmb_memori2 +Chk_mini +chk_memo -Chk_Geturei", 1, "ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ",
     false},
    {21, "表=211|裏=212|A4 両面=213|1日おき=214", "１枚４日=211|１枚２日=212",
     "+Chk_tatekei(0) +cmb_memori2 +Chk_mini -Chk_start", 1, "ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", false},
    {22, "裏表交互=221", "", "+Chk_mini +Chk_nenkesi -Chk_start", 1, "ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", false},
    {23, "裏表交互=231|2日おき=232", "", "+Chk_yokokei -Chk_start", 1, "ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", false},
    {24, "裏表交互=241|表面のみ=242|裏面のみ=243|A4 表2枚=244", "超整理型=241", "+cmb_5nen -Chk_start", 1,
     "ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", false},
    {25, "Ａ４=251|Ａ４表2枚=252|Ａ４表3枚=253", "", "+Chk_next", 4, "ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", true},
    {26, "Ａ４=261", "", "+Chk_mini +chk_kousi_hanten", 7, "大文字", true},
};

bool HasTimes(int design) { return (design >= 12 && design <= 23) || design == 25 || design == 26; }

// The names of the shown controls for a row: baseline, caption, changes.
std::set<QString> ExpectedShown(const DesignCase& c, bool superOrganiser) {
  std::set<QString> shown;
  for (const QString& name : QString::fromUtf8(kBaseline).split(u' ')) shown.insert(name);
  QString changes = QString::fromUtf8(c.controls);
  if (c.design >= 12 && c.design <= 20) changes += u' ' + QString::fromUtf8(kWeek);
  else if (HasTimes(c.design)) changes += u' ' + QString::fromUtf8(kDay);
  for (const QString& change : changes.split(u' ', Qt::SkipEmptyParts)) {
    if (change.startsWith(u'+')) shown.insert(change.mid(1));
    else shown.erase(change.mid(1));
  }
  if (c.design == 13 && superOrganiser) shown.erase(QStringLiteral("chk_memo_yotei"));
  return shown;
}

// The layout items, each checked against the code its position gives.
QStringList ExpectedLayouts(const DesignCase& c, bool superOrganiser) {
  const char* layoutText = superOrganiser && *c.superLayouts ? c.superLayouts : c.layouts;
  QStringList items;
  const QStringList parts = QString::fromUtf8(layoutText).split(u'|');
  for (int i = 0; i < parts.size(); ++i) {
    items << parts[i].section(u'=', 0, 0);
    EXPECT_EQ(DesignCode(c.design, i), parts[i].section(u'=', 1).toInt()) << c.design << " " << i;
  }
  return items;
}

std::set<QString> ShownOf(const DesignChoice& choice) {
  std::set<QString> shown;
  for (int i = 0; i < kOptionControlCount; ++i)
    if (choice.shown[i]) shown.insert(OptionControlName(static_cast<OptionControl>(i)));
  return shown;
}

TEST(DesignCatalog, EveryDesignInBothSizes) {
  const QStringList captions = PageDesignCaptions();
  ASSERT_EQ(std::size(kDesigns), static_cast<size_t>(kPageDesignCount));
  for (const bool superOrganiser : {false, true}) {
    for (const DesignCase& c : kDesigns) {
      SCOPED_TRACE(testing::Message() << "design " << c.design << (superOrganiser ? " four-fold" : ""));
      const DesignChoice choice = ChooseDesign(c.design, captions[c.design], superOrganiser);
      EXPECT_EQ(choice.layouts, ExpectedLayouts(c, superOrganiser));
      EXPECT_EQ(choice.styles.size(), c.styleCount);
      EXPECT_EQ(choice.styles.value(choice.selectedStyle), QString::fromUtf8(c.style));
      EXPECT_EQ(choice.stylesShown, c.stylesShown);
      EXPECT_EQ(choice.hasTimes, HasTimes(c.design));
      EXPECT_EQ(ShownOf(choice), ExpectedShown(c, superOrganiser));
      const std::optional<bool> memo = c.design == 1 ? std::optional(true)
                                       : c.design >= 5 && c.design <= 9 ? std::optional(false)
                                                                          : std::nullopt;
      EXPECT_EQ(choice.memo, memo);
    }
  }
}

TEST(DesignCatalog, StyleListsInOrder) {
  const QStringList captions = PageDesignCaptions();
  EXPECT_EQ(ChooseDesign(26, captions[26], false).styles,
            (QStringList{"ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", "ボックス", "ライン", "網掛ライン", "ボックス網掛", "ボックス角", "大文字"}));
  EXPECT_EQ(ChooseDesign(25, captions[25], false).styles, (QStringList{"ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", "ボックス", "ライン", "網掛ライン"}));
  EXPECT_EQ(ChooseDesign(12, captions[12], false).styles, (QStringList{"ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", "縦並び", "ボックス"}));
  EXPECT_EQ(ChooseDesign(4, captions[4], false).styles, (QStringList{"ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ", "縦並び"}));
}

TEST(DesignCatalog, DetailEntriesCountOnlyForDesignsWithTimes) {
  EXPECT_EQ(DetailEntriesValue(false, true), -1);
  EXPECT_EQ(DetailEntriesValue(true, true), 1);
  EXPECT_EQ(DetailEntriesValue(false, false), 0);
  EXPECT_EQ(DetailEntriesValue(true, false), 0);
  EXPECT_FALSE(CaptionHasTimes(QStringLiteral("日記５年 横罫型")));
  EXPECT_TRUE(CaptionHasTimes(QStringLiteral("スケジュール")));
}

// The window shows what the catalog says for each design, in both sizes.
TEST_F(EditorWindowTest, TheWindowAppliesEveryDesign) {
  for (const int16_t mode : {int16_t(0), int16_t(1)}) {
    PaperSettings.SuperOrganiserMode = mode;
    ScheduleWindow& w = Open();
    EXPECT_EQ(w.Cmb_Type->currentRow(), mode == 1 ? 2 : 25);
    for (const DesignCase& c : kDesigns) {
      SCOPED_TRACE(testing::Message() << "design " << c.design << " mode " << mode);
      w.Cmb_Type->setCurrentRow(c.design);
      QStringList layouts;
      for (int i = 0; i < w.Cmb_men->count(); ++i) layouts << w.Cmb_men->itemText(i);
      EXPECT_EQ(layouts, ExpectedLayouts(c, mode == 1));
      EXPECT_EQ(w.Cmb_men->currentIndex(), 0);
      EXPECT_EQ(w.Cmb_design->count(), c.styleCount);
      EXPECT_EQ(w.Cmb_design->currentText(), QString::fromUtf8(c.style));
      EXPECT_EQ(w.Options.DesignStyleText, QString::fromUtf8(c.style));
      EXPECT_EQ(!w.Cmb_design->isHidden(), c.stylesShown);
      EXPECT_EQ(w.DesignHasTimes, HasTimes(c.design));
      std::set<QString> shown;
      for (int i = 0; i < kOptionControlCount; ++i) {
        const auto control = static_cast<OptionControl>(i);
        if (!w.DesignOptionControl(control)->isHidden()) shown.insert(OptionControlName(control));
      }
      EXPECT_EQ(shown, ExpectedShown(c, mode == 1));
      EXPECT_FALSE(w.Cmb_Hi->isHidden());
      EXPECT_TRUE(w.isEnabled());
    }
  }
}

TEST_F(EditorWindowTest, DetailEntriesFollowTheDesign) {
  ScheduleWindow& w = Open();
  w.Chk_SyousaiPrint->setChecked(true);
  const std::pair<int, int> steps[] = {{0, -1}, {12, 1}, {22, 1}, {24, -1}, {26, 1}};
  for (const auto& [design, value] : steps) {
    w.Cmb_Type->setCurrentRow(design);
    EXPECT_EQ(w.Options.OptDetailEntries, value) << design;
  }
  w.Chk_SyousaiPrint->setChecked(false);
  w.Cmb_Type->setCurrentRow(12);
  EXPECT_EQ(w.Options.OptDetailEntries, 0);
}

// The memo box is set through its handler, which stores it, while the
// window is disabled.
TEST_F(EditorWindowTest, DesignsPresetTheMemoWhileTheWindowIsBusy) {
  ScheduleWindow& w = Open();
  QList<bool> enabledAtChange;
  QObject::connect(w.chk_memo, &QCheckBox::toggled, [&] { enabledAtChange << w.isEnabled(); });
  w.Cmb_Type->setCurrentRow(1);
  EXPECT_TRUE(w.chk_memo->isChecked());
  EXPECT_EQ(Key("MEMO"), QStringLiteral("1"));
  EXPECT_EQ(w.Options.OptMemo, 1);
  w.Cmb_Type->setCurrentRow(5);
  EXPECT_FALSE(w.chk_memo->isChecked());
  EXPECT_EQ(Key("MEMO"), QStringLiteral("0"));
  w.Cmb_Type->setCurrentRow(17);
  EXPECT_FALSE(w.chk_memo->isChecked()) << "designs 17-20 show the box and leave it alone";
  w.Cmb_Type->setCurrentRow(1);
  EXPECT_TRUE(w.chk_memo->isChecked());
  EXPECT_EQ(enabledAtChange, (QList<bool>{false, false, false}));
  EXPECT_TRUE(w.isEnabled());
}

// A changed design re-reads the month list: timed lines come and go.
TEST_F(EditorWindowTest, TheMonthListFollowsTheDesign) {
  WriteLines({QStringLiteral("2025/06/15,時刻,10:00 会議"), QStringLiteral("2025/06/16,　　,通院")});
  SetKey("SYOUSAI", QStringLiteral("1"));
  ScheduleWindow& w = Open();
  EXPECT_EQ(w.List1->count(), 2) << "the large calendar prints times";
  w.Cmb_Type->setCurrentRow(5);
  EXPECT_EQ(w.List1->count(), 1);
  w.Cmb_Type->setCurrentRow(21);
  EXPECT_EQ(w.List1->count(), 2);
}

TEST_F(EditorWindowTest, TheDesignListIgnoresTypingAndDelete) {
  ScheduleWindow& w = Open();
  w.Cmb_Type->setCurrentRow(5);
  const auto send = [&](int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w.Cmb_Type, &press);
  };
  send(Qt::Key_Delete, QString());
  send(Qt::Key_A, QStringLiteral("a"));
  send(Qt::Key_Z, QStringLiteral("Ａ"));
  EXPECT_EQ(w.Cmb_Type->currentRow(), 5);
  send(Qt::Key_Down, QString());
  EXPECT_EQ(w.Cmb_Type->currentRow(), 6);
  EXPECT_EQ(w.Cmb_men->itemText(2), QStringLiteral("袋とじ")) << "the arrow key ran the chooser";
}

}  // namespace

// The ops a design's print job records, one text per op.
QStringList PrintedOps(ScheduleWindow& w, SurfaceRecorder& recorder, int design) {
  recorder.printer.clearOps();
  w.Cmb_Type->setCurrentRow(design);
  w.Cmd_print_Click();
  QStringList ops;
  for (const RecordedOp& op : recorder.printer.ops())
    ops << QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
               .arg(op.kind)
               .arg(op.x1, 0, 'f', 3)
               .arg(op.y1, 0, 'f', 3)
               .arg(op.x2, 0, 'f', 3)
               .arg(op.y2, 0, 'f', 3)
               .arg(op.kind == RecordedOp::Text ? op.fontSize : 0)
               .arg(op.text);
  return ops;
}

void ExpectSameOps(const QStringList& after, const QStringList& fresh) {
  EXPECT_GT(fresh.size(), 10);
  EXPECT_EQ(after.size(), fresh.size());
  for (qsizetype i = 0; i < std::min(after.size(), fresh.size()); ++i)
    if (after[i] != fresh[i]) {
      ADD_FAILURE() << "op " << i << ": " << after[i].toStdString() << " instead of " << fresh[i].toStdString();
      break;
    }
}

// A box the chosen design hides prints as after a fresh start, whichever
// design came before: design 1 ticks the memo box that design 26 hides.
TEST_F(EditorWindowTest, AHiddenOptionPrintsAsAfterAFreshStart) {
  RegisterSchedulePrinting();
  SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{}; });
  SurfaceRecorder recorder;
  const QStringList fresh26 = PrintedOps(Open(), recorder, 26);
  ScheduleWindow& w = Open();
  w.Cmb_Type->setCurrentRow(1);
  ASSERT_TRUE(w.chk_memo->isChecked());
  {
    SCOPED_TRACE("design 26 after design 1");
    ExpectSameOps(PrintedOps(w, recorder, 26), fresh26);
  }
  EXPECT_EQ(w.Options.OptMemo, 1) << "the box keeps its state for the designs that show it";

  SetSchedulePrintHandler({});
  SetPrintDialogHandler({});
}

// At a fresh start every design prints with the options as they are: a box
// a design hides keeps its default (design 1 draws its mini calendar though
// it shows no box for it), so no default page changes.
TEST_F(EditorWindowTest, AFreshStartPrintsEveryDesignWithItsStoredOptions) {
  const int designs = Open().Cmb_Type->count();
  for (int design = 0; design < designs; ++design) {
    ScheduleWindow& w = Open();
    w.Cmb_Type->setCurrentRow(design);
    const ScheduleOptions shown = w.OptionsAsShown();
    for (const ScheduleOptionKey& key : ScheduleOptionKeys()) {
      if (!key.variable) continue;
      ScheduleOptions stored = w.Options;
      ScheduleOptions asShown = shown;
      EXPECT_EQ(key.variable(asShown), key.variable(stored)) << "design " << design << " " << key.key;
    }
  }
}
