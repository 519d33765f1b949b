// The schedule window tests' helpers, built here with this program's own
// fixture folder.
#include "tests/schedwin/ScheduleWindowTest.cpp"
