#include "ColorTable.h"

#include <array>

namespace {

constexpr int32_t Rgb(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

constexpr std::array<int32_t, 19> kFixedColors = {
    Rgb(0, 0, 0),       Rgb(0, 0, 255),     Rgb(0, 255, 0),     Rgb(0, 255, 255),
    Rgb(255, 0, 0),     Rgb(255, 0, 255),   Rgb(255, 255, 0),   Rgb(140, 140, 140),
    Rgb(255, 255, 255), Rgb(128, 64, 0),    Rgb(0, 208, 208),   Rgb(255, 191, 213),
    Rgb(243, 199, 105), Rgb(233, 238, 15),  Rgb(49, 187, 34),   Rgb(0, 0, 128),
    Rgb(100, 100, 100), Rgb(64, 128, 128),  Rgb(52, 139, 52)};

// Indexes -1 to -6, which are also the steps 1 to 6 of the rainbow colour.
constexpr std::array<int32_t, 6> kBrightColors = {
    Rgb(240, 80, 80), Rgb(255, 255, 0), Rgb(80, 240, 80),
    Rgb(80, 230, 230), Rgb(80, 80, 240), Rgb(167, 80, 254)};

constexpr std::array<int32_t, 9> kPastelColors = {
    Rgb(255, 204, 153), Rgb(255, 255, 102), Rgb(204, 255, 153),
    Rgb(153, 255, 153), Rgb(153, 255, 255), Rgb(153, 204, 255),
    Rgb(204, 204, 255), Rgb(204, 153, 255), Rgb(255, 153, 255)};

constexpr int32_t kRainbowIndex = 19;
constexpr int32_t kPastelIndex = 20;

// The two automatic-colour steps live for the whole run of the program.
int16_t rainbowStep = 0;
int16_t pastelStep = 0;

}  // namespace

int32_t RgbValue(int red, int green, int blue) { return Rgb(red, green, blue); }

int32_t ColorByIndex(int32_t value) {
  if (value == kRainbowIndex) {
    if (rainbowStep >= static_cast<int16_t>(kBrightColors.size())) rainbowStep = 0;
    ++rainbowStep;
    value = -rainbowStep;
  }
  if (value == kPastelIndex) {
    if (pastelStep >= static_cast<int16_t>(kPastelColors.size())) pastelStep = 0;
    ++pastelStep;
    return kPastelColors[pastelStep - 1];
  }
  if (value >= 0 && value < static_cast<int32_t>(kFixedColors.size())) return kFixedColors[value];
  if (value <= -1 && value >= -static_cast<int32_t>(kBrightColors.size())) return kBrightColors[-value - 1];
  return value;
}

QColor QColorFromRgbValue(int32_t rgb) {
  const auto bits = static_cast<uint32_t>(rgb);
  return QColor(bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF);
}
