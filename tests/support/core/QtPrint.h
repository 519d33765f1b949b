#pragma once
// Lets GoogleTest show QString and QDate values in failure messages.
#include <QDate>
#include <QString>
#include <ostream>

inline std::ostream& operator<<(std::ostream& os, const QString& s) { return os << s.toStdString(); }
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QDate& d, std::ostream* os) {
  *os << d.toString(Qt::ISODate).toStdString();
}
