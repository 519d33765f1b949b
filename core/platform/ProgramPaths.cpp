#include "ProgramPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

namespace platform {
namespace {
QString withSlash(QString folder) {
  folder = QDir::cleanPath(QDir(folder).absolutePath());
  if (!folder.endsWith(u'/')) folder.append(u'/');
  return folder;
}
}  // namespace

QString ResolveProgramFolder(const QString& executablePath) {
  const QByteArray home = qgetenv("RINGPAD_HOME");
  if (!home.isEmpty()) {
    QDir().mkpath(QString::fromLocal8Bit(home));
    return withSlash(QString::fromLocal8Bit(home));
  }
  QFileInfo exe(executablePath);
  QString exeFolder = exe.absolutePath();
  if (!executablePath.isEmpty() && QFileInfo(exeFolder).isDir() &&
      ::access(QFile::encodeName(exeFolder).constData(), W_OK) == 0)
    return withSlash(exeFolder);
  QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (data.isEmpty()) data = QDir::homePath() + QStringLiteral("/.local/share/ringpad");
  QDir().mkpath(data);
  return withSlash(data);
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
