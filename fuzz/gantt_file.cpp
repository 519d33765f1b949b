#include <cstdlib>

#include "fuzz/DataFileFuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!fuzz::GanttFile(data, size)) abort();
  return 0;
}
