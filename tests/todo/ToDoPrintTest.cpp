// The printed to-do pages on the recording surface: rows, the walk over the
// items, headings, colours, the hour scale, title and stamp, and the side
// modes with their sheets and prompts.
#include <QDir>

#include "TestEnvironment.h"
#include "core/platform/Clock.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrinterInfo.h"
#include "core/print/PrintSurface.h"
#include "core/print/SurfaceRecorder.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "core/print/BinderMarks.h"
#include "core/print/SheetPlan.h"
#include "todo_memo/ToDoPrintJob.h"

namespace {

class ToDoPrintTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    SetProgramPaths(home() + QStringLiteral("ringpad"));
    CurrentPrintJob().previewMode = 0;
    CurrentPrintJob().confirmPrompts = 0;
    recorder_ = std::make_unique<SurfaceRecorder>();
    WriteDefaultSettings();
    LoadPaperSettings(0);
    PaperSettings.PageLeft = 8;
    PaperSettings.PageWidth = 88;
    PaperSettings.DataHeight = 9;
    PaperSettings.FootHeight = 156;
    PaperSettings.DataFontSize = 9;
    PaperSettings.DataColor = 0;
    PaperSettings.DefaultColor = 0;
    PaperSettings.SuperOrganiserMode = 0;
    platform::SetFixedToday(QDate(2009, 3, 10));
    platform::SetFixedTime(QTime(8, 30));
    options.RowsText = QStringLiteral("7");
    options.DoneMark = u'■';
  }
  void TearDown() override {
    recorder_.reset();
    SetCurrentPrinter(DefaultPrinterName());
    PaperSettings = PaperSettingsData{};
    CurrentPrintJob().confirmPrompts = 1;
    platform::SetFixedToday(QDate());
    platform::SetFixedTime(QTime());
    RingpadTest::TearDown();
  }
  RecordingSurface& printer() { return recorder_->printer; }

  // The texts one page draws, and whether it reported the end.
  QStringList Page(int p, bool* end = nullptr) {
    printer().clearOps();
    const bool e = DrawToDoPage(options, p, PaperSettings.PageLeft, PaperSettings.PageWidth);
    if (end) *end = e;
    return printer().texts();
  }
  // The numbers of the rows, as printed before each check box or mark.
  QStringList Numbers(int p, bool* end = nullptr) {
    QStringList numbers;
    for (const QString& t : Page(p, end))
      if (t.size() == 3 && t.trimmed().toInt() > 0) numbers << t.trimmed();
    return numbers;
  }
  static QStringList Items(int count, const char* format = "□ 　item%1") {
    QStringList items;
    for (int i = 1; i <= count; ++i) items << QString::fromUtf8(format).arg(i, 2, 10, QLatin1Char('0'));
    return items;
  }
  // The sheets of a job: each one's texts, split where a page begins.
  std::vector<QStringList> Sheets() {
    std::vector<QStringList> sheets;
    for (const RecordedOp& op : printer().ops()) {
      if (op.kind == RecordedOp::BeginDocument || op.kind == RecordedOp::NewPage) sheets.emplace_back();
      else if (op.kind == RecordedOp::Text && !sheets.empty()) sheets.back() << op.text;
    }
    return sheets;
  }

  ToDoPageOptions options;

 private:
  std::unique_ptr<SurfaceRecorder> recorder_;
};

QStringList Range(int from, int to) {
  QStringList out;
  for (int n = from; n <= to; ++n) out << QString::number(n);
  return out;
}

}  // namespace

TEST_F(ToDoPrintTest, RowsPerPage) {
  struct Case { const char* text; int rows; };
  const Case cases[] = {{"5", 7}, {"50", 40}, {"12abc", 12}, {"", 7}, {"-3", 7}, {"abc", 7}, {"1e9", 40}, {"7.5", 8}};
  for (const Case& c : cases) EXPECT_EQ(ToDoRowsPerPage(QString::fromLatin1(c.text), 0), c.rows) << c.text;
  EXPECT_EQ(ToDoRowsPerPage(QStringLiteral("12"), 1), 30);
}

