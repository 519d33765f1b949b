// Every layout of the memo print job, at two organiser sizes and in the
// four-fold size, printed with and without the paper prompts and previewed:
// the drawing of each is kept (see GoldenDrawing.h).
#include "GoldenDrawing.h"
#include "TestEnvironment.h"
#include "core/print/PrintJob.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "todo_memo/MemoPrintJob.h"

namespace {

class MemoPrintGoldenTest : public RingpadTest {};

const QString kMemoGoldenLayouts[] = {
    QStringLiteral("表裏交互"),   QStringLiteral("裏表交互"), QStringLiteral("Ａ４両面"), QStringLiteral("表(奇数頁)"),
    QStringLiteral("裏(偶数頁)"), QStringLiteral("表面"),     QStringLiteral("裏面"),     QStringLiteral("A4表に2枚"),
    QStringLiteral("A4に2折り"),  QStringLiteral("４折り")};

TEST_F(MemoPrintGoldenTest, EveryLayoutDrawsAsKept) {
  SetProgramPaths(home() + QStringLiteral("ringpad"));
  WriteDefaultSettings();
  GoldenManifest manifest(QStringLiteral("memo_print"));
  QStringList body;
  for (int i = 1; i <= 70; ++i)
    body << (i % 20 == 1 ? QStringLiteral("[見出し%1").arg(i) : QStringLiteral("line%1 メモの本文").arg(i, 3, 10, QLatin1Char('0')));
  for (const int paper : {0, 6, 15}) {
    for (int layout = 0; layout < 10; ++layout) {
      for (const bool turned : {false, true}) {
        if (turned && paper != 0) continue;  // the turned lines draw alike at every size
        CheckGoldenModes(manifest, QStringLiteral("size%1/layout%2/%3").arg(paper).arg(layout).arg(turned ? "turned" : "upright"), [&] {
          LoadPaperSettings(paper);
          MemoPageOptions options;
          options.title = QStringLiteral("memo");
          options.body = body.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
          options.linesPerPage = 30;
          options.subtitleMarks = QStringLiteral("[");
          options.turned = turned;
          options.dateInFooter = true;
          options.pageInFooter = true;
          if (ShowPrintDialog() != PrintDialogResult::Cancelled)
            RunMemoPrintJob(options, layout, kMemoGoldenLayouts[layout], 1);
        });
      }
    }
  }
  manifest.finish();
}

}  // namespace
