// Printed memo pages on the recording surface: lines per page, the markup,
// the footer and the layouts with their sheets and prompts.
#include "TestEnvironment.h"
#include "core/platform/Clock.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/print/SurfaceRecorder.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "todo_memo/MemoPrintJob.h"

namespace {

class MemoPrintTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    SetProgramPaths(home() + QStringLiteral("ringpad"));
    CurrentPrintJob().previewMode = 0;
    CurrentPrintJob().confirmPrompts = 1;
    // A printer with paper to load, listed as installed so that no real
    // queue of that name is asked after the job.
    SetInstalledPrintersOverride(QStringList{QStringLiteral("Laser")});
    SetCurrentPrinter(QStringLiteral("Laser"));
    recorder_ = std::make_unique<SurfaceRecorder>();
    WriteDefaultSettings();
    LoadPaperSettings(0);
    PaperSettings.PageLeft = 8;
    PaperSettings.PageWidth = 88;
    PaperSettings.DataHeight = 9;
    PaperSettings.FootHeight = 156;
    PaperSettings.DataFontSize = 9;
    PaperSettings.SuperOrganiserMode = 0;
    platform::SetFixedToday(QDate(2009, 3, 10));
    platform::SetFixedTime(QTime(8, 30));
    options.title = QStringLiteral("memo");
    options.linesPerPage = 46;
    options.subtitleMarks = QStringLiteral("[");
  }
  void TearDown() override {
    recorder_.reset();
    SetCurrentPrinter(DefaultPrinterName());
    PaperSettings = PaperSettingsData{};
    platform::SetFixedToday(QDate());
    platform::SetFixedTime(QTime());
    RingpadTest::TearDown();
  }
  RecordingSurface& printer() { return recorder_->printer; }
  static QString Body(const QStringList& lines) { return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"); }
  static QStringList Lines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines << QStringLiteral("line%1").arg(i, 3, 10, QLatin1Char('0'));
    return lines;
  }
  // The body lines ("line...") of each sheet.
  std::vector<QStringList> Sheets() {
    std::vector<QStringList> sheets;
    for (const RecordedOp& op : printer().ops()) {
      if (op.kind == RecordedOp::BeginDocument || op.kind == RecordedOp::NewPage) sheets.emplace_back();
      else if (op.kind == RecordedOp::Text && !sheets.empty()) sheets.back() << op.text;
    }
    return sheets;
  }
  static int CountLines(const QStringList& texts) { return int(texts.filter(QStringLiteral("line")).size()); }

  MemoPageOptions options;

 private:
  std::unique_ptr<SurfaceRecorder> recorder_;
};

}  // namespace

TEST_F(MemoPrintTest, PagesOfLinesWithPromptsBetweenThem) {
  options.body = Body(Lines(100));
  RunMemoPrintJob(options, 5, QStringLiteral("表面"), 1);
  const std::vector<QStringList> sheets = Sheets();
  ASSERT_EQ(sheets.size(), 3u);
  EXPECT_EQ(CountLines(sheets[0]), 46);
  EXPECT_EQ(CountLines(sheets[1]), 46);
  EXPECT_EQ(CountLines(sheets[2]), 8);
  EXPECT_TRUE(sheets[0].contains(QStringLiteral(" memo")));
  EXPECT_FALSE(sheets[1].contains(QStringLiteral(" memo")));
  EXPECT_EQ(messages().shown().size(), 2u);

  // From start page 3 in "表裏交互": page 3 at the front, and the end.
  printer().clearOps();
  messages().clear();
  RunMemoPrintJob(options, 0, QStringLiteral("表裏交互"), 3);
  ASSERT_EQ(Sheets().size(), 1u);
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
    if (op.text == u"line093") { EXPECT_DOUBLE_EQ(op.x1, 8); }
  EXPECT_TRUE(messages().shown().empty());

  // A line that opens a page by itself is printed on that page.
  printer().clearOps();
  options.body = Body(Lines(47));
  RunMemoPrintJob(options, 5, QStringLiteral("表面"), 1);
  ASSERT_EQ(Sheets().size(), 2u);
  EXPECT_EQ(Sheets()[1].filter(QStringLiteral("line")), QStringList({"line047"}));
}

