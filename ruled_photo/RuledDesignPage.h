#pragma once
// One page of a design: the drawer of the design with the arguments that the
// print job hands it.
struct RuledJobState;
struct RuledPaperOptions;

// Draws the design's page between left and right (mm).
void DrawRuledDesignPage(int design, RuledPaperOptions& o, double left, double right, RuledJobState& job);
