#include "Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int hexDigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

// "&H" digits: up to four digits are a 16-bit value and five to eight a
// 32-bit value, both in two's complement, so "&HFFFF" is -1 and "&H0FFFF"
// 65535. Longer runs whose value still fits 32 bits (leading zeros) read the
// same way; anything larger reads as its plain magnitude, which the integer
// conversions then clamp instead of overflowing.
double parseHex(const QString& text, qsizetype pos) {
  uint64_t value = 0;
  int digits = 0;
  bool huge = false;
  for (; pos < text.size(); ++pos) {
    int d = hexDigitValue(text.at(pos).unicode());
    if (d < 0) break;
    if (value > (std::numeric_limits<uint64_t>::max() >> 4)) huge = true;
    value = (value << 4) | static_cast<uint64_t>(d);
    ++digits;
  }
  if (digits == 0) return 0;
  if (digits <= 4) return static_cast<int16_t>(static_cast<uint16_t>(value));
  if (huge) return std::numeric_limits<double>::max();
  if (value <= 0xFFFFFFFFu) return static_cast<int32_t>(static_cast<uint32_t>(value));
  return static_cast<double>(value);
}

// Copies the longest prefix that forms a decimal number (sign, digits,
// fraction, exponent) into ASCII, so that the conversion never depends on
// the locale.
std::string decimalPrefix(const QString& text, qsizetype pos) {
  std::string out;
  const qsizetype n = text.size();
  auto at = [&](qsizetype i) -> char16_t { return i < n ? text.at(i).unicode() : u'\0'; };
  if (at(pos) == u'+' || at(pos) == u'-') {
    if (at(pos) == u'-') out.push_back('-');
    ++pos;
  }
  bool mantissa = false;
  while (isDigit(at(pos))) {
    out.push_back(static_cast<char>(at(pos++)));
    mantissa = true;
  }
  if (at(pos) == u'.') {
    ++pos;
    out.push_back('.');
    while (isDigit(at(pos))) {
      out.push_back(static_cast<char>(at(pos++)));
      mantissa = true;
    }
  }
  if (!mantissa) return {};
  // The exponent counts only when at least one digit follows it.
  char16_t e = at(pos);
  if (e == u'E' || e == u'e' || e == u'D' || e == u'd') {
    qsizetype p = pos + 1;
    std::string exp = "e";
    if (at(p) == u'+' || at(p) == u'-') exp.push_back(static_cast<char>(at(p++)));
    if (isDigit(at(p))) {
      while (isDigit(at(p))) exp.push_back(static_cast<char>(at(p++)));
      out += exp;
    }
  }
  return out;
}

}  // namespace

double ParseNumber(const QString& text) {
  qsizetype pos = 0;
  while (pos < text.size() && (text.at(pos) == u' ' || text.at(pos) == u'\t')) ++pos;
  if (pos + 1 < text.size() && text.at(pos) == u'&' &&
      (text.at(pos + 1) == u'H' || text.at(pos + 1) == u'h'))
    return parseHex(text, pos + 2);

  const std::string number = decimalPrefix(text, pos);
  if (number.empty()) return 0;
  double value = 0;
  const char* first = number.data();
  const char* last = number.data() + number.size();
  // from_chars does not take a leading "+" and reads ".5" only as "0.5".
  std::string fixed;
  if (number.front() == '.' || (number.size() > 1 && number[0] == '-' && number[1] == '.')) {
    fixed = number;
    fixed.insert(number.front() == '-' ? 1 : 0, "0");
    first = fixed.data();
    last = fixed.data() + fixed.size();
  }
  auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    // A stored number too large for any type: keep it finite so that the
    // conversions below clamp it, rather than letting infinity spread.
    const bool negative = number.front() == '-';
    if (number.find("e-") != std::string::npos) return 0;  // underflow
    return negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
  }
  if (ec != std::errc()) return 0;
  return value;
}

double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  const double lower = std::floor(value);
  const double diff = value - lower;
  if (diff < 0.5) return lower;
  if (diff > 0.5) return lower + 1;
  return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

namespace {
template <typename Int>
Int clampedInteger(double value) {
  if (std::isnan(value)) return 0;
  const double r = RoundHalfEven(value);
  if (r <= static_cast<double>(std::numeric_limits<Int>::min())) return std::numeric_limits<Int>::min();
  if (r >= static_cast<double>(std::numeric_limits<Int>::max())) return std::numeric_limits<Int>::max();
  return static_cast<Int>(r);
}
}  // namespace

int16_t ToInt16(double value) { return clampedInteger<int16_t>(value); }
int32_t ToInt32(double value) { return clampedInteger<int32_t>(value); }

int16_t ParseInt16(const QString& text) { return ToInt16(ParseNumber(text)); }
int32_t ParseInt32(const QString& text) { return ToInt32(ParseNumber(text)); }

float ParseSingle(const QString& text) {
  const double value = ParseNumber(text);
  const double limit = std::numeric_limits<float>::max();
  if (value > limit) return std::numeric_limits<float>::max();
  if (value < -limit) return -std::numeric_limits<float>::max();
  return static_cast<float>(value);
}

QString ZeroPadded(int n, int width) {
  QString digits = QString::number(qAbs(qint64(n)));
  const qsizetype room = width - digits.size() - (n < 0 ? 1 : 0);
  if (room > 0) digits.prepend(QString(room, u'0'));
  if (n < 0) digits.prepend(u'-');
  return digits;
}

QString TwoDigits(int n) { return ZeroPadded(n, 2); }
