#include "GanttColumns.h"

#include <QStringList>

#include "core/text/CsvLine.h"
#include "core/text/StringHelpers.h"
#include "core/dates/Calendar.h"

void MapGanttColumns(const QString& header, GanttColumnMap& map) {
  map = GanttColumnMap{};
  QStringList parts;
  SplitText(kSplitTextCsvFields, header, parts);
  for (int i = 1; i < parts.size(); ++i) {
    const QString f = TrimBlanks(parts[i]);
    const auto has = [&f](const char16_t* word) { return f.contains(QString::fromUtf16(word)); };
    if (has(u"担当")) map.OwnerColumn = static_cast<int16_t>(i);
    if (has(u"備考")) map.RemarksColumn = static_cast<int16_t>(i);
    if (f == QStringLiteral("タイプ") || f == QStringLiteral("色")) map.TypeColumn = static_cast<int16_t>(i);
    if (has(u"開始") && has(u"予定")) map.StartColumn[0] = static_cast<int16_t>(i);
    if (has(u"予定") && has(u"終了")) map.EndColumn[0] = static_cast<int16_t>(i);
    if (has(u"開始") && has(u"実績")) map.StartColumn[1] = static_cast<int16_t>(i);
    if (has(u"実績") && has(u"終了")) map.EndColumn[1] = static_cast<int16_t>(i);
    if (f == QStringLiteral("％") || f == QStringLiteral("%") || has(u"進捗")) map.ProgressColumn = static_cast<float>(i);
  }
}

int16_t GetIndentLevel(const QString& line) {
  int n = 0;
  while (n < line.size() && line[n] == QLatin1Char(' ')) ++n;
  return static_cast<int16_t>(qMin(n, 32767));
}

QDate MonthStart(const QDate& day) { return FirstDayOfMonth(day); }

QDate NextMonthStart(const QDate& day) { return FirstDayOfNextMonth(day); }

QDate GanttDate(const QString& field) {
  const QString t = TrimBlanks(field);
  if (t.isEmpty()) return {};
  return DateFromText(t);
}

bool HoldsGanttDate(const QString& field) { return GanttDate(field).isValid(); }

bool IsMilestoneMark(QChar c) {
  return c == QChar(0x25BD) || c == QChar(0x25BC) || c == QChar(0x25B3) || c == QChar(0x25B2);
}
bool IsHiddenTaskMark(QChar c) { return c == QChar(0xFF0A) || c == QLatin1Char('*'); }
bool IsSameRowMark(QChar c) { return c == QChar(0xFF0B) || c == QLatin1Char('+'); }

QChar GanttFirstChar(const QString& line) {
  const QString t = TrimBlanks(line);
  return t.isEmpty() ? QChar() : t[0];
}
