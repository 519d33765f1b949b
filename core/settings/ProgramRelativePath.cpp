#include "ProgramRelativePath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

#include "core/settings/AppGlobals.h"

namespace {

QString WithSlashes(QString path) { return path.replace(u'\\', u'/'); }

std::filesystem::path NativePath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// Where a path leads: the real path of an existing file or folder, else the
// real folder joined with the name, else the cleaned absolute path.
QString Location(const QString& path) {
  const QFileInfo info(WithSlashes(path));
  const QString real = info.canonicalFilePath();
  if (!real.isEmpty()) return real;
  const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
  if (!folder.isEmpty()) return QDir::cleanPath(folder + u'/' + info.fileName());
  return QDir::cleanPath(info.absoluteFilePath());
}

}  // namespace

QString ProgramRelativePath(const QString& path, RelativeStyle style) {
  const QString slashed = WithSlashes(path);
  const QString folder = ProgramFolder;
  if (folder.isEmpty() || slashed.size() <= folder.size()) return path;
  const QString prefix = slashed.left(folder.size());
  if (prefix.compare(folder, Qt::CaseInsensitive) != 0) return path;
  if (prefix != folder && Location(prefix) != Location(folder)) return path;
  QString rest = slashed.mid(folder.size());
  if (style == RelativeStyle::DotPrefixed && rest.contains(u'/')) rest.prepend(QStringLiteral("./"));
  return rest;
}

bool SameFile(const QString& first, const QString& second) {
  if (first.isEmpty() || second.isEmpty()) return false;
  // Hard links and bind mounts are one file under two real paths.
  std::error_code error;
  if (std::filesystem::equivalent(NativePath(WithSlashes(first)), NativePath(WithSlashes(second)), error)) return true;
  return Location(first) == Location(second);
}
