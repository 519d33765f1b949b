#include "TablesCardsPages.h"

#include "RingpadH.h"
#include "RingpadK.h"
#include "core/ui/PageRegistry.h"

void RegisterTablesCardsPages() {
  RegisterPageWindowClass<RingpadH>(QStringLiteral("table"));
  RegisterPageWindowClass<RingpadK>(QStringLiteral("csv"));
}
