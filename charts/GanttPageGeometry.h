#pragma once
// Where the parts of a Gantt page lie. The chart lies sideways: x grows from
// the title down through the task rows, y runs along the time axis from
// the period's start (yL) towards its end (yR).
#include <QDate>

struct GanttPageOptions;

struct GanttPageGeometry {
  double left = 0, right = 0;
  double h = 0;   // one half-width character of the body font
  double f = 0;   // one full-width character
  double xT = 0;  // top of the heading band
  double xH = 0;  // top of the first task row
  double xB = 0;  // bottom of the task rows
  double yO = 0;  // item column | owner column
  double yL = 0;  // owner column | time area: the period's start
  double yR = 0;  // time area | remarks column: the period's end
  double D = 1;   // the period in days
  QDate PeriodStart;

  // A date stands for the start of its day.
  double y(const QDate& d) const;
};

GanttPageGeometry MakeGanttPageGeometry(const GanttPageOptions& o, double left, double right);
