#include "UiTestDefaults.h"

#include "TestEnvironment.h"
#include "core/ui/SearchDialog.h"

namespace {
void CloseSearchDialogsUnscripted() {
  SetSearchKeyDialogHandler([](SearchDialog&) {});
}
}  // namespace

void UseUiTestDefaults() { AddTestSetUpStep(&CloseSearchDialogsUnscripted); }
