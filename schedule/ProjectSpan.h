#pragma once
// The span of a project line (kinds 予定 and 実績): the text is "～", the
// number of weeks in two digits, "週:" and the label, and the span starts on
// the line's date.
#include <QDate>
#include <QString>

#include "ScheduleLine.h"

struct ProjectSpan {
  bool actual = false;  // 実績 rather than 予定
  QDate start;
  int weeks = 0;
  QString label;

  // The last day of the span (start + weeks * 7 - 1).
  QDate end() const { return start.addDays(qint64(weeks) * 7 - 1); }

  // Reads a project line; false for any other line, for a line without the
  // "～nn週:" form and for one whose date is not a valid date.
  static bool Parse(const ScheduleLine& line, ProjectSpan& span);
  // The text of a project line: "～", weeks in two digits, "週:", label.
  static QString Text(int weeks, const QString& label);
};
