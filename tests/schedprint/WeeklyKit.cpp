#include "WeeklyKit.h"

#include <cmath>

#include "core/settings/PaperSettings.h"

QString DatedEntry(const QDate& day) { return day.toString(QStringLiteral("'W'MMdd")); }

QStringList DatedEntryLines(const QDate& first, const QDate& last) {
  QStringList lines;
  for (QDate d = first; d <= last; d = d.addDays(1))
    lines << d.toString(QStringLiteral("yyyy/MM/dd")) + QStringLiteral(" 予定 ") + DatedEntry(d);
  return lines;
}

std::vector<DrawnWeekPage> DrawnWeekPages(const std::vector<RecordedOp>& sideOps) {
  std::vector<DrawnWeekPage> pages;
  DrawnWeekPage current;
  const double foot = PaperSettings.FootHeight;
  // The fitting routine prints an entry a character at a time.
  QString entry;
  double entryY = 0;
  for (const RecordedOp& op : sideOps) {
    if (op.kind == RecordedOp::Text) {
      if (op.text == QStringLiteral("W")) {
        entry = op.text;
        entryY = op.y1;
      } else if (!entry.isEmpty() && std::abs(op.y1 - entryY) < 1e-6 && op.text.size() == 1 && op.text[0].isDigit()) {
        entry += op.text;
        if (entry.size() == 5) {
          current.entries << entry;
          entry.clear();
        }
      } else {
        entry.clear();
      }
    }
    if (op.kind == RecordedOp::Line && std::abs(op.y1 - foot) < 1e-6 && std::abs(op.y2 - foot) < 1e-6 &&
        op.x2 - op.x1 > 20) {
      current.x1 = op.x1;
      current.x2 = op.x2;
      pages.push_back(current);
      current = {};
    }
  }
  return pages;
}
