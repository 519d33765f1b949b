#pragma once
// The tree window's built-in examples, one per entry of its sample list.
#include <QString>

struct TreeSample {
  QString title;
  QString items;    // every line ends with CR LF
  QString remarks;
  int boxLayout = 0;
  int levelColours = -1;  // -1: left as it is
  int thinLines = -1;
};

// Sample 1 (contact chain), 2 (organisation chart) or 3 (program structure).
TreeSample TreeSampleOf(int index);
