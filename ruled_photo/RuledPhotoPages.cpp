#include "RuledPhotoPages.h"

#include "RingpadP.h"
#include "RingpadY.h"
#include "core/ui/PageRegistry.h"

void RegisterRuledPhotoPages() {
  RegisterPageWindowClass<RingpadP>(QStringLiteral("picture"));
  RegisterPageWindowClass<RingpadY>(QStringLiteral("yousi"));
}
