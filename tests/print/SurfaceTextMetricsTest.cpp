// The preview picture measures and draws text as the printer does, so wrapped
// and fitted text breaks at the same characters in the preview as on paper;
// the fixed-pitch faces measure what layout counts (Shift-JIS bytes times
// the half-width).
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <memory>

#include "TestEnvironment.h"
#include "core/platform/Codec.h"
#include "core/print/PreviewImageSurface.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/print/RecordingSurface.h"
#include "core/print/RotatedText.h"
#include "core/print/TextOutput.h"
#include "core/printer/PrinterSurface.h"

namespace {

const float kSizes[] = {4.93f, 7, 10, 12};

struct Sample {
  const char* what;
  QString text;
};

const Sample kSamples[] = {
    {"half-width", QStringLiteral("Meeting 10:00-12:00 (room 3F)")},
    {"full-width", QStringLiteral("打ち合わせ資料の確認")},
    {"mixed", QStringLiteral("予定 12 会議 ｶﾅ 10:00-12:00 資料")},
};

class SurfaceTextMetricsTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    SetCurrentPrinter(kPdfPrinterName);
    printer_ = std::make_unique<PrinterSurface>();  // the PDF printer at 600 dpi
    InstallPrinterSurface(printer_.get());
    InstallPreviewSurface(&preview_);
  }
  void TearDown() override {
    InstallPrinterSurface(nullptr);
    InstallPreviewSurface(nullptr);
    CurrentPrintJob().previewMode = 0;
    SetCurrentPrinter(DefaultPrinterName());
    RingpadTest::TearDown();
  }

  // Both surfaces in one face and size.
  void useFont(const QString& face, float points, bool bold = false) {
    for (PrintSurface* s : {static_cast<PrintSurface*>(printer_.get()), static_cast<PrintSurface*>(&preview_)}) {
      ASSERT_TRUE(s->setFontName(face));
      s->setFontSize(points);
      s->setFontBold(bold);
    }
  }

  // Where a text routine leaves the current position on the printer (0) or
  // the preview (1), started at (x, 50).
  template <typename Routine>
  QPointF endAfter(int16_t previewMode, float x, Routine routine) {
    CurrentPrintJob().previewMode = previewMode;
    SetCurrentX(x);
    SetCurrentY(50);
    routine();
    return {GetCurrentX(), GetCurrentY()};
  }

  std::unique_ptr<PrinterSurface> printer_;
  PreviewImageSurface preview_{96};
};

TEST_F(SurfaceTextMetricsTest, PreviewMeasuresTextAsThePrinterAndTheLayoutDo) {
  struct Face {
    QString name;
    bool bold;
    bool fixedPitch;
  } faces[] = {
      {QStringLiteral("ＭＳ ゴシック"), false, true},
      {QStringLiteral("ＭＳ 明朝"), false, true},
      {QStringLiteral("ＭＳ ゴシック"), true, true},
      {QStringLiteral("ＭＳ Ｐゴシック"), false, false},
  };
  for (const Face& face : faces) {
    for (const float points : kSizes) {
      useFont(face.name, points, face.bold);
      for (const Sample& sample : kSamples) {
        SCOPED_TRACE(face.name.toStdString() + (face.bold ? " bold " : " ") + std::to_string(points) + " pt " +
                     sample.what);
        const double onPaper = printer_->textWidth(sample.text);
        const double inPreview = preview_.textWidth(sample.text);
        EXPECT_NEAR(inPreview / onPaper, 1, 0.01);
        if (face.fixedPitch) {
          const double model = platform::SjisByteLength(sample.text) * HalfCharWidthMm(points);
          EXPECT_NEAR(onPaper / model, 1, 0.01);
          EXPECT_NEAR(inPreview / model, 1, 0.01);
        }
        EXPECT_NEAR(preview_.textHeight() / printer_->textHeight(), 1, 0.01);
      }
    }
  }
}

// Layouts size their rows in lines of one em, the font size: a line ends one
// em below where it began on every surface, whatever the face reaches above
// and below.
TEST_F(SurfaceTextMetricsTest, ALineAdvancesOneEmOnEverySurface) {
  RecordingSurface recording;
  PrintSurface* surfaces[] = {printer_.get(), &preview_, &recording};
  const struct {
    float points;
    double mm;
  } sizes[] = {{9, 3.175}, {12, 4.233}};
  for (PrintSurface* s : surfaces) {
    for (const auto& size : sizes) {
      for (const QString& face : {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("ＭＳ 明朝")}) {
        SCOPED_TRACE(face.toStdString() + " " + std::to_string(size.points) + " pt");
        ASSERT_TRUE(s->setFontName(face));
        s->setFontSize(size.points);
        s->setCurrentY(50);
        s->print(QStringLiteral("行の高さ Agy"), true);
        EXPECT_NEAR(s->currentY() - 50, size.mm, 0.01);
        EXPECT_NEAR(s->textHeight(), size.mm, 0.01);
      }
    }
  }
}

