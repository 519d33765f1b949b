// Every design code of the schedule window's print drivers, drawn through the
// print button at two organiser sizes and in the four-fold size, printed with
// and without the paper prompts and previewed: the drawing of each is kept
// (see GoldenDrawing.h) so that a change to the drivers that alters one page
// shows.
#include "GoldenDrawing.h"
#include "SchedulePrintKit.h"
#include "core/settings/PaperSettings.h"
#include "schedule_print/SchedulePrintButton.h"

namespace {

// The codes the normal sizes print: year and month calendars and lists,
// weekly pages, daily pages and diaries, the large calendars.
const std::vector<int16_t> kSchedGoldenNormalCodes = {
    1,   2,   3,   4,   11,  21,  22,  23,  24,  25,  31,  41,  42,  43,  44,  45,  46,  51,  52,  53,  54,
    55,  61,  62,  63,  71,  72,  73,  81,  82,  83,  91,  92,  93,  101, 102, 103, 104, 111, 112, 113,
    121, 122, 123, 124, 125, 126, 127, 131, 132, 133, 141, 142, 143, 144, 151, 152, 153, 154, 161, 162,
    163, 164, 171, 172, 173, 181, 182, 191, 192, 201, 202, 203, 204, 211, 212, 213, 214, 221, 231, 232,
    241, 242, 243, 244, 251, 252, 253, 261};

// The codes of the four-fold sizes: the four-up sheets and the large calendars.
const std::vector<int16_t> kSchedGoldenFourFoldCodes = {1,   21,  51,  61,  71,  81,  91,  121, 131,
                                                        211, 212, 241, 251, 252, 253, 261};

class SchedulePrintGoldenTest : public SchedulePrintTest {};

TEST_F(SchedulePrintGoldenTest, EveryDesignCodeDrawsAsKept) {
  GoldenManifest manifest(QStringLiteral("schedule_print"));
  const struct {
    int paper;
    const std::vector<int16_t>* codes;
  } sizes[] = {{0, &kSchedGoldenNormalCodes}, {6, &kSchedGoldenNormalCodes}, {15, &kSchedGoldenFourFoldCodes}};
  for (const auto& size : sizes) {
    for (const int16_t code : *size.codes) {
      CheckGoldenModes(manifest, QStringLiteral("size%1/code%2").arg(size.paper).arg(code), [&] {
        LoadPaperSettings(size.paper);
        FakeScheduleSource fresh;
        fresh.options.DiaryYears = 3;
        fresh.lines = {QStringLiteral("2009/03/03 予定 □電話"), QStringLiteral("2009/03/04 時刻 10:00 会議"),
                       QStringLiteral("2009/03/10 予定 買い物"), QStringLiteral("2009/04/01 予定 入社式")};
        fresh.choose(code / 10, code % 10 - 1, kMonday, QStringLiteral("2"));
        Cmd_print_Click(fresh);
      });
    }
  }
  manifest.finish();
}

}  // namespace
