// The memo window's print button: blank boxes, the start page and the job.
#include <QDir>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "TestEnvironment.h"
#include "core/print/PrintSeams.h"
#include "core/print/SurfaceRecorder.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "todo_memo/windows/MemoWindow.h"

TEST_F(RingpadTest, MemoPrintButton) {
  SetProgramPaths(home() + QStringLiteral("ringpad"));
  QDir().mkpath(BackupFolder);
  WriteDefaultSettings();
  LoadPaperSettings(0);
  CurrentPrintJob().confirmPrompts = 0;
  SurfaceRecorder recorder;
  int dialogs = 0;
  SetPrintDialogHandler([&](const PrintDialogView&) { ++dialogs; return PrintDialogAnswer{1, false, std::nullopt}; });
  MemoWindow w;
  w.Form_Load();
  w.Text1->clear();
  w.Text2->clear();
  w.Cmd_print_Click();
  EXPECT_EQ(messages().texts().last(), QStringLiteral("題と内容を入力してください"));
  EXPECT_EQ(dialogs, 0);

  w.Text1->setText(QStringLiteral("title only"));
  w.txt_start->setText(QStringLiteral("abc"));
  w.Cmb_men->setCurrentIndex(5);  // 表面
  w.Cmd_print_Click();
  EXPECT_EQ(w.txt_start->text(), QStringLiteral("1"));
  EXPECT_TRUE(recorder.printer.texts().contains(QStringLiteral(" title only")));
  EXPECT_TRUE(recorder.printer.protocol().endsWith(QStringLiteral("end-job")));
  EXPECT_TRUE(w.isEnabled());
  SetPrintDialogHandler({});
  CurrentPrintJob().confirmPrompts = 1;
}
