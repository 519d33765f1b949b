// The free drawing routines: each picks the printer or the preview picture by
// what the print job draws on and forwards to it.
#include "PreviewImageSurface.h"
#include "PrintSurface.h"
#include "PrinterInfo.h"
#include "core/platform/TestSeamRegistry.h"
#include "core/settings/PaperSettings.h"
#include "core/text/ColorTable.h"
#include "core/text/Numbers.h"

namespace {
uint32_t ResolveSurfaceColor(int32_t colour);
PrintSurface* installedPrinter = nullptr;
PrintSurface* installedPreview = nullptr;

const QString kFallbackFont = QStringLiteral("ＭＳ ゴシック");
}  // namespace

bool Previewing() { return CurrentPrintJob().previewMode == 1; }

PrintSurface& PreviewPicture() { return installedPreview ? *installedPreview : PreviewImage(); }
PrintSurface& PrinterSurfaceTarget() { return installedPrinter ? *installedPrinter : SystemPrinter(); }
PrintSurface& ActiveSurface() { return Previewing() ? PreviewPicture() : PrinterSurfaceTarget(); }
void InstallPrinterSurface(PrintSurface* surface) {
  platform::RegisterSeamReset([] { InstallPrinterSurface(nullptr); });
  installedPrinter = surface;
}
void InstallPreviewSurface(PrintSurface* surface) {
  platform::RegisterSeamReset([] { InstallPreviewSurface(nullptr); });
  installedPreview = surface;
}

namespace {
uint32_t ResolveSurfaceColor(int32_t colour) { return uint32_t(ColorByIndex(colour)); }
}  // namespace

void SetCurrentX(double x) { ActiveSurface().setCurrentX(float(x)); }
void SetCurrentY(double y) { ActiveSurface().setCurrentY(float(y)); }
float GetCurrentX() { return ActiveSurface().currentX(); }
float GetCurrentY() { return ActiveSurface().currentY(); }
void SetDrawStyle(double style) { ActiveSurface().setDrawStyle(ToInt16(style)); }
void SetDrawWidth(double width) { ActiveSurface().setDrawWidth(ToInt16(width)); }

// The printer keeps whatever it had for a name it refuses; the preview picture,
// which MeasureTextWidth falls back on, gets a face that always works.
void SetFontName(const QString& name) {
  bool accepted = true;
  if (!Previewing()) accepted = PrinterSurfaceTarget().setFontName(name);
  accepted = PreviewPicture().setFontName(name) && accepted;
  if (!accepted) PreviewPicture().setFontName(kFallbackFont);
}

void SetFontSize(float points) { ActiveSurface().setFontSize(points); }

void SetFontBold(double bold) {
  if (!Previewing()) PrinterSurfaceTarget().setFontBold(bold != 0);
  PreviewPicture().setFontBold(bold != 0);
}

void SetForeColor(int32_t colour) { ActiveSurface().setForeColor(ResolveSurfaceColor(colour)); }
QString GetFontName() { return ActiveSurface().fontName(); }
float GetFontSize() { return ActiveSurface().fontSize(); }
int32_t GetForeColor() { return int32_t(ActiveSurface().foreColor()); }

float GetScaleWidth() {
  return ActiveSurface().scaleWidth() - 0.5f + PaperSettings.WidthAdjust;
}
float GetScaleHeight() { return ActiveSurface().scaleHeight(); }
float GetTwipsPerPixelX() { return ActiveSurface().twipsPerPixelX(); }
float GetTwipsPerPixelY() { return ActiveSurface().twipsPerPixelY(); }

float MeasureTextWidth(const QString& text) {
  if (text.isEmpty()) return 0;
  if (!Previewing()) {
    const float width = PrinterSurfaceTarget().textWidth(text);
    if (width >= 0) return width;
  }
  return PreviewPicture().textWidth(text);
}

float HalfCharWidthMm(float points) { return float(double(points) / 5.67); }

void DrawCircle(double x, double y, double radius, int32_t colour) {
  ActiveSurface().circle(float(x), float(y), float(radius), ResolveSurfaceColor(colour));
}

void PlotPoint(double x, double y, int32_t colour) {
  ActiveSurface().point(float(x), float(y), ResolveSurfaceColor(colour));
}

void SetPrinterScaleMode(double mode) {
  if (!Previewing()) PrinterSurfaceTarget().setScaleMode(ToInt16(mode));
}

// The printer is left alone while previewing, but the preview picture takes
// the orientation: a landscape job previews on a landscape page, and measures
// its sheet there as it would on paper.
void SetPrinterOrientation(int16_t orientation) {
  if (Previewing())
    PreviewPicture().setOrientation(orientation);
  else
    PrinterSurfaceTarget().setOrientation(orientation);
}

void SetPrinterFillColor(uint32_t rgb) { PrinterSurfaceTarget().setFillColor(rgb); }
uint32_t GetPrinterFillColor() { return PrinterSurfaceTarget().fillColor(); }
void SetPrinterFillStyle(int16_t style) { PrinterSurfaceTarget().setFillStyle(style); }
