// Every side of the table window's print button, a few templates and the
// landscape pages, at two organiser sizes and in the four-fold size, printed
// with and without the paper prompts and previewed: the drawing of each is
// kept (see GoldenDrawing.h).
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>

#include "GoldenDrawing.h"
#include "core/platform/MessageBox.h"
#include "tables_cards/windows/TableWindow.h"
#include "TestEnvironment.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"

namespace {

class TablePrintGoldenTest : public RingpadTest {};

TEST_F(TablePrintGoldenTest, EverySideAndSomeTemplatesDrawAsKept) {
  SetProgramPaths(home() + QStringLiteral("ringpad"));
  WriteDefaultSettings();
  GoldenManifest manifest(QStringLiteral("table_print"));
  for (const int paper : {0, 6, 15}) {
    LoadPaperSettings(paper);
    TableWindow window;
    window.Form_Load();
    // Rows enough for a second page at every size.
    TableOptions options = window.Options();
    for (int i = 1; i <= 45; ++i)
      options.body += QStringLiteral("05/%1,名古屋-東京,新幹線,%2,行%1\r\n").arg(i % 28 + 1, 2, 10, QLatin1Char('0')).arg(1000 + 37 * i);
    window.ShowOptions(options);
    const auto run = [&](const QString& name, int templateRow, int side, bool landscape) {
      if (templateRow >= 0) {
        // The rows added above, and the side the case before chose, are let
        // go for the template, outside the drawing kept.
        platform::SetMessageHandler([](const platform::MessageRequest&) { return platform::MsgResult::No; });
        window.cmb_type->setCurrentRow(templateRow);
        platform::SetMessageHandler({});
      }
      CheckGoldenModes(manifest, QStringLiteral("size%1/").arg(paper) + name, [&] {
        LoadPaperSettings(paper);
        window.Cmb_men->setCurrentIndex(side);
        window.Chk_yoko->setChecked(landscape);
        window.Cmd_print_Click();
      });
    };
    // The table the window opens with, on every side.
    for (int side = 0; side < window.Cmb_men->count(); ++side) run(QStringLiteral("start/side%1").arg(side), -1, side, false);
    run(QStringLiteral("start/landscape"), -1, 0, true);
    for (const int row : {1, 10, 25, 39})
      run(QStringLiteral("template%1").arg(row), row, PaperSettings.SuperOrganiserMode == 1 ? 8 : 0, false);
  }
  manifest.finish();
}

}  // namespace
