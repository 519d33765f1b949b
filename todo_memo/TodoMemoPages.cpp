#include "TodoMemoPages.h"

#include "RingpadA.h"
#include "RingpadM.h"
#include "core/ui/PageRegistry.h"

void RegisterTodoMemoPages() {
  RegisterPageWindowClass<RingpadA>(QStringLiteral("action"));
  RegisterPageWindowClass<RingpadM>(QStringLiteral("memo"));
}
