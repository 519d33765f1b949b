#include "PictureLoader.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <cstdlib>

#include "core/platform/TextLines.h"
#include "core/text/PathHelpers.h"

namespace {

quint32 PictureLe32(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(bytes.constData()) + at);
}
quint16 PictureLe16(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(bytes.constData()) + at);
}

// A BMP's header names where its pixels start and how many rows of how many
// bytes follow; a file that does not hold them would be decoded from memory
// past its end. Compressed rows have no fixed length and are checked by the
// decoder as it goes.
bool BmpPixelsFitInFile(const QByteArray& bytes) {
  if (bytes.size() < 26) return false;
  const qint64 offset = PictureLe32(bytes, 10);
  const quint32 headerSize = PictureLe32(bytes, 14);
  qint64 width = 0, height = 0, bitsPerPixel = 0;
  quint32 compression = 0;
  if (headerSize == 12) {
    width = PictureLe16(bytes, 18);
    height = PictureLe16(bytes, 20);
    bitsPerPixel = PictureLe16(bytes, 24);
  } else {
    if (bytes.size() < 34) return false;
    width = qint32(PictureLe32(bytes, 18));
    height = qint32(PictureLe32(bytes, 22));
    bitsPerPixel = PictureLe16(bytes, 28);
    compression = PictureLe32(bytes, 30);
  }
  if (offset > bytes.size()) return false;
  // BI_RGB and BI_BITFIELDS (and its alpha variant) store plain rows.
  if (compression != 0 && compression != 3 && compression != 6) return true;
  if (width < 0) return false;
  const qint64 stride = (width * bitsPerPixel + 31) / 32 * 4;
  return offset + stride * std::abs(height) <= bytes.size();
}

// A JPEG ends with its end-of-image marker after the last scan; a file cut
// short in its scans has none there (markers cannot occur inside a scan's
// coded data, so the last start-of-scan found is the real one).
bool JpegIsComplete(const QByteArray& bytes) {
  const qsizetype scan = bytes.lastIndexOf(QByteArrayView("\xFF\xDA", 2));
  return scan >= 0 && bytes.indexOf(QByteArrayView("\xFF\xD9", 2), scan) >= 0;
}

// The image-end chunk closes every PNG.
bool PngIsComplete(const QByteArray& bytes) { return bytes.lastIndexOf(QByteArrayView("IEND")) >= 8; }

}  // namespace

QString PictureFileFilter() {
  return QStringLiteral("画像ファイル (*.bmp *.ICO *.png *.jpg *.jpeg)|*.bmp;*.ico;*.png;*.jpg;*.jpeg||");
}

QString PictureFilePatterns() { return QStringLiteral("*.bmp;*.ico;*.png;*.jpg;*.jpeg"); }

QImage LoadPicture(const QString& path, QString* refusal) {
  const QString name = FileNameOfPath(path);
  auto refuse = [&](const QString& text) {
    if (refusal) *refusal = text;
    return QImage();
  };
  QByteArray bytes;
  // A read that fails says why, as every other file read does: a picture on
  // a share that went away is no broken picture.
  QString reason;
  if (!platform::ReadWholeFile(path, bytes, &reason)) return refuse(platform::ReadFailureMessage(path, reason));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setAutoTransform(true);
  // The reader's own limit (128 MB) would refuse a 48-megapixel camera photo
  // long before the program's bound; it is raised to what that bound needs
  // at four bytes a pixel.
  reader.setAllocationLimit(int(kMostPicturePixels * 4 / (1024 * 1024)) + 1);
  const QByteArray format = reader.format();
  // Formats that cannot tell their size up front (icons) are small by
  // nature; the reader's allocation limit still bounds them.
  const QSize size = reader.size();
  if (size.isValid() && qint64(size.width()) * size.height() > kMostPicturePixels)
    return refuse(PictureTooLargeText(name, size));
  const bool complete = format == "bmp"    ? BmpPixelsFitInFile(bytes)
                        : format == "jpeg" ? JpegIsComplete(bytes)
                        : format == "png"  ? PngIsComplete(bytes)
                                           : true;
  if (!complete) return refuse(PictureCutShortText(name));
  QImage image;
  if (!reader.read(&image)) return refuse(PictureReadFailureText(name));
  if (refusal) refusal->clear();
  return image;
}

QString PictureReadFailureText(const QString& fileName) {
  return QStringLiteral("画像ファイル「") + fileName + QStringLiteral("」を読み込めませんでした。");
}

QString PictureCutShortText(const QString& fileName) {
  return QStringLiteral("画像ファイル「%1」は途中で切れているか壊れているため、読み込めませんでした。").arg(fileName);
}

QString PictureTooLargeText(const QString& fileName, const QSize& size) {
  return QStringLiteral("画像ファイル「%1」は大きすぎるため読み込めません（%2×%3ピクセル、1億画素まで）。")
      .arg(fileName)
      .arg(size.width())
      .arg(size.height());
}
