#pragma once
// The built-in example charts of the title list.
#include <QString>

struct GanttSample {
  QString text;      // task text, every line ending with CR LF
  int autoColor = 0; // 色自動
  int box = 0;       // bar style
};

// Sample for title-list index 2 to 5; an empty text for any other index.
GanttSample GanttSampleFor(int index);
