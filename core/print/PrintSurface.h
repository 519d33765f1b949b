#pragma once
// The printing surface: one drawing state and one set of operations, realised
// by the printer, the preview picture and (in tests) a recording surface.
// Every page renderer draws through the free routines at the end of this
// header, which pick the printer or the preview picture by the print job.
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cstdint>

#include "PrintJob.h"
#include "SurfaceState.h"

// What a rotated text is drawn with: a face name as the data gives it and a
// character height and average width in device pixels.
struct RotatedFontSpec {
  QString faceName;
  double heightPx = 0;   // character height; the sign is ignored
  double widthPx = 0;    // average character width, 0 = the face's own
  int escapement = 900;  // tenths of a degree, anticlockwise
};

// How a stretched picture's pixels reach its rectangle.
enum class PictureScaling : uint8_t {
  Device,   // as the device scales it (pages' small pictures and decorations)
  Smooth,   // photos: brought to the rectangle's own pixels, smoothed
  Nearest,  // black and white: brought to the rectangle's own pixels, hard edges kept
};

// One stretched picture as a back end draws it.
struct PictureDraw {
  QRectF destPx;           // in device pixels, never of negative size
  QRect source;            // the part of the picture drawn
  PictureScaling scaling = PictureScaling::Device;
  bool mirroredX = false;  // right to left
  bool mirroredY = false;  // bottom to top; with mirroredX, turned by 180 degrees
};

class PrintSurface {
 public:
  virtual ~PrintSurface();

  // --- Drawing state. Coordinates are in the current scale units:
  // millimetres from the top-left of the printable area (scale mode 6) or
  // device pixels (scale mode 3).
  const SurfaceState& state() const { return state_; }
  float currentX() const { return state_.CurrentX; }
  float currentY() const { return state_.CurrentY; }
  void setCurrentX(float x) { state_.CurrentX = x; }
  void setCurrentY(float y) { state_.CurrentY = y; }
  const QString& fontName() const { return state_.FontName; }
  // False when the surface refuses the name; the name then stays unchanged.
  virtual bool setFontName(const QString& name);
  float fontSize() const { return state_.FontSize; }
  void setFontSize(float points) { state_.FontSize = points; }
  bool fontBold() const { return state_.FontBold; }
  void setFontBold(bool bold) { state_.FontBold = bold; }
  uint32_t foreColor() const { return state_.ForeColor; }
  void setForeColor(uint32_t rgb) { state_.ForeColor = rgb; }
  int16_t drawStyle() const { return state_.DrawStyle; }
  void setDrawStyle(int16_t style) { state_.DrawStyle = style; }
  int16_t drawWidth() const { return state_.DrawWidth; }
  void setDotPattern(float pitchMm, float sizeMm) {
    state_.DotPitchMm = pitchMm;
    state_.DotSizeMm = sizeMm;
  }
  void setDrawWidth(int16_t width) { state_.DrawWidth = width; }
  uint32_t fillColor() const { return state_.FillColor; }
  void setFillColor(uint32_t rgb) { state_.FillColor = rgb; }
  int16_t fillStyle() const { return state_.FillStyle; }
  void setFillStyle(int16_t style) { state_.FillStyle = style; }
  int16_t scaleMode() const { return state_.ScaleMode; }
  // Switching the scale converts the current position into the new units.
  void setScaleMode(int16_t mode);

  // --- Measures.
  float scaleWidth() const;   // printable width in current units
  float scaleHeight() const;  // printable height in current units
  virtual float twipsPerPixelX() const = 0;
  virtual float twipsPerPixelY() const = 0;
  double pixelsPerMmX() const;  // device pixels per millimetre
  double pixelsPerMmY() const;
  // Width and line height of a text in the current font, current units.
  virtual float textWidth(const QString& text) = 0;
  virtual float textHeight() = 0;

  // --- Shapes, in current units, drawn with the current DrawWidth and
  // DrawStyle in the colour given (RGB, already resolved).
  // A line or box leaves the current position at (x2, y2).
  void line(float x1, float y1, float x2, float y2, uint32_t rgb);
  void box(float x1, float y1, float x2, float y2, uint32_t rgb, bool filled);
  // Outline in rgb, filled with FillColor while FillStyle is 0.
  void circle(float x, float y, float radius, uint32_t rgb);
  void point(float x, float y, uint32_t rgb);
  // Prints a text with the top-left of its first cell at the current
  // position, in the current font and ForeColor. Afterwards the position is at
  // the end of the text, or with newLine at x 0 one line height lower.
  void print(const QString& text, bool newLine);
  // Text turned by face.escapement, its reference point at a device-pixel
  // position, in ForeColor; the current position does not move.
  void rotatedText(QPointF devicePx, const QString& text, const RotatedFontSpec& face);
  // Stretches the source rectangle of an image (all of it when source is
  // empty) onto a rectangle in device pixels. A negative width or height
  // mirrors the picture on that axis, the rectangle running back from its
  // corner; both negative turn it by 180 degrees. Smooth and Nearest hand the
  // device the picture at the rectangle's own pixel size, so that a camera's
  // picture never reaches a printer or PDF file at full size and the device
  // cannot choose a scaling of its own.
  void imageDevice(const QRectF& destPx, const QImage& image, const QRect& source = {},
                   PictureScaling scaling = PictureScaling::Device);

