#pragma once
// The Gantt chart's own file: option lines for the title and the stored
// print options, a fixed header row, the task text and one "@BIKO=" line per
// remark line, in code page 932 with CR LF line ends.
#include <QByteArray>
#include <QString>
#include <optional>

// The header row the writer puts before the task text; the reader drops
// every line equal to it, wherever it stands.
QString GanttFileHeader();

struct GanttChartData {
  QString title;
  QString makeDate;
  QString name;
  int span = 0;
  int box = 0;
  int sort = 0;
  int biko = 0;
  int jisseki = 1;
  int autoColor = 0;
  int cellHeight = 0;
  QString data;     // task text, CR LF between lines
  QString remarks;  // remark text, CR LF between lines
};

// The file's text, lines ended with CR LF, and the same as code page 932 bytes.
QString GanttFileText(const GanttChartData& chart);
QByteArray WriteGanttFile(const GanttChartData& chart);

// What a file holds; options absent from the file stay unset, so that the
// window keeps their current state.
struct GanttFileContent {
  std::optional<QString> title;
  std::optional<QString> makeDate;
  std::optional<QString> name;
  std::optional<double> span, box, sort, cellHeight;
  std::optional<double> biko, jisseki, autoColor;
  QString data;
  QString remarks;
};

// Reads the bytes of a file. Task lines and remark values are joined with
// CR LF between them, and the empty last line that the writer's final CR LF
// makes is not a line, so that writing what was read gives the same bytes.
GanttFileContent ReadGanttFile(const QByteArray& bytes);
