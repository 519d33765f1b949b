// The print-job protocol: pages, paper prompts and printer documents as the
// print dialog's check box sets them, cancel and preview.
#include <QDir>
#include <QFile>
#include <QWidget>

#include "PrintTestSupport.h"
#include "core/platform/FileDialog.h"
#include "core/platform/ScreenCursor.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/AppGlobals.h"

namespace {

class PrintJobTest : public PrintTest {
 protected:
  // The paper prompts belong to a printer with paper: a CUPS queue.
  void SetUp() override {
    PrintTest::SetUp();
    SetInstalledPrintersOverride(QStringList{"Laser"});
    SetCurrentPrinter(QStringLiteral("Laser"));
  }

  // The messages shown, each paper prompt as "prompt".
  QStringList toldWithPrompts() {
    QStringList shown = messages().texts();
    for (QString& text : shown)
      if (text.endsWith(QStringLiteral("ＯＫを押してください。"))) text = QStringLiteral("prompt");
    return shown;
  }

  // A double-sided job of `sheets` sheets as the page windows run it; page
  // texts "page N", a paper prompt between the sides and sheets.
  bool runJob(int sheets, bool drawText = true) {
    if (ShowPrintDialog() == PrintDialogResult::Cancelled) return false;
    SetPrinterScaleMode(kScaleMillimetres);
    const int pages = sheets * 2;
    for (int page = 1; page <= pages; ++page) {
      BeginPage();
      SetCurrentX(10);
      SetCurrentY(20);
      if (drawText) {
        ActiveSurface().print(QStringLiteral("page %1").arg(page), false);
        CurrentPrintJob().pageUsed = 1;
      } else {
        ActiveSurface().line(0, 0, 50, 50, 0);
      }
      FinishOutput();
      if (page < pages && !ConfirmPaperSet(int16_t(page % 2))) break;
    }
    EndPrintDocument();
    return true;
  }
};

TEST_F(PrintJobTest, EveryPageItsOwnDocumentWithPromptsByDefault) {
  ASSERT_TRUE(runJob(1));
  EXPECT_EQ(printer().protocol(), QStringLiteral("begin-doc end-doc begin-doc end-doc end-job"));
  EXPECT_EQ(printer().texts(), QStringList({"page 1", "page 2"}));
  ASSERT_EQ(messages().texts().size(), 1);
  EXPECT_EQ(messages().texts()[0],
            QStringLiteral("表面の印刷が終わるのを待ってください。\r\n\r\n用紙を裏面にセットして、\r\nＯＫを押してください。"));
  EXPECT_EQ(messages().shown()[0].buttons, platform::MsgButtons::OkCancel);
  EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::Information);
  EXPECT_EQ(CurrentPrintJob().previewMode, 0);
  EXPECT_EQ(printer().orientation(), kPortrait);
}

TEST_F(PrintJobTest, UncheckedBoxMakesOneDocumentWithoutPrompts) {
  answerDialog({1, false, std::nullopt});
  ASSERT_TRUE(runJob(2));
  EXPECT_EQ(CurrentPrintJob().confirmPrompts, 0);
  EXPECT_EQ(CurrentPrintJob().endDocPerPage, 0);
  EXPECT_EQ(printer().protocol(),
            QStringLiteral("begin-doc new-page new-page new-page end-doc end-job"));
  EXPECT_TRUE(messages().shown().empty());
}

TEST_F(PrintJobTest, DeclinedPromptStopsTheJobButEndsIt) {
  messages().answer(platform::MsgResult::Ok);      // turn to the back
  messages().answer(platform::MsgResult::Cancel);  // next sheet: stop
  ASSERT_TRUE(runJob(2));
  EXPECT_EQ(printer().texts(), QStringList({"page 1", "page 2"}));
  EXPECT_EQ(printer().protocol(), QStringLiteral("begin-doc end-doc begin-doc end-doc end-job"));
  ASSERT_EQ(messages().texts().size(), 2);
  EXPECT_TRUE(messages().texts()[1].startsWith(QStringLiteral("裏面の印刷が終了するのを待ってください。")));
}

