#pragma once
// The screen's mouse pointer as one setting (hourglass or default), not a
// stack: setting the hourglass twice needs one reset, so that a busy command
// that ends early can never leave the hourglass behind. Without a window
// system (a program of the model libraries alone) there is no pointer: the
// calls do nothing and HourglassShown is false.
namespace platform {

void SetHourglassCursor();
void SetDefaultCursor();
bool HourglassShown();

}  // namespace platform
