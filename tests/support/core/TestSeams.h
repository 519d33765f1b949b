#pragma once
// Puts every test seam the program links back to the real thing: the scripted
// dialogs and message boxes, the recorded shell and program end, the printer
// and screen overrides, the installed drawing surfaces, the fault and cancel
// hooks, the fixed clock and the notices given once per run. RingpadTest's
// TearDown calls it, so a test that forgets to undo a seam cannot change the
// next test's outcome.
//
// Each seam registers its own reset the first time it is set
// (core/platform/TestSeamRegistry.h), so a test program resets the seams of
// the libraries it links and links no other library for it. A new seam (a
// Set...Handler, Set...Override, Set...Hook or Install...Surface function)
// registers its reset too, and gets a row in the seam reset test.
void ResetAllTestSeams();
