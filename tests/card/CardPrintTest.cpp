// Card pages on the recording surface at the bible size.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "CardTest.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/SheetPlan.h"
#include "tables_cards/CardPrint.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"

namespace {
// Records "R1".."Rn" under a header "名前" placed at (0, py): py 45 gives four
// cards to the page, py 150 one.
QStringList CardLines(int records, double py) {
  QStringList lines = {QStringLiteral("@TABLE_ITEM_XY(名前)=ITEM,0,%1").arg(py), QStringLiteral("名前")};
  for (int r = 1; r <= records; ++r) lines << QStringLiteral("R%1").arg(r);
  return lines;
}

QStringList Texts(const std::vector<CardRun>& runs) {
  QStringList texts;
  for (const auto& run : runs) texts << run.text;
  return texts;
}
}  // namespace

TEST_F(CardTest, FrontAndBackAlternateWithPromptsBetween) {
  CardWindow& w = openFile("cards.csv", CardLines(10, 45));
  CurrentPrintJob().confirmPrompts = 1;
  SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{2, true, std::nullopt}; });
  int previews = 0;
  SetPreviewPageHandler([&previews](const QImage&) { ++previews; });
  // In preview so the paper questions are asked; the preview picture records.
  w.Cmd_print_Click();
  SetPreviewPageHandler({});
  EXPECT_EQ(previews, 3);
  EXPECT_EQ(messages().texts(), QStringList({PaperSetMessage(1), PaperSetMessage(0)}));
}

TEST_F(CardTest, CardsFillSlotsAtTheScaledPlaceAndEmptyBoxesFollow) {
  CardWindow& w = openFile("cards.csv", CardLines(10, 45));
  w.Cmd_print_Click();
  const auto pages = pageRuns();
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(Texts(pages[0]), QStringList({"R1", "R2", "R3", "R4"}));
  EXPECT_EQ(Texts(pages[1]), QStringList({"R5", "R6", "R7", "R8"}));
  EXPECT_EQ(Texts(pages[2]), QStringList({"R9", "R10"}));
  const double s = 80.0 / 120;
  const double c = s * (45 + 9 / 5.67 * 2 + 2);
  EXPECT_NEAR(pages[0][0].x, 8, 1e-6);  // front position
  EXPECT_NEAR(pages[0][1].y, 9 + c + s * 45, 1e-3);
  EXPECT_NEAR(pages[1][0].x, 0, 1e-6);  // back position
  // Page 3: rules under the two cards and the two empty boxes.
  int rules = 0;
  int page = 0;
  for (const RecordedOp& op : printer().ops()) {
    if (op.kind == RecordedOp::BeginDocument || op.kind == RecordedOp::NewPage) ++page;
    if (page == 3 && op.kind == RecordedOp::Line && std::abs(op.x1 - 8) < 1e-6 && std::abs(op.x2 - 88) < 1e-6 &&
        op.y1 > 10 && op.y1 < 155)
      ++rules;
  }
  EXPECT_EQ(rules, 4);
}

