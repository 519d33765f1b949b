#include "TestSeams.h"

#include "core/platform/TestSeamRegistry.h"

void ResetAllTestSeams() { platform::ResetRegisteredSeams(); }
