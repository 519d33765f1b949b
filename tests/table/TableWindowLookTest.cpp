// Pictures of the two pages of the table window in the artefact folder, for
// a look by eye, and checks that each page shows its own controls.
#include <QImage>
#include <QListWidget>
#include <QSet>

#include "tables_cards/windows/TableWindow.h"
#include "TestEnvironment.h"
#include "core/ui/TabBar.h"

namespace {

// The number of colours in the picture: a blank page has one or two.
int ColourCount(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 2)
    for (int x = 0; x < image.width(); x += 2) colours.insert(image.pixel(x, y));
  return static_cast<int>(colours.size());
}

// How many controls of the page are visible with something of a size.
int ShownControls(QWidget* page) {
  int shown = 0;
  for (QWidget* child : page->findChildren<QWidget*>())
    if (child->isVisible() && child->width() > 4 && child->height() > 4) ++shown;
  return shown;
}

}  // namespace

TEST(TableWindowLook, BothPagesRender) {
  TableWindow w;
  w.Form_Load();
  w.resize(640, 520);
  w.show();
  const QImage options = w.grab().toImage();
  options.save(QStringLiteral(RINGPAD_ARTEFACT_DIR "/table-window-options.png"));
  EXPECT_TRUE(w.Picture1[0]->isVisible());
  EXPECT_FALSE(w.Picture1[1]->isVisible());
  EXPECT_GT(ShownControls(w.Picture1[0]), 5);
  EXPECT_GT(ColourCount(options), 8) << "the options page is blank";

  w.Picture3_MouseDown(1, 0, w.Picture3->width() * 3 / 4, 2);
  const QImage content = w.grab().toImage();
  content.save(QStringLiteral(RINGPAD_ARTEFACT_DIR "/table-window-content.png"));
  EXPECT_TRUE(w.Picture1[1]->isVisible());
  EXPECT_FALSE(w.Picture1[0]->isVisible());
  EXPECT_GT(ShownControls(w.Picture1[1]), 0);
  EXPECT_GT(ColourCount(content), 8) << "the content page is blank";
  EXPECT_NE(content, options) << "the tab did not change the page";
}
