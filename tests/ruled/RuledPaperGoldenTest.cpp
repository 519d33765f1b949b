// Every design of the ruled-paper window on every side it offers, at two
// organiser sizes and in the four-fold size, printed with and without the
// paper prompts and previewed: the drawing of each is kept (see
// GoldenDrawing.h).
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "GoldenDrawing.h"
#include "RuledTest.h"
#include "core/settings/PaperSettings.h"
#include "ruled_photo/windows/RuledPaperWindow.h"

namespace {

class RuledPaperGoldenTest : public RuledTest {};

TEST_F(RuledPaperGoldenTest, EveryDesignOnEverySideDrawsAsKept) {
  GoldenManifest manifest(QStringLiteral("ruled_paper"));
  for (const int paper : {0, 6, 15}) {
    loadSize(paper);
    RuledPaperWindow window;
    window.Form_Load();
    for (int design = 0; design < window.Cmb_Type->count(); ++design) {
      window.Cmb_Type->setCurrentRow(design);
      for (int side = 0; side < window.Cmb_men->count(); ++side) {
        CheckGoldenModes(manifest, QStringLiteral("size%1/design%2/side%3").arg(paper).arg(design).arg(side), [&] {
          PaperSettings = PaperSettingsData{};
          LoadPaperSettings(paper);
          PaperSettings.PaperIndex = int16_t(paper);
          window.Cmb_Type->setCurrentRow(design);
          window.Cmb_men->setCurrentIndex(side);
          window.Txt_maisu->setText(QStringLiteral("2"));
          window.Cmd_print_Click();
        });
      }
    }
  }
  manifest.finish();
}

}  // namespace
