#include "SafeSave.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "MessageBox.h"
#include "TextLines.h"

namespace platform {

bool SaveFileAtomically(const QString& path, const QByteArray& content, QString* error) {
  QSaveFile file(path);
  // Without this QSaveFile falls back to writing in place on folders where it
  // cannot create the temporary file, which could leave a half-written file.
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error) *error = file.errorString();
    return false;
  }
  // write() only fills Qt's buffer; the disk may refuse the bytes at flush,
  // and commit() would then still put an empty file in place of the old one
  // (it checks errors of write() only), so the flush is checked here.
  if (file.write(content) != content.size() || !file.flush()) {
    if (error) *error = file.errorString();
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}

bool SaveFileOrReport(const QString& path, const QByteArray& content) {
  QString error;
  if (SaveFileAtomically(path, content, &error)) return true;
  ShowMessage(QStringLiteral("%1 に書き込めませんでした。\n元のファイルはそのまま残っています。\n(%2)")
                  .arg(QDir::toNativeSeparators(path), error),
              MsgButtons::Ok, MsgIcon::Critical);
  return false;
}

bool CopyFileAtomically(const QString& from, const QString& to, QString* error) {
  QByteArray content;
  if (!ReadWholeFile(from, content)) {
    if (error) *error = QStringLiteral("cannot read %1").arg(from);
    return false;
  }
  return SaveFileAtomically(to, content, error);
}

}  // namespace platform
