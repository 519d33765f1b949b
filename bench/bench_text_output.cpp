// The text routines on a full page, printed to the PDF printer and to the
// preview picture: wrapped text (a memo page), fitted text (a month grid's
// cells) and vertical text (address columns). Each character is printed on
// its own, so these pages cost more than plain lines and texts.
#include "BenchSupport.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/print/VerticalText.h"

namespace {

const QString kMemo = QStringLiteral(
    "打ち合わせメモ：来週の会議は10:00から。資料を3部用意すること。\\n"
    "\x04重要\x07 見積もりの締め切りは月末です。Project review, budget and schedule.\r\n"
    "連絡先は担当の鈴木さんまで。");

void DrawWrappedPage() {
  SetFontName(QStringLiteral("ＭＳ 明朝"));
  SetFontSize(9);
  for (int block = 0; block < 12; ++block) {
    SetCurrentX(10);
    SetCurrentY(10 + block * 22);
    PrintWrappedText(kMemo, 120);
    SetCurrentX(130);
    SetCurrentY(10 + block * 22);
    PrintClippedText(kMemo, 190);
  }
}

void DrawFittedPage() {
  SetFontName(QStringLiteral("ＭＳ ゴシック"));
  for (int row = 0; row < 6; ++row) {
    for (int column = 0; column < 7; ++column) {
      const float left = 10 + column * 27;
      const float top = 10 + row * 45;
      SetFontSize(9);
      SetCurrentX(left);
      SetCurrentY(top);
      PrintTextFitTwoLines(QStringLiteral("%1日 定例会議と資料の確認、夕方から打ち上げ").arg(row * 7 + column + 1),
                           left + 26);
      SetCurrentX(left);
      SetCurrentY(top + 20);
      PrintTextFitOneLine(QStringLiteral("大安 ○ 十五夜"), left + 26);
    }
  }
}

void DrawVerticalPage() {
  SetFontName(QStringLiteral("ＭＳ 明朝"));
  SetFontSize(12);
  for (int column = 0; column < 16; ++column) {
    SetCurrentX(190 - column * 11);
    SetCurrentY(15);
    PrintVerticalText(QStringLiteral("東京都千代田区千代田1-1-1ﾏﾝｼｮﾝ(3F)「様」ー%1").arg(column));
  }
}

void BM_WrappedTextPdf(benchmark::State& state) { PrintPagesOnPdfPrinter(state, DrawWrappedPage); }
void BM_WrappedTextPreview(benchmark::State& state) { PrintPagesOnPreview(state, DrawWrappedPage); }
void BM_FittedTextPdf(benchmark::State& state) { PrintPagesOnPdfPrinter(state, DrawFittedPage); }
void BM_FittedTextPreview(benchmark::State& state) { PrintPagesOnPreview(state, DrawFittedPage); }
void BM_VerticalTextPdf(benchmark::State& state) { PrintPagesOnPdfPrinter(state, DrawVerticalPage); }
void BM_VerticalTextPreview(benchmark::State& state) { PrintPagesOnPreview(state, DrawVerticalPage); }

BENCHMARK(BM_WrappedTextPdf)->Iterations(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WrappedTextPreview)->Iterations(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FittedTextPdf)->Iterations(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FittedTextPreview)->Iterations(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerticalTextPdf)->Iterations(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerticalTextPreview)->Iterations(50)->Unit(benchmark::kMillisecond);

}  // namespace
