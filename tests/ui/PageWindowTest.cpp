// What every page window has from its base: the answer of a print button
// that cannot print yet, no second command while the window is busy, and
// the focus given back when the window takes input again.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "MainWindowFixture.h"
#include "core/print/PrintJob.h"
#include "core/ui/PageRegistry.h"

namespace {

// A page window with a print button and a read button; printing is its own
// only when asked.
class PlainPage : public PageWindow {
 public:
  explicit PlainPage(bool printsItself) {
    print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));
    read = NewCommandButton("Cmd_FileRead");
    edit = new QLineEdit(this);
    if (printsItself) connect(print, &QPushButton::clicked, this, [this] { ++printed; });
    connect(read, &QPushButton::clicked, this, [this] { ++reads; });
  }
  QPushButton* print;
  QPushButton* read;
  QLineEdit* edit;
  int printed = 0;
  int reads = 0;
};

using PageWindowTest = MainWindowTest;

}  // namespace

TEST_F(PageWindowTest, APrintButtonWithoutPrintingSaysSo) {
  PlainPage waiting(false);
  waiting.print->click();
  PressCommandButton(&waiting, QStringLiteral("cmd_print"));
  EXPECT_EQ(messages().texts(), QStringList(2, QStringLiteral("まだ印刷できません、要望があったら作ります(^^;")));

  messages().clear();
  PlainPage printing(true);
  printing.print->click();
  EXPECT_EQ(printing.printed, 1);
  EXPECT_TRUE(messages().texts().isEmpty());
}

TEST_F(PageWindowTest, ABusyPageTakesNoPressedCommand) {
  PlainPage page(true);
  BeginBusy(&page);
  EXPECT_FALSE(PressCommandButton(&page, QStringLiteral("Cmd_FileRead")));
  EXPECT_FALSE(PressCommandButton(&page, QStringLiteral("Cmd_print")));
  EndBusy(&page);
  EXPECT_EQ(page.reads, 0);
  EXPECT_EQ(page.printed, 0);
  EXPECT_TRUE(PressCommandButton(&page, QStringLiteral("Cmd_FileRead")));
  EXPECT_EQ(page.reads, 1);

  // A window disabled only through its owner (the main window during
  // start-up) still takes the press.
  QWidget owner;
  auto* inside = new PlainPage(true);
  inside->setParent(&owner);
  owner.setEnabled(false);
  EXPECT_TRUE(PressCommandButton(inside, QStringLiteral("Cmd_FileRead")));
  EXPECT_EQ(inside->reads, 1);
}

TEST_F(PageWindowTest, TheMenuDoesNotReachABusyPage) {
  MainWindow& w = Start({QStringLiteral("/C:")});
  PageWindow* schedule = w.LoadedPageWindow(QStringLiteral("yotei"));
  ASSERT_NE(schedule, nullptr);
  int reads = 0;
  QObject::connect(FindCommandButton(schedule, QStringLiteral("Cmd_FileRead")), &QAbstractButton::clicked, schedule,
                   [&reads] { ++reads; });
  BeginBusy(schedule);
  w.mnu_FileRead->trigger();
  EndBusy(schedule);
  EXPECT_EQ(reads, 0);
  w.mnu_FileRead->trigger();
  EXPECT_EQ(reads, 1);
}
