// The list behind ResetAllTestSeams: each seam's reset is listed once, however
// often the seam is set, and runs at every reset in the order listed.
#include <gtest/gtest.h>

#include <string>

#include "TestSeams.h"
#include "core/platform/TestSeamRegistry.h"

namespace {

std::string& SeamRegistryRuns() {
  static std::string runs;
  return runs;
}

// A setter as seams write it: it registers its reset, which calls it again.
void SetRegistryTestSeamA(bool set) {
  platform::RegisterSeamReset([] { SetRegistryTestSeamA(false); });
  if (!set) SeamRegistryRuns() += 'a';
}
void SetRegistryTestSeamB() {
  platform::RegisterSeamReset([] { SeamRegistryRuns() += 'b'; });
}

TEST(SeamRegistry, EachResetRunsOnceAReset) {
  SetRegistryTestSeamA(true);
  SetRegistryTestSeamB();
  SetRegistryTestSeamA(true);
  SetRegistryTestSeamB();
  SeamRegistryRuns().clear();
  ResetAllTestSeams();
  EXPECT_EQ(SeamRegistryRuns(), "ab");
  // A reset set its seam again: still listed once, and it runs next time.
  ResetAllTestSeams();
  EXPECT_EQ(SeamRegistryRuns(), "abab");
}

}  // namespace
