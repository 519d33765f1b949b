#pragma once
// Option lines: "@KEY=value", "@KEY(parameter)=value" or "@KEY" alone, which
// data files mix with their body lines.
#include <QString>

// Splits an option line into key, parameter and value, each empty when the
// line has no such part; all three empty when the line does not begin with
// "@". Keys are returned as written. A line "@(parameter)=value" gives the
// key "(VALUE)".
void ParseParamItem(const QString& line, QString& key, QString& param, QString& value);
