#include "WorkPlace.h"

#include <utility>

namespace platform {
namespace {

WorkPlaceKeeper& workPlaceKeeper() {
  static WorkPlaceKeeper keeper;
  return keeper;
}

}  // namespace

WorkPlaceKeeper UseWorkPlaceKeeper(WorkPlaceKeeper keeper) {
  return std::exchange(workPlaceKeeper(), std::move(keeper));
}

KeepWorkPlace::KeepWorkPlace() {
  if (workPlaceKeeper()) giveBack_ = workPlaceKeeper()();
}

KeepWorkPlace::~KeepWorkPlace() {
  if (giveBack_) giveBack_();
}

}  // namespace platform
