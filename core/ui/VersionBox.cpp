#include "VersionBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "core/settings/AppGlobals.h"

namespace {
const QString kReadme = QStringLiteral("README.md");
}

QString HomePageAddress() {
  const QString exeFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/");
  QStringList candidates;
  if (!ProgramFolder.isEmpty()) candidates << ProgramFolder + kReadme;
  candidates << exeFolder + kReadme << exeFolder + QStringLiteral("../share/doc/ringpad/") + kReadme
             << exeFolder + QStringLiteral("../") + kReadme << exeFolder + QStringLiteral("../../") + kReadme;
  for (const QString& path : candidates)
    if (QFileInfo(path).isFile()) return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  return QDir::cleanPath(exeFolder + kReadme);
}

QString VersionBoxText(const QString& exeName, const QString& version, const QString& homePage) {
  const QString br = QStringLiteral("\r\n");
  return QStringLiteral("Ringpad ") + exeName.toLower() + QStringLiteral(".exe  Ver ") + version +
         QStringLiteral(" (32Bit版)") + br + br +
         QStringLiteral("このソフトウェアは無保証で提供されます。") + br + br +
         QStringLiteral("メニューで用紙を選んで、印刷ボタンを押すだけで使えます。") + br + br +
         QStringLiteral("最新版は、") + homePage + QStringLiteral(" に有ります。") + br +
         QStringLiteral("友達などに宣伝してくれるとうれしいです（＾＾）") + br + br;
}

QString VersionBoxTitle() { return QStringLiteral("バージョン情報"); }
