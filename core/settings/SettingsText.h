#pragma once
// How numbers are written into the settings file, so that each one reads
// back as the same value.
#include <QString>
#include <cstdint>

// "&H" and upper-case hexadecimal digits without leading zeros; negative
// values as their eight 32-bit digits.
QString RgbSettingText(int32_t value);

// The text of a single-precision number: at most seven significant digits,
// no trailing zeros, no leading blank ("9", "10.5", "1E+15").
QString SingleText(float value);
