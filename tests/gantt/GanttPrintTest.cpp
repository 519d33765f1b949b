// The print button: rows per page, the task list, the period, the page of
// every line in the three page-break modes, and the sides that do not print.
#include <QCheckBox>

#include "GanttTestSupport.h"
#include "charts/GanttPrintPlan.h"

namespace {
QStringList Dated(int count) {
  QStringList lines;
  for (int i = 1; i <= count; ++i) lines << QStringLiteral("task%1,2002/03/%2,2002/03/28").arg(i).arg(i, 2, 10, QLatin1Char('0'));
  return lines;
}

GanttPrintInput BibleInput(const QString& data) {
  LoadPaperSettings(0);
  GanttPrintInput in;
  in.data = data;
  in.today = QDate(2002, 2, 20);
  in.PageLeft = PaperSettings.PageLeft;
  in.PageWidth = PaperSettings.PageWidth;
  in.DataFontSize = PaperSettings.DataFontSize;
  in.HeadFontSize = PaperSettings.HeadFontSize;
  return in;
}
}  // namespace

TEST_F(GanttTest, RowsPerPageFollowsPitchTitleBlockAndRemarks) {
  const struct { int height, box; bool sign; const char* remarks; int rows; int remarkLines; } cases[] = {
      {0, 0, false, "", 11, 0},
      {0, 3, false, "", 7, 0},   // 矢印 takes four half widths
      {6, 0, false, "", 5, 0},   // 行高 +6
      {0, 1, true, "", 10, 0},   // サイン欄: three full widths of title block
      {0, 0, false, "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\n", 8, 5},
  };
  for (const auto& c : cases) {
    GanttPrintInput in = BibleInput(Tasks(Dated(3)));
    in.cellHeightIndex = c.height;
    in.boxIndex = c.box;
    in.sign = c.sign;
    in.remarks = QString::fromUtf8(c.remarks);
    GanttColumnMap map;
    const GanttPrintPlan plan = PlanGanttPrint(in, map);
    EXPECT_EQ(plan.CellHeight, c.height + 3);
    EXPECT_EQ(plan.RowsPerPage, c.rows) << c.height << " " << c.box << " " << c.remarks;
    EXPECT_EQ(plan.RemarkLineCount, c.remarkLines);
  }
}

TEST_F(GanttTest, PeriodFromTasksAndTheStartAndSpanChoices) {
  const QString febToMay = Tasks({QStringLiteral("a,2002/02/10,2002/03/05"), QStringLiteral("b,x,2002/05/31"),
                                  QStringLiteral("c,9999/99/99,2002/13/01")});
  const struct { int start, span; const char* makeDate; QString data; QDate from, to; } cases[] = {
      {0, 0, "", febToMay, {2002, 2, 1}, {2002, 5, 31}},
      {4, 0, "", febToMay, {2002, 4, 1}, {2002, 5, 31}},
      {3, 2, "", febToMay, {2002, 1, 1}, {2002, 6, 30}},
      {5, 1, "", febToMay, {2002, 10, 1}, {2003, 9, 30}},
      {1, 4, "", febToMay, {2002, 2, 1}, {2002, 2, 28}},
      {2, 3, "2001/11/30", febToMay, {2001, 11, 1}, {2002, 1, 31}},
      {2, 4, "H14/2/3", febToMay, {2002, 2, 1}, {2002, 2, 28}},
      {0, 0, "", Tasks({QStringLiteral("a,,")}), {2999, 12, 1}, {2999, 12, 31}},
      {0, 0, "", QString(), {2999, 12, 1}, {2999, 12, 31}},
  };
  for (const auto& c : cases) {
    GanttPrintInput in = BibleInput(c.data);
    in.startIndex = c.start;
    in.spanIndex = c.span;
    in.makeDate = QString::fromUtf8(c.makeDate);
    GanttColumnMap map;
    const GanttPrintPlan plan = PlanGanttPrint(in, map);
    EXPECT_EQ(plan.PeriodStart, c.from) << c.start << "/" << c.span;
    EXPECT_EQ(plan.PeriodEnd, c.to) << c.start << "/" << c.span;
  }
}

