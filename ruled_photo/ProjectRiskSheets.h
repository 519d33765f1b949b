#pragma once
// The project record (with an optional cover grid beside the page) and the
// risk record.

struct RuledPaperOptions;

void DrawProjectSheet(const RuledPaperOptions& o, double left, double right);
void DrawRiskSheet(const RuledPaperOptions& o, double left, double right);
