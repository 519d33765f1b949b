#pragma once
// Pictures the user chooses for a page: BMP and ICO files as the organiser
// pages have always used, and the PNG and JPEG files of today's cameras and
// phones (turned as their EXIF orientation says).
#include <QImage>
#include <QSize>
#include <QString>

// Pictures larger than this are refused from their header, before decoding,
// so that a huge or forged file cannot exhaust memory.
constexpr qint64 kMostPicturePixels = 100'000'000;

// The file dialog's filter and the file list's patterns.
QString PictureFileFilter();
QString PictureFilePatterns();  // "*.bmp;*.ico;*.png;*.jpg;*.jpeg"

// The picture in the file; a null image when the file cannot be read (the
// message names the system's reason), is not a picture, is cut short or is
// too large, with the message to show for it in *refusal when given. A BMP
// whose rows lie past the end of the file and a JPEG or PNG cut short are
// refused rather than shown with made-up pixels.
QImage LoadPicture(const QString& path, QString* refusal = nullptr);

// The message shown when a chosen file cannot be read as a picture.
QString PictureReadFailureText(const QString& fileName);
// "画像ファイル「<name>」は途中で切れているか壊れているため、読み込めませんでした。"
QString PictureCutShortText(const QString& fileName);
// "画像ファイル「<name>」は大きすぎるため読み込めません（<w>×<h>ピクセル、1億画素まで）。"
QString PictureTooLargeText(const QString& fileName, const QSize& size);
