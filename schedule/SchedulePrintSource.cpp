#include "SchedulePrintSource.h"

namespace {
SchedulePrintHandler& Handler() {
  static SchedulePrintHandler handler;
  return handler;
}
}  // namespace

void SetSchedulePrintHandler(SchedulePrintHandler handler) { Handler() = std::move(handler); }
const SchedulePrintHandler& CurrentSchedulePrintHandler() { return Handler(); }