TEST_F(SurfaceTextMetricsTest, TinySizesMeasureInProportion) {
  // A long text fitted into a narrow cell gets a size under one screen pixel.
  const QString text = QStringLiteral("大安 ○ 十五夜 Agy");
  for (const float points : {0.1f, 0.3f, 0.74f, 1.5f}) {
    SCOPED_TRACE(points);
    useFont(QStringLiteral("ＭＳ ゴシック"), points);
    const double model = platform::SjisByteLength(text) * HalfCharWidthMm(points);
    EXPECT_NEAR(printer_->textWidth(text) / model, 1, 0.01);
    EXPECT_NEAR(preview_.textWidth(text) / model, 1, 0.01);
    EXPECT_GT(preview_.textHeight(), 0);
  }
}

TEST_F(SurfaceTextMetricsTest, WrappedAndFittedTextBreaksAlikeInThePreviewAndOnPaper) {
  struct Case {
    const char* what;
    float points;
    float startX;
    float rightLimit;
    void (*routine)(const QString&, float);
    QString text;
  } cases[] = {
      {"the gallery's fitted line", 10, 20, 60, PrintTextFitOneLine, QStringLiteral("FITONE") + QString(40, u'Y')},
      {"a month cell's marks", 9, 10, 36, PrintTextFitOneLine, QStringLiteral("大安 ○ 十五夜")},
      {"fitted into an odd room", 9, 13.3f, 60, PrintTextFitOneLine,
       QStringLiteral("先勝●◎") + QString(77, u'x')},
      {"squeezed onto one line", 9, 20, 60, PrintTextFitTwoLines,
       QStringLiteral("定例会議と資料の確認、夕方から打ち上げ")},
      {"ten full-width characters", 10, 10, 40, PrintWrappedText, QStringLiteral("一二三四五六七八九十")},
      {"a memo", 9, 10, 120, PrintWrappedText,
       QStringLiteral("打ち合わせメモ：来週の会議は10:00から。資料を3部用意すること。見積もりの締め切りは月末です。"
                      "Project review, budget and schedule.")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    useFont(QStringLiteral("ＭＳ ゴシック"), c.points);
    const auto run = [&] { c.routine(c.text, c.rightLimit); };
    const QPointF onPaper = endAfter(0, c.startX, run);
    const QPointF inPreview = endAfter(1, c.startX, run);
    // The same number of lines, ending at the same place.
    EXPECT_NEAR(inPreview.y(), onPaper.y(), 0.05);
    EXPECT_NEAR(inPreview.x(), onPaper.x(), 0.05);
    EXPECT_LE(onPaper.x(), c.rightLimit + 0.001);
    if (c.routine != PrintWrappedText) {
      EXPECT_EQ(onPaper.y(), 50) << "the fitted text wrapped";
    }
  }
}

TEST_F(SurfaceTextMetricsTest, FittedTextStaysOnOneLineWhateverItsRoom) {
  // A fitted text fills its room exactly; rounding must not push its last
  // character onto a second line. The font is large enough for every text
  // here to be shrunk.
  useFont(QStringLiteral("ＭＳ ゴシック"), 72);
  for (int16_t previewMode : {0, 1}) {
    for (int length = 14; length < 90; length += 7) {
      for (float startX = 3.1f; startX < 40; startX += 4.37f) {
        for (const float rightLimit : {47.3f, 60.0f, 199.5f}) {
          SCOPED_TRACE(QStringLiteral("preview %1, %2 characters from %3 to %4")
                           .arg(previewMode).arg(length).arg(startX).arg(rightLimit).toStdString());
          const QString text = QStringLiteral("大安") + QString(length, u'x');
          const QPointF end = endAfter(previewMode, startX, [&] { PrintTextFitOneLine(text, rightLimit); });
          ASSERT_EQ(end.y(), 50);
          ASSERT_NEAR(end.x(), rightLimit, 0.01);
          ASSERT_EQ(GetFontSize(), 72);
        }
      }
    }
  }
}

// Where the ink of the picture lies inside a band, in millimetres.
QRectF InkWithin(const QImage& image, double pxPerMm, const QRectF& bandMm) {
  int left = image.width(), right = -1, top = image.height(), bottom = -1;
  const QRect band =
      QRectF(bandMm.topLeft() * pxPerMm, bandMm.bottomRight() * pxPerMm).toRect().intersected(image.rect());
  for (int y = band.top(); y <= band.bottom(); ++y)
    for (int x = band.left(); x <= band.right(); ++x)
      if (qGray(image.pixel(x, y)) < 128) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  return QRectF(QPointF(left, top) / pxPerMm, QPointF(right + 1, bottom + 1) / pxPerMm);
}

// Where the ink lies across one row band.
std::pair<double, double> InkAcross(const QImage& image, double pxPerMm, double top, double bottom) {
  const QRectF ink = InkWithin(image, pxPerMm, QRectF(0, top, image.width() / pxPerMm, bottom - top));
  return {ink.left(), ink.right()};
}

TEST_F(SurfaceTextMetricsTest, PreviewDrawsTextAtTheSizeItMeasures) {
  // Black squares fill their full-width cells, so the ink shows the advance.
  const QString squares(20, u'■');
  const double pxPerMm = 96 / 25.4;
  for (const float points : kSizes) {
    SCOPED_TRACE(points);
    preview_.clear();
    useFont(QStringLiteral("ＭＳ ゴシック"), points);
    CurrentPrintJob().previewMode = 1;
    SetCurrentX(10);
    SetCurrentY(20);
    PrintTextInline(squares);
    const double cell = 2 * HalfCharWidthMm(points);
    EXPECT_NEAR(GetCurrentX(), 10 + 20 * cell, 0.01);
    const auto [left, right] = InkAcross(preview_.image(), pxPerMm, 20, 20 + cell);
    // The squares' ink spans the twenty cells, short of their side bearings.
    EXPECT_NEAR(left, 10, cell / 4);
    EXPECT_NEAR(right, 10 + 20 * cell, cell / 4);
  }
}

TEST_F(SurfaceTextMetricsTest, PreviewTurnsTextAsLongAsOnPaper) {
  // Turned text is drawn as horizontal text is, so it runs as long on the
  // screen as on paper and as the same text written across the preview.
  const QString squares(40, u'■');
  const double pxPerMm = 96 / 25.4;
  const double pixel = 1 / pxPerMm;
  for (const float points : kSizes) {
    for (const int escapement : {900, 2700}) {
      SCOPED_TRACE(std::to_string(points) + " pt, escapement " + std::to_string(escapement));
      preview_.clear();
      useFont(QStringLiteral("ＭＳ ゴシック"), points);
      const double cell = 2 * HalfCharWidthMm(points);
      const double onPaper = printer_->textWidth(squares);
      CurrentPrintJob().previewMode = 1;
      SetCurrentX(10);
      SetCurrentY(10);
      PrintTextInline(squares);
      const QRectF across = InkWithin(preview_.image(), pxPerMm, QRectF(0, 10, 210, cell));
      const double x = 100, y = escapement == 900 ? 280 : 20;
      DrawTurnedText(float(x), float(y), squares, escapement);
      const QRectF turned = InkWithin(preview_.image(), pxPerMm, QRectF(x - 2 * cell, 10 + 2 * cell, 4 * cell, 280));
      ASSERT_GT(turned.width(), 0);
      EXPECT_NEAR(turned.height() / across.width(), 1, 0.01);
      EXPECT_NEAR(turned.height(), onPaper, cell / 2);
      EXPECT_LE(turned.width(), cell + 2 * pixel);
      if (escapement == 900) {  // right of and above the reference point
        EXPECT_GE(turned.left(), x - pixel);
        EXPECT_LE(turned.bottom(), y + pixel);
        EXPECT_NEAR(turned.top(), y - onPaper, cell / 4);
      } else {  // left of and below it
        EXPECT_LE(turned.right(), x + pixel);
        EXPECT_GE(turned.top(), y - pixel);
        EXPECT_NEAR(turned.bottom(), y + onPaper, cell / 4);
      }
    }
  }
}

// The program gives its windows a face of their own as the application's
// font; pages name every property of theirs, so that neither the preview
// nor the paper changes with it.
TEST_F(SurfaceTextMetricsTest, PagesDrawTheSameWhateverTheApplicationFont) {
  const QFont before = QGuiApplication::font();
  const auto draw = [this](QImage& picture, std::vector<double>& widths) {
    PreviewImageSurface surface(96);
    surface.beginPage();
    float y = 20;
    for (const char* face : {"ＭＳ ゴシック", "ＭＳ 明朝", "Arial"}) {
      for (const Sample& sample : kSamples) {
        surface.setFontName(QString::fromUtf8(face));
        surface.setFontSize(9);
        surface.setCurrentX(10);
        surface.setCurrentY(y += 8);
        surface.print(sample.text, false);
        useFont(QString::fromUtf8(face), 9);
        widths.push_back(printer_->textWidth(sample.text));
      }
    }
    picture = surface.image();
  };
  QImage plain, changed;
  std::vector<double> plainWidths, changedWidths;
  draw(plain, plainWidths);
  QFont odd(QStringLiteral("IPAGothic"), 20);
  odd.setHintingPreference(QFont::PreferFullHinting);
  odd.setItalic(true);
  odd.setLetterSpacing(QFont::AbsoluteSpacing, 3);
  odd.setStretch(QFont::Expanded);
  odd.setKerning(true);
  QGuiApplication::setFont(odd);
  draw(changed, changedWidths);
  QGuiApplication::setFont(before);
  EXPECT_EQ(changedWidths, plainWidths);
  EXPECT_TRUE(changed == plain) << "the preview picture changed with the application's font";
}

}  // namespace
