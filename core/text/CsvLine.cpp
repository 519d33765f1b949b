#include "CsvLine.h"

#include <limits>

QStringList SplitCsvFields(const QString& line, int maxFields) {
  QStringList fields;
  if (maxFields == 0) return fields;
  const qsizetype limit = maxFields < 0 ? std::numeric_limits<qsizetype>::max() : maxFields;
  const qsizetype n = line.size();
  QString field;
  bool inQuotes = false;
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = line.at(i);
    if (c == u',' || c == u'\t') {
      if (inQuotes) {
        field += c;
        continue;
      }
      fields.append(field);
      field.clear();
      if (fields.size() >= limit) return fields;
    } else if (c == u'"') {
      if (!inQuotes) {
        // Blanks between a separator and an opening quote are not data.
        qsizetype lead = 0;
        while (lead < field.size() && field.at(lead) == u' ') ++lead;
        field.remove(0, lead);
        inQuotes = true;
      } else if (i == n - 1) {
        inQuotes = false;
      } else if (line.at(i + 1) == u'"') {
        field += u'"';
        ++i;
      } else {
        inQuotes = false;
        while (i + 1 < n && line.at(i + 1) == u' ') ++i;
      }
    } else if (c.unicode() < 9) {
      // Control codes 0 to 8 never reach a field.
    } else {
      // A run of plain characters is taken at once: address books of a
      // hundred thousand lines are split on every print.
      qsizetype end = i + 1;
      while (end < n) {
        const QChar d = line.at(end);
        if (d == u',' || d == u'\t' || d == u'"' || d.unicode() < 9) break;
        ++end;
      }
      field.append(line.constData() + i, end - i);
      i = end - 1;
    }
  }
  fields.append(field);
  return fields;
}

int16_t SplitCsvLineCount(const QString& line, CsvFieldArray& fields) {
  fields.clear();
  const QStringList found = SplitCsvFields(line, fields.upperBound());
  for (qsizetype i = 0; i < found.size(); ++i) fields.set(static_cast<int>(i + 1), found.at(i));
  return static_cast<int16_t>(std::min<qsizetype>(found.size(), std::numeric_limits<int16_t>::max()));
}

void SplitCsvLine(const QString& line, CsvFieldArray& fields) { SplitCsvLineCount(line, fields); }

void SplitText(int16_t mode, const QString& text, QStringList& parts) {
  parts = QStringList{QString()};
  if (mode == kSplitTextLines)
    parts += text.split(QStringLiteral("\r\n"));
  else if (mode == kSplitTextCsvFields)
    parts += SplitCsvFields(text);
}