TEST_F(GanttTest, PageBreakModesAssignLinesToPages) {
  using V = std::vector<int16_t>;
  const QString tree = Tasks({
      QStringLiteral("  early2"),     // 1: before any level-1 line
      QStringLiteral("top"),          // 2
      QStringLiteral(" ▽review"),     // 3
      QStringLiteral(" one"),         // 4
      QStringLiteral("  a"),          // 5
      QStringLiteral("  ＋b"),        // 6
      QStringLiteral(" two"),         // 7
      QStringLiteral("  *hidden"),    // 8
      QStringLiteral("   deep"),      // 9
  });
  const struct { int mode; V pages; int count; } cases[] = {
      {0, {0, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 1},
      {1, {0, 0, 1, 1, 1, 0, 1, 1, 0, 0}, 1},
      {2, {0, 0, 0, 0, 1, 1, 1, 2, 0, 2}, 2},
  };
  for (const auto& c : cases) {
    GanttPrintInput in = BibleInput(tree);
    in.levelIndex = c.mode;
    GanttColumnMap map;
    const GanttPrintPlan plan = PlanGanttPrint(in, map);
    EXPECT_EQ(plan.LinePage, c.pages) << c.mode;
    EXPECT_EQ(plan.pageCount, c.count) << c.mode;
  }

  // A header alone: one empty page in the whole and summary modes, none in
  // the detail mode.
  for (int mode : {0, 1, 2}) {
    GanttPrintInput in = BibleInput(Tasks({}));
    in.levelIndex = mode;
    GanttColumnMap map;
    EXPECT_EQ(PlanGanttPrint(in, map).pageCount, mode == 2 ? 0 : 1);
  }

  // Counting is strict: the twelfth row of eleven opens page 2, marked
  // lines take no row, a blank line ends the list.
  QStringList lines = Dated(11);
  lines.insert(3, QStringLiteral("▲due,2002/03/15"));
  lines.insert(5, QStringLiteral("＋same,2002/03/20,2002/03/25"));
  lines << QStringLiteral("last") << QStringLiteral("  ") << QStringLiteral("after,2001/01/01,2009/01/01");
  GanttPrintInput in = BibleInput(Tasks(lines));
  GanttColumnMap map;
  const GanttPrintPlan plan = PlanGanttPrint(in, map);
  EXPECT_EQ(plan.lines.size(), 15);  // element 0 and the 14 lines before the blank
  EXPECT_EQ(plan.pageCount, 2);
  EXPECT_EQ(plan.LinePage[13], 1);
  EXPECT_EQ(plan.LinePage[14], 2);
  EXPECT_EQ(plan.PeriodStart, QDate(2002, 3, 1));
  EXPECT_EQ(plan.PeriodEnd, QDate(2002, 3, 31));
}

TEST_F(GanttTest, PrintButtonDrawsEachPageWithPromptsBetween) {
  Open();
  w().txt_data->setPlainText(Tasks(Dated(12)));
  w().Cmd_print_Click();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[0].page, 1);
  EXPECT_EQ(drawn[1].page, 2);
  EXPECT_EQ(drawn[1].LinePage[11], 1);
  EXPECT_EQ(drawn[1].LinePage[12], 2);
  EXPECT_EQ(drawn[0].lines.size(), 13);
  EXPECT_EQ(messages().texts(), QStringList{PaperSetMessage(1)});
  // Today went into the empty date.
  EXPECT_EQ(w().txt_makedate->text(), QStringLiteral("2002/02/20"));
  EXPECT_EQ(w().PeriodStart, QDate(2002, 3, 1));
  EXPECT_TRUE(w().isEnabled());

  // A remark line takes a row's room, its break added on the page alone;
  // cancel at the prompt ends the job after the page just printed.
  drawn.clear();
  messages().clear();
  messages().answer(platform::MsgResult::Cancel);
  w().txt_biko->setPlainText(QStringLiteral("note"));
  w().Cmd_print_Click();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].LinePage[10], 1);
  EXPECT_EQ(drawn[0].LinePage[11], 2);
  EXPECT_EQ(w().txt_biko->toPlainText(), QStringLiteral("note"));
  EXPECT_EQ(w().RemarkLineCount, 1);
  EXPECT_EQ(drawn[0].options.RemarkLineCount, 1);
}

TEST_F(GanttTest, CancelledDialogOnlySetsCellHeight) {
  Open();
  w().cmb_height->setCurrentIndex(4);
  w().txt_biko->setPlainText(QStringLiteral("note"));
  dialogButton = 0;
  w().Cmd_print_Click();
  EXPECT_EQ(w().CellHeight, 7);
  EXPECT_TRUE(drawn.empty());
  EXPECT_TRUE(w().txt_makedate->text().isEmpty());
  EXPECT_EQ(w().txt_biko->toPlainText(), QStringLiteral("note"));
}

TEST_F(GanttTest, OtherSidesAndTooSmallPagesPrintNothing) {
  Open();
  w().Cmb_title->setEditText(QStringLiteral("計画"));
  w().txt_data->setPlainText(Tasks(Dated(2)));
  w().Cmb_men->setCurrentIndex(1);
  w().Cmd_print_Click();
  EXPECT_TRUE(drawn.empty());
  EXPECT_EQ(messages().texts(),
            QStringList{QStringLiteral("「計画」の「裏」はまだ出来ていません。要望があれば作ります")});
  EXPECT_TRUE(w().isEnabled());

  messages().clear();
  w().Cmb_men->setCurrentIndex(0);
  PaperSettings.DataFontSize = 200;
  PaperSettings.HeadFontSize = 200;
  w().Cmd_print_Click();
  EXPECT_TRUE(drawn.empty());
  EXPECT_EQ(messages().texts(), QStringList{QStringLiteral("用紙が小さすぎて印刷できません")});
}

TEST_F(GanttTest, HostileTaskTextPrintsWithoutHarm) {
  Open();
  QString wide = QStringLiteral("wide");
  for (int i = 0; i < 300; ++i) wide += QStringLiteral(",2002/04/%1").arg(i % 28 + 1);
  QString remarks;
  for (int i = 0; i < 10000; ++i) remarks += QStringLiteral("r\n");
  w().txt_data->setPlainText(QStringLiteral("a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s,t,u,v,w,x,y,z,開始予定") +
                             QStringLiteral("\n") + wide + QStringLiteral("\nbad,9999/99/99,-1/-1/-1\n"));
  w().txt_biko->setPlainText(remarks);
  w().Cmd_print_Click();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(w().RemarkLineCount, 5);
  EXPECT_EQ(w().PeriodStart, QDate(2002, 4, 1));
}
