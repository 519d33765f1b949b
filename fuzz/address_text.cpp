#include <cstdlib>

#include "fuzz/AddressFuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!fuzz::AddressText(data, size)) abort();
  return 0;
}
