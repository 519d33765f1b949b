#include "EntryPlacement.h"

namespace {
constexpr qsizetype kDateFieldLength = 10;
}

int PlacementAnchor(const QList<int>& rowNumbers, int selectedRow) {
  if (selectedRow >= rowNumbers.size() - 1) return 0;
  return rowNumbers.at(selectedRow < 0 ? 0 : selectedRow + 1);
}

QStringList WithoutLine(const QStringList& lines, int lineNumber) {
  QStringList kept = lines;
  if (lineNumber >= 1 && lineNumber <= kept.size()) kept.removeAt(lineNumber - 1);
  return kept;
}

QStringList WithLineInserted(const QStringList& lines, const QString& newLine, int anchor) {
  const QString date = newLine.left(kDateFieldLength);
  QStringList result;
  result.reserve(lines.size() + 1);
  bool written = false;
  int n = 0;
  for (const QString& line : lines) {
    ++n;
    if (!written) {
      const QString lineDate = line.left(kDateFieldLength);
      const bool goesHere = lineDate == date ? n == anchor : lineDate > date;
      if (goesHere) {
        result << newLine;
        written = true;
      }
    }
    result << line;
  }
  if (!written) result << newLine;
  return result;
}
