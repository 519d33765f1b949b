#include "GanttFile.h"

#include <QStringList>

#include "core/platform/CodePageChecks.h"
#include "core/platform/Codec.h"
#include "core/platform/TextLines.h"
#include "core/text/CsvLine.h"
#include "core/text/Numbers.h"
#include "core/text/OptionLine.h"
#include "core/text/StringHelpers.h"

namespace {

// Non-negative numbers carry a blank where a minus sign would stand, so that
// the columns of the file line up and existing files compare byte for byte.
QString SignedNumber(int value) {
  return value < 0 ? QString::number(value) : QStringLiteral(" ") + QString::number(value);
}
}  // namespace

QString GanttFileHeader() {
  return QStringLiteral("項目,開始予定,終了予定,予想工数,担当,優先,TYPE,開始実績,終了実績,実績工数,要否,,成果物,備考");
}

QString GanttFileText(const GanttChartData& c) {
  QString out;
  out += QStringLiteral("@TITLE=") + c.title + kCrLf;
  out += QStringLiteral("@UPDATE=") + TrimBlanks(c.makeDate) + kCrLf;
  out += QStringLiteral("@NAME=") + TrimBlanks(c.name) + kCrLf;
  out += QStringLiteral("@GANT_SPAN=") + SignedNumber(c.span) + kCrLf;
  out += QStringLiteral("@GANT_BOX=") + SignedNumber(c.box) + kCrLf;
  out += QStringLiteral("@GANT_SORT=") + SignedNumber(c.sort) + kCrLf;
  out += QStringLiteral("@GANT_BIKO=") + QString::number(c.biko) + kCrLf;
  out += QStringLiteral("@GANT_JISSEKI=") + QString::number(c.jisseki) + kCrLf;
  out += QStringLiteral("@GANT_AUTOCOLOR=") + QString::number(c.autoColor) + kCrLf;
  out += QStringLiteral("@GANT_CELLHEIGHT=") + QString::number(c.cellHeight) + kCrLf;
  out += QStringLiteral("@CSV=") + kCrLf;
  out += GanttFileHeader() + kCrLf;
  out += c.data;
  if (!c.data.endsWith(kCrLf)) out += kCrLf;
  if (!c.remarks.isEmpty()) {
    QStringList parts;
    SplitText(kSplitTextLines, c.remarks, parts);
    for (int i = 1; i < parts.size(); ++i) {
      if (i > 1) out += kCrLf;
      out += QStringLiteral("@BIKO=") + parts[i];
    }
  }
  out += kCrLf;
  return out;
}

QByteArray WriteGanttFile(const GanttChartData& chart) { return platform::ToSjis(GanttFileText(chart)); }

GanttFileContent ReadGanttFile(const QByteArray& bytes) {
  GanttFileContent c;
  QStringList raw = platform::DecodeTextLines(bytes);
  // The writer always ends with a CR LF of its own; after an empty remark
  // text that makes an empty last line which is not part of the chart.
  if (!raw.isEmpty() && raw.last().isEmpty()) raw.removeLast();
  QStringList data;
  QStringList remarks;
  const QString header = GanttFileHeader();
  for (const QString& line : raw) {
    QString key, param, value;
    // Keys count only as written by the program; "@title=" is a task line.
    ParseParamItem(line, key, param, value);
    if (key == QLatin1String("TITLE")) c.title = value;
    else if (key == QLatin1String("UPDATE")) c.makeDate = value;
    else if (key == QLatin1String("NAME")) c.name = value;
    else if (key == QLatin1String("CSV")) continue;
    else if (key == QLatin1String("GANT_SPAN")) c.span = ParseNumber(value);
    else if (key == QLatin1String("GANT_BOX")) c.box = ParseNumber(value);
    else if (key == QLatin1String("GANT_SORT")) c.sort = ParseNumber(value);
    else if (key == QLatin1String("GANT_CELLHEIGHT")) c.cellHeight = ParseNumber(value);
    else if (key == QLatin1String("GANT_BIKO")) c.biko = ParseNumber(value);
    else if (key == QLatin1String("GANT_JISSEKI")) c.jisseki = ParseNumber(value);
    else if (key == QLatin1String("GANT_AUTOCOLOR")) c.autoColor = ParseNumber(value);
    else if (key == QLatin1String("BIKO")) remarks << value;
    else if (line != header) data << line;
  }
  c.data = data.join(kCrLf);
  c.remarks = remarks.join(kCrLf);
  return c;
}
