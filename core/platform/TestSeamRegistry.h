#pragma once
// One list of the resets of every test seam (a Set...Handler, Set...Override,
// Set...Hook, Install...Surface or fixed clock) and of the notices given once
// per run, kept in the lowest library so that a test program can put back all
// the seams it links without naming those of libraries it does not link.
//
// A seam's setter registers its reset the first time it is called:
//
//   void SetFoo(FooHandler h) {
//     platform::RegisterSeamReset([] { SetFoo({}); });
//     ...
//   }
//
// A seam never set has nothing to put back. Wiring the program installs once
// at start-up (not a seam a test replaces) registers nothing.
namespace platform {

using SeamReset = void (*)();

// Adds the reset to the list; a reset already listed is not added again.
void RegisterSeamReset(SeamReset reset);

// Runs every reset registered so far, in the order they were registered.
void ResetRegisteredSeams();

}  // namespace platform
