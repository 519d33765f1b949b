#include "ProgramPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

#include "core/platform/TestSeamRegistry.h"

namespace platform {
namespace {
QString withSlash(QString folder) {
  folder = QDir::cleanPath(QDir(folder).absolutePath());
  if (!folder.endsWith(u'/')) folder.append(u'/');
  return folder;
}
}  // namespace

QString PerUserDataFolder() {
  // Named after the program, not after the executable, so that the variants
  // started under other names share one folder (each keeps its own settings
  // file there).
  QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (data.isEmpty()) data = QDir::homePath() + QStringLiteral("/.local/share");
  return withSlash(data + QStringLiteral("/ringpad"));
}

namespace {
QString& readOnlyOverride() {
  static QString folder;
  return folder;
}
}  // namespace

void SetReadOnlyFolderOverride(const QString& folder) {
  RegisterSeamReset([] { SetReadOnlyFolderOverride(QString()); });
  readOnlyOverride() = folder.isEmpty() ? QString() : withSlash(folder);
}

bool IsWritableFolder(const QString& folder) {
  if (!readOnlyOverride().isEmpty() && withSlash(folder) == readOnlyOverride()) return false;
  return QFileInfo(folder).isDir() && ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
}

QString ResolveProgramFolder(const QString& executablePath) {
  const QByteArray home = qgetenv("RINGPAD_HOME");
  if (!home.isEmpty()) {
    QDir().mkpath(QString::fromLocal8Bit(home));
    return withSlash(QString::fromLocal8Bit(home));
  }
  if (!executablePath.isEmpty()) {
    const QString exeFolder = QFileInfo(executablePath).absolutePath();
    const QString settings = withSlash(exeFolder) + ExecutableBaseName(executablePath) + QStringLiteral(".ini");
    if (QFileInfo(settings).isFile() && IsWritableFolder(exeFolder)) return withSlash(exeFolder);
  }
  const QString data = PerUserDataFolder();
  QDir().mkpath(data);
  return data;
}

QString ExecutableBaseName(const QString& argv0) {
  // Only a Windows-style ".exe" is an extension here: a versioned binary such
  // as "ringpad-3.16.01" must keep its whole name, or an upgrade would start
  // with another settings file.
  QString name = QFileInfo(argv0).fileName();
  const QLatin1String exe(".exe");
  if (name.size() > exe.size() && name.endsWith(exe, Qt::CaseInsensitive)) name.chop(exe.size());
  return name;
}

}  // namespace platform