TEST_F(ToDoPrintTest, TheWalkOverTheItems) {
  bool end = false;
  // Exactly R items: a second page of numbered empty rows, then the end.
  options.items = Items(7);
  EXPECT_EQ(Numbers(1, &end), Range(1, 7));
  EXPECT_FALSE(end);
  EXPECT_EQ(Numbers(2, &end), Range(8, 14));
  EXPECT_TRUE(end);
  EXPECT_EQ(Page(2).count(QStringLiteral("□")), 7);

  // Without the items, 30 entries and 20 rows give two pages of rows 1-20.
  options.PrintItems = false;
  options.RowsText = QStringLiteral("20");
  options.items = Items(30);
  EXPECT_EQ(Numbers(2, &end), Range(1, 20));
  EXPECT_TRUE(end);
  EXPECT_FALSE(Page(2).contains(QStringLiteral("□ ")));

  // Done items are left out, but their numbers are skipped.
  options.PrintItems = true;
  options.RowsText = QStringLiteral("7");
  options.PrintDone = false;
  options.items = {"□ 　a", "■ 　b", "□ 　c"};
  EXPECT_EQ(Numbers(1).mid(0, 2), QStringList({"1", "3"}));
  EXPECT_FALSE(Page(1).contains(QStringLiteral("b")));
  // An empty list: one page of numbered rows.
  options.items.clear();
  EXPECT_EQ(Numbers(1, &end), Range(1, 7));
  EXPECT_TRUE(end);
}

TEST_F(ToDoPrintTest, HeadingsNumberTheirItemsAndNeverTakeTheLastRow) {
  options.ByLevel = true;
  options.items = {"□ H1\t2009/03/01", "□ 　a", "■ 　b", "□ H2", "□ 　c"};
  const QStringList texts = Page(1);
  EXPECT_EQ(Numbers(1).mid(0, 3), QStringList({"1", "2", "1"}));
  EXPECT_TRUE(texts.contains(QStringLiteral("[ H1 ]")));
  EXPECT_TRUE(texts.contains(QStringLiteral("[ H2 ]")));
  // One indent blank less than the item carries: none at all here.
  EXPECT_FALSE(texts.contains(QStringLiteral("　")));
  // Past the list the rows stay numbered rows, never empty headings.
  EXPECT_FALSE(texts.contains(QStringLiteral("[  ]")));

  // Five items fill rows 1-6 with the first heading; the next heading
  // would land on row 7 and opens page 2 instead.
  options.items = {"□ H1", "□ 　1", "□ 　2", "□ 　3", "□ 　4", "□ 　5", "□ H2", "□ 　6"};
  EXPECT_FALSE(Page(1).contains(QStringLiteral("[ H2 ]")));
  EXPECT_EQ(Page(2).value(0), QStringLiteral("[ H2 ]"));
}

TEST_F(ToDoPrintTest, LongItemsColoursAndTheHourScale) {
  options.items = {QStringLiteral("□B") + QString(21, u'x'), QStringLiteral("□ ") + QString(20, u'y')};
  Page(1);
  float smaller = 0, normal = 0;
  uint32_t markColour = 1, textColour = 0;
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Text)) {
    if (op.text == u"x") smaller = op.fontSize, textColour = op.color;
    if (op.text == QString(20, u'y')) normal = op.fontSize;
    if (op.text == u"□ " && markColour == 1) markColour = op.color;
  }
  EXPECT_EQ(smaller, 7.0f);
  EXPECT_EQ(normal, 9.0f);
  SetForeColor(-2);
  EXPECT_EQ(textColour, uint32_t(GetForeColor()));  // yellow
  SetForeColor(0);
  EXPECT_EQ(markColour, uint32_t(GetForeColor()));

  // With an hour scale a 19-character item is long already.
  options.HourScaleKind = 3;
  options.items = {QStringLiteral("□ ") + QString(17, u'z')};
  QStringList labels;
  for (const RecordedOp& op : (Page(1), printer().opsOf(RecordedOp::Text)))
    if (std::abs(op.x1 - 8.5) < 0.01) labels << op.text.trimmed();
  EXPECT_EQ(labels, Range(8, 24) + Range(1, 7));
  bool smallZ = false;
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Text)) smallZ |= op.text == u"z" && op.fontSize == 7.0f;
  EXPECT_TRUE(smallZ);
}

