// The print options' handlers: what a change writes, and the rule that
// colour printing, shading and brackets are never all off.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include "ScheduleWindowTest.h"
#include "schedule/windows/ScheduleWindowCheckBoxes.h"

namespace {

using OptionHandlers = ScheduleWindowTest;

QString Bit(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

TEST_F(OptionHandlers, ColourShadingAndBracketsAreNeverAllOff) {
  struct Row {
    const char* name;
    int colour, shading, brackets;   // stored before the window opens
    const char* untick;              // the box the user unticks
    int colourAfter, shadingAfter, bracketsAfter;
  };
  const Row rows[] = {
      {"colour off with shading and brackets off ticks the brackets", 1, 0, 0, "Chk_Sunday", 0, 0, 1},
      {"brackets off with colour and shading off ticks colour", 0, 0, 1, "chk_kakko", 1, 0, 0},
      {"shading off while colour is on changes nothing else", 1, 1, 0, "Chk_amikake", 1, 0, 0},
      {"shading off with colour and brackets off ticks the brackets", 0, 1, 0, "Chk_amikake", 0, 0, 1},
      {"colour off while shading is on changes nothing else", 1, 1, 0, "Chk_Sunday", 0, 1, 0},
      {"brackets off while colour is on changes nothing else", 1, 0, 1, "chk_kakko", 1, 0, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    SetKey("SUNDAY", Bit(r.colour));
    SetKey("AMIKAKE", Bit(r.shading));
    SetKey("KAKKO", Bit(r.brackets));
    ScheduleWindow& w = Open();
    ASSERT_EQ(w.Chk_Sunday->isChecked(), r.colour == 1);
    ASSERT_EQ(w.Chk_amikake->isChecked(), r.shading == 1);
    ASSERT_EQ(w.chk_kakko->isChecked(), r.brackets == 1);
    w.findChild<QCheckBox*>(QLatin1String(r.untick))->setChecked(false);
    EXPECT_EQ(w.Chk_Sunday->isChecked(), r.colourAfter == 1);
    EXPECT_EQ(w.Chk_amikake->isChecked(), r.shadingAfter == 1);
    EXPECT_EQ(w.chk_kakko->isChecked(), r.bracketsAfter == 1);
    EXPECT_EQ(w.Options.OptColourPrint, r.colourAfter);
    EXPECT_EQ(w.Options.OptShading, r.shadingAfter);
    EXPECT_EQ(w.Options.OptBrackets, r.bracketsAfter);
    EXPECT_EQ(Key("SUNDAY"), Bit(r.colourAfter));
    EXPECT_EQ(Key("AMIKAKE"), Bit(r.shadingAfter));
    EXPECT_EQ(Key("KAKKO"), Bit(r.bracketsAfter));
  }
}

TEST_F(OptionHandlers, LoadingTurnsTheBracketsOnWhenColourAndShadingAreOff) {
  SetKey("SUNDAY", QStringLiteral("0"));
  SetKey("AMIKAKE", QStringLiteral("0"));
  SetKey("KAKKO", QStringLiteral("0"));
  ScheduleWindow& w = Open();
  EXPECT_TRUE(w.chk_kakko->isChecked());
  EXPECT_EQ(w.Options.OptBrackets, 1);
  EXPECT_EQ(Key("KAKKO"), QStringLiteral("1"));
  EXPECT_EQ(Key("SUNDAY"), QStringLiteral("0"));
}

// Every saved box writes its own key, and only that key, on each change.
TEST_F(OptionHandlers, EachBoxWritesItsKey) {
  ScheduleWindow& w = Open();
  for (const CheckBoxControl& c : ScheduleCheckBoxes()) {
    if (!c.key) continue;
    SCOPED_TRACE(c.name);
    QCheckBox* box = c.box(w);
    const bool was = box->isChecked();
    box->setChecked(!was);
    EXPECT_EQ(Key(c.key), Bit(!was));
    EXPECT_EQ(FindScheduleOptionKey(QLatin1String(c.key))->variable(w.Options), was ? 0 : 1);
    box->setChecked(was);
    EXPECT_EQ(Key(c.key), Bit(was));
  }
}

TEST_F(OptionHandlers, RuleBoxesWriteTheKeyOfTheirIndex) {
  ScheduleWindow& w = Open();
  w.Chk_tatekei[1]->setChecked(true);
  EXPECT_EQ(Key("TATEKEI1"), QStringLiteral("1"));
  EXPECT_TRUE(Key("TATEKEI0").isEmpty());
  EXPECT_EQ(w.Options.RuleFlags[1], 1);
  EXPECT_EQ(w.Options.RuleFlags[0], 0);
}

TEST_F(OptionHandlers, TwoColumnsNeedAPageWiderThan120) {
  for (int width : {120, 121}) {
    messages().clear();
    PaperSettings.PageWidth = static_cast<int16_t>(width);
    ScheduleWindow& w = Open();
    w.Chk_retu->setChecked(true);
    if (width == 120) {
      EXPECT_FALSE(w.Chk_retu->isChecked());
      ASSERT_EQ(messages().shown().size(), 1u);
      EXPECT_EQ(messages().shown()[0].text, QStringLiteral("手帳サイズが小さすぎるため、指定できません。"));
      EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::None);
      EXPECT_EQ(messages().shown()[0].buttons, platform::MsgButtons::Ok);
    } else {
      EXPECT_TRUE(w.Chk_retu->isChecked());
      EXPECT_TRUE(messages().shown().empty());
    }
    EXPECT_FALSE(SectionLines().join(u'\n').contains(QStringLiteral("RETU")));
  }
}

TEST_F(OptionHandlers, ListsCopyTheirSelection) {
  ScheduleWindow& w = Open();
  w.cmb_memori2->setCurrentIndex(6);
  EXPECT_EQ(w.Options.HourRangeIndex, 6);
  EXPECT_EQ(Key("MEMORI2"), QStringLiteral("6"));
  w.cmb_kirisute->setCurrentIndex(3);
  EXPECT_EQ(w.Options.RightEdgeMode, 3);
  EXPECT_EQ(Key("KIRISUTE"), QStringLiteral("3"));
  w.cmb_tatekei->setCurrentIndex(2);
  EXPECT_EQ(Key("TATEKEI2"), QStringLiteral("2"));
  w.cmb_week->setCurrentIndex(0);
  EXPECT_EQ(Key("PRJ_WEEK"), QStringLiteral("1"));
  w.cmb_week->setCurrentIndex(19);
  EXPECT_EQ(w.Options.ProjectWeeks, 20);
  EXPECT_EQ(Key("PRJ_WEEK"), QStringLiteral("20"));
  const QStringList before = SectionLines();
  w.cmb_5nen->setCurrentIndex(9);
  EXPECT_EQ(w.Options.DiaryYears, 10);
  w.Cmb_design->addItems({QStringLiteral("ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ"), QStringLiteral("ボックス")});
  w.Cmb_design->setCurrentIndex(1);
  EXPECT_EQ(w.Options.DesignStyleText, QStringLiteral("ボックス"));
  EXPECT_EQ(SectionLines(), before) << "the diary years and the style are not saved";
}

TEST_F(OptionHandlers, ChangingTheDayDoesNotRefreshTheMonthList) {
  WriteSchedule(QStringLiteral("diduvuv.txt"), {QStringLiteral("2025/06/03,　　,会議")});
  ScheduleWindow& w = Open();
  ASSERT_EQ(w.List1->count(), 1);
  WriteSchedule(QStringLiteral("diduvuv.txt"), {QStringLiteral("2025/06/03,　　,会議"), QStringLiteral("2025/06/04,　　,昼食")});
  w.Cmb_Hi->setCurrentIndex(2);
  EXPECT_EQ(w.List1->count(), 1);
  w.Form_Activate();
  EXPECT_EQ(w.List1->count(), 2) << "activation shows what another window wrote";
  w.Cmb_Tuki->setCurrentIndex(6);
  EXPECT_EQ(w.List1->count(), 0);
  w.Cmb_Tuki->setCurrentIndex(5);
  EXPECT_EQ(w.List1->count(), 2);
  w.Cmb_Nen->setCurrentIndex(100);
  EXPECT_EQ(w.List1->count(), 0);
}

TEST_F(OptionHandlers, AnImpossibleDayBecomesTheMonthsLastDay) {
  struct Row { int year, month, day, shown; };
  const Row rows[] = {{2025, 4, 31, 30}, {2001, 2, 30, 28}, {2000, 2, 30, 29}, {2025, 5, 31, 31}};
  ScheduleWindow& w = Open();
  for (const Row& r : rows) {
    w.Cmb_Hi->setCurrentIndex(0);
    w.Cmb_Nen->setCurrentIndex(r.year - 1900);
    w.Cmb_Tuki->setCurrentIndex(r.month - 1);
    w.Cmb_Hi->setCurrentIndex(r.day - 1);
    EXPECT_EQ(w.Cmb_Hi->currentIndex(), r.shown - 1) << r.year << "/" << r.month << "/" << r.day;
  }
  // Turning to a shorter month moves the day too.
  w.Cmb_Tuki->setCurrentIndex(0);
  w.Cmb_Hi->setCurrentIndex(30);
  w.Cmb_Tuki->setCurrentIndex(1);
  EXPECT_EQ(w.Cmb_Hi->currentText(), QStringLiteral("28"));
}

// While the kind is 記号 the entry text can only be chosen from the list.
TEST_F(OptionHandlers, TheSymbolKindTakesNoTypedText) {
  ScheduleWindow& w = Open();
  QLineEdit* edit = w.Cmb_naiyou->lineEdit();
  ASSERT_NE(edit, nullptr);
  const auto type = [edit](int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(edit, &press);
  };
  w.Cmb_yasumi->setCurrentText(QStringLiteral("記号"));
  ASSERT_EQ(w.Cmb_yasumi->currentText(), QStringLiteral("記号"));
  edit->setText(QStringLiteral("♪"));
  edit->setCursorPosition(0);
  type(Qt::Key_A, QStringLiteral("a"));
  type(Qt::Key_Delete, QString());
  edit->setCursorPosition(1);
  type(Qt::Key_Backspace, QStringLiteral("\b"));
  EXPECT_EQ(edit->text(), QStringLiteral("♪"));

  w.Cmb_yasumi->setCurrentIndex(0);
  edit->setCursorPosition(0);
  type(Qt::Key_Delete, QString());
  type(Qt::Key_A, QStringLiteral("a"));
  EXPECT_EQ(edit->text(), QStringLiteral("a"));
}

}  // namespace
