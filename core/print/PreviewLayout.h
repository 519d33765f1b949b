#pragma once
// The preview window's geometry in millimetres: the viewport, the scroll
// ranges and the outline guide. Plain values, so they are tested without a
// window.
#include <QRectF>
#include <QSizeF>
#include <cstdint>

namespace preview {

constexpr double kViewportWidthMm = 202.4;
constexpr double kViewportHeightMm = 136.3;
// The page picture's short side on an A4 sheet; the long side keeps the
// proportion of the sheet.
constexpr double kPictureWidthMm = 201.3;
inline double PictureHeightMm(double widthMm) { return widthMm * 297.0 / 210.0; }
// The page picture of a sheet of paper as it lies (mm): the paper's shape,
// kPictureWidthMm to every 210 mm of it, so that an upright A4 sheet gives
// the picture of kPictureWidthMm across.
QSizeF PictureSizeMm(QSizeF paperMm);
// The page picture of the current job in the orientation given (1
// portrait, 2 landscape): the paper it prints on, turned as it prints, so
// that a preview shows each page where the print puts it and none is cut
// off at the edge of an upright A4 picture.
QSizeF JobPictureSizeMm(int16_t orientation);

// The two postcard marks, (0) and (1).
constexpr QRectF kPostcardMarks[2] = {QRectF(11.9, 37.3, 16.1, 15.3), QRectF(11.1, 10.3, 18.5, 20.1)};

struct ScrollSetup {
  int maximum = 0;
  bool enabled = false;
  int largeChange = 0;
  int smallChange = 0;
};
// content and viewport in millimetres; the vertical bar pages by half and a
// quarter of the overhang, the horizontal one by 20 and 5 mm.
ScrollSetup VerticalScroll(double contentMm, double viewportMm);
ScrollSetup HorizontalScroll(double contentMm, double viewportMm);

struct OutlineGuide {
  QSizeF size;               // Shape1, from the picture's top-left corner
  bool visible = false;
  bool marksVisible = false;  // Shape2(0) and Shape2(1)
};
// kind: the job's previewOutlineKind; flag: the guide check box; lastSize: the size the
// guide had before (kept for an unknown kind).
OutlineGuide ComputeOutlineGuide(int kind, int flag, int pageWidth, int pageHeight,
                                 int printMargin, QSizeF lastSize);

}  // namespace preview
