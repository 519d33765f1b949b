#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace {
std::unique_ptr<QTranslator>& installed() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}
}  // namespace

bool InstallJapaneseQtTranslations(const QString& folder) {
  RemoveJapaneseQtTranslations();
  const QString from = folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_ja"), from)) return false;
  if (!QCoreApplication::installTranslator(translator.get())) return false;
  installed() = std::move(translator);
  return true;
}

void RemoveJapaneseQtTranslations() {
  if (!installed()) return;
  QCoreApplication::removeTranslator(installed().get());
  installed().reset();
}
