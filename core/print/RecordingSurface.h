#pragma once
// A surface that draws nothing and keeps every primitive, for tests: positions
// in millimetres, texts with their font and colour, pages and documents.
#include <QSize>
#include <QStringList>
#include <vector>

#include "PrintSurface.h"

struct RecordedOp {
  enum Kind {
    Line,         // (x1, y1)-(x2, y2)
    Box,          // corners (x1, y1), (x2, y2)
    FilledBox,    // corners (x1, y1), (x2, y2)
    Circle,       // centre (x1, y1), radius x2
    Point,        // (x1, y1)
    Text,         // top-left (x1, y1); newLine tells whether the line ended
    RotatedText,  // reference point (x1, y1) in mm, from device pixels
    Image,        // destination (x1, y1)-(x2, y2) in mm, x1 < x2 and y1 < y2;
                  // imageSize, scaling, mirroredX and mirroredY
    BeginDocument,
    NewPage,      // a further page of the open document, or a cleared picture
    EndDocument,
    EndJob,
  };
  Kind kind = Line;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // millimetres
  QString text;
  bool newLine = false;
  QString fontName;
  float fontSize = 0;
  bool fontBold = false;
  uint32_t color = 0;  // the shape's colour, or ForeColor for texts
  int16_t drawStyle = 0;
  int16_t drawWidth = 0;
  float dotPitch = 0;  // of a kDrawDotted line, mm
  float dotSize = 0;
  int16_t fillStyle = 1;   // of circles: 0 filled with fillColor
  uint32_t fillColor = 0;
  RotatedFontSpec rotated;
  QSize imageSize;  // the whole picture's, as handed to the surface
  PictureScaling scaling = PictureScaling::Device;
  bool mirroredX = false;
  bool mirroredY = false;  // both: the picture turned by 180 degrees
};

class RecordingSurface : public PrintSurface {
 public:
  // A surface of the given printable size in millimetres at the given device
  // resolution. Text is measured with the layout model (Shift-JIS bytes times
  // HalfCharWidthMm), line height is the font size in millimetres.
  explicit RecordingSurface(double widthMm = 200, double heightMm = 287, double dpi = 96);

  const std::vector<RecordedOp>& ops() const { return ops_; }
  void clearOps() { ops_.clear(); }
  // Every op of one kind, and the texts of all Text and RotatedText ops.
  std::vector<RecordedOp> opsOf(RecordedOp::Kind kind) const;
  QStringList texts() const;
  // Kinds of the page and document events in order, e.g. "begin-doc page
  // end-doc end-job", for protocol tests.
  QString protocol() const;
  int orientationSetCount() const { return orientationSets_; }
  // Names that setFontName refuses (besides those no installed font covers).
  void refuseFontName(const QString& name) { refused_ << name; }
  // Makes the document fail to open, as a printer that cannot be used.
  void setUnusable(bool unusable) { unusable_ = unusable; }
  void setSize(double widthMm, double heightMm) { widthMm_ = widthMm; heightMm_ = heightMm; }
  // Records a dotted line as the dots it stands for (points, or circles
  // half their size across), for tests that check rules dot by dot.
  void setDotsAsPoints(bool dots) { dotsAsPoints_ = dots; }

  bool setFontName(const QString& name) override;
  float twipsPerPixelX() const override { return twipsPerPixel_; }
  float twipsPerPixelY() const override { return twipsPerPixel_; }
  float textWidth(const QString& text) override;
  float textHeight() override;
  void setOrientation(int16_t orientation) override;

 protected:
  double scaleWidthMm() const override;
  double scaleHeightMm() const override;
  void drawLineMm(QPointF a, QPointF b, uint32_t rgb) override;
  void drawBoxMm(const QRectF& box, uint32_t rgb, bool filled) override;
  void drawCircleMm(QPointF centre, double radius, uint32_t rgb) override;
  void drawPointMm(QPointF at, uint32_t rgb) override;
  void drawTextMm(QPointF topLeft, const QString& text) override;
  void drawRotatedTextPx(QPointF devicePx, const QString& text, const RotatedFontSpec& face) override;
  void drawImagePx(const QImage& image, const PictureDraw& draw) override;
  double textWidthMm(const QString& text) override;
  double textHeightMm() override;
  OpenResult openDocument() override;
  void startNextPage() override;
  void closeDocument() override;
  void closeJob() override;

 private:
  RecordedOp make(RecordedOp::Kind kind, double x1, double y1, double x2, double y2, uint32_t rgb) const;
  void add(RecordedOp::Kind kind);

  std::vector<RecordedOp> ops_;
  QStringList refused_;
  double widthMm_;
  double heightMm_;
  float twipsPerPixel_;
  bool unusable_ = false;
  bool dotsAsPoints_ = false;
  int orientationSets_ = 0;
};
