#pragma once
// The postal data of the companion postal-code program, in the dat folder:
// "jxpostal1.txt" says the data is installed, "jxpostal1.dat" holds one line
// per code, sorted, each beginning with the seven digits.
#include <QString>
#include <optional>

// The data's line for the code, upper-cased; "" when no line begins with it
// (or the data cannot be read); nullopt when no postal data is installed.
std::optional<QString> LookUpPostalLine(const QString& code);
