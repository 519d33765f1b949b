#include "TestSeamRegistry.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace platform {

namespace {
struct SeamResetList {
  std::mutex lock;
  std::vector<SeamReset> resets;
};

SeamResetList& seamResetList() {
  static SeamResetList list;
  return list;
}
}  // namespace

void RegisterSeamReset(SeamReset reset) {
  if (!reset) return;
  SeamResetList& list = seamResetList();
  std::lock_guard guard(list.lock);
  if (std::find(list.resets.begin(), list.resets.end(), reset) == list.resets.end()) list.resets.push_back(reset);
}

void ResetRegisteredSeams() {
  // A reset calls its setter, which registers again: run a copy, unlocked.
  std::vector<SeamReset> resets;
  {
    SeamResetList& list = seamResetList();
    std::lock_guard guard(list.lock);
    resets = list.resets;
  }
  for (SeamReset reset : resets) reset();
}

}  // namespace platform
