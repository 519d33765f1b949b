#include "PdfReadBack.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;

QByteArray Run(const QString& program, const QStringList& args) {
  QProcess process;
  process.start(program, args);
  if (!process.waitForFinished(60000)) return {};
  return process.readAllStandardOutput();
}

double Attr(const QXmlStreamReader& xml, const char* name) {
  return xml.attributes().value(QLatin1String(name)).toDouble() * kMmPerPoint;
}

}  // namespace

bool PopplerAvailable() {
  for (const char* tool : {"pdfinfo", "pdftotext", "pdftoppm"})
    if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) return false;
  return true;
}

int PdfPageCount(const QString& path) {
  const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
  const auto match = pages.match(QString::fromUtf8(Run(QStringLiteral("pdfinfo"), {path})));
  return match.hasMatch() ? match.captured(1).toInt() : 0;
}

std::vector<PdfPageSize> PdfPageSizes(const QString& path) {
  std::vector<PdfPageSize> sizes;
  QXmlStreamReader xml(Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")}));
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("page"))
      sizes.push_back({Attr(xml, "width"), Attr(xml, "height")});
  }
  return sizes;
}

std::vector<PdfWord> PdfWords(const QString& path) {
  std::vector<PdfWord> words;
  QXmlStreamReader xml(Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")}));
  int page = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("page")) {
      ++page;
    } else if (xml.name() == QLatin1String("word")) {
      PdfWord word;
      word.page = page;
      word.xMinMm = Attr(xml, "xMin");
      word.yMinMm = Attr(xml, "yMin");
      word.xMaxMm = Attr(xml, "xMax");
      word.yMaxMm = Attr(xml, "yMax");
      word.text = xml.readElementText();
      words.push_back(word);
    }
  }
  return words;
}

PdfWord FindWord(const std::vector<PdfWord>& words, const QString& text) {
  for (const PdfWord& word : words)
    if (word.text == text) return word;
  return {};
}

QImage RenderPdfPage(const QString& path, int page, int dpi) {
  QTemporaryDir dir;
  const QString prefix = dir.path() + QStringLiteral("/page");
  Run(QStringLiteral("pdftoppm"),
      {QStringLiteral("-gray"), QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"),
       QStringLiteral("no"), QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
       QString::number(page), QStringLiteral("-l"), QString::number(page), QStringLiteral("-singlefile"),
       path, prefix});
  return QImage(prefix + QStringLiteral(".pgm"));
}

namespace {
// Which pixels of a rendered page are dark, and which have a dark pixel within
// one step: worked out once per page, since the comparisons below ask each
// pixel several times and QImage::pixel() is slow in a sanitized build.
class DarkMap {
 public:
  explicit DarkMap(const QImage& image) : w_(image.width()), h_(image.height()) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    dark_.assign(size_t(w_) * h_, 0);
    near_.assign(size_t(w_) * h_, 0);
    for (int y = 0; y < h_; ++y) {
      const uchar* row = grey.constScanLine(y);
      for (int x = 0; x < w_; ++x) dark_[size_t(y) * w_ + x] = row[x] <= 128;
    }
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x) {
        if (!dark_[size_t(y) * w_ + x]) continue;
        for (int ny = std::max(0, y - 1); ny <= std::min(h_ - 1, y + 1); ++ny)
          for (int nx = std::max(0, x - 1); nx <= std::min(w_ - 1, x + 1); ++nx) near_[size_t(ny) * w_ + nx] = 1;
      }
  }
  int width() const { return w_; }
  int height() const { return h_; }
  bool dark(QPoint p) const { return inside(p) && dark_[size_t(p.y()) * w_ + p.x()]; }
  bool darkNear(QPoint p) const { return inside(p) && near_[size_t(p.y()) * w_ + p.x()]; }

 private:
  bool inside(QPoint p) const { return p.x() >= 0 && p.y() >= 0 && p.x() < w_ && p.y() < h_; }
  int w_;
  int h_;
  std::vector<unsigned char> dark_;
  std::vector<unsigned char> near_;
};

// Mean position of the dark pixels along one axis inside a band.
double DarkCentre(const QImage& page, int dpi, double fromMm, double toMm, bool columns) {
  const double pxPerMm = dpi / 25.4;
  const int from = int(fromMm * pxPerMm);
  const int to = int(toMm * pxPerMm);
  const DarkMap map(page);
  double sum = 0;
  double count = 0;
  for (int y = 0; y < map.height(); ++y) {
    for (int x = 0; x < map.width(); ++x) {
      const int along = columns ? y : x;
      if (along < from || along > to || !map.dark({x, y})) continue;
      sum += (columns ? x : y) + 0.5;
      count += 1;
    }
  }
  return count > 0 ? sum / count / pxPerMm : -1;
}
}  // namespace

double DarkColumnCentreMm(const QImage& page, int dpi, double yFromMm, double yToMm) {
  return DarkCentre(page, dpi, yFromMm, yToMm, true);
}

double DarkRowCentreMm(const QImage& page, int dpi, double xFromMm, double xToMm) {
  return DarkCentre(page, dpi, xFromMm, xToMm, false);
}

namespace {
// Dark pixels of either window without a dark pixel next to them in the other.
double MismatchAt(const DarkMap& a, QPoint ao, const DarkMap& b, QPoint bo, int w, int h) {
  int dark = 0;
  int unmatched = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const QPoint p(x, y);
      const bool da = a.dark(ao + p);
      const bool db = b.dark(bo + p);
      dark += da + db;
      unmatched += (da && !b.darkNear(bo + p)) + (db && !a.darkNear(ao + p));
    }
  }
  return dark ? double(unmatched) / dark : 1.0;
}
}  // namespace

double DarkMismatch(const QImage& a, QPointF aMm, const QImage& b, QPointF bMm, QSizeF sizeMm, int dpi) {
  const double pxPerMm = dpi / 25.4;
  const int w = int(sizeMm.width() * pxPerMm);
  const int h = int(sizeMm.height() * pxPerMm);
  const QPoint ao(int(std::lround(aMm.x() * pxPerMm)), int(std::lround(aMm.y() * pxPerMm)));
  const QPoint bo(int(std::lround(bMm.x() * pxPerMm)), int(std::lround(bMm.y() * pxPerMm)));
  const DarkMap mapA(a);
  const DarkMap mapB(b);
  // Renderers round glyph edges differently: allow a pixel of shift.
  double best = 1.0;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      best = std::min(best, MismatchAt(mapA, ao + QPoint(dx, dy), mapB, bo, w, h));
  return best;
}
