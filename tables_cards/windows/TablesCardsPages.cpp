#include "TablesCardsPages.h"

#include "TableWindow.h"
#include "CardWindow.h"
#include "core/ui/PageRegistry.h"

void RegisterTablesCardsPages() {
  RegisterPageWindowClass<TableWindow>(QStringLiteral("table"));
  RegisterPageWindowClass<CardWindow>(QStringLiteral("csv"));
}
