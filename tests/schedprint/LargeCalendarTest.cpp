// The turned six-week calendar in the organiser page and as the large A4
// calendars, the A4 portrait wall calendar, and their drivers.
#include "PdfReadBack.h"
#include "SchedulePrintKit.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"
#include "core/text/ColorTable.h"
#include "schedule_print/MonthGridGeometry.h"
#include "schedule_print/SchedulePrintButton.h"
#include "schedule_print/SixWeekCalendar.h"

namespace {

class LargeCalendarTest : public SchedulePrintTest {
 protected:
  int runDriver(int16_t code, const QString& sheets, QDate start = QDate(2009, 3, 1)) {
    source.controls.Txt_maisu = sheets;
    source.controls.Cmb_men = code % 10 - 1;
    SetPrinterScaleMode(kScaleMillimetres);
    const int result = code >= 250 ? PrintCalendarPlanDesigns(source, code, start)
                                   : PrintYearMonthDesigns(source, code, start);
    EndPrintDocument();
    return result;
  }
  // Where a day number of a turned calendar stands: (column, week row).
  static std::pair<int, int> CellOf(const SixWeekGeometry& g, const RecordedOp& op) {
    const double d = HalfCharWidthMm(g.daySize);
    const double gridLeft = g.x1 + 2 * d + 2;
    const double w = (g.x2 - gridLeft) / 6, h = (g.bottom - g.top) / 7;
    return {int(std::lround((g.bottom - op.y1) / h)), int((op.x1 - gridLeft + 0.01) / w) + 1};
  }
  static std::optional<RecordedOp> Turned(const std::vector<RecordedOp>& ops, const QString& text, double minX = -1) {
    for (const RecordedOp& op : ops)
      if (op.kind == RecordedOp::RotatedText && op.text == text && op.x1 > minX) return op;
    return std::nullopt;
  }
};

TEST_F(LargeCalendarTest, TurnedCalendarInTheOrganiserPage) {
  ASSERT_EQ(runDriver(103, QStringLiteral("1")), 1);
  const auto pages = Pages(printer());
  ASSERT_EQ(pages.size(), 1u);
  const SixWeekGeometry g = SixWeekGeometryOf(0, 8, 88);
  const double gridLeft = g.x1 + 2 * HalfCharWidthMm(g.daySize) + 2;
  const auto thirty = Turned(pages[0], QStringLiteral(" 30 "), gridLeft);
  const auto thirtyOne = Turned(pages[0], QStringLiteral(" 31 "), gridLeft);
  ASSERT_TRUE(thirty && thirtyOne);
  EXPECT_EQ(CellOf(g, *thirty), std::make_pair(0, 6));
  EXPECT_EQ(CellOf(g, *thirtyOne), std::make_pair(1, 6));
  int weekRules = 0;
  for (const RecordedOp& op : pages[0])
    if (op.kind == RecordedOp::Line && op.x1 == op.x2 && std::abs(op.y1 - g.top) < 1e-6 && std::abs(op.y2 - g.bottom) < 1e-6)
      ++weekRules;
  EXPECT_EQ(weekRules, 6);
  // The organiser page keeps its upright title.
  EXPECT_TRUE(FindText(pages[0], QStringLiteral("平成21年3月 (2009)")));
}

TEST_F(LargeCalendarTest, WeekStartShiftsNamesAndColours) {
  source.options.OptColourPrint = 1;
  source.options.OptSundayStart = 1;
  runDriver(251, QStringLiteral("1"));
  const auto page = Pages(printer())[0];
  const SixWeekGeometry g = SixWeekGeometryOf(1, 0, 0);
  const auto sunday = Turned(page, QStringLiteral("日"));
  ASSERT_TRUE(sunday);
  EXPECT_NEAR(sunday->x1, g.x1 + 1, 0.1);
  EXPECT_NEAR(sunday->y1, g.bottom - (g.bottom - g.top) / 18, 0.1);  // column 0
  EXPECT_EQ(sunday->color, uint32_t(ColorByIndex(4)));
  EXPECT_EQ(Turned(page, QStringLiteral("土"))->color, uint32_t(ColorByIndex(1)));
  EXPECT_EQ(CellOf(g, *Turned(page, QStringLiteral("  1 "), g.x1 + 5)).first, 0);

  printer().clearOps();
  source.options.OptColourPrint = 0;
  runDriver(251, QStringLiteral("1"));
  const auto plain = Pages(printer())[0];
  for (const QString& name : {QStringLiteral("日"), QStringLiteral("土"), QStringLiteral("月")})
    EXPECT_EQ(Turned(plain, name)->color, uint32_t(ColorByIndex(PaperSettings.DefaultColor)));
}

TEST_F(LargeCalendarTest, NextMonthFillsTheLastWeekOnlyWhenAsked) {
  source.lines = {QStringLiteral("2009/04/03 予定 花見")};
  source.options.OptNeighbourMonths = 1;
  runDriver(251, QStringLiteral("1"));
  auto page = Pages(printer())[0];
  const SixWeekGeometry g = SixWeekGeometryOf(1, 0, 0);
  const double gridLeft = g.x1 + 2 * HalfCharWidthMm(g.daySize) + 2;
  for (int day = 1; day <= 5; ++day) {
    const auto op = Turned(page, QStringLiteral("%1").arg(day, 3) + u' ', gridLeft + 5 * (g.x2 - gridLeft) / 6 - 0.5);
    ASSERT_TRUE(op) << day;
    EXPECT_EQ(CellOf(g, *op), std::make_pair(day + 1, 6));
  }
  int neighbourFills = 0;
  for (const RecordedOp& op : page)
    if (op.kind == RecordedOp::FilledBox && op.color == 0xFBFBFB) ++neighbourFills;
  EXPECT_EQ(neighbourFills, 5);
  EXPECT_TRUE(Turned(page, QStringLiteral("花見")));

  printer().clearOps();
  source.options.OptNeighbourMonths = 0;
  runDriver(251, QStringLiteral("1"));
  page = Pages(printer())[0];
  EXPECT_FALSE(Turned(page, QStringLiteral("花見")));
  EXPECT_FALSE(Turned(page, QStringLiteral("  5 "), gridLeft + 5 * (g.x2 - gridLeft) / 6 - 0.5));
}

TEST_F(LargeCalendarTest, TwoCalendarsASheetStepTwoMonths) {
  ASSERT_EQ(runDriver(252, QStringLiteral("2")), 1);
  EXPECT_EQ(jobSequence(), (QStringList{QStringLiteral("page"), QStringLiteral("prompt(0)"), QStringLiteral("page")}));
  const auto pages = Pages(printer());
  const auto titles = [](const std::vector<RecordedOp>& ops) {
    QStringList out;
    for (const RecordedOp& op : ops)
      if (op.kind == RecordedOp::RotatedText && op.text.contains(QStringLiteral("月 平成"))) out << op.text;
    return out;
  };
  EXPECT_EQ(titles(pages[0]), (QStringList{QStringLiteral(" 3月 平成21年(2009)"), QStringLiteral(" 5月 平成21年(2009)")}));
  EXPECT_EQ(titles(pages[1]), (QStringList{QStringLiteral(" 7月 平成21年(2009)"), QStringLiteral(" 9月 平成21年(2009)")}));
  EXPECT_TRUE(Turned(pages[0], QStringLiteral("2009/4")));
  EXPECT_TRUE(Turned(pages[0], QStringLiteral("2009/6")));
  // The bands either side of the middle.
  std::vector<std::pair<double, double>> frames;
  for (const RecordedOp& op : pages[0])
    if (op.kind == RecordedOp::Box && std::abs(op.x1 - 24.52) < 0.01) frames.emplace_back(op.y1, op.y2);
  EXPECT_EQ(frames, (std::vector<std::pair<double, double>>{{0, 133}, {137, 270}}));
}

TEST_F(LargeCalendarTest, OneMonthASheetAllTextTurned) {
  struct Case {
    int16_t code;
    std::vector<double> frameTops;  // one frame per calendar on the sheet
    // The month labels of each sheet: the large number of kinds 1 and 2, the
    // start of the titles of the two kind-3 calendars.
    std::vector<QStringList> labels;
  } cases[] = {
      {DesignCodeOf(kDesignLargeLandscapeCalendar, 1), {14}, {{QStringLiteral(" 3")}, {QStringLiteral(" 4")}, {QStringLiteral(" 5")}}},
      {DesignCodeOf(kDesignLargeLandscapeCalendar, 3), {5}, {{QStringLiteral(" 3")}, {QStringLiteral(" 4")}, {QStringLiteral(" 5")}}},
      {DesignCodeOf(kDesignLargeLandscapeCalendar, 2), {0, 137},
       {{QStringLiteral(" 3月 "), QStringLiteral(" 5月 ")},
        {QStringLiteral(" 7月 "), QStringLiteral(" 9月 ")},
        {QStringLiteral("11月 "), QStringLiteral(" 1月 ")}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    printer().clearOps();
    ASSERT_EQ(runDriver(c.code, QStringLiteral("3")), 1);
    const auto pages = Pages(printer());
    ASSERT_EQ(pages.size(), 3u);
    for (size_t i = 0; i < pages.size(); ++i) {
      std::vector<double> tops;
      for (const RecordedOp& op : pages[i]) {
        EXPECT_NE(op.kind, RecordedOp::Text) << op.text.toStdString();
        if (op.kind == RecordedOp::Box && std::abs(op.x1 - 24.52) < 0.01) tops.push_back(op.y1);
      }
      EXPECT_EQ(tops, c.frameTops) << "sheet " << i;
      for (const QString& label : c.labels[i]) {
        bool found = false;
        for (const RecordedOp& op : pages[i])
          found |= op.kind == RecordedOp::RotatedText && (c.code == DesignCodeOf(kDesignLargeLandscapeCalendar, 2) ? op.text.startsWith(label) : op.text == label);
        EXPECT_TRUE(found) << "sheet " << i << ": " << label.toStdString();
      }
    }
  }
  printer().clearOps();
  EXPECT_EQ(runDriver(251, QStringLiteral("0")), 1);
  EXPECT_TRUE(Pages(printer()).empty());
  EXPECT_EQ(runDriver(254, QStringLiteral("1")), 0);
}

TEST_F(LargeCalendarTest, CrowdedDayRunsIntoTheNextWeekRow) {
  QStringList lines;
  for (int i = 0; i < 40; ++i) lines << QStringLiteral("2009/03/02 予定 予定%1").arg(i);
  lines << QStringLiteral("2009/03/03 予定 ") + QString(1000, u'長');
  source.lines = lines;
  runDriver(251, QStringLiteral("1"));
  const auto page = Pages(printer())[0];
  const SixWeekGeometry g = SixWeekGeometryOf(1, 0, 0);
  const double gridLeft = g.x1 + 2 * HalfCharWidthMm(g.daySize) + 2;
  const double w = (g.x2 - gridLeft) / 6;
  const auto last = Turned(page, QStringLiteral("予定39"));
  ASSERT_TRUE(last);
  EXPECT_GT(last->x1, gridLeft + 2 * w);  // 2 March is in row 2; its last entries lie beyond it
  for (const RecordedOp& op : page)
    if (op.kind == RecordedOp::RotatedText && op.text.startsWith(u'長')) {
      EXPECT_LE(op.text.size() * 2, int((g.bottom - g.top) / 7 * 5.67 / g.entrySize));
    }
}

TEST_F(LargeCalendarTest, WallCalendarWithMemoEndsAt168) {
  source.options.OptMemo = 1;
  EXPECT_EQ(MonthGridBands(-1, QDate(2009, 3, 1), 8, 88, source.options).front().bottom, 168);
  runDriver(261, QStringLiteral("2"), QDate(2009, 12, 1));
  const auto pages = Pages(printer());
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_FALSE(FindText(pages[0], QStringLiteral("A")));  // no list table
  EXPECT_TRUE(FindText(pages[1], QStringLiteral("平成22年1月 (2010)")));
  bool frame = false;
  for (const RecordedOp& op : pages[0])
    if (op.kind == RecordedOp::Box && op.x1 == 7 && op.x2 == 200 && op.y1 == 20 && op.y2 == 168) frame = true;
  EXPECT_TRUE(frame);
}

TEST_F(LargeCalendarTest, FourFoldSizePrintsThemPortrait) {
  LoadPaperSettings(15);
  ASSERT_EQ(PaperSettings.SuperOrganiserMode, 1);
  for (int design : {25, 26}) {
    SCOPED_TRACE(design);
    int orientation = 0;
    SchedulePrintDrivers drivers = StandardSchedulePrintDrivers();
    drivers.fourFold.push_back([&](SchedulePrintSource&, int16_t&, QDate&) {
      orientation = printer().orientation();
      return 0;
    });
    source.choose(design, 0, QDate(2009, 3, 1));
    Cmd_print_Click(source, drivers);
    EXPECT_EQ(orientation, kPortrait);
    EXPECT_TRUE(shownMessages().empty());
  }
}

TEST_F(LargeCalendarTest, BrokenFontSettingsStillPrint) {
  struct Case {
    const char* section;
    int16_t code;
    int kind;
    double bandTop, bandBottom;
  } cases[] = {
      {"SIZE_A4", 251, 1, 0, 0},
      {"SIZE_A5", 252, 3, 0, 133},  // the two calendars a sheet
  };
  for (const Case& c : cases) {
    const QString section = QString::fromLatin1(c.section);
    for (const QString& value : {QString(), QStringLiteral("abc"), QStringLiteral("-5")}) {
      SCOPED_TRACE(section.toStdString() + " " + value.toStdString());
      WriteIniValue(section, QStringLiteral("DEFAULT_FONTSIZE"), value);
      WriteIniValue(section, QStringLiteral("DATA_FONTSIZE"), value);
      WriteIniValue(section, QStringLiteral("DATA_FONTNAME"), value.isEmpty() ? QString(500, u'字') : QString());
      const SixWeekGeometry g = SixWeekGeometryOf(c.kind, c.bandTop, c.bandBottom);
      EXPECT_GE(g.daySize, 1.0f);
      EXPECT_GE(g.entrySize, 1.0f);
      printer().clearOps();
      runDriver(c.code, QStringLiteral("1"));
      const auto pages = Pages(printer());
      ASSERT_EQ(pages.size(), 1u);
      int turned = 0;
      for (const RecordedOp& op : pages[0])
        if (op.kind == RecordedOp::RotatedText) {
          ++turned;
          EXPECT_FALSE(op.fontName.isEmpty());
          EXPECT_GE(op.fontSize, 1.0f);
        }
      EXPECT_GT(turned, 31);
    }
  }
}

TEST_F(LargeCalendarTest, ThroughThePdfPrinter) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  const QString pdf = usePdfPrinter(QStringLiteral("schedprint-large-calendar-251"));
  source.choose(25, 0, QDate(2009, 3, 1));
  Cmd_print_Click(source);
  ASSERT_EQ(PdfPageCount(pdf), 1);
  const auto sizes = PdfPageSizes(pdf);
  EXPECT_LT(sizes[0].widthMm, sizes[0].heightMm);
  const auto words = PdfWords(pdf);
  for (int day = 1; day <= 31; ++day) {
    bool inside = false;
    for (const PdfWord& w : words)
      if (w.text == QString::number(day) && w.xMinMm >= 27.5 && w.xMaxMm <= 198 && w.yMinMm >= 17 && w.yMaxMm <= 273)
        inside = true;
    EXPECT_TRUE(inside) << day;
  }
  // The 48-point month number (not a small calendar's 3) and the era title
  // stand left of the frame.
  bool monthNumber = false;
  for (const PdfWord& w : words)
    if (w.text == QStringLiteral("3") && w.xMaxMm - w.xMinMm > 10) {
      monthNumber = true;
      EXPECT_LT(w.xMaxMm, 28.5);
    }
  EXPECT_TRUE(monthNumber);
  const PdfWord era = FindWord(words, QStringLiteral("平成21年(2009)"));
  ASSERT_EQ(era.page, 1);
  EXPECT_LT(era.xMaxMm, 28.5);
  // The frame's left edge, alone in a strip between the small calendars and
  // the turned title.
  const QImage page = RenderPdfPage(pdf, 1, 254);
  const QImage strip = page.copy(QRect(200, 0, 80, page.height()));  // x 20 to 28 mm
  EXPECT_NEAR(20 + DarkColumnCentreMm(strip, 254, 90, 165), 27.5, 0.3);
}

}  // namespace
