#include "ScheduleCsvExport.h"

#include "EntryKind.h"
#include "ScheduleLine.h"
#include "core/platform/TextLines.h"

QString ScheduleCsvHeader() { return QStringLiteral("日付,種類,内容"); }

QStringList ScheduleCsvExport(const QStringList& scheduleLines) {
  QStringList csv{ScheduleCsvHeader()};
  csv.reserve(scheduleLines.size() + 1);
  for (const QString& text : scheduleLines) {
    const ScheduleLine line(text);
    if (line.kind() == EntryKind::Holiday || text.trimmed().isEmpty()) continue;
    // A line shorter than its columns (written by another tool) still
    // becomes a row of three fields, with what it has.
    QString date = line.dateField();
    date.replace(u' ', u'*');
    csv.append(date + u',' + line.kind() + u',' + line.text());
  }
  return csv;
}

QByteArray WriteScheduleCsvFile(const QStringList& scheduleLines) {
  return platform::JoinLinesCrLf(ScheduleCsvExport(scheduleLines));
}
