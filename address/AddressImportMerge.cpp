#include "AddressImportMerge.h"

#include <algorithm>

#include "AddressCsvImport.h"
#include "AddressRecord.h"
#include "core/platform/Codec.h"

AddressImportMerge::AddressImportMerge(QList<QByteArray> lines) : lines_(std::move(lines)) {
  if (lines_.isEmpty()) lines_.append(platform::ToSjis(kAddressHeader));
  maxima_.reserve(lines_.size() - 1);
  for (qsizetype i = 1; i < lines_.size(); ++i) {
    const QString key = AddressImportKey(AddressRecord::FromLine(platform::FromSjis(lines_.at(i))));
    const QString maximum = maxima_.isEmpty() || maxima_.constLast() < key ? key : maxima_.constLast();
    maxima_.append(maximum);
    if (!firstMaxima_.contains(key)) firstMaxima_.insert(key, maximum);
  }
}

bool AddressImportMerge::insert(const AddressRecord& record) {
  const QString key = AddressImportKey(record);
  const auto first = firstMaxima_.constFind(key);
  if (first != firstMaxima_.constEnd() && *first == key) {
    ++dropped_;
    return false;
  }
  const auto at = std::upper_bound(maxima_.begin(), maxima_.end(), key);
  const qsizetype index = at - maxima_.begin();
  maxima_.insert(index, key);
  lines_.insert(index + 1, platform::ToSjis(record.toLine()));
  firstMaxima_.insert(key, key);
  ++inserted_;
  return true;
}
