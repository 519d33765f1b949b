#pragma once
// The small text file kept beside a photo: its title, its description and
// how it is placed on the page, so that a picture loaded again prints as it
// was saved.
#include <QByteArray>
#include <QString>

struct PhotoSidecar {
  bool hasTitle = false;  // a title line was present (else the title box stays)
  QString title;
  // List indexes; kUnchanged where the file held no usable value.
  static constexpr int kUnchanged = -2;
  int fit = kUnchanged;
  int scale = kUnchanged;
  int anchor = kUnchanged;
  int pictureOnly = kUnchanged;
  QString text;  // lines joined by CR LF
};

// Item counts of the lists the sidecar stores indexes of.
constexpr int kPhotoFitCount = 5;
constexpr int kPhotoScaleCount = 10;
constexpr int kPhotoAnchorCount = 7;

// The sidecar's path for a picture: a bitmap's extension replaced by "txt"
// ("a.bmp": "a.txt"); a PNG or JPEG picture's whole name followed by
// ".ringpad" ("a.png": "a.png.ringpad"), which no other picture's side file
// can be named; empty for pictures that carry no sidecar (icons, names
// without a picture extension).
QString PhotoSidecarPath(const QString& picturePath);

// The file's text, every line ended with CR LF, and the same as code page
// 932 bytes. A description line beginning
// with "@" is written with one more "@", so that it reads back as text and
// never as an option. Written, read and written again gives the same bytes.
// The title line is always written (hasTitle is for the reader).
QString PhotoSidecarText(const PhotoSidecar& sidecar);
QByteArray WritePhotoSidecar(const PhotoSidecar& sidecar);

// Reads the file's bytes: UTF-8 (a Linux editor's) as UTF-8, anything else
// as code page 932. Values outside their list are left kUnchanged; an
// "@" line that is none of the five options is description text, and "@@"
// begins a description line that itself begins with "@".
PhotoSidecar ReadPhotoSidecar(const QByteArray& content);
