// The weekly driver: which week goes where on which side, and the messages
// and paper prompts between the sides.
#include "PdfReadBack.h"
#include "SchedulePrintKit.h"
#include "WeeklyKit.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "schedule_print/SchedulePrintButton.h"
#include "schedule_print/ScheduleDrivers.h"

namespace {

const QString kPage = QStringLiteral("page");
const QString kFirstLeft = QStringLiteral("message:週の左ページを印刷します。\r\n\r\n用紙を裏面にセットして、\r\nＯＫを押してください。");
const QString kNextLeft = QStringLiteral(
    "message:週の左ページを印刷します。\r\n\r\n表面の印刷が終了するのを待ってください。\r\n\r\n"
    "印刷した用紙を裏面にセットして、\r\nＯＫを押してください。");
const QString kNextRight = QStringLiteral(
    "message:週の右ページを印刷します。\r\n\r\n表面の印刷が終了するのを待ってください。\r\n\r\n"
    "印刷した用紙を裏面にセットして、\r\nＯＫを押してください。");
const QString kShortLeft = QStringLiteral(
    "message:週の左ページを印刷します。\r\n表面の印刷が終了するのを待ち\r\n印刷した用紙を裏面にセットして、\r\nＯＫを押してください。");
const QString kShortRight = QStringLiteral(
    "message:週の右ページを印刷します。\r\n表面の印刷が終了するのを待ち\r\n印刷した用紙を裏面にセットして、\r\nＯＫを押してください。");
const QString kFrontsThenBacks = QStringLiteral(
    "message:表面を複数印刷し、次に裏面を複数印刷します。\r\n複数週を一度に印刷するとき、枚数をセットしてください。");
QString Prompt(int side) { return QStringLiteral("prompt(%1)").arg(side); }

// A page as the tests expect it: its first dated entry ("" for none) and
// its left x on the sheet.
struct PlacedPage {
  QString first;
  double x1;
};

class WeeklyDriverTest : public SchedulePrintTest {
 protected:
  void SetUp() override {
    SchedulePrintTest::SetUp();
    source.lines = DatedEntryLines(QDate(2008, 12, 1), QDate(2009, 6, 30));
    source.controls.Chk_naiyou = 1;  // entries on the time-axis pages
  }
  int runDriver(int16_t code, const QDate& weekStart, const QString& sheets) {
    return runDesign(PrintWeeklyDesigns, code, weekStart, sheets, weekStart);
  }
  // The organiser pages of each side, as first entry and left x.
  std::vector<std::vector<PlacedPage>> placedPages() {
    std::vector<std::vector<PlacedPage>> out;
    for (const auto& side : Pages(printer())) {
      out.emplace_back();
      for (const DrawnWeekPage& page : DrawnWeekPages(side))
        out.back().push_back({page.entries.value(0), page.x1});
    }
    return out;
  }
  static QString E(const QDate& d) { return DatedEntry(d); }
  static double Back() { return 0; }
  static double Front() { return PaperSettings.PageLeft; }
  static double RightHalf() { return GetScaleWidth() - (PaperSettings.PageWidth - PaperSettings.PageLeft); }
};

void ExpectPlaced(const std::vector<std::vector<PlacedPage>>& got, const std::vector<std::vector<PlacedPage>>& want,
                  int code) {
  ASSERT_EQ(got.size(), want.size()) << code;
  for (size_t s = 0; s < want.size(); ++s) {
    ASSERT_EQ(got[s].size(), want[s].size()) << code << " side " << s;
    for (size_t k = 0; k < want[s].size(); ++k) {
      EXPECT_EQ(got[s][k].first, want[s][k].first) << code << " side " << s << " page " << k;
      EXPECT_NEAR(got[s][k].x1, want[s][k].x1, 1e-3) << code << " side " << s << " page " << k;
    }
  }
}

TEST_F(WeeklyDriverTest, WeeksStandWhereTheLayoutPutsThem) {
  const QDate d(2009, 3, 2);
  const QDate jan(2009, 1, 5);
  source.options.OptMemoEntries = 1;  // the memo pages list the entries, the week pages of 13 none
  const double back = Back(), front = Front(), right = RightHalf(), beside = PaperSettings.PageWidth;
  struct Case {
    int16_t code;
    QDate start;
    QString sheets;
    std::vector<std::vector<PlacedPage>> sides;
  } cases[] = {
      {DesignCodeOf(kDesignWeekRuled, 2), jan, "2",
       {{{E(jan.addDays(21)), back}, {E(jan), right}},
        {{E(jan.addDays(7)), back}, {E(jan.addDays(14)), right}},
        {{E(QDate(2009, 2, 23)), back}, {E(QDate(2009, 2, 2)), right}},
        {{E(QDate(2009, 2, 9)), back}, {E(QDate(2009, 2, 16)), right}}}},
      {DesignCodeOf(kDesignWeekRuledMemo, 2), d, "1", {{{"", back}, {E(d), right}}, {{"", back}, {E(d.addDays(-7)), right}}}},
      {DesignCodeOf(kDesignWeekRuledMemo, 3), d, "1", {{{"", back}, {E(d), right}}, {{"", back}, {E(d.addDays(7)), right}}}},
      {DesignCodeOf(kDesignWeekRuledSpreadWeekendRow, 2), d, "1",
       {{{E(d.addDays(7)), back}, {E(d.addDays(-4)), right}}, {{E(d), back}, {E(d.addDays(3)), right}}}},
      {DesignCodeOf(kDesignWeekRuledSpread, 2), d, "1",
       {{{E(d.addDays(7)), back}, {E(d.addDays(-3)), right}}, {{E(d), back}, {E(d.addDays(4)), right}}}},
      {DesignCodeOf(kDesignWeekRuled, 7), d, "1", {{{E(d), back}, {E(d.addDays(7)), beside}}}},
      {DesignCodeOf(kDesignWeekRuled, 4), d, "2", {{{E(d), back}}, {{E(d.addDays(7)), back}}}},
      {DesignCodeOf(kDesignWeekRuledWeekendRow, 3), d, "1", {{{E(d), front}}}},
      {DesignCodeOf(kDesignWeekHours, 2), d, "1",
       {{{E(d.addDays(7)), back}, {E(d.addDays(-3)), right}}, {{E(d), back}, {E(d.addDays(4)), right}}}},
      {DesignCodeOf(kDesignWeekHoursMargin, 2), d, "1",
       {{{E(d.addDays(7)), back}, {E(d.addDays(-3)), right}}, {{E(d), back}, {E(d.addDays(4)), right}}}},
      {DesignCodeOf(kDesignWeekHoursThreeColumns, 2), d, "1",
       {{{E(d.addDays(7)), back}, {E(d.addDays(-4)), right}}, {{E(d), back}, {E(d.addDays(3)), right}}}},
      {DesignCodeOf(kDesignWeekHours, 3), d, "1", {{{E(d), front}, {E(d.addDays(4)), beside}}}},
      {DesignCodeOf(kDesignWeekHoursNarrowWeekend, 3), d, "2", {{{E(d.addDays(4)), front}}, {{E(d.addDays(11)), front}}}},
      {DesignCodeOf(kDesignWeekHoursNarrowWeekend, 4), d, "1", {{{E(d), back}}}},
  };
  for (const Case& c : cases) {
    printer().clearOps();
    ASSERT_EQ(runDriver(c.code, c.start, c.sheets), 1);
    ExpectPlaced(placedPages(), c.sides, c.code);
  }
}

TEST_F(WeeklyDriverTest, TwoPagesASideTurnTheSheetBetweenSides) {
  ASSERT_EQ(runDriver(122, QDate(2009, 1, 5), QStringLiteral("2")), 1);
  EXPECT_EQ(jobSequence(), (QStringList{kPage, Prompt(1), kPage, Prompt(0), kPage, Prompt(1), kPage}));
  // A declined turn ends the job with the front printed.
  printer().clearOps();
  answerMessage(platform::MsgResult::Cancel);
  EXPECT_EQ(runDriver(162, QDate(2009, 1, 5), QStringLiteral("2")), 1);
  EXPECT_EQ(Pages(printer()).size(), 1u);
}

TEST_F(WeeklyDriverTest, OutlineOffOnlyWhereSeveralWeeksShareASide) {
  // 122 puts four separate weeks on a sheet, 162 a spread.
  for (const auto& [design, outlines] :
       std::vector<std::pair<int, std::vector<int>>>{{12, {0, 0}}, {16, {1, 1}}}) {
    previewNext();
    source.choose(design, 1, QDate(2009, 3, 4));
    const size_t before = previewOutlines().size();
    CurrentPrintJob().previewOutlineKind = 1;
    Cmd_print_Click(source);
    const std::vector<int> shown(previewOutlines().begin() + before, previewOutlines().end());
    EXPECT_EQ(shown, outlines) << design;
  }
}

TEST_F(WeeklyDriverTest, StartDayFollowsTheWeekStartOption) {
  for (const auto& [sundayStart, first] : {std::pair{0, QDate(2009, 3, 2)}, std::pair{1, QDate(2009, 3, 1)}}) {
    printer().clearOps();
    source.options.OptSundayStart = int16_t(sundayStart);
    source.choose(12, 2, QDate(2009, 3, 4));
    Cmd_print_Click(source);
    const auto pages = placedPages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0][0].first, E(first));
  }
}

