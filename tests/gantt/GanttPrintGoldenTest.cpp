// Every side of the Gantt window's print button and each sample chart, at
// two organiser sizes and in the four-fold size, printed with and without the
// paper prompts and previewed: the drawing of each is kept (see
// GoldenDrawing.h).
#include <QCheckBox>
#include <QComboBox>

#include "GanttTestSupport.h"
#include "GoldenDrawing.h"
#include "core/platform/MessageBox.h"

namespace {

class GanttPrintGoldenTest : public GanttTest {};

TEST_F(GanttPrintGoldenTest, EverySideAndSampleDrawsAsKept) {
  SetGanttPageDrawer({});  // the real pages
  GoldenManifest manifest(QStringLiteral("gantt_print"));
  for (const int paper : {0, 6, 15}) {
    LoadPaperSettings(paper);
    GanttWindow& window = Open();
    // Samples 2 to 5 of the title list fill the chart; the last has levels.
    const auto run = [&](const QString& name, int sample, int side, int level, bool actual) {
      // The options the case before set are let go for the sample, outside
      // the drawing kept.
      platform::SetMessageHandler([](const platform::MessageRequest&) { return platform::MsgResult::No; });
      window.Cmb_title->setCurrentIndex(sample);
      window.cmb_title_click();
      platform::SetMessageHandler({});
      CheckGoldenModes(manifest, QStringLiteral("size%1/").arg(paper) + name, [&] {
        LoadPaperSettings(paper);
        window.Cmb_men->setCurrentIndex(side);
        window.cmb_level->setCurrentIndex(level);
        window.chk_jisseki->setChecked(actual);
        window.Cmd_print_Click();
      });
    };
    for (int side = 0; side < window.Cmb_men->count(); ++side)
      run(QStringLiteral("side%1").arg(side), 5, side, 0, false);
    for (int sample = 2; sample <= 4; ++sample)
      run(QStringLiteral("sample%1").arg(sample), sample, 0, 0, sample % 2 == 1);
    for (int level = 1; level < window.cmb_level->count(); ++level)
      run(QStringLiteral("level%1").arg(level), 5, 0, level, true);
  }
  manifest.finish();
}

}  // namespace
