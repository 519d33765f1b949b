#include "VersionBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <memory>

#include "FirstPaintDeferral.h"
#include "HelpPage.h"
#include "core/platform/ProgramPaths.h"
#include "core/platform/SafeSave.h"
#include "core/settings/AppGlobals.h"

namespace {
const QString kReadme = QStringLiteral("README.md");
const QString kHelpPage = QStringLiteral("ringpad-help.html");

bool helpPageIsCurrent(const QString& path, const QByteArray& text) {
  QFile existing(path);
  return existing.open(QIODevice::ReadOnly) && existing.readAll() == text;
}

// Writes the help page unless it already holds this version's text.
bool ensureHelpPage(const QString& path) {
  const QByteArray text = HelpPageHtml().toUtf8();
  return helpPageIsCurrent(path, text) || platform::SaveFileAtomically(path, text);
}

// A read-only program folder: the per-user folder takes the page.
QString spareHelpPage() {
  const QString spare = platform::PerUserDataFolder() + kHelpPage;
  QDir().mkpath(platform::PerUserDataFolder());
  ensureHelpPage(spare);
  return spare;
}
}  // namespace

QString InstalledReadme(const QString& exeFolder) {
  const QString folder = QDir(exeFolder).absolutePath() + QStringLiteral("/");
  for (const QString& path : {folder + QStringLiteral("../share/doc/ringpad/") + kReadme, folder + kReadme})
    if (QFileInfo(path).isFile()) return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  return QString();
}

QString HelpPagePath() {
  const QString folder = ProgramFolder.isEmpty() ? platform::PerUserDataFolder() : ProgramFolder;
  return folder + kHelpPage;
}

QString HomePageAddress() {
  const QString readme = InstalledReadme(QCoreApplication::applicationDirPath());
  if (!readme.isEmpty()) return readme;
  const QString page = HelpPagePath();
  if (helpPageIsCurrent(page, HelpPageHtml().toUtf8())) return page;
  if (!platform::IsWritableFolder(QFileInfo(page).absolutePath())) return spareHelpPage();
  // The first start names the page in its sample to-do items before the
  // window paints; the page itself, synced to the disk, can wait until then.
  auto failed = std::make_shared<bool>(false);
  RunAfterFirstPaint([page, failed] {
    if (!ensureHelpPage(page)) *failed = true;
  });
  return *failed ? spareHelpPage() : page;
}

QString VersionBoxText(const QString& exeName, const QString& version, const QString& homePage) {
  const QString br = QStringLiteral("\r\n");
  const QString bits = QString::number(static_cast<int>(sizeof(void*) * 8));
  return QStringLiteral("Ringpad ") + exeName.toLower() + QStringLiteral("  Ver ") + version + QStringLiteral(" (") +
         bits + QStringLiteral("Bit版 Linux)") + br + br +
         QStringLiteral("このソフトウェアは無保証で提供されます。") + br + br +
         QStringLiteral("メニューで用紙を選んで、印刷ボタンを押すだけで使えます。") + br + br +
         QStringLiteral("最新版は、") + homePage + QStringLiteral(" に有ります。") + br +
         QStringLiteral("友達などに宣伝してくれるとうれしいです（＾＾）") + br + br;
}

QString VersionBoxTitle() { return QStringLiteral("バージョン情報"); }
