#pragma once
// Common two-kanji surnames and their readings in half-width katakana (a
// voiced sound is the base letter followed by "ﾞ"), for proposing a reading
// when a name is typed.
#include <QString>
#include <span>

struct SurnameReading {
  QString surname;
  QString reading;
};

std::span<const SurnameReading> SurnameReadingTable();
