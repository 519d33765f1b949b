#pragma once
// What every test of a program with windows starts from, besides RingpadTest's
// own set-up: the search dialog closes at once unless the test scripts it, so
// that no command ever waits on a real modal dialog.
void UseUiTestDefaults();
