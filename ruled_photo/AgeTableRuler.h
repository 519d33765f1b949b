#pragma once
// The age table of the last hundred years and the printer-matched ruler.

struct RuledPaperOptions;

// year is the table's newest year.
void DrawAgeTable(const RuledPaperOptions& o, int year, double left, double right);
void DrawRulerPage(const RuledPaperOptions& o, double left, double right);
