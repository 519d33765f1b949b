// A new user's way through the tree chart: from the main window's menu to
// the organisation chart, saved and read back through the File menu, then
// previewed page by page.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <optional>

#include "MenuPath.h"
#include "MainWindowFixture.h"
#include "app/RegisterPages.h"
#include "charts/windows/TreeWindow.h"
#include "core/platform/Codec.h"
#include "core/platform/FileDialog.h"
#include "core/platform/ProgramExit.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "core/ui/MainWindow.h"
#include "core/ui/ShowSettingsForm.h"

namespace {

class TreePersonsPathTest : public MainWindowTest {
 protected:
  static void pick(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    list->setCurrentItem(found[0]);
  }
};

TEST_F(TreePersonsPathTest, OrganisationChartSavedClearedReadBackAndPreviewed) {
  auto* w = StartAndOpen<TreeWindow>(QStringLiteral("専用用紙(&S)"), QStringLiteral("木(&T)"));
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Cmb_Type->currentItem()->text(), QStringLiteral("緊急連絡網サンプル"));
  EXPECT_EQ(w->Txt_Title->text(), QStringLiteral("２年３組緊急連絡網サンプル"));

  pick(w->Cmb_Type, QStringLiteral("組織図サンプル"));
  EXPECT_EQ(w->Txt_Title->text(), QStringLiteral("組織図サンプル"));
  const QString items = w->ItemText();
  ASSERT_FALSE(items.isEmpty());

  const QString path = homeFile(QStringLiteral("組織図.csv"));
  platform::SetFileDialogHandler([path](const platform::FileDialogRequest&) { return std::optional<QString>(path); });
  choose(QStringLiteral("ﾌｧｲﾙ(&F)"), QStringLiteral("ＣＳＶファイルの書出"));
  const QByteArray written = ReadBytes(path);
  EXPECT_TRUE(written.startsWith(platform::ToSjis(QStringLiteral("@TITLE=組織図サンプル\r\n"))));
  EXPECT_TRUE(messages().shown().empty());

  pick(w->Cmb_Type, QStringLiteral("クリア"));
  EXPECT_TRUE(w->ItemText().isEmpty());
  EXPECT_TRUE(w->Txt_Title->text().isEmpty());

  // The cleared chart holds no work: the read asks nothing.
  choose(QStringLiteral("ﾌｧｲﾙ(&F)"), QStringLiteral("ＣＳＶファイルの読込"));
  EXPECT_EQ(w->Txt_Title->text(), QStringLiteral("組織図サンプル"));
  EXPECT_EQ(w->ItemText(), items);
  EXPECT_EQ(ReadBytes(path), written);
  EXPECT_EQ(messages().texts(), QStringList());
  messages().clear();

  // Preview: OK on every page, and on the prompt to turn the paper between
  // pages; the window stays locked until the job is done.
  const QStringList steps = PreviewSteps(*w, [&] { w->Cmd_print->click(); });
  // The organisation chart fills two bible pages.
  EXPECT_EQ(steps, (QStringList{"page", "prompt", "page"}));
  ASSERT_EQ(messages().texts().size(), 1);
  EXPECT_TRUE(messages().texts()[0].endsWith(QStringLiteral("ＯＫを押してください。"))) << messages().texts()[0].toStdString();
  EXPECT_TRUE(w->isEnabled());
}

}  // namespace
