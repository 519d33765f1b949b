#include "AddressPages.h"

#include "RingpadT.h"
#include "core/ui/PageRegistry.h"

void RegisterAddressPages() {
  RegisterPageWindowClass<RingpadT>(QStringLiteral("tel"));
}
