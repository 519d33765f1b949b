#include "ScheduleCsvExport.h"

#include "EntryKind.h"
#include "ScheduleLine.h"

namespace {
// Columns 1 to 14: the date field, a separator, the kind, a separator.
constexpr int kTextColumn = 15;
}  // namespace

QString ScheduleCsvHeader() { return QStringLiteral("日付,種類,内容"); }

QStringList ScheduleCsvExport(const QStringList& scheduleLines) {
  QStringList csv{ScheduleCsvHeader()};
  csv.reserve(scheduleLines.size() + 1);
  for (const QString& text : scheduleLines) {
    const ScheduleLine line(text);
    if (line.kind() == EntryKind::Holiday) continue;
    if (text.size() < kTextColumn - 1) {
      csv.append(text);
      continue;
    }
    QString date = line.dateField();
    date.replace(u' ', u'*');
    csv.append(date + u',' + line.kind() + u',' + line.text());
  }
  return csv;
}
