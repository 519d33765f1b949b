// A 24-megapixel camera picture (6000 × 4000 JPEG, EXIF "turned right")
// through the photo page as the photo window takes it: loading with its
// orientation, the preview, one turn, 用紙いっぱいに (stretched to the page
// body) and a page on the PDF printer.
//
// The picture is made once and kept in the temporary folder, so that a run
// measured with /usr/bin/time -v shows the photo page's memory, not the
// making of the picture. Peak memory should stay within three decoded
// copies (3 × 96 MB) and the PDF below a few megabytes; the counters report
// both, the peak counted from before the first load, the making of the
// picture left out.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QTemporaryDir>

#include "BenchSupport.h"
#include "core/platform/FileDialog.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "ruled_photo/PhotoPage.h"
#include "ruled_photo/PictureLoader.h"

namespace {

constexpr int kCameraWidth = 6000;
constexpr int kCameraHeight = 4000;
constexpr int kFitToSheet = 4;  // 画像を用紙いっぱいに

// An EXIF block whose only entry is Orientation 6: the camera was held
// upright, and the picture is shown turned right by 90 degrees.
QByteArray ExifTurnedRight() {
  static const unsigned char segment[] = {
      0xFF, 0xE1, 0x00, 0x22,                          // APP1, 34 bytes
      'E',  'x',  'i',  'f',  0x00, 0x00,              // EXIF header
      'M',  'M',  0x00, 0x2A, 0x00, 0x00, 0x00, 0x08,  // big-endian TIFF, IFD at 8
      0x00, 0x01,                                      // one entry
      0x01, 0x12, 0x00, 0x03, 0x00, 0x00, 0x00, 0x01,  // Orientation, SHORT, 1
      0x00, 0x06, 0x00, 0x00,                          // 6
      0x00, 0x00, 0x00, 0x00,                          // no further IFD
  };
  return QByteArray(reinterpret_cast<const char*>(segment), sizeof segment);
}

QString CameraPicture() {
  const QString path = QDir::temp().filePath(QStringLiteral("ringpad-bench-camera-6000x4000.jpg"));
  if (QFileInfo(path).size() > 0) return path;
  QByteArray jpeg;
  {
    QImage image(kCameraWidth, kCameraHeight, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
      QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x) line[x] = qRgb(x % 256, y % 256, (x / 8 + y / 8) % 256);
    }
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
  }
  jpeg.insert(2, ExifTurnedRight());  // right after the start-of-image marker
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size() || !file.commit()) return {};
  return path;
}

PhotoPageOptions* page = nullptr;
void DrawPhotoBody() { DrawPhotoPage(*page, PaperSettings.PageLeft, PaperSettings.PageWidth); }

void BM_PhotoLoad(benchmark::State& state) {
  const QString path = CameraPicture();
  for (auto _ : state) {
    const QImage picture = LoadPicture(path);
    if (picture.size() != QSize(kCameraHeight, kCameraWidth)) state.SkipWithError("EXIF orientation not applied");
  }
}

// As the window does it: the turned picture takes the loaded one's place,
// and the stretched one is made from it.
void BM_PhotoTurnAndStretch(benchmark::State& state) {
  BenchProgramHome home;
  QImage saved = LoadPicture(CameraPicture());
  for (auto _ : state) {
    saved = TurnPictureLeft(saved);
    benchmark::DoNotOptimize(StretchPictureToBody(saved));
  }
}

void BM_PhotoPagePreview(benchmark::State& state) {
  BenchProgramHome home;
  PhotoPageOptions o;
  o.picture = LoadPicture(CameraPicture());
  o.title = QStringLiteral("写真");
  page = &o;
  PrintPagesOnPreview(state, DrawPhotoBody);
  page = nullptr;
}

// The photo window's whole way, its two pictures (as loaded and as printed)
// held as the window holds them, then one page to a PDF file.
void BM_PhotoWindowWayToPdf(benchmark::State& state) {
  BenchProgramHome home;
  const QString path = CameraPicture();
  ResetPeakMemory();
  // RINGPAD_ARTEFACT_DIR keeps the PDF to be looked at.
  const QString kept = qEnvironmentVariable("RINGPAD_ARTEFACT_DIR");
  const QString pdf = QDir(kept.isEmpty() ? home.dir.path() : kept).filePath(QStringLiteral("photo.pdf"));
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  SetCurrentPrinter(kPdfPrinterName);
  CurrentPrintJob().previewMode = 0;
  CurrentPrintJob().confirmPrompts = 0;
  CurrentPrintJob().endDocPerPage = 0;
  for (auto _ : state) {
    QImage saved = LoadPicture(path);
    saved = TurnPictureLeft(saved);
    PhotoPageOptions o;
    o.picture = StretchPictureToBody(saved);
    o.fit = kFitToSheet;
    o.title = QStringLiteral("写真");
    o.text = QStringLiteral("説明");
    PrintPhotoPages(o);
  }
  platform::SetFileDialogHandler({});
  state.counters["pdf_MB"] = QFileInfo(pdf).size() / 1e6;
  state.counters["peak_RSS_MB"] = double(PeakResidentMemoryBytes()) / (1024 * 1024);
  state.counters["budget_MB"] = 3.0 * kCameraWidth * kCameraHeight * 4 / (1024 * 1024);
}

}  // namespace

BENCHMARK(BM_PhotoLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhotoTurnAndStretch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhotoPagePreview)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PhotoWindowWayToPdf)->Unit(benchmark::kMillisecond)->Iterations(2);
