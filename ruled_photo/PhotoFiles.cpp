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

// Everything that could stop the side file's write is settled before the
// picture is replaced: a side file that cannot be read, text its encoding
// cannot hold (a UTF-8 side file stays UTF-8 and holds any), and the
// question about one that is not Shift-JIS text, whose answer stands for
// the write that follows.
bool PhotoSidecarMayBeWritten(const QString& sidecarPath, const QString& text) {
  if (!QFileInfo::exists(platform::FollowedLinkPath(sidecarPath))) return platform::CheckSavableText(text);
  QByteArray old;
  if (!platform::ReadWholeFileOrReport(sidecarPath, old)) return false;
  if (platform::ClassifyTextBytes(old) == platform::TextBytes::Utf8) return true;
  return platform::CheckSavableText(text) &&
         platform::ConfirmRewriteOfForeignBytes(sidecarPath, platform::SplitLines(old));
}

}  // namespace

bool SavePhotoFiles(const QString& path, const QImage& picture, const PhotoSidecar& sidecar) {
  using platform::MsgButtons;
  using platform::MsgIcon;
  const QString sidecarPath = PhotoSidecarPath(path);
  const QString sidecarText = PhotoSidecarText(sidecar);
  if (!sidecarPath.isEmpty() && !PhotoSidecarMayBeWritten(sidecarPath, sidecarText)) return false;
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
  // The side file is a document like the table and chart files: the same
  // cycle, its encoding kept, its untouched lines' bytes too.
  if (WriteDocumentFile(sidecarPath, sidecarText)) return true;
  // The sidecar's failure has been shown, naming it.
  QString error;
  if (hadPicture ? platform::SaveFileAtomically(path, oldPicture, &error) : QFile::remove(path)) return false;
  platform::ShowMessage(
      QStringLiteral("画像ファイル %1 を元に戻せませんでした。%2")
          .arg(QDir::toNativeSeparators(path), error.isEmpty() ? QString() : QStringLiteral("(%1)").arg(error)),
      MsgButtons::Ok, MsgIcon::Critical);
  return false;
}
