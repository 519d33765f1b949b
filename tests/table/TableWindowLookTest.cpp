// Pictures of the two pages of the table window in the artefact folder, for
// a look by eye.
#include <QListWidget>

#include "TableWindow.h"
#include "TestEnvironment.h"
#include "core/ui/TabBar.h"

TEST(TableWindowLook, BothPagesRender) {
  TableWindow w;
  w.Form_Load();
  w.resize(640, 520);
  w.show();
  const QPixmap options = w.grab();
  EXPECT_FALSE(options.isNull());
  options.save(QStringLiteral(RINGPAD_ARTEFACT_DIR "/table-window-options.png"));
  w.Picture3_MouseDown(1, 0, w.Picture3->width() * 3 / 4, 2);
  const QPixmap content = w.grab();
  content.save(QStringLiteral(RINGPAD_ARTEFACT_DIR "/table-window-content.png"));
  EXPECT_TRUE(w.Picture1[1]->isVisible());
}
