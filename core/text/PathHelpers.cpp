#include "PathHelpers.h"

#include <QDir>
#include <QFileInfo>

#include "StringHelpers.h"

namespace {

bool IsSeparator(QChar c) { return c == u'\\' || c == u'/'; }

// Index of the last separator at or before index `from`, -1 when none.
qsizetype LastSeparator(const QString& path, qsizetype from) {
  for (qsizetype i = std::min(from, path.size() - 1); i >= 0; --i)
    if (IsSeparator(path.at(i))) return i;
  return -1;
}

}  // namespace

QString FileNameOfPath(const QString& path) {
  const qsizetype at = LastSeparator(path, path.size() - 2);
  return at < 0 ? path : path.mid(at + 1);
}

QString FolderOfPath(const QString& path) {
  const qsizetype at = LastSeparator(path, path.size() - 1);
  return at < 0 ? QString() : path.left(at + 1);
}

QString ExtensionOfPath(const QString& path) {
  const QString name = FileNameOfPath(path);
  const qsizetype dot = name.size() < 2 ? -1 : name.lastIndexOf(u'.', name.size() - 2);
  return dot < 0 ? QString() : TrimBlanks(name.mid(dot + 1));
}

QStringList MatchingFiles(const QString& path) {
  QString wanted = TrimBlanks(path);
  wanted.replace(u'\\', u'/');
  if (wanted.isEmpty()) return {};
  const QString folder = FolderOfPath(wanted);
  QString name = wanted.mid(folder.size());
  if (name.isEmpty()) return {};
  const QDir dir = folder.isEmpty() ? QDir::current() : QDir(folder);
  if (!dir.exists()) return {};

  if (!name.contains(u'*') && !name.contains(u'?')) {
    const QFileInfo info(dir, name);
    if (info.isFile() && !info.isHidden()) return {info.fileName()};
    return {};
  }
  // "*.*" in a stored pattern means every file, names without a dot too, as
  // Windows reads it; Qt's "*.*" would skip names without a dot.
  if (name == QStringLiteral("*.*")) name = QStringLiteral("*");
  return dir.entryList({name}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QString SafeDir(const QString& path) {
  const QStringList names = MatchingFiles(path);
  return names.isEmpty() ? QString() : names.first();
}
