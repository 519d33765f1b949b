#pragma once
// Puts every test seam of the program back to the real thing: the scripted
// dialogs and message boxes, the recorded shell and program end, the printer
// and screen overrides, the installed drawing surfaces, the fault and cancel
// hooks and the fixed clock. RingpadTest's TearDown calls it, so a test that
// forgets to undo a seam cannot change the next test's outcome.
//
// A new seam (a Set...Handler, Set...Override, Set...Hook or
// Install...Surface function) belongs here too; SeamResetTest checks that.
void ResetAllTestSeams();
