#include "FileDialogFilter.h"

namespace platform {

QList<FileFilterEntry> ParseFileFilter(const QString& filter) {
  QList<FileFilterEntry> entries;
  const QStringList parts = filter.split(QLatin1Char('|'));
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    // Two "|" in a row end the list, as the double NUL did.
    if (parts[i].isEmpty() || parts[i + 1].isEmpty()) break;
    FileFilterEntry entry;
    entry.description = parts[i];
    for (const QString& p : parts[i + 1].split(QLatin1Char(';'))) {
      const QString pattern = p.trimmed();
      if (!pattern.isEmpty()) entry.patterns.append(pattern);
    }
    if (!entry.patterns.isEmpty()) entries.append(entry);
  }
  return entries;
}

QString QtNameFilter(const FileFilterEntry& entry) {
  QString description = entry.description.trimmed();
  // A description that already shows its patterns, "テキスト (*.doc;*.txt)",
  // loses them here: Qt reads the patterns from the last parentheses and
  // expects them separated by blanks.
  const qsizetype open = description.lastIndexOf(QLatin1Char('('));
  if (description.endsWith(QLatin1Char(')')) && open >= 0) {
    const QString inside = description.mid(open);
    if (inside.contains(QLatin1Char('*')) || inside.contains(QLatin1Char('?')))
      description = description.left(open).trimmed();
  }
  QStringList patterns;
  for (const QString& p : entry.patterns)
    patterns.append(p == QLatin1String("*.*") ? QStringLiteral("*") : p);
  if (description.isEmpty()) description = patterns.join(QLatin1Char(' '));
  return description + QLatin1String(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QStringList QtNameFilters(const QString& filter) {
  QStringList out;
  for (const FileFilterEntry& e : ParseFileFilter(filter)) out.append(QtNameFilter(e));
  return out;
}

}  // namespace platform