TEST_F(PrintJobTest, CancelOrClosingTheDialogAbandonsTheJob) {
  for (int button : {0, -1}) {
    CurrentPrintJob().endDocPerPage = 1;
    answerDialog({button, false, std::nullopt});
    CurrentPrintJob().previewMode = 1;
    EXPECT_EQ(ShowPrintDialog(), PrintDialogResult::Cancelled);
    EXPECT_EQ(CurrentPrintJob().previewMode, 0);
    EXPECT_EQ(CurrentPrintJob().choice, PrintDialogResult::Cancelled);
    // The check box takes effect at once; only a button sets endDocPerPage.
    EXPECT_EQ(CurrentPrintJob().confirmPrompts, 0);
    EXPECT_EQ(CurrentPrintJob().endDocPerPage, button == 0 ? 0 : 1);
    CurrentPrintJob().confirmPrompts = 1;
  }
  EXPECT_EQ(printer().protocol(), QString());
}

TEST_F(PrintJobTest, PreviewShowsPagesWithTextOnly) {
  answerDialog({2, std::nullopt, std::nullopt});
  ASSERT_TRUE(runJob(1));
  EXPECT_EQ(CurrentPrintJob().previewMode, 1);  // stays until the next dialog
  EXPECT_EQ(previewPagesShown(), 2);
  EXPECT_EQ(preview().texts(), QStringList({"page 1", "page 2"}));
  EXPECT_EQ(printer().protocol(), QString());
  EXPECT_EQ(messages().texts().size(), 1);  // the prompt is asked in preview too

  answerDialog({2, std::nullopt, std::nullopt});
  ASSERT_TRUE(runJob(1, false));
  EXPECT_EQ(previewPagesShown(), 2);  // lines only: nothing shown
}

TEST_F(PrintJobTest, PageEndingAtTheOriginIsNotOverprinted) {
  answerDialog({1, false, std::nullopt});
  ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  for (int page = 0; page < 3; ++page) {
    BeginPage();
    ActiveSurface().line(50, 50, 0, 0, 0);  // leaves the position at (0, 0)
    EXPECT_FLOAT_EQ(GetCurrentX(), 0);
    FinishOutput();
  }
  EndPrintDocument();
  EXPECT_EQ(printer().protocol(), QStringLiteral("begin-doc new-page new-page end-doc end-job"));
}

TEST_F(PrintJobTest, BeginPageResetsPageStateAndClearsThePosition) {
  ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  CurrentPrintJob().pageUsed = 1;
  CurrentPrintJob().previewOutlineKind = 10;
  SetCurrentX(30);
  BeginPage();
  EXPECT_EQ(CurrentPrintJob().pageUsed, 0);
  EXPECT_EQ(CurrentPrintJob().previewOutlineKind, 1);
  EXPECT_FLOAT_EQ(GetCurrentX(), 0);
  EXPECT_TRUE(platform::HourglassShown());
  EndPrintDocument();
  EXPECT_TRUE(platform::HourglassShown());  // the page window restores it
  platform::SetDefaultCursor();
}

TEST_F(PrintJobTest, UnusablePrinterReportsOnceAndEndsTheJob) {
  printer().setUnusable(true);
  ASSERT_TRUE(runJob(2));
  ASSERT_EQ(messages().texts().size(), 1);
  EXPECT_TRUE(messages().texts()[0].contains(QStringLiteral("印刷を中止します。")));
  EXPECT_TRUE(printer().texts().isEmpty());
  EXPECT_EQ(printer().protocol(), QStringLiteral("end-job"));

  printer().setUnusable(false);  // the next job starts afresh
  messages().clear();
  answerDialog({1, false, std::nullopt});
  ASSERT_TRUE(runJob(1));
  EXPECT_EQ(printer().texts(), QStringList({"page 1", "page 2"}));
}

