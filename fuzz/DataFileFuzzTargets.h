#pragma once
// Harness bodies for the files a user can be handed and open in a window:
// the table, Gantt chart, tree chart and card files and a photo's side file
// (see FuzzTargets.h for how harnesses and the replay tests share them).
// Each reads the bytes as its window does, writes what it read and reads
// that again: no input may crash, hang or leak on the way, and what a reader
// gives back keeps the shape its window relies on.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

#include "charts/GanttFile.h"
#include "charts/TreeFile.h"
#include "core/platform/CodePageChecks.h"
#include "ruled_photo/PhotoSidecar.h"
#include "tables_cards/CardFile.h"
#include "tables_cards/CardPrint.h"
#include "tables_cards/TableFile.h"
#include "tables_cards/TableOptions.h"
#include "tables_cards/TableTemplates.h"

namespace fuzz {

inline QByteArray FileBytes(const uint8_t* data, size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

inline bool HasLineEnd(const QString& text) { return text.contains(u'\r') || text.contains(u'\n'); }

inline bool TableFile(const uint8_t* data, size_t size) {
  const TableOptions options = ReadTableFile(FileBytes(data, size), TableOptions(), QString(), false);
  if (HasLineEnd(options.title) || HasLineEnd(options.heading)) return false;
  const TableOptions again = ReadTableFile(WriteTableFile(options), TableOptions(), QString(), false);
  return !HasLineEnd(again.title);
}

inline bool GanttFile(const uint8_t* data, size_t size) {
  const GanttFileContent read = ReadGanttFile(FileBytes(data, size));
  for (const std::optional<QString>* text : {&read.title, &read.makeDate, &read.name})
    if (*text && HasLineEnd(**text)) return false;
  GanttChartData chart;
  chart.title = read.title.value_or(QString());
  chart.makeDate = read.makeDate.value_or(QString());
  chart.name = read.name.value_or(QString());
  chart.data = read.data;
  chart.remarks = read.remarks;
  const GanttFileContent again = ReadGanttFile(WriteGanttFile(chart));
  return !again.title || !HasLineEnd(*again.title);
}

inline bool TreeFile(const uint8_t* data, size_t size) {
  const TreeDocument doc = ReadTreeFile(FileBytes(data, size));
  if (HasLineEnd(doc.title)) return false;
  if (!doc.items.isEmpty() && !doc.items.endsWith(QStringLiteral("\r\n"))) return false;
  const TreeDocument again = ReadTreeFile(WriteTreeFile(doc));
  return !HasLineEnd(again.title);
}

inline bool CardLayout(const uint8_t* data, size_t size) {
  const QByteArray content = FileBytes(data, size);
  const CardHead head = ReadCardFile(content);
  if (HasLineEnd(head.header) || int(head.columns.size()) > kCardListLimit) return false;
  QStringList headLines = {QStringLiteral("@TITLE=") + head.title};
  for (const CardColumn& column : head.columns) {
    if (column.headerIndex < 1) return false;
    (void)CardPositionColour(column.position);
    if (const auto at = ParseCardPosition(column.position))
      headLines << QStringLiteral("@TABLE_ITEM_XY(") + column.name + QStringLiteral(")=") +
                       FormatCardPosition(at->x, at->y);
  }
  CardJob job;
  job.Load(content, head.columns);
  if (job.places.size() != size_t(job.columnNames.size())) return false;
  const QByteArray stored = WriteCardFile(content, headLines + head.extraLines);
  // A code page 932 file whose only bytes that are not UTF-8 stood in its
  // head reads as UTF-8 once the head is rewritten: the rule that tells the
  // encodings apart sees the records alone. Such a file keeps its bytes but
  // is another file's text, so its records are not compared.
  if (platform::ClassifyTextBytes(stored) != platform::ClassifyTextBytes(content)) return true;
  // Rewriting the head keeps every record.
  CardJob again;
  again.Load(stored, ReadCardFile(stored).columns);
  return again.records.size() == job.records.size();
}

inline bool PhotoSideFile(const uint8_t* data, size_t size) {
  const PhotoSidecar read = ReadPhotoSidecar(FileBytes(data, size));
  // -1 is a list's "nothing chosen"; the picture-only flag is 0 or 1.
  auto within = [](int index, int count) { return index == PhotoSidecar::kUnchanged || (index >= -1 && index < count); };
  if (!within(read.fit, kPhotoFitCount) || !within(read.scale, kPhotoScaleCount) ||
      !within(read.anchor, kPhotoAnchorCount) ||
      !(read.pictureOnly == PhotoSidecar::kUnchanged || read.pictureOnly == 0 || read.pictureOnly == 1))
    return false;
  if (HasLineEnd(read.title)) return false;
  const PhotoSidecar again = ReadPhotoSidecar(
      WritePhotoSidecar(read));
  return again.hasTitle;
}

}  // namespace fuzz
