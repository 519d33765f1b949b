#pragma once
// The backing sheet under an organiser page: the pattern of BackingSheetStyle
// painted in BackingSheetColor. Page renderers call it first on every page, so
// that header, footer and content lie on top of it.
//
// BackingSheetStyle, in the order of the settings form's list:
//   0 nothing, 1 solid fill, 2 lattice of thick bands, 3 frame of 7 mm bars
//   round the body, 4 one decoration picture on the footer line
//   (DrawDecorationImage), anything else nothing.

// left and right are the x (mm) of the page's left and right edges on the
// sheet; several pages on one sheet each get their own call.
void DrawPageFrame(double left, double right);
