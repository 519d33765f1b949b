#pragma once
// The two small calculators of the health frame, as the labels show them.
#include <QString>

// Standard weight for a height text in centimetres; "" below 100 cm.
QString StandardWeightText(const QString& heightText);
// Obesity degree in percent for height and weight texts; "" below 100 cm.
QString ObesityDegreeText(const QString& heightText, const QString& weightText);
