#include "DietCalculators.h"

#include "core/text/Numbers.h"
#include "core/text/NumberFormat.h"

namespace {
const QString kPattern = QStringLiteral("###.#");
}

QString StandardWeightText(const QString& heightText) {
  const double h = ParseNumber(heightText);
  if (!(h >= 100)) return QString();
  double weight;
  if (h < 150)
    weight = h - 100;
  else if (h < 160)
    weight = (h - 150) * 0.4 + 50;
  else
    weight = (h - 100) * 0.9;
  return FormatNumberPattern(weight, kPattern);
}

QString ObesityDegreeText(const QString& heightText, const QString& weightText) {
  const double m = ParseNumber(heightText) / 100;
  if (!(m >= 1)) return QString();
  const double bmi = ParseNumber(weightText) / m / m;
  return FormatNumberPattern((bmi / 22 - 1) * 100, kPattern);
}
