// A print job in a program that installed no windows or no printing system,
// and a scripted print dialog answer taken as the user's clicks.
#include <QWidget>

#include "PrintTestSupport.h"
#include "QtPrint.h"
#include "core/platform/ScreenCursor.h"
#include "core/print/PrintDialogModel.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/printer/QtPrinterSystem.h"

namespace {

// The job's windows as a program without widgets has them: none.
class NoPrintWindowsTest : public PrintTest {
 protected:
  void SetUp() override {
    PrintTest::SetUp();
    saved_ = InstalledPrintWindows();
    InstallPrintWindows({});
  }
  void TearDown() override {
    InstallPrintWindows(saved_);
    PrintTest::TearDown();
  }

 private:
  PrintWindows saved_;
};

TEST_F(NoPrintWindowsTest, TheDialogAnswersCancelledAndAPreviewPageShowsNowhere) {
  SetPrintDialogHandler({});
  CurrentPrintJob().choice = PrintDialogResult::Print;
  EXPECT_EQ(ShowPrintDialog(), PrintDialogResult::Cancelled);
  EXPECT_EQ(CurrentPrintJob().previewMode, 0);

  SetPreviewPageHandler({});
  CurrentPrintJob().previewMode = 1;
  BeginPage();
  PreviewPicture().print(QStringLiteral("見本"), false);
  CurrentPrintJob().pageUsed = 1;
  FinishOutput();  // returns at once: there is no window to wait for
  EndPrintDocument();
  EXPECT_EQ(preview().texts(), QStringList{QStringLiteral("見本")});
}

TEST_F(NoPrintWindowsTest, ABusyWindowOnlyChangesTheCursor) {
  QWidget window;
  BeginBusy(&window);
  EXPECT_TRUE(window.isEnabled());
  EXPECT_TRUE(platform::HourglassShown());
  EndBusy(&window);
  EXPECT_FALSE(platform::HourglassShown());
}

TEST_F(NoPrintWindowsTest, InstalledWindowsWrapEveryDialogOfTheJobScriptedOrNot) {
  QStringList steps;
  PrintWindows windows;
  windows.modalStep = [&steps](const std::function<void()>& step) {
    steps << QStringLiteral("enter");
    step();
    steps << QStringLiteral("leave");
  };
  windows.printDialog = [&steps] {
    steps << QStringLiteral("dialog");
    PrintDialogButtonPressed(1, true);
  };
  InstallPrintWindows(windows);
  answerDialog({2});
  EXPECT_EQ(ShowPrintDialog(), PrintDialogResult::Preview);
  EXPECT_EQ(steps, QStringList({"enter", "leave"}));
  EXPECT_EQ(dialogsShown().size(), 1u);
  SetPrintDialogHandler({});
  steps.clear();
  EXPECT_EQ(ShowPrintDialog(), PrintDialogResult::Print);
  EXPECT_EQ(steps, QStringList({"enter", "dialog", "leave"}));
}

// The printer as a program without print support has it.
class NoPrinterSystemTest : public PrintTest {
 protected:
  void SetUp() override {
    PrintTest::SetUp();
    InstallPrinterSystem({});
    useRealSurfaces();
  }
  void TearDown() override {
    InstallQtPrinterSystem();
    PrintTest::TearDown();
  }
};

TEST_F(NoPrinterSystemTest, OnlyThePdfPrinterIsListedAndAJobOnItSaysItCannotPrint) {
  EXPECT_EQ(InstalledPrinterNames(), QStringList{kPdfPrinterName});
  EXPECT_EQ(DefaultPrinterName(), kPdfPrinterName);
  EXPECT_EQ(QueueDefaultPageSize(QStringLiteral("Laser")).id(), QPageSize::A4);
  SetCurrentPrinter(DefaultPrinterName());
  answerDialog({1});
  ASSERT_EQ(ShowPrintDialog(), PrintDialogResult::Print);
  BeginPage();
  SetCurrentX(10);
  EXPECT_FALSE(ConfirmPaperSet(0));
  EndPrintDocument();
  EXPECT_EQ(messages().texts(), QStringList{QStringLiteral("プリンターが使用できません。\r\n印刷を中止します。")});
}

// What a scripted answer does to the job, click by click.
TEST_F(PrintTest, AScriptedAnswerActsAsTheUsersClicks) {
  struct Case {
    const char* name;
    PrintDialogAnswer answer;
    PrintDialogResult choice;
    int16_t confirmPrompts;
    int16_t endDocPerPage;
    const char* printer;
  };
  const Case cases[] = {
      {"print as shown", {1}, PrintDialogResult::Print, 1, 1, "Laser"},
      {"preview, box cleared", {2, false}, PrintDialogResult::Preview, 0, 0, "Laser"},
      {"closed: the box still counts",
       {-1, false, QStringLiteral("Inkjet")},
       PrintDialogResult::Cancelled,
       0,
       7,
       "Inkjet"},
      {"a printer not listed", {0, std::nullopt, QStringLiteral("Gone")}, PrintDialogResult::Cancelled, 1, 1, "Laser"},
      {"the none-found entry", {1, true, kNoPrinterFoundEntry}, PrintDialogResult::Print, 1, 1, "Laser"},
  };
  SetInstalledPrintersOverride(QStringList{"Laser", "Inkjet"});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetCurrentPrinter(QStringLiteral("Laser"));
    CurrentPrintJob().confirmPrompts = 1;
    CurrentPrintJob().endDocPerPage = 7;
    const PrintDialogView shown = PrintDialogContents();
    PrintDialogOpened();
    ApplyPrintDialogAnswer(shown, c.answer);
    EXPECT_EQ(CurrentPrintJob().choice, c.choice);
    EXPECT_EQ(CurrentPrintJob().confirmPrompts, c.confirmPrompts);
    EXPECT_EQ(CurrentPrintJob().endDocPerPage, c.endDocPerPage);
    EXPECT_EQ(CurrentPrinterName(), QString::fromUtf8(c.printer));
  }
}

}  // namespace