TEST_F(WeeklyDriverTest, HalfSheetsRoundToEven) {
  ASSERT_EQ(runDriver(123, QDate(2009, 3, 2), QStringLiteral("2.5")), 1);
  EXPECT_EQ(Pages(printer()).size(), 2u);
  printer().clearOps();
  ASSERT_EQ(runDriver(121, QDate(2009, 3, 2), QStringLiteral("2.5")), 1);
  EXPECT_EQ(jobSequence(), (QStringList{kPage, Prompt(1), kPage, Prompt(0), kPage, Prompt(1), kPage, Prompt(0),
                                        kPage}));
  const auto pages = placedPages();
  ASSERT_EQ(pages.size(), 5u);
  EXPECT_EQ(pages[4][0].first, E(QDate(2009, 3, 30)));
  EXPECT_NEAR(pages[4][0].x1, Front(), 1e-6);
  EXPECT_NEAR(pages[1][0].x1, Back(), 1e-6);
  // Without prompts the alternating layout asks nothing.
  printer().clearOps();
  CurrentPrintJob().confirmPrompts = 0;
  const size_t before = shownMessages().size();
  runDriver(121, QDate(2009, 3, 2), QStringLiteral("1"));
  EXPECT_EQ(shownMessages().size(), before);
  EXPECT_EQ(Pages(printer()).size(), 2u);
}

