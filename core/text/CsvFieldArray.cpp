#include "CsvFieldArray.h"

#include <algorithm>

CsvFieldArray::CsvFieldArray(int upperBound) {
  items_.resize(std::max(upperBound, 0) + 1);
}

const QString& CsvFieldArray::operator[](int i) const {
  static const QString empty;
  return i >= 0 && i < items_.size() ? items_.at(i) : empty;
}

void CsvFieldArray::set(int i, const QString& value) {
  if (i >= 0 && i < items_.size()) items_[i] = value;
}

void CsvFieldArray::clear() {
  for (QString& item : items_) item.clear();
}

QStringList CsvFieldArray::fields(int count) const {
  count = std::clamp(count, 0, upperBound());
  return items_.mid(1, count);
}
