#pragma once
// Every colour the program draws with passes through ColorByIndex. A colour
// value is a colour index (0 to 20, -1 to -6) or an RGB value in the layout
// the settings file stores, red + 256 * green + 65536 * blue (0x00BBGGRR).
#include <QColor>
#include <cstdint>

// The RGB value of a colour index; any other value is returned unchanged.
// Index 19 steps through six bright colours and 20 through nine pastels,
// each with its own counter that every call advances, whoever makes it.
int32_t ColorByIndex(int32_t value);

// red + 256 * green + 65536 * blue.
int32_t RgbValue(int red, int green, int blue);
// An RGB value (not an index) as a QColor for drawing.
QColor QColorFromRgbValue(int32_t rgb);
