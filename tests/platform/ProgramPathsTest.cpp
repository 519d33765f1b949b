#include <gtest/gtest.h>

#include "core/platform/ProgramPaths.h"

namespace {

// The name keys the settings file, so only a Windows ".exe" may be cut off:
// a version in the name must survive an upgrade.
TEST(ExecutableBaseName, CutsOnlyAFinalExe) {
  struct Row { const char* argv0; const char* name; } rows[] = {
      {"/usr/bin/ringpad", "ringpad"},
      {"/opt/ringpad/ringpad-3.16.01", "ringpad-3.16.01"},
      {"RINGPAD.EXE", "RINGPAD"},
      {"/home/u/dozir.exe", "dozir"},
      {"./ringpad.exe.bak", "ringpad.exe.bak"},
      {"/usr/local/bin/my.planner", "my.planner"},
      {".exe", ".exe"},
  };
  for (const Row& r : rows)
    EXPECT_EQ(platform::ExecutableBaseName(QString::fromUtf8(r.argv0)), QString::fromUtf8(r.name)) << r.argv0;
}

}  // namespace
