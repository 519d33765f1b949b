// "プリンタの設定" through its seam.
#include <QWidget>

#include "FormsTestSupport.h"
#include "core/platform/FileDialog.h"
#include "core/print/PrinterInfo.h"
#include "core/printer/PrinterSurface.h"
#include "core/ui/PrinterSetup.h"

namespace {

class PrinterSetupTest : public FormsTest {
 protected:
  void TearDown() override {
    SetPrinterSetupHandler({});
    platform::SetFileDialogHandler({});
    FormsTest::TearDown();
  }
};

TEST_F(PrinterSetupTest, TheHandlersAnswerIsReturned) {
  std::vector<QWidget*> owners;
  QWidget owner;
  SetPrinterSetupHandler([&](QWidget* w, PrinterSetupChoice&) -> int16_t {
    owners.push_back(w);
    return 1;
  });
  EXPECT_EQ(ShowPrinterSetup(&owner), 1);
  SetPrinterSetupHandler([&](QWidget* w, PrinterSetupChoice&) -> int16_t {
    owners.push_back(w);
    return 0;
  });
  EXPECT_EQ(ShowPrinterSetup(&owner), 0);
  EXPECT_EQ(owners, (std::vector<QWidget*>{&owner, &owner}));
}

TEST_F(PrinterSetupTest, APrinterDocumentInProgressEndsBeforeTheDialog) {
  PaperSettings.PrintMargin = 3;
  const QString pdf = homeFile("setup.pdf");
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  SetCurrentPrinter(kPdfPrinterName);
  ThePrinter().followCurrentPrinter();
  ThePrinter().beginPage();
  ASSERT_TRUE(ThePrinter().documentOpen());
  bool openWhileShown = true;
  SetPrinterSetupHandler([&](QWidget*, PrinterSetupChoice&) -> int16_t {
    openWhileShown = ThePrinter().documentOpen();
    return 1;
  });
  ShowPrinterSetup(nullptr);
  EXPECT_FALSE(openWhileShown);
  EXPECT_FALSE(ThePrinter().documentOpen());
  ThePrinter().endJob();
}

}  // namespace
