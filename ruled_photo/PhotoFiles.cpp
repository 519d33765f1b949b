#include "PhotoFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

#include "core/platform/CodePageChecks.h"
#include "core/platform/MessageBox.h"
#include "core/platform/ProblemReport.h"
#include "core/platform/SafeSave.h"
#include "core/platform/TextLines.h"
#include "core/settings/DataFileRewrite.h"

namespace {

const char* PhotoFormatForName(const QString& path) {
  const QString ext = QFileInfo(path).suffix().toUpper();
  if (ext == QLatin1String("PNG")) return "PNG";
  if (ext == QLatin1String("JPG") || ext == QLatin1String("JPEG")) return "JPEG";
  if (ext == QLatin1String("ICO") && QImageWriter::supportedImageFormats().contains("ico")) return "ICO";
  return "BMP";
}

}  // namespace

bool SavePhotoFiles(const QString& path, const QImage& picture, const PhotoSidecar& sidecar) {
  using platform::MsgButtons;
  using platform::MsgIcon;
  const QString sidecarPath = PhotoSidecarPath(path);
  // A side file that cannot be read stops the save before the picture is
  // replaced: its rewrite below would fail only after the picture changed.
  if (!sidecarPath.isEmpty() && QFileInfo::exists(sidecarPath)) {
    QByteArray old;
    if (!platform::ReadWholeFileOrReport(sidecarPath, old)) return false;
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!picture.save(&buffer, PhotoFormatForName(path))) {
    platform::ReportProblem({platform::Problem::UnencodableContent, path});
    return false;
  }
  // The old picture's bytes are read before it is replaced, to put back.
  const bool hadPicture = QFileInfo(path).isFile();
  QByteArray oldPicture;
  if (!sidecarPath.isEmpty() && hadPicture && !platform::ReadWholeFileOrReport(path, oldPicture)) return false;
  if (!platform::SaveFileOrReport(path, bytes)) return false;
  if (sidecarPath.isEmpty()) return true;
  // The sidecar is written whole from the value, already encoded.
  const QList<QByteArray> sidecarLines = platform::SplitLines(WritePhotoSidecar(sidecar));
  if (RewriteDataFileBytes(
          sidecarPath,
          [&sidecarLines](QList<QByteArray>& lines) {
            lines = sidecarLines;
            return true;
          },
          {.confirmForeignBytes = false}))
    return true;
  // The sidecar's failure has been shown, naming it.
  QString error;
  if (hadPicture ? platform::SaveFileAtomically(path, oldPicture, &error) : QFile::remove(path)) return false;
  platform::ShowMessage(
      QStringLiteral("画像ファイル %1 を元に戻せませんでした。%2")
          .arg(QDir::toNativeSeparators(path), error.isEmpty() ? QString() : QStringLiteral("(%1)").arg(error)),
      MsgButtons::Ok, MsgIcon::Critical);
  return false;
}
