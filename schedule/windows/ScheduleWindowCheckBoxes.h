#pragma once
// The check boxes of the schedule window in the order of their panels, with
// the settings key each one keeps: one table that the layout builds the
// boxes from and the option handlers find their key in.
#include <vector>

class QCheckBox;
class ScheduleWindow;

struct CheckBoxControl {
  const char* name;     // the box's objectName
  const char* caption;
  const char* key;      // nullptr for a box that is not saved
  int panel;            // 0 entry input, 1 print options
  QCheckBox*& (*box)(ScheduleWindow&);
  void (*handler)(ScheduleWindow&);
};

const std::vector<CheckBoxControl>& ScheduleCheckBoxes();
// The entry of a box or of a key; nullptr when there is none.
const CheckBoxControl* FindCheckBox(ScheduleWindow& window, const QCheckBox* box);
const CheckBoxControl* FindCheckBoxOfKey(const char* key);
