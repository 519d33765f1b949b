#pragma once
// The screen's mouse pointer as one setting (hourglass or default), not a
// stack: setting the hourglass twice needs one reset, so that a busy command
// that ends early can never leave the hourglass behind.
namespace platform {

void SetHourglassCursor();
void SetDefaultCursor();
bool HourglassShown();

}  // namespace platform
