#include "QtTranslations.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace {

// The kinds the file dialogs show in their type column. Qt's Japanese
// catalogue has no entries for them, and a file dialog that says "Folder"
// beside Japanese names reads as broken.
class FileKindTranslator : public QTranslator {
 public:
  QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                    int /*n*/) const override {
    if (qstrcmp(context, "QAbstractFileIconProvider") != 0 || !sourceText) return QString();
    static const QHash<QByteArray, QString> kTexts = {
        {"Folder", QStringLiteral("フォルダ")},
        {"Drive", QStringLiteral("ドライブ")},
        {"File", QStringLiteral("ファイル")},
        {"Shortcut", QStringLiteral("ショートカット")},
    };
    return kTexts.value(QByteArray(sourceText));
  }
  bool isEmpty() const override { return false; }
};

struct InstalledTranslators {
  std::unique_ptr<QTranslator> catalogue;
  std::unique_ptr<QTranslator> fileKinds;
};

InstalledTranslators& installed() {
  static InstalledTranslators translators;
  return translators;
}

}  // namespace

void UseJapaneseSystemLocale() {
  // Qt reads the system locale from these variables once, on first use; the
  // variables themselves are put back so that the programs this one starts
  // see the user's own environment.
  const QByteArray name = QByteArrayLiteral("LC_ALL");
  const bool had = qEnvironmentVariableIsSet(name.constData());
  const QByteArray old = qgetenv(name.constData());
  qputenv(name.constData(), QByteArrayLiteral("ja_JP.UTF-8"));
  (void)QLocale::system().name();
  if (had) {
    qputenv(name.constData(), old);
  } else {
    qunsetenv(name.constData());
  }
  QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
}

bool InstallJapaneseQtTranslations(const QString& folder) {
  RemoveJapaneseQtTranslations();
  const QString from = folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_ja"), from)) return false;
  if (!QCoreApplication::installTranslator(translator.get())) return false;
  installed().catalogue = std::move(translator);
  auto kinds = std::make_unique<FileKindTranslator>();
  if (QCoreApplication::installTranslator(kinds.get())) installed().fileKinds = std::move(kinds);
  return true;
}

void RemoveJapaneseQtTranslations() {
  for (std::unique_ptr<QTranslator>* t : {&installed().catalogue, &installed().fileKinds}) {
    if (!*t) continue;
    QCoreApplication::removeTranslator(t->get());
    t->reset();
  }
}
