#include "AddressPages.h"

#include "AddressWindow.h"
#include "core/ui/PageRegistry.h"

void RegisterAddressPages() {
  RegisterPageWindowClass<AddressWindow>(QStringLiteral("tel"));
}