// A queue that went away after it was chosen must not send the sheets to
// some other printer: the job reports it and ends, like any unusable printer.
TEST_F(PrintJobTest, VanishedQueuePrintsNowhereElse) {
  useRealSurfaces();
  SetInstalledPrintersOverride(QStringList{"RingpadGoneQueue"}, false);
  answerDialog({1, true, QStringLiteral("RingpadGoneQueue")});
  ASSERT_TRUE(runJob(2));
  ASSERT_EQ(messages().texts().size(), 1);
  EXPECT_TRUE(messages().texts()[0].contains(QStringLiteral("プリンター「RingpadGoneQueue」が使用できません。")));
  EXPECT_TRUE(messages().texts()[0].contains(QStringLiteral("印刷を中止します。")));
  EXPECT_FALSE(PrinterSurfaceTarget().jobOutputOpen());
}

// A PDF file that cannot be written is reported by its name, and the job
// ends without leaving anything behind.
TEST_F(PrintJobTest, UnwritablePdfFileIsNamedInTheReport) {
  useRealSurfaces();
  ASSERT_TRUE(QDir().mkdir(QStringLiteral("folder.pdf")));
  const QString cases[] = {
      QDir::current().filePath(QStringLiteral("missing/job.pdf")),
      QDir::current().filePath(QStringLiteral("folder.pdf")),
  };
  for (const QString& file : cases) {
    SCOPED_TRACE(file.toStdString());
    messages().clear();
    platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(file); });
    answerDialog({1, true, QString(kPdfPrinterName)});
    const bool ran = runJob(1);
    platform::SetFileDialogHandler({});
    ASSERT_TRUE(ran);
    ASSERT_EQ(messages().texts().size(), 1);
    EXPECT_EQ(messages().texts()[0],
              QStringLiteral("ファイル「%1」に書き込めません。\r\n印刷を中止します。").arg(file));
    EXPECT_FALSE(PrinterSurfaceTarget().jobOutputOpen());
  }
  EXPECT_FALSE(QDir(QStringLiteral("missing")).exists());
  EXPECT_TRUE(QDir(QStringLiteral("folder.pdf")).isEmpty());

  // The PDF printer that failed serves the next job with a writable file.
  const QString good = QDir::current().filePath(QStringLiteral("good.pdf"));
  messages().clear();
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(good); });
  answerDialog({1, true, QString(kPdfPrinterName)});
  const bool ran = runJob(1);
  platform::SetFileDialogHandler({});
  ASSERT_TRUE(ran);
  EXPECT_TRUE(messages().texts().isEmpty());
  QFile written(good);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_TRUE(written.read(5) == "%PDF-");
}