TEST_F(WeeklyDriverTest, FrontsThenBacks) {
  const QDate d(2009, 3, 2);
  ASSERT_EQ(runDriver(126, d, QStringLiteral("3")), 1);
  EXPECT_EQ(jobSequence(), (QStringList{kFrontsThenBacks, kPage, kPage, kPage, Prompt(1), kPage, kPage, kPage}));
  EXPECT_EQ(shownMessages().front().icon, platform::MsgIcon::None);
  ExpectPlaced(placedPages(),
               {{{E(d), Front()}}, {{E(d.addDays(14)), Front()}}, {{E(d.addDays(28)), Front()}},
                {{E(d.addDays(7)), Back()}}, {{E(d.addDays(21)), Back()}}, {{E(d.addDays(35)), Back()}}},
               126);
  // No sheets: the message and the turn are still asked, nothing prints.
  printer().clearOps();
  const size_t before = shownMessages().size();
  EXPECT_EQ(runDriver(126, d, QStringLiteral("0")), 1);
  EXPECT_TRUE(Pages(printer()).empty());
  EXPECT_EQ(shownMessages().size(), before + 2);
}

TEST_F(WeeklyDriverTest, ThreeWeeksASideOnTheMiniSize) {
  LoadPaperSettings(2);
  PaperSettings.PrintMargin = 3;
  const QDate d(2009, 3, 2);
  ASSERT_EQ(runDriver(125, d, QStringLiteral("1")), 1);
  EXPECT_EQ(jobSequence(), (QStringList{kPage, Prompt(1), kPage}));
  const auto sides = Pages(printer());
  ASSERT_EQ(sides.size(), 2u);
  const auto front = DrawnWeekPages(sides[0]);
  ASSERT_EQ(front.size(), 3u);
  const double want[3][2] = {{6, 57}, {59, 110}, {112, 163}};
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(front[k].x1, want[k][0], 1e-6);
    EXPECT_NEAR(front[k].x2, want[k][1], 1e-6);
    EXPECT_EQ(front[k].entries.value(0), E(d.addDays(7 * k)));
  }
  const auto back = DrawnWeekPages(sides[1]);
  ASSERT_EQ(back.size(), 3u);
  // The back's group ends PageLeft short of the usable width.
  EXPECT_NEAR(back[2].x2, std::nearbyint(GetScaleWidth() - 6 - 4 - 3 * 51) + 3 * 51 + 4, 1e-6);
  EXPECT_EQ(back[0].entries.value(0), E(d.addDays(21)));
  EXPECT_EQ(back[2].entries.value(0), E(d.addDays(35)));
}