TEST_F(CardTest, A4SheetsFoldInReadingOrder) {
  const struct {
    double py;
    std::vector<QStringList> pages;  // texts left to right on each output page
  } cases[] = {
      {150, {{"R4", "R1"}, {"R2", "R3"}, {"R5"}, {}}},
      {45, {{"R1", "R2", "R3", "R4"}, {"R5"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.py);
    printer().clearOps();
    CardWindow& w = openFile("cards.csv", CardLines(5, c.py));
    w.Cmb_men->setCurrentIndex(2);
    w.Cmd_print_Click();
    const auto pages = pageRuns();
    ASSERT_EQ(pages.size(), c.pages.size());
    for (size_t i = 0; i < pages.size(); ++i) {
      auto runs = pages[i];
      std::stable_sort(runs.begin(), runs.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
      EXPECT_EQ(Texts(runs), c.pages[i]) << i;
    }
  }
  // With four to the page, R1..R4 lie on the right half (page 1).
  EXPECT_GT(pageRuns()[0][0].x, 100);
}

TEST_F(CardTest, HeaderWithoutRecordsPrintsEmptyBoxesAndNamesPrefixValues) {
  CardWindow& w = openFile("cards.csv", CardLines(0, 45));
  w.Cmd_print_Click();
  ASSERT_EQ(pageRuns().size(), 1u);
  EXPECT_TRUE(pageRuns()[0].empty());

  printer().clearOps();
  WriteIniValue(QStringLiteral("VOREVA"), QStringLiteral("FILE"), QStringLiteral("VOREVA.csv"));
  CardWindow& sample = open();
  sample.Chk_midasi->setChecked(true);
  sample.Cmd_print_Click();
  const QStringList first = Texts(pageRuns()[0]);
  EXPECT_TRUE(first.contains(QStringLiteral("英語:ABBREVIATE"))) << first.join("|").toStdString();
}

TEST_F(CardTest, UnnamedColumnsDoNotShiftValuesAndUnprintableJobsAreRefused) {
  CardWindow& w = openFile("people.csv", {"@TABLE_ITEM_XY(名前)=ITEM,0,0", "@TABLE_ITEM_XY(電話)=ITEM,60,0",
                                          ",名前,電話", "x,山田,123"});
  w.Cmd_print_Click();
  const auto runs = pageRuns()[0];
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].text, "山田");
  EXPECT_EQ(runs[1].text, "123");
  EXPECT_NEAR(runs[1].x, 8 + 60 * 80.0 / 120, 1e-6);

  printer().clearOps();
  CardWindow& none = openFile("none.csv", {"a,b", "1,2"});
  none.Cmd_print_Click();
  EXPECT_EQ(messages().texts().last(), QStringLiteral("カードに項目が配置されていません"));
  CardWindow& tall = openFile("tall.csv", {"@TABLE_ITEM_XY(a)=ITEM,0,400", "a", "1"});
  tall.Cmd_print_Click();
  EXPECT_EQ(messages().texts().last(), QStringLiteral("カードが用紙の高さに入りません"));
  EXPECT_TRUE(printer().ops().empty());
}

TEST_F(CardTest, FullWidthBlanksAreTextInTitleNamesAndValues) {
  CardWindow& w = openFile("blanks.csv", {"@TABLE_ITEM_XY(　名前)=ITEM,0,0", "x,　名前 ", "1,　山田 "});
  w.Chk_midasi->setChecked(true);
  w.Txt_Title->setText(QStringLiteral("　名簿 "));
  w.Cmd_print_Click();
  const QStringList texts = Texts(pageRuns().at(0));
  EXPECT_TRUE(texts.contains(QStringLiteral("　名前:　山田"))) << texts.join("|").toStdString();
  QString heading;  // the header's characters, above the body
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
    if (op.y1 < PaperSettings.DataHeight) heading += op.text;
  EXPECT_TRUE(heading.endsWith(QStringLiteral("　名簿"))) << heading.toStdString();
}

namespace {

// The A4 sheets as planned: a sheet's four card pages run 4, 1 on the front
// and 2, 3 on the back; the cards ending on any of them end the job only
// after the back, with every page of the sheet drawn.
TEST_F(CardTest, A4SheetPlanDrawsEveryPageOfTheSheetBeforeEnding) {
  const SheetPlan plan = PlanCardPages(2);
  ASSERT_GE(plan.sides.size(), 4u);
  std::vector<int> pages;
  std::vector<DataEnd> ends;
  for (size_t i = 0; i < 4; ++i)
    for (const PlannedPage& page : plan.sides[i].pages) {
      pages.push_back(page.item);
      ends.push_back(page.onDataEnd);
    }
  EXPECT_EQ(pages, (std::vector<int>{4, 1, 2, 3, 8, 5, 6, 7}));
  EXPECT_EQ(ends[0], DataEnd::EndsAfterNextSide);
  EXPECT_EQ(ends[3], DataEnd::EndsWithSide);
  EXPECT_EQ(plan.sides[1].prompt, SheetPrompt::PaperSet(1));
  EXPECT_EQ(plan.sides[2].prompt, SheetPrompt::PaperSet(0));
  // The alternating layout asks after each page but the last allowed.
  const SheetPlan alternate = PlanCardPages(1);
  EXPECT_EQ(alternate.sides[1].prompt, SheetPrompt::PaperSet(0));
  EXPECT_FALSE(alternate.sides.back().askOnly);
}

}  // namespace
