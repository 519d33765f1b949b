#include "PictureLoader.h"

#include <QImageReader>

QString PictureFileFilter() {
  return QStringLiteral("画像ファイル (*.bmp *.ICO *.png *.jpg *.jpeg)|*.bmp;*.ico;*.png;*.jpg;*.jpeg||");
}

QString PictureFilePatterns() { return QStringLiteral("*.bmp;*.ico;*.png;*.jpg;*.jpeg"); }

QImage LoadPicture(const QString& path) {
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  reader.setAutoTransform(true);
  // Formats that cannot tell their size up front (icons) are small by
  // nature; the reader's own allocation limit still bounds them.
  const QSize size = reader.size();
  if (size.isValid() && qint64(size.width()) * size.height() > kMostPicturePixels) return {};
  QImage image;
  if (!reader.read(&image)) return {};
  return image;
}

QString PictureReadFailureText(const QString& fileName) {
  return QStringLiteral("画像ファイル「") + fileName + QStringLiteral("」を読み込めませんでした。");
}