TEST_F(WeeklyDriverTest, SpreadsAnnounceEveryPageWhateverThePromptSetting) {
  CurrentPrintJob().confirmPrompts = 0;
  const QDate d(2009, 3, 2);
  ASSERT_EQ(runDriver(151, d, QStringLiteral("2")), 1);
  EXPECT_EQ(jobSequence(),
            (QStringList{kFirstLeft, kPage, kNextRight, kPage, kNextLeft, kPage, kNextRight, kPage}));

  // Declining the first message leaves that page out: no blank sheet.
  printer().clearOps();
  answerMessage(platform::MsgResult::Cancel);
  runDriver(151, d, QStringLiteral("1"));
  auto pages = placedPages();
  ASSERT_EQ(pages.size(), 1u);
  ASSERT_EQ(pages[0].size(), 1u);
  EXPECT_EQ(pages[0][0].first, E(d.addDays(3)));
  EXPECT_NEAR(pages[0][0].x1, Front(), 1e-6);

  // Declining a later one ends the job.
  printer().clearOps();
  answerMessage(platform::MsgResult::Ok);
  answerMessage(platform::MsgResult::Cancel);
  const size_t before = shownMessages().size();
  EXPECT_EQ(runDriver(161, d, QStringLiteral("2")), 1);
  EXPECT_EQ(shownMessages().size(), before + 2);
  EXPECT_EQ(shownMessages().back().text, kShortRight.mid(8));
  EXPECT_EQ(Pages(printer()).size(), 1u);  // the page it announced never begun
}

// Every question of the alternating and announced layouts comes before the
// page it belongs to: whichever one is declined, the job holds no page
// without a week on it.
TEST_F(WeeklyDriverTest, ADeclinedQuestionLeavesNoEmptyPage) {
  const QDate d(2009, 3, 2);
  // Two sheets, four pages and four questions each (the alternating
  // layouts ask nothing before their first page). Declining the first
  // message of an announced spread only leaves its own page out.
  struct Case {
    int16_t code;
    int firstAsked;  // the page of the first question
    bool firstSkips;
  } cases[] = {
      {DesignCodeOf(kDesignWeekRuled, 1), 2, false},
      {DesignCodeOf(kDesignWeekRuledWeekendRow, 1), 2, false},
      {DesignCodeOf(kDesignWeekRuledSpreadWeekendRow, 1), 1, true},
      {DesignCodeOf(kDesignWeekRuledSpread, 1), 1, true},
      {DesignCodeOf(kDesignWeekHours, 1), 1, true},
      {DesignCodeOf(kDesignWeekHoursMargin, 1), 1, true},
      {DesignCodeOf(kDesignWeekHoursThreeColumns, 1), 1, true},
      {DesignCodeOf(kDesignWeekHoursNarrowWeekend, 1), 1, true},
      {DesignCodeOf(kDesignWeekHoursNarrowWeekend, 2), 1, true},
      {DesignCodeOf(kDesignWeekRuledSpreadWeekendRow, 3), 1, false},
      {DesignCodeOf(kDesignWeekRuledSpreadWeekendRow, 4), 1, false},
      {DesignCodeOf(kDesignWeekRuledSpread, 3), 1, false},
      {DesignCodeOf(kDesignWeekRuledSpread, 4), 1, false},
  };
  for (const Case& c : cases) {
    for (int declined = c.firstAsked; declined <= 4; ++declined) {
      printer().clearOps();
      for (int k = c.firstAsked; k < declined; ++k) answerMessage(platform::MsgResult::Ok);
      answerMessage(platform::MsgResult::Cancel);
      ASSERT_EQ(runDriver(c.code, d, QStringLiteral("2")), 1);
      const size_t want = declined == 1 && c.firstSkips ? 3u : size_t(declined - 1);
      const auto pages = placedPages();
      EXPECT_EQ(pages.size(), want) << c.code << " declined at page " << declined;
      for (size_t p = 0; p < pages.size(); ++p)
        EXPECT_EQ(pages[p].size(), 1u) << c.code << " declined at page " << declined << ", page " << p + 1;
    }
  }
}

