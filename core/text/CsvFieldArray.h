#pragma once
// A caller-sized array of CSV fields, numbered 1 to upperBound (element 0 is
// never filled by the splitters). Its size is fixed when it is made: a line
// with more fields than it holds keeps the first ones, and reads or writes
// outside it touch nothing.
#include <QString>
#include <QStringList>

// The most fields the address, card and import files hold per line.
constexpr int kMaxCsvFields = 300;

class CsvFieldArray {
 public:
  explicit CsvFieldArray(int upperBound = kMaxCsvFields);

  int upperBound() const { return static_cast<int>(items_.size()) - 1; }

  // Element i, or the empty text outside 0..upperBound.
  const QString& operator[](int i) const;
  // Sets element i; ignored outside 0..upperBound.
  void set(int i, const QString& value);
  // Every element back to the empty text.
  void clear();
  // Elements 1..count (count capped at upperBound) as a list numbered from 0.
  QStringList fields(int count) const;

 private:
  QStringList items_;
};
