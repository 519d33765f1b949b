// The schedule layouts that set pages side by side, through the PDF
// printer: the paper that holds the pages and their marks, upright unless it
// fits only turned, and nothing drawn off it.
#include "PaperBounds.h"
#include "SchedulePrintKit.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "schedule_print/SchedulePrintButton.h"

namespace {

class SchedulePaperTest : public SchedulePrintTest {};

TEST_F(SchedulePaperTest, LayoutsOfPagesSideBySideGoOnThePaperThatHoldsThem) {
  SetProgramPaths(home() + QStringLiteral("ringpad"));
  WriteDefaultSettings();
  constexpr auto P = QPageLayout::Portrait;
  constexpr auto L = QPageLayout::Landscape;
  struct Turns {
    QPageLayout::Orientation bible, a5, bibleWide;
  };
  struct Row {
    const char* layout;
    int design, layout1;  // the design and its layout, from 1
    Turns turns;          // on A4 at バイブル, Ａ５ and バイブル広
  } rows[] = {
      // Back and right half with their cut lines: 188 mm at バイブル, 214 at バイブル広.
      {"week, two a side", kDesignWeekRuled, 2, {P, L, L}},
      {"week hours, two a side", kDesignWeekHoursThreeColumns, 2, {P, L, L}},
      {"month grid, four to a sheet", kDesignMonthGrid, 2, {P, L, L}},
      {"days, four to a sheet", kDesignDay, 3, {P, L, L}},
      // A page beside the first, no marks: 197 mm at バイブル広.
      {"week beside week", kDesignWeekRuled, 7, {P, L, P}},
      {"week hours beside", kDesignWeekHours, 3, {P, L, P}},
  };
  const int sizes[] = {0, 6, 19};
  for (const Row& r : rows) {
    const QPageLayout::Orientation turns[] = {r.turns.bible, r.turns.a5, r.turns.bibleWide};
    for (int k = 0; k < 3; ++k) {
      LoadOrganiserSize(sizes[k]);
      source.choose(r.design, r.layout1 - 1, kMonday, QStringLiteral("1"));
      const std::string what =
          QStringLiteral("%1 at size %2").arg(QString::fromUtf8(r.layout)).arg(sizes[k]).toStdString();
      const size_t before = shownMessages().size();
      const PdfPaperRun run = RunOnPdfPaper([&] { Cmd_print_Click(source); });
      EXPECT_GT(run.sheets, 0) << what;
      EXPECT_EQ(run.paperName(), PaperName(QPageSize::A4, turns[k])) << what;
      EXPECT_EQ(run.offPaper, QStringList()) << what;
      EXPECT_EQ(shownMessages().size(), before) << what;
    }
  }
  // Three weeks across need A3 turned at Ａ５ (403 mm), A4 turned elsewhere.
  for (const auto& [size, paper] :
       {std::pair{0, QPageSize::A4}, std::pair{6, QPageSize::A3}, std::pair{19, QPageSize::A4}}) {
    LoadOrganiserSize(size);
    source.choose(kDesignWeekRuled, 4, kMonday, QStringLiteral("1"));
    const PdfPaperRun run = RunOnPdfPaper([&] { Cmd_print_Click(source); });
    EXPECT_EQ(run.paperName(), PaperName(paper, L)) << size;
    EXPECT_EQ(run.offPaper, QStringList()) << size;
  }
  // A4 folded in two stays landscape, as its notice says; the blank page
  // that would lie below the two pages (265 mm down at バイブル) has no room
  // on it and is left out, the cut lines and holes stay.
  for (const int design : {kDesignMonthRuled, kDesignMonthGrid}) {
    for (const int size : {0, 6, 19}) {
      LoadOrganiserSize(size);
      PaperSettings.PunchHoles = 1;
      PaperSettings.BlankPaper = 1;
      source.choose(design, 4, kMonday, QStringLiteral("1"));
      const std::string what = QStringLiteral("folded design %1 at size %2").arg(design).arg(size).toStdString();
      const size_t before = shownMessages().size();
      const PdfPaperRun run = RunOnPdfPaper([&] { Cmd_print_Click(source); });
      EXPECT_EQ(run.sheets, 1) << what;
      EXPECT_EQ(run.paperName(), PaperName(QPageSize::A4, L)) << what;
      EXPECT_EQ(run.offPaper, QStringList()) << what;
      EXPECT_EQ(shownMessages().size(), before + 1) << what << ": the folding notice only";
    }
  }
  PaperSettings = PaperSettingsData{};
}

}  // namespace