// A queue takes every document; what CUPS then does with it is asked at
// once and told: a refused job stops there, a job a stopped queue holds is
// told once and goes on.
TEST_F(PrintJobTest, AQueueThatRefusesOrHoldsTheJobIsTold) {
  const QString refused = QStringLiteral("プリンター「Laser」が印刷を受け付けませんでした。\r\n印刷されていません。");
  const QString stopped =
      QStringLiteral("プリンター「Laser」は停止しています。\r\n印刷は、プリンターが再開されるまで待機します。");
  const QString prompt = QStringLiteral("prompt");
  struct Row {
    const char* what;
    QString printer;
    QueueState state;
    bool checkBox;
    QStringList messages;  // "prompt" for a paper prompt
    QStringList pages;
    QString protocol;
  } rows[] = {
      {"refused page by page: stops after the first",
       "Laser",
       QueueState::Refusing,
       true,
       {refused},
       {"page 1"},
       "begin-doc end-doc end-job"},
      {"refused as one document: told at the end",
       "Laser",
       QueueState::Refusing,
       false,
       {refused},
       {"page 1", "page 2", "page 3", "page 4"},
       "begin-doc new-page new-page new-page end-doc end-job"},
      {"held page by page: told once, the job goes on",
       "Laser",
       QueueState::Stopped,
       true,
       {stopped, prompt, prompt, prompt},
       {"page 1", "page 2", "page 3", "page 4"},
       "begin-doc end-doc begin-doc end-doc begin-doc end-doc begin-doc end-doc end-job"},
      {"held as one document",
       "Laser",
       QueueState::Stopped,
       false,
       {stopped},
       {"page 1", "page 2", "page 3", "page 4"},
       "begin-doc new-page new-page new-page end-doc end-job"},
      {"printing",
       "Laser",
       QueueState::Ready,
       true,
       {prompt, prompt, prompt},
       {"page 1", "page 2", "page 3", "page 4"},
       "begin-doc end-doc begin-doc end-doc begin-doc end-doc begin-doc end-doc end-job"},
      {"CUPS cannot be asked",
       "Laser",
       QueueState::Unknown,
       false,
       {},
       {"page 1", "page 2", "page 3", "page 4"},
       "begin-doc new-page new-page new-page end-doc end-job"},
      {"a PDF file is no queue",
       kPdfPrinterName,
       QueueState::Refusing,
       true,
       {},
       {"page 1", "page 2", "page 3", "page 4"},
       "begin-doc end-doc begin-doc end-doc begin-doc end-doc begin-doc end-doc end-job"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    messages().clear();
    printer().clearOps();
    SetQueueStateOverride({{r.printer, r.state}});
    answerDialog({1, r.checkBox, r.printer});
    ASSERT_TRUE(runJob(2));
    EXPECT_EQ(toldWithPrompts(), r.messages);
    EXPECT_EQ(printer().texts(), r.pages);
    EXPECT_EQ(printer().protocol(), r.protocol);
    if (!r.messages.isEmpty() && r.messages[0] != prompt) {
      EXPECT_EQ(messages().shown()[0].icon,
                r.state == QueueState::Refusing ? platform::MsgIcon::Exclamation : platform::MsgIcon::Information);
    }
  }
  // The next job on the stopped queue is told again.
  messages().clear();
  SetQueueStateOverride({{QStringLiteral("Laser"), QueueState::Stopped}});
  answerDialog({1, false, QStringLiteral("Laser")});
  ASSERT_TRUE(runJob(1));
  EXPECT_EQ(messages().texts(), QStringList{stopped});
}

// Each document must reach the queue as a job: CUPS is asked for the
// queue's jobs before the document begins and after it is handed over. The
// queue here counts the documents the printer ended as its jobs, unless it
// loses them, and answers that it is gone from a given question on.
TEST_F(PrintJobTest, ADocumentThatNeverBecameAJobOrAJobHeldBackIsTold) {
  const QString prompt = QStringLiteral("prompt");
  const QString stopsBefore = QStringLiteral("プリンター「Laser」が使用できません。\r\n印刷を中止します。");
  const QString lost = QStringLiteral(
      "プリンター「Laser」が使用できません。\r\n印刷データがプリンターに届いていません。印刷を中止します。");
  const QString held =
      QStringLiteral("プリンター「Laser」は印刷を保留しました。\r\n保留が解除されるまで印刷されません。");
  struct Row {
    const char* what;
    int goneFromQuestion;  // the question (from 1) from which on the queue is gone; 0 never
    bool losesJobs;
    bool holdsJobs;
    bool checkBox;
    QStringList messages;
    QStringList pages;
    QString protocol;
  } rows[] = {
      {"arrives", 0, false, false, true, {prompt}, {"page 1", "page 2"}, "begin-doc end-doc begin-doc end-doc end-job"},
      {"gone before the first page", 1, false, false, true, {stopsBefore}, {}, "end-job"},
      {"gone while the front was sent", 2, false, false, true, {lost}, {"page 1"}, "begin-doc end-doc end-job"},
      {"gone at the paper prompt: the back is told",
       3,
       false,
       false,
       true,
       {prompt, stopsBefore},
       {"page 1"},
       "begin-doc end-doc end-job"},
      {"the queue lists no new job", 0, true, false, true, {lost}, {"page 1"}, "begin-doc end-doc end-job"},
      {"one document that never arrived",
       0,
       true,
       false,
       false,
       {lost},
       {"page 1", "page 2"},
       "begin-doc new-page end-doc end-job"},
      {"held: told once, the job goes on",
       0,
       false,
       true,
       true,
       {held, prompt},
       {"page 1", "page 2"},
       "begin-doc end-doc begin-doc end-doc end-job"},
      {"held as one document",
       0,
       false,
       true,
       false,
       {held},
       {"page 1", "page 2"},
       "begin-doc new-page end-doc end-job"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    messages().clear();
    printer().clearOps();
    int questions = 0;
    SetQueueJobsOverride([&](const QString& queue) {
      QueueJobList list;
      if (queue != QStringLiteral("Laser")) return list;
      if (r.goneFromQuestion > 0 && ++questions >= r.goneFromQuestion) {
        list.answer = QueueJobList::Answer::NoSuchQueue;
        return list;
      }
      list.answer = QueueJobList::Answer::Listed;
      list.jobs.append(QueueJob{40, false});  // an older job, done
      const int ended = r.losesJobs ? 0 : int(printer().protocol().count(QStringLiteral("end-doc")));
      for (int n = 1; n <= ended; ++n) list.jobs.append(QueueJob{40 + n, r.holdsJobs});
      return list;
    });
    answerDialog({1, r.checkBox, QStringLiteral("Laser")});
    ASSERT_TRUE(runJob(1));
    EXPECT_EQ(toldWithPrompts(), r.messages);
    EXPECT_EQ(printer().texts(), r.pages);
    EXPECT_EQ(printer().protocol(), r.protocol);
    for (const platform::MessageRequest& box : messages().shown()) {
      if (box.text != held && !box.text.endsWith(QStringLiteral("ＯＫを押してください。"))) {
        EXPECT_EQ(box.icon, platform::MsgIcon::Exclamation) << box.text.toStdString();
      }
    }
  }
}

TEST_F(PrintJobTest, PaperPromptTexts) {
  const QString tail = QStringLiteral("\r\nＯＫを押してください。");
  EXPECT_EQ(PaperSetMessage(0),
            QStringLiteral("裏面の印刷が終了するのを待ってください。\r\n\r\n新しい用紙を表面にセットして、") + tail);
  EXPECT_EQ(PaperSetMessage(2), QStringLiteral("印刷が終わるのを待ってください。\r\n\r\n用紙をセットして、") + tail);
  EXPECT_TRUE(PaperSetMessage(3).isEmpty());

  EXPECT_FALSE(ConfirmPaperSet(3));
  EXPECT_TRUE(messages().shown().empty());
  messages().answer(platform::MsgResult::Cancel);
  EXPECT_FALSE(ConfirmPaperSet(1));
  EXPECT_TRUE(ConfirmPaperSet(2));
  CurrentPrintJob().confirmPrompts = 0;
  EXPECT_TRUE(ConfirmPaperSet(0));
  CurrentPrintJob().confirmPrompts = 2;  // only 1 asks
  EXPECT_TRUE(ConfirmPaperSet(0));
  EXPECT_EQ(messages().shown().size(), 2u);
}

TEST_F(PrintJobTest, BusyDisablesTheWindowAndShowsTheHourglass) {
  QWidget window;
  BeginBusy(&window);
  EXPECT_FALSE(window.isEnabled());
  EXPECT_TRUE(platform::HourglassShown());
  EndBusy(&window);
  EXPECT_TRUE(window.isEnabled());
  EXPECT_FALSE(platform::HourglassShown());
}

}  // namespace
