// A new user's way to a photo page: from the main window's menu through the
// File menu's read and write to the preview.
#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include "MainWindowFixture.h"
#include "core/platform/FileDialog.h"
#include "core/ui/MainWindow.h"
#include "ruled_photo/windows/PhotoWindow.h"

namespace {

class PhotoPersonsPathTest : public MainWindowTest {
 protected:
  // The page items with no menu of their own sit in the menu bar itself.
  PhotoWindow* openFromMenuBar(const QString& caption) {
    Start();
    messages().clear();  // the version box of a first run
    for (QAction* item : window().menuBar()->actions()) {
      if (item->text() != caption || item->menu()) continue;
      EXPECT_TRUE(item->isEnabled());
      item->trigger();
      return qobject_cast<PhotoWindow*>(window().ActivePageWindow());
    }
    ADD_FAILURE() << "no menu bar item " << caption.toStdString();
    return nullptr;
  }
};

TEST_F(PhotoPersonsPathTest, ReadTurnSaveAndPreview) {
  PhotoWindow* w = openFromMenuBar(QStringLiteral("写真(&P)"));
  ASSERT_NE(w, nullptr);

  QImage picture(30, 20, QImage::Format_RGB32);
  picture.fill(Qt::green);
  const QString png = homeFile(QStringLiteral("花.png"));
  ASSERT_TRUE(picture.save(png, "PNG"));
  const QString bmp = homeFile(QStringLiteral("花-左.bmp"));
  QString next = png;
  platform::SetFileDialogHandler([&next](const platform::FileDialogRequest&) { return std::optional<QString>(next); });
  choose(QStringLiteral("ﾌｧｲﾙ(&F)"), QStringLiteral("画像ファイルの読込"));
  ASSERT_EQ(w->SavedPicture.size(), QSize(30, 20));

  w->txt_title->setText(QStringLiteral("庭の花"));
  w->txt_data->setPlainText(QStringLiteral("春に咲いた"));
  w->Cmd_kaiten->click();
  next = bmp;
  choose(QStringLiteral("ﾌｧｲﾙ(&F)"), QStringLiteral("画像ファイルの書出"));
  platform::SetFileDialogHandler({});
  EXPECT_EQ(QImage(bmp).size(), QSize(20, 30));
  EXPECT_TRUE(ReadBytes(homeFile(QStringLiteral("花-左.txt"))).startsWith("@TITLE="));

  // Preview, OK on the page; the window stays locked until the job is done.
  EXPECT_EQ(PreviewSteps(*w, [&] { w->Cmd_print->click(); }), QStringList{QStringLiteral("page")});
  EXPECT_TRUE(w->isEnabled());
  EXPECT_TRUE(messages().texts().isEmpty()) << messages().texts().join(QStringLiteral(" / ")).toStdString();
}

}  // namespace