TEST_F(WeeklyDriverTest, SpreadsOnOneSide) {
  const QDate d(2009, 3, 2);
  for (const auto& [code, x1, rightOffset] :
       {std::tuple{153, Front(), 3}, std::tuple{154, Back(), 3}, std::tuple{163, Front(), 4},
        std::tuple{164, Back(), 4}}) {
    printer().clearOps();
    const size_t before = shownMessages().size();
    ASSERT_EQ(runDriver(int16_t(code), d, QStringLiteral("1")), 1);
    ExpectPlaced(placedPages(), {{{E(d), x1}}, {{E(d.addDays(rightOffset)), x1}}}, code);
    const QStringList texts = messageTexts().mid(int(before));
    EXPECT_EQ(texts, (QStringList{kShortLeft.mid(8), kShortRight.mid(8)}));
  }
}

TEST_F(WeeklyDriverTest, MemoWeeksTurnTheSheetBetweenItsPages) {
  ASSERT_EQ(runDriver(131, QDate(2009, 3, 2), QStringLiteral("2")), 1);
  EXPECT_EQ(jobSequence(), (QStringList{kPage, Prompt(1), kPage, Prompt(0), kPage, Prompt(1), kPage}));
}

TEST_F(WeeklyDriverTest, PromptsBetweenSingleSidedSheets) {
  for (const auto& [code, side] : {std::pair{173, 2}, std::pair{203, 0}, std::pair{204, 0}}) {
    printer().clearOps();
    const size_t before = shownMessages().size();
    ASSERT_EQ(runDriver(int16_t(code), QDate(2009, 3, 2), QStringLiteral("2")), 1);
    EXPECT_EQ(Pages(printer()).size(), 2u) << code;
    ASSERT_EQ(shownMessages().size(), before + 1) << code;
    EXPECT_EQ(shownMessages().back().text, PaperSetMessage(int16_t(side))) << code;
  }
}

TEST_F(WeeklyDriverTest, TimeAxisSpreadsAnnounced) {
  const QDate d(2009, 3, 2);
  // 2.5 sheets: five pages, ending on a left page at the back range.
  ASSERT_EQ(runDriver(171, d, QStringLiteral("2.5")), 1);
  auto pages = placedPages();
  ASSERT_EQ(pages.size(), 5u);
  EXPECT_EQ(pages[4][0].first, E(d.addDays(14)));
  EXPECT_NEAR(pages[4][0].x1, Back(), 1e-6);
  EXPECT_EQ(messageTexts().value(1), kShortRight.mid(8));

  // 202 begins with the right page; declining it leaves that page out and
  // keeps the week, so the only page is the first week's left page.
  printer().clearOps();
  const size_t before = shownMessages().size();
  answerMessage(platform::MsgResult::Cancel);
  ASSERT_EQ(runDriver(202, d, QStringLiteral("1")), 1);
  pages = placedPages();
  ASSERT_EQ(pages.size(), 1u);
  ASSERT_EQ(pages[0].size(), 1u);
  EXPECT_EQ(pages[0][0].first, E(d));
  EXPECT_NEAR(pages[0][0].x1, Back(), 1e-6);
  const QStringList texts = messageTexts().mid(int(before));
  EXPECT_EQ(texts, (QStringList{QStringLiteral("週の右ページを印刷します。\r\n\r\n用紙を裏面にセットして、\r\nＯＫを押してください。"),
                                kNextLeft.mid(8)}));
  // Without the cancel the right page of week d is followed by the left
  // page of the week after.
  printer().clearOps();
  ASSERT_EQ(runDriver(202, d, QStringLiteral("1")), 1);
  pages = placedPages();
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0][0].first, E(d.addDays(4)));
  EXPECT_NEAR(pages[0][0].x1, Front(), 1e-6);
  EXPECT_EQ(pages[1][0].first, E(d.addDays(7)));
}

