#include "NumberFormat.h"

#include <cmath>


namespace {

// The number at the start of a table cell: blanks, an optional sign, digits
// and one decimal point. Exponents and "&H" are no numbers in a price column
// ("1e3" is 1, "&H10" is none), unlike the settings file's numbers.
double LeadingDecimal(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == QLatin1Char(' ')) ++i;
  QString digits;
  if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) digits += text[i++];
  bool point = false;
  for (; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
      digits += c;
    } else if (c == QLatin1Char('.') && !point) {
      point = true;
      digits += c;
    } else {
      break;
    }
  }
  bool ok = false;
  const double n = digits.toDouble(&ok);
  return ok ? n : 0;
}

bool isPlaceholder(QChar c) { return c == QLatin1Char('0') || c == QLatin1Char('#'); }

struct NumberPattern {
  QString prefix, suffix;
  int minIntegerDigits = 0;   // "0" placeholders before the point
  int minFractionDigits = 0;  // "0" placeholders after the point
  int maxFractionDigits = 0;  // all placeholders after the point
  bool hasPoint = false;
  bool grouping = false;
};

NumberPattern parsePattern(const QString& format) {
  NumberPattern p;
  qsizetype first = -1, last = -1;
  for (qsizetype i = 0; i < format.size(); ++i) {
    const QChar c = format[i];
    if (isPlaceholder(c) || c == QLatin1Char(',') || c == QLatin1Char('.')) {
      if (first < 0) first = i;
      last = i;
    }
  }
  if (first < 0) {
    p.prefix = format;
    return p;
  }
  p.prefix = format.left(first);
  p.suffix = format.mid(last + 1);
  for (qsizetype i = first; i <= last; ++i) {
    const QChar c = format[i];
    if (c == QLatin1Char('.')) {
      p.hasPoint = true;
    } else if (c == QLatin1Char(',')) {
      if (!p.hasPoint) p.grouping = true;
    } else if (isPlaceholder(c)) {
      if (p.hasPoint) {
        ++p.maxFractionDigits;
        if (c == QLatin1Char('0')) p.minFractionDigits = p.maxFractionDigits;
      } else if (c == QLatin1Char('0')) {
        ++p.minIntegerDigits;
      }
    }
  }
  return p;
}

QString groupThousands(const QString& digits) {
  QString out;
  const qsizetype n = digits.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out.append(QLatin1Char(','));
    out.append(digits[i]);
  }
  return out;
}

}  // namespace

QString FormatNumberPattern(double value, const QString& format) {
  const NumberPattern p = parsePattern(format);
  const bool negative = value < 0;
  const double scale = std::pow(10.0, p.maxFractionDigits);
  const double rounded = std::round(std::fabs(value) * scale);
  QString digits = QString::number(rounded, 'f', 0);
  while (digits.size() <= p.maxFractionDigits) digits.prepend(QLatin1Char('0'));
  QString integer = digits.left(digits.size() - p.maxFractionDigits);
  QString fraction = digits.right(p.maxFractionDigits);
  while (fraction.size() > p.minFractionDigits && fraction.endsWith(QLatin1Char('0'))) fraction.chop(1);
  while (integer.startsWith(QLatin1Char('0'))) integer.remove(0, 1);
  while (integer.size() < p.minIntegerDigits) integer.prepend(QLatin1Char('0'));
  if (p.grouping) integer = groupThousands(integer);
  QString body = integer;
  if (p.hasPoint) body += QLatin1Char('.') + fraction;
  const bool isZero = rounded == 0;
  return p.prefix + ((negative && !isZero) ? QStringLiteral("-") : QString()) + body + p.suffix;
}

QString FormatNumberBlankZeros(const QString& value, const QString& format) {
  const double n = LeadingDecimal(value);
  if (n == 0) return QString();
  QString s = FormatNumberPattern(n, format);
  if (!format.contains(QLatin1Char('.'))) return s;
  for (qsizetype i = s.size() - 1; i >= 0 && s[i] == QLatin1Char('0'); --i) s[i] = QLatin1Char(' ');
  return s;
}