TEST_F(ToDoPrintTest, TitleAndStamp) {
  options.FileTitle = QStringLiteral(" 予定.txt ");
  options.items = Items(2);
  const QStringList texts = Page(1);
  // The header sets the title off by a blank.
  EXPECT_TRUE(texts.contains(QStringLiteral(" 予定")));
  EXPECT_TRUE(texts.contains(QStringLiteral("To-Do / Don't Forget")));
  EXPECT_TRUE(texts.contains(QStringLiteral("2009/03/10 08:30")));
  options.PrintItems = false;
  const QStringList bare = Page(1);
  EXPECT_FALSE(bare.join(QString()).contains(QStringLiteral("予定")));
  EXPECT_FALSE(bare.contains(QStringLiteral("2009/03/10 08:30")));
}

TEST_F(ToDoPrintTest, SideModesPlacePagesOnSheets) {
  options.items = Items(14);  // the items run to the end of page 2
  auto numbers = [](const QStringList& sheet) {
    QStringList out;
    for (const QString& t : sheet)
      if (t.size() == 3 && t.trimmed().toInt() > 0) out << t.trimmed();
    return out;
  };
  RunToDoPrintJob(options, 4, QStringLiteral("Ａ４両面"));
  std::vector<QStringList> sheets = Sheets();
  ASSERT_EQ(sheets.size(), 2u);
  EXPECT_EQ(numbers(sheets[0]), Range(1, 7) + Range(22, 28));
  EXPECT_EQ(numbers(sheets[1]), Range(8, 14) + Range(15, 21));

  // ２折り: the left page's end does not stop the sheet.
  printer().clearOps();
  options.items = Items(7);
  RunToDoPrintJob(options, 5, QStringLiteral("２折り"));
  sheets = Sheets();
  ASSERT_EQ(sheets.size(), 1u);
  EXPECT_EQ(numbers(sheets[0]), Range(1, 14));

  // A declined prompt ends the job after the page already out (a PDF file
  // has no paper to load, so the job goes to a paper printer).
  printer().clearOps();
  CurrentPrintJob().confirmPrompts = 1;
  SetInstalledPrintersOverride(QStringList{QStringLiteral("Laser")});
  SetCurrentPrinter(QStringLiteral("Laser"));
  messages().answer(platform::MsgResult::Cancel);
  RunToDoPrintJob(options, 0, QStringLiteral("表裏交互"));
  EXPECT_EQ(Sheets().size(), 1u);
  EXPECT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(printer().protocol().count(QStringLiteral("end-job")), 1);
  SetCurrentPrinter(DefaultPrinterName());

  // A mode the four-fold sizes cannot print is refused.
  printer().clearOps();
  messages().clear();
  PaperSettings.SuperOrganiserMode = 1;
  RunToDoPrintJob(options, 0, QStringLiteral("表裏交互"));
  EXPECT_EQ(messages().texts(), QStringList({"「表裏交互」は未対応です"}));
  EXPECT_TRUE(Sheets().empty());
}

namespace {

// The plans of the side modes: which pages go on which side, what each
// page's end means and what is asked between the sides.
TEST_F(ToDoPrintTest, SideModesPlanTheirSheets) {
  LoadPaperSettings(0);
  const SheetPlan alternate = PlanToDoPrintJob(0);
  ASSERT_EQ(alternate.sides.size(), 101u);
  EXPECT_EQ(alternate.sides[1].prompt, SheetPrompt::PaperSet(1));
  EXPECT_EQ(alternate.sides[2].prompt, SheetPrompt::PaperSet(0));
  EXPECT_EQ(alternate.sides[0].pages[0].onDataEnd, DataEnd::EndsJob);
  // The list going on past the last page still asks for the next sheet.
  EXPECT_TRUE(alternate.sides.back().askOnly);

  // A4 both sides: 1 and 4 on the front, 2 and 3 on the back; the list
  // ending on page 4 lets the back follow.
  const SheetPlan a4 = PlanToDoPrintJob(4);
  std::vector<int> front, back;
  for (const PlannedPage& page : a4.sides[0].pages) front.push_back(page.item);
  for (const PlannedPage& page : a4.sides[1].pages) back.push_back(page.item);
  EXPECT_EQ(front, (std::vector<int>{1, 4}));
  EXPECT_EQ(back, (std::vector<int>{2, 3}));
  EXPECT_EQ(a4.sides[0].pages[1].onDataEnd, DataEnd::EndsAfterNextSide);
  EXPECT_EQ(a4.sides[0].binderMarks, kFacingPages);
  EXPECT_FALSE(a4.sides.back().askOnly);

  // A size that cannot print the mode plans nothing.
  EXPECT_TRUE(PlanToDoPrintJob(10000).sides.empty());
}

}  // namespace
