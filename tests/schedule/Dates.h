#pragma once
#include <QDate>

// A date, short enough to write tables of cases with.
inline QDate D(int y, int m, int d) { return QDate(y, m, d); }
