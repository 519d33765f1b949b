#pragma once
// The frame, titled header and footer that every design prints around its
// content; the designs whose content is still to come print just this.

struct RuledPaperOptions;

void DrawPlainPage(const RuledPaperOptions& o, double left, double right);
