#pragma once
// The task-row pass of a Gantt page: bars, marks, texts and row rules of the
// lines that belong to the page, then the empty rows to the body's end.
#include <QStringList>
#include <cstdint>
#include <vector>

#include "GanttPageGeometry.h"

struct GanttPageOptions;

// A task line is read as at most this many fields on the page.
constexpr int kGanttPageFields = 256;

void DrawGanttTaskRows(const GanttPageOptions& o, int16_t page, const std::vector<int16_t>& LinePage,
                       const QStringList& lines, const GanttPageGeometry& g);