  // --- Pages and documents. The surface keeps the open/closed state of its
  // document and page itself, so a page never depends on where the last one
  // left the current position.
  // Clears the picture (preview) or opens the next page (printer): the first
  // page of a document opens the document, later ones start a new sheet.
  // The current position becomes (0, 0).
  void beginPage();
  void endDocument();  // ends an open document (a printer job is sent)
  void endJob();       // the print job is over: ends any document, closes output
  bool documentOpen() const { return documentOpen_; }
  // True while anything of a job is still open (a document, a PDF file).
  virtual bool jobOutputOpen() const { return documentOpen_; }
  // How opening the job's output went. Once it failed (no usable printer)
  // or was cancelled (the PDF file dialog), the rest of the job draws nothing
  // and endJob() makes the surface ready for the next job.
  enum class OpenResult { Opened, Cancelled, Failed };
  OpenResult jobState() const { return jobState_; }
  bool jobUsable() const { return jobState_ == OpenResult::Opened; }
  // The user stopped the job before its first page: the rest of it draws
  // nothing, as after a cancelled PDF file dialog.
  void cancelJob();
  // What a failed open reports to the user.
  const QString& failureText() const { return failureText_; }
  virtual void setOrientation(int16_t orientation);  // 1 portrait, 2 landscape
  int16_t orientation() const { return orientation_; }
  // Where the origin of the pages lies on the paper, mm from its top-left
  // corner; a surface without paper answers PrintMargin in.
  virtual QPointF pageOriginOnPaperMm() const;
  // The job stated what it lays out: a printer that picks its paper by that
  // takes it up before the job's first page.
  virtual void paperMayHaveChanged() {}
  // Another printer became current: a surface bound to a printer takes it up
  // (any open job of the old one ends).
  virtual void followCurrentPrinter() {}

 protected:
  // Back-end work in device-independent terms; coordinates here are always
  // millimetres (the base class converts pixels to millimetres).
  virtual double scaleWidthMm() const = 0;
  virtual double scaleHeightMm() const = 0;
  virtual void drawLineMm(QPointF a, QPointF b, uint32_t rgb) = 0;
  virtual void drawBoxMm(const QRectF& box, uint32_t rgb, bool filled) = 0;
  virtual void drawCircleMm(QPointF centre, double radius, uint32_t rgb) = 0;
  virtual void drawPointMm(QPointF at, uint32_t rgb) = 0;
  virtual void drawTextMm(QPointF topLeft, const QString& text) = 0;
  virtual void drawRotatedTextPx(QPointF devicePx, const QString& text,
                                 const RotatedFontSpec& face) = 0;
  virtual void drawImagePx(const QImage& image, const PictureDraw& draw) = 0;
  // Widths of text in millimetres (textWidth/textHeight convert).
  virtual double textWidthMm(const QString& text) = 0;
  virtual double textHeightMm() = 0;
  // Opens a document (or says why the job cannot print), starts a further page,
  // closes the document, closes the job's output. A preview clears instead.
  virtual OpenResult openDocument() = 0;
  virtual void startNextPage() = 0;
  virtual void closeDocument() = 0;
  virtual void closeJob() {}
  // Converts a length of the current units to millimetres and back.
  double toMmX(double v) const;
  double toMmY(double v) const;
  double fromMmX(double mm) const;
  double fromMmY(double mm) const;

  SurfaceState state_;
  int16_t orientation_ = kPortrait;
  QString failureText_;

 private:
  bool documentOpen_ = false;
  OpenResult jobState_ = OpenResult::Opened;
};

// ---------------------------------------------------------------------------
// The globals and free routines that page renderers use.

// True while the job draws on the preview picture rather than the printer.
bool Previewing();

// The preview window's page picture, created on first use (the preview window
// shows it). Tests may put a recording surface in its place.
PrintSurface& PreviewPicture();
// The current printer (a CUPS queue or the PDF printer).
PrintSurface& PrinterSurfaceTarget();
// PreviewPicture() while the job previews, else the printer.
PrintSurface& ActiveSurface();
// Puts a surface (e.g. a RecordingSurface) in place of the printer or of the
// preview picture; nullptr puts the real one back. The caller keeps ownership.
void InstallPrinterSurface(PrintSurface* surface);
void InstallPreviewSurface(PrintSurface* surface);

// Colour values given to the routines below are colour indexes or RGB values
// (ColorByIndex); the PrintSurface methods take resolved RGB values.
void SetCurrentX(double x);
void SetCurrentY(double y);
float GetCurrentX();
float GetCurrentY();
void SetDrawStyle(double style);
void SetDrawWidth(double width);
void SetFontName(const QString& name);
void SetFontSize(float points);
void SetFontBold(double bold);  // non-zero = bold
void SetForeColor(int32_t colour);
QString GetFontName();
float GetFontSize();
int32_t GetForeColor();
float GetScaleWidth();  // ScaleWidth - 0.5 + WidthAdjust
float GetScaleHeight();
float GetTwipsPerPixelX();
float GetTwipsPerPixelY();
float MeasureTextWidth(const QString& text);
float HalfCharWidthMm(float points);
void DrawCircle(double x, double y, double radius, int32_t colour);
void PlotPoint(double x, double y, int32_t colour);
void SetPrinterScaleMode(double mode);
void SetPrinterOrientation(int16_t orientation);
// The printer's fill of circles (RGB value; style 0 solid, 1 transparent),
// set on the printer whether or not the job previews.
void SetPrinterFillColor(uint32_t rgb);
uint32_t GetPrinterFillColor();
void SetPrinterFillStyle(int16_t style);
