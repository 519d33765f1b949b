#include "PhotoSidecar.h"

#include <QFileInfo>
#include <QStringList>

#include "core/platform/CodePageChecks.h"
#include "core/platform/Codec.h"
#include "core/text/Numbers.h"
#include "core/text/StringHelpers.h"

namespace {

const QString kTitle = QStringLiteral("@TITLE=");
const QString kFit = QStringLiteral("@SIZE_TYPE=");
const QString kScale = QStringLiteral("@SIZE_BAIRITU=");
const QString kAnchor = QStringLiteral("@SIZE_ICHI=");
const QString kPictureOnly = QStringLiteral("@PICNOMI=");
const QString kOwnSidecarEnding = QStringLiteral(".ringpad");

// A description line that begins with "@" is written with one more "@", so
// that it can never read back as an option, and read with one "@" less.
const QString kEscapedAt = QStringLiteral("@@");

bool IsOptionLine(const QString& line) {
  const QString none = NoPrefixMatch();
  for (const QString& key : {kTitle, kFit, kScale, kAnchor, kPictureOnly})
    if (StripPrefixNoCase(line, key) != none) return true;
  return false;
}

// -1 (nothing chosen) is a valid index; anything else outside the list would
// select nothing sensible, so the list keeps what it shows.
int IndexWithin(const QString& value, int count) {
  const double n = RoundHalfEven(ParseNumber(value));
  return n >= -1 && n < count ? int(n) : PhotoSidecar::kUnchanged;
}

}  // namespace

QString PhotoSidecarPath(const QString& picturePath) {
  const QFileInfo info(picturePath);
  const QString ext = info.suffix().toUpper();
  // A bitmap's side file drops its extension, as bitmaps saved before have
  // it. Every name ending in ".txt" is some bitmap's side file, so the other
  // kinds keep their whole name and take an ending of their own: a.png and
  // a.jpg beside a.bmp then never share a title and text.
  if (ext == QLatin1String("BMP")) return picturePath.left(picturePath.size() - ext.size()) + QStringLiteral("txt");
  if (ext == QLatin1String("PNG") || ext == QLatin1String("JPG") || ext == QLatin1String("JPEG"))
    return picturePath + kOwnSidecarEnding;
  return {};
}

QString PhotoSidecarText(const PhotoSidecar& sidecar) {
  const QString crlf = QStringLiteral("\r\n");
  QString out = kTitle + sidecar.title + crlf;
  out += kFit + QString::number(sidecar.fit) + crlf;
  out += kScale + QString::number(sidecar.scale) + crlf;
  out += kAnchor + QString::number(sidecar.anchor) + crlf;
  out += kPictureOnly + QString::number(sidecar.pictureOnly) + crlf;
  QStringList lines = sidecar.text.split(crlf);
  for (QString& line : lines)
    if (line.startsWith(u'@')) line.prepend(u'@');
  out += lines.join(crlf) + crlf;
  return out;
}

QByteArray WritePhotoSidecar(const PhotoSidecar& sidecar) { return platform::ToSjis(PhotoSidecarText(sidecar)); }

PhotoSidecar ReadPhotoSidecar(const QByteArray& content) {
  PhotoSidecar s;
  QStringList description;
  for (const QString& line : platform::DecodeTextLines(content)) {
    // Only the five options are options; any other line is the user's text,
    // "@" and all, and an escaped one loses its extra "@".
    if (line.startsWith(kEscapedAt)) {
      description << line.mid(1);
      continue;
    }
    if (!IsOptionLine(line)) {
      description << line;
      continue;
    }
    const QString none = NoPrefixMatch();
    QString v = StripPrefixNoCase(line, kTitle);
    if (v != none) {
      s.hasTitle = true;
      s.title = v;
    }
    if ((v = StripPrefixNoCase(line, kFit)) != none) s.fit = IndexWithin(v, kPhotoFitCount);
    if ((v = StripPrefixNoCase(line, kScale)) != none) s.scale = IndexWithin(v, kPhotoScaleCount);
    if ((v = StripPrefixNoCase(line, kAnchor)) != none) s.anchor = IndexWithin(v, kPhotoAnchorCount);
    if ((v = StripPrefixNoCase(line, kPictureOnly)) != none) {
      const double n = RoundHalfEven(ParseNumber(v));
      s.pictureOnly = n == 0 || n == 1 ? int(n) : PhotoSidecar::kUnchanged;
    }
  }
  // Line breaks go between the lines only: the writer ends the text with one,
  // so adding one after every line would grow the text at each save.
  s.text = description.join(QStringLiteral("\r\n"));
  return s;
}
