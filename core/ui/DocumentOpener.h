#pragma once
// Opening a local document (the home page README) with the desktop's viewer.
// Tests install an opener that records the path instead.
#include <QString>
#include <functional>

using DocumentOpenerHandler = std::function<void(const QString& path)>;
// An empty handler restores the desktop's viewer.
void SetDocumentOpener(DocumentOpenerHandler handler);
void OpenDocument(const QString& path);
