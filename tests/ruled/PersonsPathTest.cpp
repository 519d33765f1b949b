// A new user's way through the ruled-paper window, from the main window's
// menu to the preview of two blank sheets.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "MainWindowFixture.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "core/ui/MainWindow.h"
#include "ruled_photo/RuledPaperDesigns.h"
#include "ruled_photo/windows/RuledPaperWindow.h"

namespace {

class PersonsPathTest : public MainWindowTest {};

TEST_F(PersonsPathTest, HealthThenRulerThenTwoBlankSheetsInThePreview) {
  MainWindow& mainWindow = Start();
  messages().clear();  // the version box of a first run
  mainWindow.mnu_FrmYousi->trigger();
  auto* w = qobject_cast<RuledPaperWindow*>(mainWindow.LoadedPageWindow(QStringLiteral("yousi")));
  ASSERT_NE(w, nullptr);

  w->Cmb_Type->setCurrentRow(kDesignHealth);
  EXPECT_EQ(w->Cmb_men->count(), 5);
  EXPECT_EQ(w->Cmb_men->currentText(), QStringLiteral("２つ折り用紙"));
  w->Txt_sincyo->setText(QStringLiteral("170"));
  EXPECT_EQ(w->Lbl_taiju->text(), QStringLiteral("63."));
  w->Cmb_Type->setCurrentRow(kDesignRuler);
  EXPECT_EQ(w->Txt_Title->text(), QStringLiteral("物差し"));
  w->Cmb_Type->setCurrentRow(kDesignBlank);
  EXPECT_EQ(w->Cmb_men->currentText(), QStringLiteral("A4片面"));
  w->Txt_maisu->setText(QStringLiteral("2"));

  QStringList steps;
  SetPrintDialogHandler([](const PrintDialogView&) {
    PrintDialogAnswer answer;
    answer.button = 2;
    answer.confirmChecked = true;
    return answer;
  });
  size_t promptsSeen = 0;
  SetPreviewPageHandler([&](const QImage& page) {
    while (promptsSeen < messages().shown().size()) steps << QStringLiteral("prompt"), ++promptsSeen;
    steps << (page.isNull() ? QStringLiteral("empty page") : QStringLiteral("page"));
    EXPECT_FALSE(w->isEnabled());
  });
  w->Cmd_print->click();
  EXPECT_EQ(steps, (QStringList{"page", "prompt", "page"}));
  EXPECT_EQ(messages().texts().size(), 1);
  EXPECT_TRUE(messages().texts().value(0).endsWith(QStringLiteral("ＯＫを押してください。")));
  EXPECT_TRUE(w->isEnabled());
}

}  // namespace
