#include "DocumentOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
DocumentOpenerHandler& opener() {
  static DocumentOpenerHandler h;
  return h;
}
}  // namespace

void SetDocumentOpener(DocumentOpenerHandler handler) { opener() = std::move(handler); }

void OpenDocument(const QString& path) {
  if (opener()) {
    opener()(path);
    return;
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
