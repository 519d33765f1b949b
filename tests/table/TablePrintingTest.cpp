// The print driver with a renderer that only notes its calls.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>

#include "TablePrintTest.h"
#include "TablePrinting.h"
#include "core/print/SheetPlan.h"
#include "tables_cards/windows/TableWindow.h"

namespace {

class TablePrintingTest : public TablePrintTest {
 protected:
  // Pages of `pages` table pages; each call noted as "page@left-right".
  QStringList Run(int code, int pages) {
    QStringList calls;
    EXPECT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
    const bool known = PrintTablePages(code, [&](int16_t page, double l, double r) {
      calls << QStringLiteral("%1@%2-%3").arg(page).arg(l).arg(r);
      return int16_t(page >= pages ? 1 : 0);
    });
    EndPrintDocument();
    if (!known) calls << "unsupported";
    return calls;
  }
};

TEST_F(TablePrintingTest, OnePageModesPlaceAndPrompt) {
  EXPECT_EQ(Run(0, 4), (QStringList{"1@8-88", "2@0-80", "3@8-88", "4@0-80"}));
  EXPECT_EQ(messages().texts(), (QStringList{PaperSetMessage(1), PaperSetMessage(0), PaperSetMessage(1)}));
  messages().clear();
  EXPECT_EQ(Run(0, 1), (QStringList{"1@8-88"}));
  EXPECT_TRUE(messages().texts().isEmpty());
  messages().clear();
  EXPECT_EQ(Run(1, 2), (QStringList{"1@0-80", "2@8-88"}));
  EXPECT_EQ(messages().texts(), QStringList{PaperSetMessage(0)});
  EXPECT_EQ(Run(3, 2), (QStringList{"1@0-80", "2@0-80"}));
}

TEST_F(TablePrintingTest, BookletFoldedAndFourFoldSheets) {
  const double width = GetScaleWidth();
  const int rightLeft = qRound(width - 88 + 8 - 0.4);
  const QStringList a4 = Run(kTableSideA4Both, 1);
  ASSERT_EQ(a4.size(), 4);
  EXPECT_EQ(a4[0], "4@0-80");
  EXPECT_TRUE(a4[1].startsWith(QStringLiteral("1@%1-").arg(rightLeft))) << a4[1].toStdString();
  EXPECT_EQ(a4[2], "2@0-80");
  EXPECT_TRUE(a4[3].startsWith("3@"));
  EXPECT_EQ(Run(kTableSideFolded, 3), (QStringList{"1@8-88", "2@90-170", "3@8-88", "4@90-170"}));
  PaperSettings.SheetPageX[1] = 1, PaperSettings.SheetPageY[1] = 70;
  PaperSettings.SheetPageX[4] = 220, PaperSettings.SheetPageY[4] = 290;
  const QStringList four = Run(kTableSideFourFold, 2);
  EXPECT_EQ(four.size(), 4);
  EXPECT_EQ(four[0], "1@1-70");
  EXPECT_EQ(four[3], "4@220-290");
  EXPECT_EQ(Run(8, 1), QStringList{"unsupported"});
  EXPECT_EQ(Run(10002, 1), QStringList{"unsupported"});
}

TEST_F(TablePrintingTest, TheWindowReportsUnsupportedSidesAndRestoresFontSizes) {
  TableWindow w;
  w.Form_Load();
  const float before = PaperSettings.DataFontSize;
  w.cmb_size[0]->setCurrentIndex(5);
  w.Cmb_men->setCurrentIndex(8);
  w.Cmd_print_Click();
  EXPECT_EQ(messages().texts(), QStringList{"「交通費」の「超整理型」は未対応です。"});
  EXPECT_TRUE(printer().texts().isEmpty());
  EXPECT_EQ(PaperSettings.DataFontSize, before);

  // A cancelled prompt also gives the sizes back.
  messages().clear();
  w.Cmb_men->setCurrentIndex(0);
  w.Txt_Data->setPlainText(QString("x\n").repeated(60));
  float during = 0;
  messages().answer(platform::MsgResult::Cancel);
  w.Cmd_print_Click();
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
    if (op.text == "x") during = op.fontSize;
  EXPECT_EQ(during, 6.0f);
  EXPECT_EQ(PaperSettings.DataFontSize, before);
  EXPECT_EQ(messages().texts().size(), 1);
  EXPECT_TRUE(w.isEnabled());
}

// A job stops at the page limit and says, once after the job, which row
// was the last one printed; a job ending on the last page says nothing.
TEST_F(TablePrintingTest, AJobCutAtThePageLimitNamesItsLastRow) {
  bool stopped = false;
  int calls = 0;
  EXPECT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  PrintTablePages(0, [&](int16_t, double, double) { return int16_t(++calls > 5000 ? 1 : 0); }, &stopped);
  EndPrintDocument();
  EXPECT_TRUE(stopped);
  EXPECT_EQ(calls, kTableMaxPasses);
  EXPECT_EQ(messages().texts().size(), kTableMaxPasses - 1) << "no prompt after the last page allowed";
  messages().clear();
  calls = 0;
  EXPECT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  PrintTablePages(0, [&](int16_t, double, double) { return int16_t(++calls >= kTableMaxPasses ? 1 : 0); }, &stopped);
  EndPrintDocument();
  EXPECT_FALSE(stopped);
  messages().clear();

  TableWindow w;
  w.Form_Load();
  CurrentPrintJob().confirmPrompts = 0;
  QStringList rows;
  for (int i = 1; i <= 30000; ++i) rows << QStringLiteral("r%1").arg(i);
  w.Txt_Data->setPlainText(rows.join(u'\n'));
  w.Cmd_print_Click();
  QString lastRow;
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
    if (op.text.startsWith(u'r')) lastRow = op.text;
  ASSERT_FALSE(lastRow.isEmpty());
  EXPECT_NE(lastRow, rows.last());
  ASSERT_FALSE(messages().texts().isEmpty());
  EXPECT_EQ(messages().texts().last(), PageLimitMessage(lastRow.mid(1) + QStringLiteral("行目「") + lastRow + u'」'));
  EXPECT_EQ(messages().texts().count(messages().texts().last()), 1);
}

}  // namespace

namespace {

// The plans of the sheet modes: how many sheets the pass limit allows, what
// is asked between them and which page's end counts.
TEST_F(TablePrintingTest, SheetModesPlanUpToThePassLimit) {
  const SheetPlan folded = PlanTablePasses(kTableSideFolded);
  ASSERT_EQ(folded.sides.size(), size_t(kTableMaxPasses / 2));
  EXPECT_EQ(folded.sides[1].prompt, SheetPrompt::PaperSet(0));
  EXPECT_EQ(folded.sides[0].pages[0].onDataEnd, DataEnd::Ignored);
  EXPECT_EQ(folded.sides[0].pages[1].onDataEnd, DataEnd::EndsJob);
  EXPECT_EQ(PlanTablePasses(kTableSideFourFold).sides.size(), size_t(kTableMaxPasses / 4));
  // One page a side: no question after the last pass allowed.
  const SheetPlan alternate = PlanTablePasses(0);
  ASSERT_EQ(alternate.sides.size(), size_t(kTableMaxPasses));
  EXPECT_FALSE(alternate.sides.back().askOnly);
  EXPECT_TRUE(PlanTablePasses(9).sides.empty());
}

}  // namespace