TEST_F(MemoPrintTest, MarkupBreaksRulesTablesAndSubheadings) {
  options.body = Body({"@PAGE", "[見出し", "", "text", "---", "----------", "--", "- - -", "@TABLE", "hidden 1",
                       "hidden 2", "@TABLE_END", "@table", "@LINE=2", "@TITLE=next", "after"});
  EXPECT_FALSE(DrawMemoPage(options, 1, 8, 88));
  EXPECT_FALSE(printer().texts().contains(QStringLiteral("text")));
  printer().clearOps();
  EXPECT_FALSE(DrawMemoPage(options, 2, 8, 88));
  const QStringList texts = printer().texts();
  for (const char* shown : {"[見出し", "text", "--", "- - -", "@table"})
    EXPECT_TRUE(texts.contains(QString::fromUtf8(shown))) << shown;
  EXPECT_FALSE(texts.contains(QStringLiteral("hidden 1")));
  EXPECT_FALSE(texts.contains(QStringLiteral("---")));
  int rules = 0;
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Line))
    if (op.x1 == 8 && op.x2 == 88 && op.y1 > 9 && op.y1 < 156) ++rules;
  EXPECT_EQ(rules, 3);  // "---", ten dashes and "@LINE=2"
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Text)) {
    if (op.text == u"[見出し") { EXPECT_EQ(op.fontName, PaperSettings.DefaultFontName); }
    if (op.text == u"text") { EXPECT_EQ(op.fontName, PaperSettings.DataFontName); }
  }
  printer().clearOps();
  EXPECT_TRUE(DrawMemoPage(options, 3, 8, 88));
  EXPECT_TRUE(printer().texts().contains(QStringLiteral("after")));
}

TEST_F(MemoPrintTest, FooterDateTimeAndPageNumber) {
  options.body = Body(Lines(2));
  options.dateInFooter = true;
  options.pageInFooter = true;
  DrawMemoPage(options, 2, 8, 88);
  EXPECT_TRUE(printer().texts().contains(QStringLiteral("Date:2009/03/10 ")));
  EXPECT_TRUE(printer().texts().contains(QStringLiteral("Time:08:30 ")));
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
    if (op.text == u"P.2") { EXPECT_DOUBLE_EQ(op.x1, 76); }
}

TEST_F(MemoPrintTest, SheetsOfSeveralPagesAndRefusedLayouts) {
  options.body = Body(Lines(10));
  RunMemoPrintJob(options, 7, QStringLiteral("A4表に2枚"), 1);
  ASSERT_EQ(Sheets().size(), 1u);
  EXPECT_TRUE(messages().shown().empty());

  printer().clearOps();
  options.body = Body(Lines(100));
  RunMemoPrintJob(options, 2, QStringLiteral("Ａ４両面"), 1);
  const std::vector<QStringList> sheets = Sheets();
  ASSERT_EQ(sheets.size(), 2u);
  // The front holds pages 1 and 4 (empty), the back 2 and 3.
  EXPECT_EQ(CountLines(sheets[0]), 46);
  EXPECT_EQ(CountLines(sheets[1]), 54);

  printer().clearOps();
  messages().clear();
  RunMemoPrintJob(options, 9, QStringLiteral("４折り"), 1);
  EXPECT_EQ(messages().texts(), QStringList({"「４折り」は未対応です"}));
  EXPECT_TRUE(Sheets().empty());
}

TEST_F(MemoPrintTest, TurnedPagesRunUpTheirColumns) {
  options.turned = true;
  options.body = Body({"first", "---", "third"});
  DrawMemoPage(options, 1, 8, 88);
  const double column = 2 * 9 / 5.67;
  std::vector<RecordedOp> texts = printer().opsOf(RecordedOp::RotatedText);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, QStringLiteral("first "));
  EXPECT_EQ(texts[1].text, QStringLiteral("third "));
  // The rule stands between them, across the body band.
  bool rule = false;
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Line))
    rule |= std::abs(op.x1 - (8 + 1.5 * column)) < 1e-6 && op.y1 == 9 && op.y2 == 156;
  EXPECT_TRUE(rule);
}
