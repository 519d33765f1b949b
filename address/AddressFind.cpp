#include "AddressFind.h"

bool AnyFindKey(const AddressFindKeys& keys) {
  for (int r = 0; r < 3; ++r)
    if (!keys.key1[r].isEmpty() || !keys.key2[r].isEmpty()) return true;
  return false;
}

bool LineMatchesFindKeys(const QString& rawLine, const AddressFindKeys& keys) {
  for (int r = 0; r < 3; ++r) {
    if (keys.key1[r].isEmpty()) continue;
    if (!rawLine.contains(keys.key1[r])) continue;
    if (keys.key2[r].isEmpty() || rawLine.contains(keys.key2[r])) return true;
  }
  return false;
}
