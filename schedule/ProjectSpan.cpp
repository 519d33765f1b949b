#include "ProjectSpan.h"

#include "core/text/Numbers.h"

namespace {

// Code page 932 decodes 0x8160 as U+FF5E; text typed on Linux may carry the
// wave dash U+301C for the same mark.
bool IsWave(const QString& c) { return c == QStringLiteral("～") || c == QStringLiteral("〜"); }

}  // namespace

bool ProjectSpan::Parse(const ScheduleLine& line, ProjectSpan& span) {
  const EntryKindClass cls = line.kindClass();
  if (cls != EntryKindClass::Plan && cls != EntryKindClass::Actual) return false;
  if (!IsWave(line.columns(15, 1)) || line.columns(18, 2) != QStringLiteral("週:")) return false;
  const QDate start(line.yearNumber(), line.monthNumber(), line.dayNumber());
  if (!start.isValid() || line.yearNumber() == 0) return false;
  span.actual = cls == EntryKindClass::Actual;
  span.start = start;
  span.weeks = ParseInt16(line.columns(16, 2));
  span.label = line.columns(20, line.line().size());
  return true;
}

QString ProjectSpan::Text(int weeks, const QString& label) {
  return QStringLiteral("～%1週:").arg(weeks, 2, 10, QLatin1Char('0')) + label;
}
