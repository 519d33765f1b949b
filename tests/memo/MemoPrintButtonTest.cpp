// The memo window's print button: blank boxes, the start page and the job.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "TestEnvironment.h"
#include "core/print/PrintSeams.h"
#include "core/print/SurfaceRecorder.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "todo_memo/windows/MemoWindow.h"

namespace {
// A program folder with the default settings, printing without the paper
// prompts.
void PrepareMemoPrinting(const QString& home) {
  SetProgramPaths(home + QStringLiteral("ringpad"));
  QDir().mkpath(BackupFolder);
  WriteDefaultSettings();
  LoadPaperSettings(0);
  CurrentPrintJob().confirmPrompts = 0;
}
}  // namespace

TEST_F(RingpadTest, MemoPrintButton) {
  PrepareMemoPrinting(home());
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

// The automatic reflow shapes the printed page only: the body box keeps its
// lines and its final line break, the undo stays as it was, and the memo
// counts as unchanged.
TEST_F(RingpadTest, MemoPrintReflowsThePageNotTheBox) {
  PrepareMemoPrinting(home());
  SurfaceRecorder recorder;
  SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{1, false, std::nullopt}; });
  MemoWindow w;
  w.Form_Load();
  ASSERT_TRUE(w.Chk_Auto->isChecked());
  ASSERT_FALSE(w.MemoChangeTest());
  const QString sample = w.Text2->toPlainText();
  ASSERT_TRUE(sample.endsWith(u'\n'));
  w.Cmb_men->setCurrentIndex(5);  // 表面
  w.Cmd_print_Click();
  EXPECT_EQ(w.Text2->toPlainText(), sample);
  EXPECT_FALSE(w.MemoChangeTest());
  EXPECT_FALSE(w.Cmd_undo->isEnabled());

  // A line longer than the page is printed in pieces that fit.
  const QString longLine = QString(w.CharsPerLine, u'あ');
  w.Text2->setPlainText(longLine + u'\n');
  recorder.printer.clearOps();
  w.Cmd_print_Click();
  EXPECT_EQ(w.Text2->toPlainText(), longLine + u'\n');
  const QStringList printed = recorder.printer.texts();
  EXPECT_FALSE(printed.contains(longLine));
  EXPECT_TRUE(printed.contains(QString(w.CharsPerLine / 2, u'あ')));
  SetPrintDialogHandler({});
  CurrentPrintJob().confirmPrompts = 1;
}
