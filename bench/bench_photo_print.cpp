// A 24-megapixel camera picture (6000 × 4000 JPEG) through the photo page:
// loading with its orientation, one turn, stretching to the page body, and
// a page on the PDF printer, which gets the picture at its own pixel size.
#include <QImage>
#include <QTemporaryDir>

#include "BenchSupport.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "ruled_photo/PhotoPage.h"
#include "ruled_photo/PictureLoader.h"

namespace {

PhotoPageOptions* page = nullptr;

QString CameraPicture(const QTemporaryDir& dir) {
  QImage image(6000, 4000, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) line[x] = qRgb(x % 256, y % 256, (x + y) % 256);
  }
  const QString path = dir.filePath(QStringLiteral("camera.jpg"));
  image.save(path, "JPEG", 85);
  return path;
}

void Setup(const QTemporaryDir& dir) {
  SetProgramPaths(dir.path() + QStringLiteral("/ringpad"));
  WriteDefaultSettings();
  LoadPaperSettings(0);
}

void BM_PhotoLoad(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = CameraPicture(dir);
  for (auto _ : state) benchmark::DoNotOptimize(LoadPicture(path));
}

void BM_PhotoTurnAndStretch(benchmark::State& state) {
  QTemporaryDir dir;
  Setup(dir);
  const QImage picture = LoadPicture(CameraPicture(dir));
  for (auto _ : state) benchmark::DoNotOptimize(StretchPictureToBody(TurnPictureLeft(picture)));
}

void DrawPhoto() { DrawPhotoPage(*page, 8, 88); }

void BM_PhotoPageOnPdfPrinter(benchmark::State& state) {
  QTemporaryDir dir;
  Setup(dir);
  PhotoPageOptions o;
  o.picture = LoadPicture(CameraPicture(dir));
  o.title = QStringLiteral("写真");
  o.text = QStringLiteral("説明");
  page = &o;
  PrintPagesOnPdfPrinter(state, DrawPhoto);
  page = nullptr;
}

}  // namespace

BENCHMARK(BM_PhotoLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhotoTurnAndStretch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhotoPageOnPdfPrinter)->Unit(benchmark::kMillisecond)->Iterations(3);
