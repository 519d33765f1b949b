#include "IniWriteBatch.h"

#include "IniStore.h"

IniWriteBatch::IniWriteBatch() { IniStore::instance().beginBatch(); }

IniWriteBatch::~IniWriteBatch() { commit(); }

bool IniWriteBatch::commit() {
  if (!open_) return true;
  open_ = false;
  return IniStore::instance().endBatch();
}
