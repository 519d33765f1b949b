// A new user's first month calendar: start the program, open 予定, pick
// 月間予定 格子型 on its fronts only, March 2009 and one sheet, press 印刷 and
// choose the preview or the PDF printer.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "PdfReadBack.h"
#include "SchedulePrintKit.h"
#include "app/RegisterPages.h"
#include "core/platform/ProgramExit.h"
#include "core/platform/Shell.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/Ini.h"
#include "core/ui/MainWindow.h"
#include "core/ui/ShowSettingsForm.h"
#include "schedule/windows/ScheduleWindow.h"

namespace {

class NewUserPrintTest : public SchedulePrintTest {
 protected:
  void SetUp() override {
    SchedulePrintTest::SetUp();
    RegisterAllPages();
    platform::SetEndProgramHandler([](int) {});
    SetSettingsFormHandler([](SettingsForm&) {});
    platform::SetShellHandler([](const platform::ShellAction&) {});
    QFile::remove(SettingsFilePath());  // a first start
  }
  void TearDown() override {
    main_.reset();
    platform::SetEndProgramHandler({});
    SetSettingsFormHandler({});
    platform::SetShellHandler({});
    SchedulePrintTest::TearDown();
  }

  // The schedule window as the user leaves it before pressing 印刷.
  ScheduleWindow& openAndChoose() {
    main_ = std::make_unique<MainWindow>(StartupArgs{home() + QStringLiteral("ringpad"), {}});
    main_->MDIForm_Load();
    main_->findChild<QAction*>(QStringLiteral("mnu_frmCalender"))->trigger();
    auto* schedule = qobject_cast<ScheduleWindow*>(main_->ActivePageWindow());
    EXPECT_NE(schedule, nullptr);
    schedule->Cmb_Type->setCurrentRow(5);
    schedule->Cmb_men->setCurrentIndex(2);
    EXPECT_EQ(schedule->Cmb_men->currentText(), QStringLiteral("表面のみ"));
    schedule->Cmb_Nen->setCurrentText(QStringLiteral("2009"));
    schedule->Cmb_Tuki->setCurrentText(QStringLiteral("03"));
    schedule->Txt_maisu->setText(QStringLiteral("1"));
    return *schedule;
  }

  std::unique_ptr<MainWindow> main_;
};

TEST_F(NewUserPrintTest, PreviewShowsOnePage) {
  ScheduleWindow& schedule = openAndChoose();
  previewNext();
  const size_t before = shownMessages().size();
  schedule.Cmd_print->click();
  EXPECT_EQ(previewPagesShown(), 1);
  EXPECT_EQ(shownMessages().size(), before);
  EXPECT_TRUE(schedule.isEnabled());
}

TEST_F(NewUserPrintTest, PdfPrinterWritesOnePage) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  ScheduleWindow& schedule = openAndChoose();
  const QString pdf = usePdfPrinter(QStringLiteral("schedprint-new-user"));
  schedule.Cmd_print->click();
  EXPECT_EQ(PdfPageCount(pdf), 1);
  EXPECT_EQ(FindWord(PdfWords(pdf), QStringLiteral("平成21年3月")).page, 1);
}

TEST_F(NewUserPrintTest, ScheduleFileGoneAfterLoadingIsNamedAndPagesStillPrint) {
  ScheduleWindow& schedule = openAndChoose();
  const QString file = homeFile(QStringLiteral("diduvuv.txt"));
  ASSERT_TRUE(QFile::exists(file));
  for (bool folder : {false, true}) {
    SCOPED_TRACE(folder);
    QFile::remove(file);
    if (folder) QDir().mkpath(file);
    previewNext();
    const int pagesBefore = previewPagesShown();
    const size_t before = shownMessages().size();
    schedule.Cmd_print->click();
    ASSERT_EQ(shownMessages().size(), before + 1);
    EXPECT_TRUE(shownMessages().back().text.contains(QStringLiteral("diduvuv.txt")));
    EXPECT_EQ(previewPagesShown(), pagesBefore + 1);
  }
}

}  // namespace