TEST_F(WeeklyDriverTest, ThreeColumnDesignStartsOnMonday) {
  source.options.OptSundayStart = 1;
  source.choose(19, 1, QDate(2009, 3, 4));
  Cmd_print_Click(source);
  const auto pages = placedPages();
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[1][0].first, E(QDate(2009, 3, 2)));  // the back's left page: week d
  EXPECT_EQ(source.options.OptSundayStart, 1);
}

TEST_F(WeeklyDriverTest, OtherCodesAreLeftAlone) {
  for (const int16_t code : {int16_t(120), int16_t(128), int16_t(134), int16_t(155), int16_t(174), int16_t(183),
                             int16_t(193), int16_t(205), int16_t(211)}) {
    QDate start(2009, 3, 2);
    int16_t c = code;
    source.controls.Txt_maisu = QStringLiteral("1");
    EXPECT_EQ(PrintWeeklyDesigns(source, c, start), 0) << code;
    EXPECT_EQ(start, QDate(2009, 3, 2));
  }
  EXPECT_TRUE(printer().ops().empty());
}

TEST_F(WeeklyDriverTest, WeekPagesThroughThePdfPrinter) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler tools missing";
  const QString pdf = usePdfPrinter(QStringLiteral("schedprint-week-121"));
  source.lines.clear();
  source.options.OptWeekNumber = 1;
  source.choose(12, 0, QDate(2009, 3, 4));
  Cmd_print_Click(source);
  ASSERT_EQ(PdfPageCount(pdf), 2);
  const auto words = PdfWords(pdf);
  const double margin = 3;
  const auto onPage = [&words](int page, const QString& text) {
    for (const PdfWord& w : words)
      if (w.page == page && w.text == text) return w;
    return PdfWord{};
  };
  for (const QString& text : {QStringLiteral("平成21年3月"), QStringLiteral("(2009/10週)")}) {
    const PdfWord w = onPage(1, text);
    ASSERT_EQ(w.page, 1) << text.toStdString();
    EXPECT_GE(w.xMinMm, 8 + margin - 0.5);
    EXPECT_LE(w.xMaxMm, 88 + margin + 0.5);
  }
  const PdfWord day = onPage(1, QStringLiteral("2"));
  ASSERT_EQ(day.page, 1);
  EXPECT_GT(day.yMinMm, PaperSettings.DataHeight + margin - 0.5);
  const PdfWord week11 = onPage(2, QStringLiteral("(2009/11週)"));
  ASSERT_EQ(week11.page, 2);
  EXPECT_GE(week11.xMinMm, 0 + margin - 0.5);
  EXPECT_LE(week11.xMaxMm, 80 + margin + 0.5);
  EXPECT_EQ(onPage(2, QStringLiteral("9")).page, 2);
}

// The weekly ruled page on paper as laid out, a day of several entries too.
TEST_F(WeeklyDriverTest, WeekPagePrintsWhereItIsLaidOut) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler tools missing";
  source.lines = {QStringLiteral("2009/03/03 10:00 会議"), QStringLiteral("2009/03/03 13:00 打合せ"),
                  QStringLiteral("2009/03/03 16:00 来客"), QStringLiteral("2009/03/05 祝日 記念日")};
  source.choose(12, 0, QDate(2009, 3, 4));
  expectPrintedWhereRecorded(QStringLiteral("schedprint-week-pitch"));
}

}  // namespace
