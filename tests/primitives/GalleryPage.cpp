#include "GalleryPage.h"

#include <QImage>

#include "core/print/DrawStyledLine.h"
#include "core/print/Pictures.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/RotatedText.h"
#include "core/print/TextOutput.h"
#include "core/print/VerticalText.h"
#include "core/settings/PaperSettings.h"

namespace {

constexpr double kLabelX = 10;
constexpr double kLineFrom = 30;
constexpr double kLineTo = 110;
constexpr double kRowsTop = 20;
constexpr double kRowStep = 7;
constexpr float kLabelPoints = 9;
constexpr double kTextTop = 200;

const QString kWrapped = QStringLiteral("WRAPAB\\nWRAPCD");
const QString kClipped = QStringLiteral("CLIPPEDTEXTGOESON");
const QString kColoured = QString(QChar(4)) + QStringLiteral("RED") + QChar(7) + QStringLiteral("BACK");
const QString kVertical = QStringLiteral("ﾏﾝｼｮﾝ(3F)");

struct StyleRow {
  QString label;
  double style;
  int32_t colour;
  int16_t lineType;
};

std::vector<StyleRow> Rows() {
  return {
      {"S1", 1, 0, 0},     {"S1T", 1, 0, 1},    {"S3", 3, 4, 0},   {"S9", 9, 1, 0},
      {"G1", 10, 1, 0},    {"G2", 10, 2, 0},    {"G3", 10, 3, 0},  {"G4", 10, 4, 0},
      {"G5", 10, 5, 0},    {"G6", 10, 6, 0},    {"W10", 10, 9, 0}, {"DOT", -1, 0, 0},
      {"DOTC", -1, 15, 2}, {"HATCH", -10, 16, 0}, {"AR", -100, 0, 0}, {"ARS", -101, 0, 0},
      {"ARE", -102, 0, 0}, {"NONE", 0, 0, 0},
  };
}

QImage Checkerboard() {
  QImage image(16, 16, QImage::Format_RGB32);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) image.setPixel(x, y, (x / 4 + y / 4) % 2 ? 0xFF2060C0 : 0xFFFFFFFF);
  return image;
}

void Label(const QString& text, double x, double y) {
  SetCurrentX(x);
  SetCurrentY(y);
  PrintTextInline(text);
}

}  // namespace

void DrawGalleryPage() {
  SetFontName(QStringLiteral("ＭＳ ゴシック"));
  SetFontBold(0);
  SetForeColor(0);
  SetFontSize(12);
  Label(QStringLiteral("GALLERY"), 10, 5);

  SetFontSize(kLabelPoints);
  const std::vector<StyleRow> rows = Rows();
  for (size_t i = 0; i < rows.size(); ++i) {
    const StyleRow& row = rows[i];
    const double y = kRowsTop + kRowStep * double(i);
    Label(row.label, kLabelX, y);
    PaperSettings.LineType = row.lineType;
    const double mid = y + 1.5;
    const double bottom = row.style == -10 ? mid + 4 : mid;
    DrawStyledLine(row.style, kLineFrom, mid, kLineTo, bottom, row.colour);
  }
  PaperSettings.LineType = 0;
  // A vertical gradient, a vertical arrow and dots down the right-hand side.
  DrawStyledLine(10, 120, 20, 120, 80, 6);
  DrawStyledLine(-100, 126, 80, 126, 20, 0);
  DrawStyledLine(-1, 132, 20, 132, 80, 1);

  DrawBox(2, 10, 150, 60, 170, 4);
  FillBox(0, 70, 150, 110, 170, 12);
  DrawBox(1, 75, 155, 105, 165, -1);

  // Pictures: inline in text, and stretched in device pixels onto the
  // printer or the preview picture, as the decoration does.
  const QImage picture = Checkerboard();
  SetFontSize(10);
  SetCurrentX(10);
  SetCurrentY(180);
  PrintTextInline(QStringLiteral("PIC"));
  PrintPictureBox(picture);
  PrintTextInline(QStringLiteral("END"));
  if (CurrentPrintJob().previewMode == 1)
    StretchPicture(PreviewPicture(), DevicePixelsX(70), DevicePixelsY(178), DevicePixelsX(20),
                   DevicePixelsY(10), picture);
  else
    PrinterPaintPicture(0, DevicePixelsX(70), DevicePixelsY(178), DevicePixelsX(20), DevicePixelsY(10),
                        picture, 0, 0, 16, 16);

  const GalleryWord rotated = GalleryRotatedWord();
  SetFontSize(float(rotated.points));
  DrawRotatedText(float(rotated.x), float(rotated.y), rotated.text);
  SetFontSize(10);
  SetCurrentX(160);
  SetCurrentY(140);
  PrintRotatedTextAtCursor(QStringLiteral("CURSOR"));

  SetFontSize(10);
  SetCurrentX(180.3);
  SetCurrentY(20);
  PrintVerticalText(kVertical);

  SetFontSize(10);
  SetCurrentX(20);
  SetCurrentY(kTextTop);
  PrintWrappedText(kWrapped, 150);
  SetCurrentX(20);
  SetCurrentY(kTextTop + 12);
  PrintClippedText(kClipped, 45);
  SetCurrentX(20);
  SetCurrentY(kTextTop + 20);
  PrintWrappedText(kColoured, 150);
  SetCurrentX(20);
  SetCurrentY(kTextTop + 28);
  PrintTextFitTwoLines(QStringLiteral("FITTWO") + QString(30, u'X'), 60);
  const GalleryWord fitted = GalleryFittedLine();
  SetFontSize(float(fitted.points));
  SetCurrentX(fitted.x);
  SetCurrentY(fitted.y);
  PrintTextFitOneLine(fitted.text, 60);
  SetCurrentX(20);
  SetCurrentY(kTextTop + 44);
  PrintTextNewLine(QStringLiteral("NEWLINE"));
  PrintTextInline(QStringLiteral("NEXTLINE"));
}

std::vector<GalleryWord> GalleryUprightWords() {
  std::vector<GalleryWord> words = {{QStringLiteral("GALLERY"), 10, 5, 12}};
  const std::vector<StyleRow> rows = Rows();
  for (size_t i = 0; i < rows.size(); ++i)
    words.push_back({rows[i].label, kLabelX, kRowsTop + kRowStep * double(i), kLabelPoints});
  words.push_back({QStringLiteral("WRAPAB"), 20, kTextTop, 10});
  words.push_back({QStringLiteral("REDBACK"), 20, kTextTop + 20, 10});
  words.push_back({QStringLiteral("NEWLINE"), 20, kTextTop + 44, 10});
  return words;
}

GalleryWord GalleryFittedLine() { return {QStringLiteral("FITONE") + QString(40, u'Y'), 20, kTextTop + 36, 10}; }

GalleryWord GalleryRotatedWord() { return {QStringLiteral("ROTATED"), 150, 120, 14}; }

std::vector<GalleryWord> GalleryVerticalCharacters() {
  std::vector<GalleryWord> chars;
  for (const QChar c : QStringLiteral("マンション")) chars.push_back({QString(c), 180, 20, 10});
  return chars;
}
