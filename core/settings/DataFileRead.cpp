#include "DataFileRead.h"

#include <QFileInfo>

#include "core/platform/MessageBox.h"
#include "core/platform/TextLines.h"

DataFileRead ReadDataFileWithinLimit(const QString& path, QByteArray& content, QString& message,
                                     const QString& shownName) {
  content.clear();
  const QFileInfo info(path);
  if (info.isFile() && info.size() > kDataFileMaxBytes) {
    message = QStringLiteral("ファイルが大きすぎます（10MBまで）: ") + (shownName.isEmpty() ? path : shownName);
    return DataFileRead::TooLarge;
  }
  QString reason;
  if (!platform::ReadWholeFile(path, content, &reason)) {
    message = platform::ReadFailureMessage(path, reason);
    return DataFileRead::Unreadable;
  }
  return DataFileRead::Read;
}

bool ReadDataFileWithinLimitOrReport(const QString& path, QByteArray& content, const QString& shownName) {
  QString message;
  if (ReadDataFileWithinLimit(path, content, message, shownName) == DataFileRead::Read) return true;
  platform::ShowMessage(message, platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
  return false;
}
