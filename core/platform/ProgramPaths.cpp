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
  QString name = QFileInfo(argv0).fileName();
  int dot = name.lastIndexOf(u'.');
  if (dot > 0) name.truncate(dot);
  return name;
}

}  // namespace platform
