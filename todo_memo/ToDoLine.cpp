#include "ToDoLine.h"

namespace todo {

namespace {
const QString kImportanceCycle = QStringLiteral(" DCBA ");

// Replaces the character at a position, appending blanks when a short line
// has none there yet, so that a one-character line still gets its mark.
QString WithCharAt(QString line, qsizetype pos, QChar c) {
  while (line.size() <= pos) line.append(u' ');
  line[pos] = c;
  return line;
}
}  // namespace

QString DateText(const QDate& date) {
  return QStringLiteral("%1/%2/%3")
      .arg(date.year(), 4, 10, QLatin1Char('0'))
      .arg(date.month(), 2, 10, QLatin1Char('0'))
      .arg(date.day(), 2, 10, QLatin1Char('0'));
}

bool IsBlank(QChar c) { return c == u' ' || c == kLevelBlank; }

QString NewLine(const QString& statusMarkCycle, const QString& text, const QDate& today) {
  QString item = text;
  if (item.isEmpty() || !IsBlank(item.at(0))) item.prepend(kLevelBlank);
  return statusMarkCycle.left(1) + u' ' + item + kTab + DateText(today);
}

QString UpdatedLine(const QString& line, const QString& text, const QString& date) {
  return line.left(2) + text + kTab + date;
}

QString ItemPart(const QString& line) { return line.mid(2); }

ShownItem ShowLine(const QString& line, const QDate& today) {
  const QString item = ItemPart(line);
  const qsizetype tab = item.indexOf(kTab);
  if (tab < 0) return {item, DateText(today)};
  const qsizetype second = item.indexOf(kTab, tab + 1);
  return {item.left(tab), second < 0 ? item.mid(tab + 1) : item.mid(tab + 1, second - tab - 1)};
}

QString WithNextStatusMark(const QString& line, const QString& statusMarkCycle) {
  if (statusMarkCycle.isEmpty()) return line;
  const qsizetype at = line.isEmpty() ? -1 : statusMarkCycle.indexOf(line.at(0));
  const QChar next = at < 0 || at + 1 >= statusMarkCycle.size() ? statusMarkCycle.at(0) : statusMarkCycle.at(at + 1);
  return WithCharAt(line, 0, next);
}

QString WithNextImportance(const QString& line) {
  // A line too short to hold a letter has none.
  const qsizetype at = line.size() < 2 ? 0 : kImportanceCycle.indexOf(line.at(1));
  const QChar next = at < 0 ? u' ' : kImportanceCycle.at(at + 1);
  return WithCharAt(line, 1, next);
}

QString WithLevelLess(const QString& line) {
  if (line.size() < 3 || !IsBlank(line.at(2))) return line;
  QString out = line;
  out.remove(2, 1);
  return out;
}

QString WithLevelMore(const QString& line) {
  QString out = line;
  while (out.size() < 2) out.append(u' ');
  out.insert(2, kLevelBlank);
  return out;
}

}  // namespace todo
