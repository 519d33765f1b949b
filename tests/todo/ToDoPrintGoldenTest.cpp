// Every side mode of the to-do print job, at two organiser sizes and in the
// four-fold size, printed with and without the paper prompts and previewed:
// the drawing of each is kept (see GoldenDrawing.h).
#include "GoldenDrawing.h"
#include "TestEnvironment.h"
#include "core/print/PrintJob.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "todo_memo/ToDoPrintJob.h"

namespace {

class ToDoPrintGoldenTest : public RingpadTest {};

const QString kToDoGoldenSideModes[] = {QStringLiteral("表裏交互"), QStringLiteral("裏表交互"), QStringLiteral("表のみ"),
                                        QStringLiteral("裏のみ"),   QStringLiteral("Ａ４両面"), QStringLiteral("２折り"),
                                        QStringLiteral("超整理")};

TEST_F(ToDoPrintGoldenTest, EverySideModeDrawsAsKept) {
  SetProgramPaths(home() + QStringLiteral("ringpad"));
  WriteDefaultSettings();
  GoldenManifest manifest(QStringLiteral("todo_print"));
  struct Variant {
    const char* name;
    int16_t hourScale;
    bool byLevel;
    bool printDone;
  };
  const Variant variants[] = {{"plain", 0, false, true}, {"hours-levels", 3, true, false}};
  for (const int paper : {0, 6, 15}) {
    for (int side = 0; side < 7; ++side) {
      for (const Variant& v : variants) {
        if (v.hourScale != 0 && paper != 0) continue;  // the options draw alike at every size
        CheckGoldenModes(manifest, QStringLiteral("size%1/side%2/%3").arg(paper).arg(side).arg(v.name), [&] {
          LoadPaperSettings(paper);
          ToDoPageOptions options;
          options.RowsText = QStringLiteral("7");
          options.DoneMark = u'■';
          options.FileTitle = QStringLiteral("VIDAZU.TXT");
          options.HourScaleKind = v.hourScale;
          options.ByLevel = v.byLevel;
          options.PrintDone = v.printDone;
          for (int i = 1; i <= 16; ++i)
            options.items << (i % 5 == 1 ? QStringLiteral("■ 仕事%1").arg(i) : QStringLiteral("□ 　item%1").arg(i));
          if (ShowPrintDialog() != PrintDialogResult::Cancelled)
            RunToDoPrintJob(options, side, kToDoGoldenSideModes[side]);
        });
      }
    }
  }
  manifest.finish();
}

}  // namespace
