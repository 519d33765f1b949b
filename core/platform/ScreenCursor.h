#pragma once
// The screen's mouse pointer as one setting (hourglass or default), the way
// the original platform has it: setting the hourglass twice needs one reset.
namespace platform {

void SetHourglassCursor();
void SetDefaultCursor();
bool HourglassShown();

}  // namespace platform
