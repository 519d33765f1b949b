#include "ShownLineCheck.h"

#include "core/settings/DataFileRewrite.h"

bool MonthListIsCurrent(const QList<MonthListRow>& shown, const QStringList& fileLines,
                        const QString& yearText, const QString& monthText, const MonthListOptions& options) {
  const QList<MonthListRow> current = BuildMonthList(fileLines, yearText, monthText, options);
  if (current.size() != shown.size()) return false;
  for (qsizetype i = 0; i < current.size(); ++i)
    if (current[i].text != shown[i].text || current[i].lineNumber != shown[i].lineNumber) return false;
  return true;
}

bool ShownLineIsIntact(const QStringList& fileLines, int lineNumber, const QString& shownLine) {
  return lineNumber >= 1 && lineNumber <= fileLines.size() && fileLines.at(lineNumber - 1) == shownLine;
}

QString StaleListMessage() { return StaleListMessage(QStringLiteral("予定ファイル")); }
