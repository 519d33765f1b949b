#include "TodoMemoPages.h"

#include "TodoWindow.h"
#include "MemoWindow.h"
#include "core/ui/PageRegistry.h"

void RegisterTodoMemoPages() {
  RegisterPageWindowClass<TodoWindow>(QStringLiteral("action"));
  RegisterPageWindowClass<MemoWindow>(QStringLiteral("memo"));
}
