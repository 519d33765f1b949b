#include "FormHelpers.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "core/platform/MessageBox.h"
#include "core/settings/AppGlobals.h"
#include "core/text/FontLists.h"

namespace {

// Qt lists the same families for the printer and the screen.
QStringList installedFonts() { return QFontDatabase::families(); }

bool isFontSizeKind(const QString& kind) {
  if (kind.toUpper() == QLatin1String("FONTSIZE")) return true;
  platform::ShowMessage(QStringLiteral("パラメータがおかしい"));
  return false;
}

bool isTextBox(const QObject* o) {
  return qobject_cast<const QLineEdit*>(o) || qobject_cast<const QTextEdit*>(o) ||
         qobject_cast<const QPlainTextEdit*>(o);
}

}  // namespace

void FillFontList(QComboBox* list) {
  list->clear();
  list->addItems(BuildFontList(installedFonts()));
  list->setCurrentIndex(0);
}

void FillFontList(QListWidget* list) {
  list->clear();
  list->addItems(BuildFontList(installedFonts()));
  list->setCurrentRow(0);
}

void FillFontSizeList(QComboBox* list, const QString& kind) {
  if (isFontSizeKind(kind)) list->addItems(FontSizeListTexts());
}

void FillFontSizeList(QListWidget* list, const QString& kind) {
  if (isFontSizeKind(kind)) list->addItems(FontSizeListTexts());
}

void ApplyImeMode(QWidget* window) {
  if (ImeKana == 0 || !window) return;
  for (QWidget* child : window->findChildren<QWidget*>()) {
    if (!isTextBox(child)) continue;
    const QVariant mode = child->property(kImeModeProperty);
    if (!mode.isValid()) continue;
    switch (mode.toInt()) {
      case 1: case 4: case 5: case 6: case 7: child->setProperty(kImeModeProperty, 0); break;
      default: break;
    }
  }
}
