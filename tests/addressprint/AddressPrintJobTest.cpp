// The address print job as the window hands it over, run without a window.
#include "AddressPrintFixture.h"
#include "address/AddressPrintCode.h"
#include "address/AddressPrintJob.h"
#include "address/AddressPrintPlan.h"

namespace {

TEST_F(PhoneBookPrint, JobDrawsItsDesignAndEndsTheDocument) {
  AddressPrintJob job;
  job.design = QStringLiteral("横罫 携+自+会+FAX(3行)");
  job.category = QStringLiteral("全て");
  ASSERT_TRUE(PlanAddressPrint(AddressPrintCode(job.designIndex, job.sideIndex, 0)));
  SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{}; });
  ASSERT_EQ(ShowPrintDialog(), PrintDialogResult::Print);
  PrintAddressJob(job, Lines({QStringLiteral("ｱ,c,阿部,,090-1"), QStringLiteral("ｲ,c,井上,,090-2")}));
  const QStringList texts = Texts();
  EXPECT_TRUE(texts.contains(QStringLiteral("阿部 ")));
  EXPECT_TRUE(texts.contains(QStringLiteral("井上 ")));
  EXPECT_EQ(printer().protocol(), QStringLiteral("begin-doc end-doc end-job"));
  EXPECT_TRUE(messages().texts().isEmpty());
}

TEST_F(PhoneBookPrint, JobOfASideNotPrintedYetDrawsNothingAndSaysSo) {
  AddressPrintJob job;
  job.design = QStringLiteral("記入用紙(白紙)");
  job.designIndex = 13;
  job.sideIndex = 1;
  ASSERT_FALSE(PlanAddressPrint(AddressPrintCode(job.designIndex, job.sideIndex, 0)));
  SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{}; });
  ASSERT_EQ(ShowPrintDialog(), PrintDialogResult::Print);
  PrintAddressJob(job, Lines({}));
  EXPECT_FALSE(printer().protocol().contains(QStringLiteral("begin-doc")));
  EXPECT_TRUE(printer().texts().isEmpty());
  EXPECT_EQ(messages().texts(), QStringList{QStringLiteral("まだ印刷できません、要望があったら作ります(^^;")});
}

}  // namespace
