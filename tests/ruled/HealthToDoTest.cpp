// Health sheets and to-do sheets on the bible size (page 8 to 88, body 9 to 156).
#include <QDate>

#include "RuledTest.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "ruled_photo/HealthSheet.h"
#include "ruled_photo/ToDoSheets.h"

namespace {

class HealthToDoTest : public RuledTest {
 protected:
  void SetUp() override {
    RuledTest::SetUp();
    options.chk_kenko_hosuu = 1;
    options.chk_kenko_seikatu = 1;
  }
  // Texts whose top-left lies at or below y.
  QStringList textsBelow(double y) {
    QStringList out;
    for (const RecordedOp& t : ops(RecordedOp::Text))
      if (t.y1 >= y - 1e-3) out << t.text;
    return out;
  }
  QStringList heads() {
    QStringList out;
    for (const RecordedOp& t : ops(RecordedOp::Text))
      if (t.y1 < 9 + 2 * 147.0 / 26 && t.x1 > 20) out << t.text;
    return out;
  }
};

TEST_F(HealthToDoTest, DayHeadsByCycleContinueFromPageToPage) {
  const struct {
    int kind;
    QStringList first;
    QString next;  // the start of the second page
  } cases[] = {
      {1, {"03/08", " (日)", "03/09", " (月)"}, "2009/03/15"},
      {2, {"03/08", " (日)", "03/15", " (日)"}, "2009/04/26"},
      {3, {" (  )", " (  )"}, "2009/03/08"},
      {0, {" (日)", " (月)"}, "2009/03/15"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    printer().clearOps();
    options.Cmb_kenko = c.kind;
    QDate start(2009, 3, 11);
    DrawHealthSheet(options, 8, 88, start);
    EXPECT_EQ(heads().mid(0, c.first.size()), c.first);
    EXPECT_EQ(start.toString(QStringLiteral("yyyy/MM/dd")), c.next);
  }
  printer().clearOps();
  options.Cmb_kenko = 1;
  QDate start(2009, 3, 15);
  DrawHealthSheet(options, 8, 88, start);
  EXPECT_EQ(heads().value(12), QStringLiteral("03/21"));
}

TEST_F(HealthToDoTest, DefaultRowsAndColumns) {
  QDate start(2009, 3, 11);
  DrawHealthSheet(options, 8, 88, start);
  QStringList labels;
  for (const RecordedOp& t : ops(RecordedOp::Text))
    if (t.x1 == 9 && !t.text.trimmed().isEmpty()) labels << t.text;
  EXPECT_EQ(labels, (QStringList{"測定日付", " (曜日)", "体重(kg)", "歩数", "便(回)", "体温", "生活状況"}));
  // No dotted rule across the page: only the six dotted column lines.
  for (const Dotted& d : dottedLines()) EXPECT_EQ(d.x1, d.x2);
  EXPECT_EQ(dottedLines().size(), 6u);
  for (const RecordedOp& t : ops(RecordedOp::Text))
    if (t.text == QStringLiteral("体重(kg)")) { EXPECT_EQ(t.fontSize, PaperSettings.DefaultFontSize - 1); }
}

TEST_F(HealthToDoTest, WeightGraphAroundTheTypedWeight) {
  options.Chk_kenko_taijyu_grapth = 1;
  options.txt_taijyu = QStringLiteral("62.5");
  QDate start(2009, 3, 11);
  DrawHealthSheet(options, 8, 88, start);
  QStringList labels;
  for (const QString& t : printer().texts())
    if (t.startsWith(QStringLiteral("　　 "))) labels << t.trimmed();
  EXPECT_EQ(labels, (QStringList{"65", "60"}));
  const auto heavy = lines(2);
  ASSERT_EQ(heavy.size(), 2u);
  EXPECT_NEAR(heavy[1].y1 - heavy[0].y1, 15, 1e-3);
}

TEST_F(HealthToDoTest, EveryBoxOnTheMiniSizeRunsPastTheFooter) {
  loadSize(2);
  for (int16_t* box : {&options.Chk_kenko_taion_grapth, &options.Chk_kenko_taijyu_grapth, &options.Chk_kenko_cycle,
                       &options.Chk_kenko_taisibou, &options.Chk_kenko_ketuatu_grapth, &options.Chk_kenko_kusuri,
                       &options.Chk_kenko_ketuatu})
    *box = 1;
  QDate start(2009, 3, 11);
  DrawHealthSheet(options, PaperSettings.PageLeft, PaperSettings.PageWidth, start);
  double lowest = 0;
  for (const RecordedOp& l : ops(RecordedOp::Line)) lowest = std::max(lowest, l.y1);
  EXPECT_GT(lowest, PaperSettings.FootHeight);
  EXPECT_TRUE(textsBelow(0).contains(QStringLiteral("　　 250")));
}

TEST_F(HealthToDoTest, ToDoItemsWithAnHourScale) {
  options.Txt_KmkSu = QStringLiteral("100");
  DrawToDoSheet(options, 1, 8, 88);
  EXPECT_EQ(options.Txt_KmkSu, QStringLiteral("40"));
  std::vector<RecordedOp> numbers, hours;
  for (const RecordedOp& t : ops(RecordedOp::Text)) {
    if (t.x1 == 28 && t.text.size() == 3) numbers.push_back(t);
    if (t.x1 == 8.5) hours.push_back(t);
  }
  ASSERT_EQ(numbers.size(), 40u);
  EXPECT_EQ(numbers[0].text, QStringLiteral("  1"));
  EXPECT_EQ(numbers[39].text, QStringLiteral(" 40"));
  EXPECT_NEAR(numbers[1].y1 - numbers[0].y1, 3.625, 1e-3);
  EXPECT_NEAR(numbers[0].y1, 10.5, 1e-4);  // half a millimetre below the line for long lists
  ASSERT_EQ(hours.size(), 12u);
  EXPECT_EQ(hours.front().text, QStringLiteral(" 8"));
  EXPECT_EQ(hours.back().text, QStringLiteral("19"));
  EXPECT_NEAR(hours[1].y1 - hours[0].y1, 145.0 / 12, 1e-3);
  EXPECT_TRUE(printer().texts().contains(QStringLiteral("To-Do / Don't Forget")) ||
              printer().texts().join(QString()).contains(QStringLiteral("To-Do / Don't Forget")));

  printer().clearOps();
  options.Txt_KmkSu = QStringLiteral("7");
  DrawToDoSheet(options, 3, 8, 88);
  QStringList labels;
  double first = 0;
  for (const RecordedOp& t : ops(RecordedOp::Text)) {
    if (t.x1 == 8.5) labels << t.text;
    if (t.x1 == 28 && t.text == QStringLiteral("  1")) first = t.y1;
  }
  ASSERT_EQ(labels.size(), 24);
  EXPECT_EQ(labels.mid(15, 3), (QStringList{"23", "24", " 1"}));
  EXPECT_EQ(labels.back(), QStringLiteral(" 7"));
  EXPECT_NEAR(first, 12, 1e-4);  // two millimetres below the line
}

TEST_F(HealthToDoTest, ToDoCountsAreClamped) {
  const struct {
    const char* typed;
    const char* shown;
  } cases[] = {{"3", "7"}, {"abc", "7"}, {"-5", "7"}, {"1e9", "40"}, {"12.5", "12.5"}};
  for (const auto& c : cases) {
    options.Txt_KmkSu = QString::fromLatin1(c.typed);
    DrawToDoSheet(options, 0, 8, 88);
    EXPECT_EQ(options.Txt_KmkSu, QString::fromLatin1(c.shown)) << c.typed;
    options.txt_todoYoko_item = QString::fromLatin1(c.typed);
    DrawWideToDoSheet(options, 8, 88);
    EXPECT_EQ(options.txt_todoYoko_item, QString::fromLatin1(c.shown)) << c.typed;
  }
}

TEST_F(HealthToDoTest, WideToDoColumns) {
  DrawWideToDoSheet(options, 8, 88);
  std::vector<double> columns;
  for (const Dotted& d : dottedLines())
    if (d.x1 == d.x2) columns.push_back(d.x1);
  ASSERT_GE(columns.size(), 12u);
  EXPECT_NEAR(columns[1] - columns[0], 80.0 / 12, 1e-3);
  EXPECT_EQ(ops(RecordedOp::Box).size(), 1u);
  for (const RecordedOp& l : ops(RecordedOp::Line)) EXPECT_FALSE(l.y1 == 156 && l.y2 == 156 && l.drawWidth > 1);
}

}  // namespace
