#include "ChartsPages.h"

#include "vozoduz.h"
#include "jxprnki.h"
#include "core/ui/PageRegistry.h"

void RegisterChartsPages() {
  RegisterPageWindowClass<vozoduz>(QStringLiteral("gant"));
  RegisterPageWindowClass<jxprnki>(QStringLiteral("tree"));
}
