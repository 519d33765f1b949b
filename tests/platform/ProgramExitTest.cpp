// The work held for the program's end: it runs before the end itself, the
// oldest first (start-up's settings before the instance lock is let go of),
// each piece once, and none whose holder has gone.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "TestSeams.h"
#include "core/platform/ProgramExit.h"

namespace {

TEST(ProgramExit, HeldWorkRunsOnceOldestFirstBeforeTheEnd) {
  std::string runs;
  platform::SetEndProgramHandler([&](int code) { runs += "end" + std::to_string(code); });
  {
    platform::WorkBeforeEnd settings([&] { runs += "settings,"; });
    std::optional<platform::WorkBeforeEnd> gone(std::in_place, [&] { runs += "gone,"; });
    platform::WorkBeforeEnd lock([&] { runs += "lock,"; });
    gone.reset();
    platform::EndProgram(3);
    EXPECT_EQ(runs, "settings,lock,end3");
    runs.clear();
    platform::EndProgram(0);
    EXPECT_EQ(runs, "end0") << "work that has run is not run again";
  }
  runs.clear();
  platform::EndProgram(0);
  EXPECT_EQ(runs, "end0");
  ResetAllTestSeams();
}

}  // namespace
