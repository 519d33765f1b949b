#include "RuledPhotoPages.h"

#include "PhotoWindow.h"
#include "RuledPaperWindow.h"
#include "core/ui/PageRegistry.h"

void RegisterRuledPhotoPages() {
  RegisterPageWindowClass<PhotoWindow>(QStringLiteral("picture"));
  RegisterPageWindowClass<RuledPaperWindow>(QStringLiteral("yousi"));
}
