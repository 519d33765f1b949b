#pragma once
// The one-point picture of the backing-sheet style 4: a bitmap of the folder
// "pic" below the current folder, standing on the page's footer line. Each
// call takes the next bitmap of the folder, from the last of the listing down
// to the first and round again, so successive pages show different pictures.
#include <QRectF>
#include <QString>
#include <QStringList>
#include <cstdint>

// Draws the next decoration bitmap on the page between left and right (mm).
// Nothing is drawn when the folder is missing, holds no bitmap, or the chosen
// file cannot be read as a picture; the cycle goes on with the next page.
void DrawDecorationImage(float left, float right);

// The decoration files ("*.BMP", letter case ignored) of the folder, sorted by
// name without regard to case (names differing only in case in code order).
QStringList DecorationImageFiles();

// Where a picture of the given pixel size stands on the footer line, in mm:
// a wide picture spans the page, any other takes a quarter of the page width
// at its right edge; its height keeps the picture's proportion.
QRectF DecorationPlacement(double left, double right, double footHeight, int pixelWidth, int pixelHeight);

// Position (from 1, in DecorationImageFiles) of the bitmap used last; 0 at
// program start. Only tests reset it; the program keeps it for the whole run.
int16_t DecorationCounter();
void ResetDecorationCounter();
