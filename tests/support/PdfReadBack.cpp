#include "PdfReadBack.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
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
// Mean position of the dark pixels along one axis inside a band.
double DarkCentre(const QImage& page, int dpi, double fromMm, double toMm, bool columns) {
  const double pxPerMm = dpi / 25.4;
  const int from = int(fromMm * pxPerMm);
  const int to = int(toMm * pxPerMm);
  double sum = 0;
  double count = 0;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      const int along = columns ? y : x;
      if (along < from || along > to || qGray(page.pixel(x, y)) > 128) continue;
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
bool Dark(const QImage& image, QPoint p) { return image.valid(p) && qGray(image.pixel(p)) <= 128; }

bool DarkNear(const QImage& image, QPoint p) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (Dark(image, p + QPoint(dx, dy))) return true;
  return false;
}

// Dark pixels of either window without a dark pixel next to them in the other.
double MismatchAt(const QImage& a, QPoint ao, const QImage& b, QPoint bo, int w, int h) {
  int dark = 0;
  int unmatched = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const QPoint p(x, y);
      const bool da = Dark(a, ao + p);
      const bool db = Dark(b, bo + p);
      dark += da + db;
      unmatched += (da && !DarkNear(b, bo + p)) + (db && !DarkNear(a, ao + p));
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
  // Renderers round glyph edges differently: allow a pixel of shift.
  double best = 1.0;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      best = std::min(best, MismatchAt(a, ao + QPoint(dx, dy), b, bo, w, h));
  return best;
}
