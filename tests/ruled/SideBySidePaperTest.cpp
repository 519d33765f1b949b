// The paper of every ruled layout that puts two pages on a side, through the
// PDF printer: the smallest of A4 and A3 that holds what the job draws (its
// pages, cut lines, cut guides and the blank page below them), upright
// unless it fits only turned, and nothing drawn off it.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <memory>

#include "PaperBounds.h"
#include "TestEnvironment.h"
#include "core/print/BinderMarks.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/JobPaper.h"
#include "core/print/PaperChoice.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrinterInfo.h"
#include "core/print/SurfaceRecorder.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "ruled_photo/RuledPaperDesigns.h"
#include "ruled_photo/windows/RuledPaperWindow.h"

namespace {

constexpr auto P = QPageLayout::Portrait;
constexpr auto L = QPageLayout::Landscape;

class SideBySidePaperTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    CurrentLineColor = 0;
    SetProgramPaths(home() + QStringLiteral("ringpad"));
    WriteDefaultSettings();
  }
  void TearDown() override {
    PaperSettings = PaperSettingsData{};
    RingpadTest::TearDown();
  }
  PdfPaperRun print(int design, const QString& side) {
    RuledPaperWindow window;
    window.Form_Load();
    window.Cmb_Type->setCurrentRow(design);
    window.Cmb_men->setCurrentText(side);
    EXPECT_EQ(window.Cmb_men->currentText(), side);
    window.Txt_maisu->setText(QStringLiteral("1"));
    return RunOnPdfPaper([&] { window.Cmd_print->click(); });
  }
};

TEST_F(SideBySidePaperTest, EachLayoutGoesOnThePaperThatHoldsWhatItDraws) {
  const QString oneSided = QStringLiteral("A4片面"), bothSides = QStringLiteral("A4両面"),
                folded = QStringLiteral("２つ折り用紙");
  struct Row {
    int size;  // PaperIndex
    int design;
    QString side;
    QPageLayout::Orientation turn;  // always on A4
  } rows[] = {
      // バイブル: two pages with their cut lines fit A4 upright, and the
      // blank page below them (267 mm down) only upright.
      {0, kDesignManuscript, oneSided, P},
      {0, kDesignManuscript, bothSides, P},
      {0, kDesignGraph, oneSided, P},
      {0, kDesignGraph, bothSides, P},
      {0, kDesignBlank, oneSided, P},
      {0, kDesignHealth, bothSides, P},
      {0, kDesignHealth, folded, P},
      {0, kDesignShopList, folded, P},
      // Ａ５: two pages are 271 mm across; A4 holds them only turned.
      {6, kDesignManuscript, oneSided, L},
      {6, kDesignManuscript, bothSides, L},
      {6, kDesignGraph, oneSided, L},
      {6, kDesignBlank, oneSided, L},
      {6, kDesignHealth, bothSides, L},
      {6, kDesignHealth, folded, L},
      {6, kDesignShopList, folded, L},
      // バイブル広: the pages fit upright (197 mm), their cut lines do not
      // (214 mm): upright they would cross; the folded sheet's guides do (210).
      {19, kDesignManuscript, oneSided, L},
      {19, kDesignGraph, bothSides, L},
      {19, kDesignBlank, oneSided, L},
      {19, kDesignHealth, folded, P},
  };
  for (const Row& r : rows) {
    LoadOrganiserSize(r.size);
    const std::string what = QStringLiteral("size %1 design %2 %3").arg(r.size).arg(r.design).arg(r.side).toStdString();
    const PdfPaperRun run = print(r.design, r.side);
    EXPECT_EQ(run.sheets, 1) << what;
    EXPECT_EQ(run.paperName(), PaperName(QPageSize::A4, r.turn)) << what;
    EXPECT_EQ(run.offPaper, QStringList()) << what;
    EXPECT_EQ(messages().texts(), QStringList()) << what << ": the paper holds the sheet";
    messages().clear();
  }
}

// A queue's paper is checked against the same extent: the folded sheet's
// right cut guide lies 184 mm from the edge, past a JIS B5 sheet upright,
// though its pages end at 173 mm. The queue's own B5 paper turns to hold it;
// B5 upright chosen in printer setup is warned of.
TEST_F(SideBySidePaperTest, AFoldedSheetWhoseCutGuideLeavesTheChosenPaperIsWarnedOf) {
  LoadOrganiserSize(0);
  SurfaceRecorder recorder;
  const QString laser = QStringLiteral("Laser");
  SetInstalledPrintersOverride(QStringList{laser});
  SetQueueDefaultMediaOverride({{laser, QPageSize(QPageSize::JisB5)}});
  SetCurrentPrinter(laser);
  SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{1, false, std::nullopt}; });
  const auto printFolded = [&] {
    RuledPaperWindow window;
    window.Form_Load();
    window.Cmb_Type->setCurrentRow(kDesignShopList);
    window.Cmb_men->setCurrentText(QStringLiteral("２つ折り用紙"));
    window.Txt_maisu->setText(QStringLiteral("1"));
    recorder.printer.clearOps();
    window.Cmd_print->click();
  };
  printFolded();
  EXPECT_EQ(messages().texts(), QStringList()) << "the queue's B5 turned holds the sheet";
  SetLaidOutSideWidthMm(TwoPagesAcrossWidthMm(2), kSideBySidePages);
  EXPECT_EQ(PaperForJob(laser, kPortrait).orientation, QPageLayout::Landscape);
  ForgetLaidOutSideWidth();

  KeepPaperChoice(laser, PaperChoice{QPageSize(QPageSize::JisB5), kPortrait, 0});
  messages().answer(platform::MsgResult::Cancel);
  printFolded();
  ASSERT_EQ(messages().texts().size(), 1);
  EXPECT_TRUE(messages().texts()[0].contains(QStringLiteral("184×170mm"))) << messages().texts()[0].toStdString();
  EXPECT_TRUE(recorder.printer.texts().isEmpty()) << "declined: nothing printed";

  // Without punch holes no guide is drawn, and the pages fit.
  messages().clear();
  PaperSettings.PunchHoles = 0;
  printFolded();
  EXPECT_EQ(messages().texts(), QStringList());
  EXPECT_FALSE(recorder.printer.texts().isEmpty());

  ForgetPaperChoices();
  SetPrintDialogHandler({});
  SetInstalledPrintersOverride(std::nullopt);
  SetQueueDefaultMediaOverride({});
  SetCurrentPrinter(DefaultPrinterName());
}

}  // namespace
