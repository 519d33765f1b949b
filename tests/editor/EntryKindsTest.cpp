// The suggestions of each entry kind, and the kind list's refusals.
#include "EditorWindowTest.h"
#include "core/platform/MessageBox.h"
#include "schedule/EntrySuggestions.h"
#include "schedule/StoredPhrases.h"

namespace {

QStringList Hours(std::initializer_list<int> hours) {
  QStringList items;
  for (int h : hours) items << QStringLiteral("%1:00 ").arg(h, 2, 10, QLatin1Char('0'));
  return items;
}

TEST(EntrySuggestions, HoursStartAtTheNextFullHour) {
  EXPECT_EQ(HourSuggestions(13), Hours({14, 15, 16, 17, 18, 19, 20, 9, 10, 11, 12, 13, 14}));
  EXPECT_EQ(HourSuggestions(6), Hours({8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
  EXPECT_EQ(HourSuggestions(22), Hours({20, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
  EXPECT_EQ(HourSuggestions(8), Hours({9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 9}));
}

TEST(EntrySuggestions, EachKindOffersItsTexts) {
  QStringList phrases{QString(), QStringLiteral("(空白行)"), QStringLiteral("食事"), QString(), QStringLiteral("後")};
  QStringList symbols{QString(), QStringLiteral("♪"), QStringLiteral("〆")};
  const QString kept;  // unset text: the typed text stays
  struct Row { const char* kind; QStringList items; bool selectFirst; std::optional<QString> text; };
  const Row rows[] = {
      {"　　", {"", "(空白行)", "食事"}, false, std::nullopt},
      {"赤　", {"", "(空白行)", "食事"}, false, std::nullopt},
      {"完了", {"", "(空白行)", "食事"}, false, std::nullopt},
      {"公休", {"", "正月休み", "夏季休暇"}, false, std::nullopt},
      {"記念", {"", "誕生日"}, false, std::nullopt},
      {"毎年", {"", "誕生日"}, false, std::nullopt},
      {"祝日", {"", "出勤日"}, false, std::nullopt},
      {"毎月", {""}, true, std::nullopt},
      {"記号", {"♪", "〆"}, true, QStringLiteral("♪")},
      {"第３", {"日曜:", "月曜:", "火曜:", "水曜:", "木曜:", "金曜:", "土曜:"}, true, QStringLiteral("日曜:")},
      {"月５", {"日曜:", "月曜:", "火曜:", "水曜:", "木曜:", "金曜:", "土曜:"}, true, QStringLiteral("日曜:")},
      {"時刻", Hours({10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 9, 10}), true, QStringLiteral("10:00 ")},
  };
  for (const Row& r : rows) {
    const Suggestions s = SuggestionsForKind(QString::fromUtf8(r.kind), phrases, symbols, 9);
    EXPECT_EQ(s.items, r.items) << r.kind;
    EXPECT_EQ(s.selectFirst, r.selectFirst) << r.kind;
    EXPECT_EQ(s.text, r.text) << r.kind;
  }
  const Suggestions plan = SuggestionsForKind(QStringLiteral("予定"), phrases, symbols, 9);
  EXPECT_EQ(plan.items.size(), 10);
  EXPECT_EQ(plan.items.first(), QStringLiteral("～01週:"));
  EXPECT_EQ(plan.items.last(), QStringLiteral("～10週:"));
  EXPECT_EQ(plan.text, QStringLiteral("～01週:"));
  const Suggestions noSymbols = SuggestionsForKind(QStringLiteral("記号"), phrases, {QString(), QString()}, 9);
  EXPECT_TRUE(noSymbols.items.isEmpty());
  EXPECT_EQ(noSymbols.text, QString());
}

TEST(EntrySuggestions, KindChoicesRememberTheLastKind) {
  QString last;
  struct Step { const char* kind; bool times; KindChoiceStep step; const char* lastAfter; };
  const Step steps[] = {
      {"－－", true, KindChoiceStep::SelectNext, ""},
      {"時刻", false, KindChoiceStep::RefuseTime, ""},
      {"時刻", true, KindChoiceStep::Refill, "時刻"},
      {"時刻", true, KindChoiceStep::KeepSuggestions, "時刻"},
      {"予定", true, KindChoiceStep::Refill, "予定"},
      {"実績", true, KindChoiceStep::KeepSuggestions, "実績"},
      {"予定", true, KindChoiceStep::Refill, "予定"},
      {"予定", true, KindChoiceStep::Refill, "予定"},
      {"毎週", true, KindChoiceStep::Refill, "毎週"},
      {"第３", true, KindChoiceStep::Refill, "第３"},
  };
  for (const Step& s : steps) {
    EXPECT_EQ(DecideKindChoice(QString::fromUtf8(s.kind), s.times, last), s.step) << s.kind;
    EXPECT_EQ(last, QString::fromUtf8(s.lastAfter)) << s.kind;
  }
}

TEST(EntrySuggestions, NewTextsJoinAfterTheFirstItem) {
  EXPECT_EQ(NewSuggestionPosition({"", "食事"}, QStringLiteral("会議")), 1);
  EXPECT_EQ(NewSuggestionPosition({"", "食事  "}, QStringLiteral("食事 ")), -1);
  EXPECT_EQ(NewSuggestionPosition({}, QStringLiteral("♪")), 0);
}

class EntryKindsWindowTest : public EditorWindowTest {
 protected:
  void TearDown() override {
    SetScheduleNow(QTime());
    EditorWindowTest::TearDown();
  }
};

TEST_F(EntryKindsWindowTest, TimeSuggestionsFollowTheClock) {
  SetScheduleNow(QTime(13, 20));
  ScheduleWindow& w = Open();
  w.Cmb_Type->setCurrentRow(21);
  w.Cmb_yasumi->setCurrentIndex(w.Cmb_yasumi->findText(QStringLiteral("時刻")));
  EXPECT_EQ(Suggestions(w), HourSuggestions(13));
  EXPECT_EQ(w.Cmb_naiyou->currentText(), QStringLiteral("14:00 "));
  EXPECT_TRUE(messages().texts().isEmpty());
}

TEST_F(EntryKindsWindowTest, TimeIsRefusedForDesignsWithoutTimes) {
  ScheduleWindow& w = Open();
  w.Cmb_Type->setCurrentRow(5);
  w.Cmb_yasumi->setCurrentIndex(w.Cmb_yasumi->findText(QStringLiteral("時刻")));
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(messages().shown()[0].text, QStringLiteral("「時刻」は日予定/週間予定表のみ入力可能です。"));
  EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::Information);
  EXPECT_EQ(w.Cmb_yasumi->currentIndex(), 0);
}

TEST_F(EntryKindsWindowTest, SeparatorsPassToTheKindBelow) {
  ScheduleWindow& w = Open();
  w.Cmb_yasumi->setCurrentIndex(6);  // the first "－－"
  EXPECT_EQ(w.Cmb_yasumi->currentText(), QStringLiteral("時刻"));
  w.Cmb_yasumi->setCurrentIndex(9);
  EXPECT_EQ(w.Cmb_yasumi->currentText(), QStringLiteral("毎年"));
}

TEST_F(EntryKindsWindowTest, TypedTextsSurviveWhereTheKindKeepsThem) {
  ScheduleWindow& w = Open();
  EXPECT_EQ(Suggestions(w), QStringList{QString()} + DefaultStoredPhrases()) << "the load filled the phrases";
  w.Cmb_naiyou->setEditText(QStringLiteral("打合せ"));
  Enter(w, QStringLiteral("青　"), QStringLiteral("打合せ"));
  EXPECT_EQ(w.Cmb_naiyou->currentText(), QStringLiteral("打合せ"));
  EXPECT_EQ(Suggestions(w).mid(0, 3), (QStringList{"", "(空白行)", "□"}));

  w.Cmb_yasumi->setCurrentIndex(w.Cmb_yasumi->findText(QStringLiteral("毎週")));
  EXPECT_EQ(w.Cmb_naiyou->currentText(), QStringLiteral("日曜:"));
  w.Cmb_naiyou->setEditText(QStringLiteral("火曜:ゴミ"));
  w.Cmb_yasumi->setCurrentIndex(w.Cmb_yasumi->findText(QStringLiteral("第３")));
  EXPECT_EQ(w.Cmb_naiyou->currentText(), QStringLiteral("日曜:")) << "a new kind refills";

  w.Cmb_yasumi->setCurrentIndex(w.Cmb_yasumi->findText(QStringLiteral("予定")));
  EXPECT_EQ(w.Cmb_naiyou->currentText(), QStringLiteral("～01週:"));
  w.Cmb_naiyou->setEditText(QStringLiteral("～03週:設計"));
  w.Cmb_yasumi->setCurrentIndex(w.Cmb_yasumi->findText(QStringLiteral("実績")));
  EXPECT_EQ(w.Cmb_naiyou->currentText(), QStringLiteral("～03週:設計"));

  w.Cmb_yasumi->setCurrentIndex(w.Cmb_yasumi->findText(QStringLiteral("記号")));
  EXPECT_EQ(w.Cmb_naiyou->currentText(), QStringLiteral("♪"));
  EXPECT_EQ(Suggestions(w), DefaultSymbols());
}

}  // namespace
