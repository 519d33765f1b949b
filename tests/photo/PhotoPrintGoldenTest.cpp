// Every layout and fit of the photo page, a few positions and the picture
// alone, at two organiser sizes and in the four-fold size, printed with and
// without the paper prompts and previewed: the drawing of each is kept (see
// GoldenDrawing.h).
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "GoldenDrawing.h"
#include "PhotoTest.h"
#include "core/settings/PaperSettings.h"
#include "ruled_photo/windows/PhotoWindow.h"

namespace {

class PhotoPrintGoldenTest : public PhotoTest {};

TEST_F(PhotoPrintGoldenTest, EveryLayoutDrawsAsKept) {
  const QString path = home() + QStringLiteral("golden.png");
  ASSERT_TRUE(TwoColours(60, 40).save(path, "PNG"));
  GoldenManifest manifest(QStringLiteral("photo_print"));
  for (const int paper : {0, 6, 15}) {
    LoadPaperSettings(paper);
    PhotoWindow window;
    window.Form_Load();
    ASSERT_TRUE(window.LoadPhotoFile(path));
    window.txt_title->setText(QStringLiteral("海の写真"));
    window.txt_data->setPlainText(QStringLiteral("二〇〇九年の夏\r\n浜辺にて"));
    const auto run = [&](const QString& name, int layout, int fit, int position, bool pictureOnly) {
      CheckGoldenModes(manifest, QStringLiteral("size%1/").arg(paper) + name, [&] {
        LoadPaperSettings(paper);
        window.Cmb_Type->setCurrentIndex(layout);
        window.Cmb_size->setCurrentIndex(fit);
        window.cmb_ichi->setCurrentIndex(position);
        window.Chk_picnomi->setChecked(pictureOnly);
        window.Cmd_print_Click();
      });
    };
    for (int layout = 0; layout < window.Cmb_Type->count(); ++layout)
      run(QStringLiteral("layout%1").arg(layout), layout, 0, 0, false);
    for (int fit = 1; fit < window.Cmb_size->count(); ++fit) run(QStringLiteral("fit%1").arg(fit), 0, fit, 0, false);
    for (const int position : {3, 4}) run(QStringLiteral("position%1").arg(position), 0, 0, position, false);
    run(QStringLiteral("picture-only"), 0, 0, 0, true);
  }
  manifest.finish();
}

}  // namespace
