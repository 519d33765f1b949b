#pragma once
// The drawing state that the printer and the preview picture both carry.
#include <QString>
#include <cstdint>

// Scale modes of a surface: coordinates in millimetres or in device pixels.
constexpr int16_t kScaleMillimetres = 6;
constexpr int16_t kScalePixels = 3;

// How a sheet lies: the values SetPrinterOrientation takes and the surfaces
// and plans keep (0 in a plan: the sheet stays as the job found it).
enum SheetOrientation : int16_t {
  kPortrait = 1,
  kLandscape = 2,
};

// Line-style codes of DrawStyle.
enum DrawStyleCode : int16_t {
  kDrawSolid = 0,
  kDrawDash = 1,
  kDrawDot = 2,
  kDrawDashDot = 3,
  kDrawDashDotDot = 4,
  kDrawInvisible = 5,
  kDrawInsideSolid = 6,
  // Evenly spaced round dots, laid out by DotPitchMm and DotSizeMm: a ruled
  // line of hundreds of dots stays one line for the printer and the PDF.
  kDrawDotted = 7,
};

// Colours are 32-bit RGB values with red in the low byte (0x00BBGGRR).
struct SurfaceState {
  float CurrentX = 0;  // in the current scale units
  float CurrentY = 0;
  QString FontName = QStringLiteral("ＭＳ ゴシック");  // as the data names it
  float FontSize = 9;   // points
  bool FontBold = false;
  uint32_t ForeColor = 0;
  int16_t DrawStyle = kDrawSolid;
  int16_t DrawWidth = 1;  // device pixels
  // Dots of kDrawDotted: one every DotPitchMm from the line's start, each a
  // filled circle DotSizeMm across, never narrower than the pen (0: a dot of
  // the pen's width, square at one pixel).
  float DotPitchMm = 0;
  float DotSizeMm = 0;
  int16_t ScaleMode = kScaleMillimetres;
  // Inside of circles: FillStyle 0 paints it in FillColor, 1 leaves it
  // transparent. Only the printer's fill is ever set (DrawCircle of a go
  // board's star points), so the preview keeps showing outlines.
  uint32_t FillColor = 0;
  int16_t FillStyle = 1;
};
