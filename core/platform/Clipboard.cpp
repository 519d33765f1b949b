#include "Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <optional>

#include "core/platform/TestSeamRegistry.h"

namespace platform {
namespace {

struct MemoryClipboard {
  bool active = false;
  std::optional<QString> text;
  QImage image;
};

MemoryClipboard& memory() {
  static MemoryClipboard m;
  return m;
}

QClipboard* desktop() { return QGuiApplication::clipboard(); }

}  // namespace

bool ClipboardHasText() {
  if (memory().active) return memory().text.has_value();
  const QMimeData* data = desktop()->mimeData();
  return data && data->hasText();
}

QString ClipboardText() {
  if (memory().active) return memory().text.value_or(QString());
  return desktop()->text();
}

void ClipboardSetText(const QString& text) {
  if (memory().active) {
    memory().text = text;
    memory().image = QImage();
    return;
  }
  desktop()->setText(text);
}

bool ClipboardHasImage() {
  if (memory().active) return !memory().image.isNull();
  const QMimeData* data = desktop()->mimeData();
  return data && data->hasImage();
}

QImage ClipboardImage() {
  if (memory().active) return memory().image;
  return desktop()->image();
}

void ClipboardSetImage(const QImage& image) {
  if (memory().active) {
    memory().image = image;
    memory().text.reset();
    return;
  }
  desktop()->setImage(image);
}

void ClipboardClear() {
  if (memory().active) {
    memory().text.reset();
    memory().image = QImage();
    return;
  }
  desktop()->clear();
}

void UseMemoryClipboard(bool on) {
  RegisterSeamReset([] { UseMemoryClipboard(false); });
  memory() = MemoryClipboard();
  memory().active = on;
}

}  // namespace platform
