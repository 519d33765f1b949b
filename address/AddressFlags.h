#pragma once
// The flag field of an address entry: seven one-digit flags, each followed by
// "|": do not print, frequently used, and five check marks of the user's own.
#include <QString>
#include <array>

struct AddressFlags {
  int noPrint = 0;                 // 印刷不要
  int active = 1;                  // よく使う
  std::array<int, 5> checks{};     // the five unnamed check marks

  // A short, empty or garbled field reads as far as it goes: a position that
  // holds no digit counts as 0.
  static AddressFlags Parse(const QString& field);
  // Seven digits, each followed by "|".
  QString toField() const;
};

// The state of a cleared editor, and so of a new entry.
inline const QString kClearedAddressFlags = QStringLiteral("0|1|0|0|0|0|0|");

// Whether the flag field marks the entry as frequently used: the list filter
// looks at the character itself, so "1" only.
bool IsFrequentlyUsed(const QString& flagsField);
