// A new user's way to a photo page: from the main window's menu through the
// File menu's read and write to the preview.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

#include "MainWindowFixture.h"
#include "core/platform/FileDialog.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "core/ui/MainWindow.h"
#include "ruled_photo/PhotoWindow.h"

namespace {

class PhotoPersonsPathTest : public MainWindowTest {};

TEST_F(PhotoPersonsPathTest, ReadTurnSaveAndPreview) {
  MainWindow& mainWindow = Start();
  messages().clear();  // the version box of a first run
  mainWindow.mnu_FrmPicture->trigger();
  auto* w = qobject_cast<PhotoWindow*>(mainWindow.LoadedPageWindow(QStringLiteral("picture")));
  ASSERT_NE(w, nullptr);

  QImage picture(30, 20, QImage::Format_RGB32);
  picture.fill(Qt::green);
  const QString png = homeFile(QStringLiteral("花.png"));
  ASSERT_TRUE(picture.save(png, "PNG"));
  const QString bmp = homeFile(QStringLiteral("花-左.bmp"));
  QString next = png;
  platform::SetFileDialogHandler([&next](const platform::FileDialogRequest&) { return std::optional<QString>(next); });
  mainWindow.mnu_FileRead->trigger();
  ASSERT_EQ(w->SavedPicture.size(), QSize(30, 20));

  w->txt_title->setText(QStringLiteral("庭の花"));
  w->txt_data->setPlainText(QStringLiteral("春に咲いた"));
  w->Cmd_kaiten->click();
  next = bmp;
  mainWindow.mnu_FileWrite->trigger();
  EXPECT_EQ(QImage(bmp).size(), QSize(20, 30));
  EXPECT_TRUE(ReadBytes(homeFile(QStringLiteral("花-左.txt"))).startsWith("@TITLE="));

  SetPrintDialogHandler([](const PrintDialogView&) {
    PrintDialogAnswer answer;
    answer.button = 2;
    answer.confirmChecked = true;
    return answer;
  });
  int pages = 0;
  SetPreviewPageHandler([&](const QImage& page) {
    pages += page.isNull() ? 0 : 1;
    EXPECT_FALSE(w->isEnabled());
  });
  w->Cmd_print->click();
  EXPECT_EQ(pages, 1);
  EXPECT_TRUE(w->isEnabled());
  EXPECT_TRUE(messages().texts().isEmpty()) << messages().texts().join(QStringLiteral(" / ")).toStdString();
}

}  // namespace
