// Pasted text taken apart for every box the clipboard button fills: a long
// paste (a whole mail folder's signatures, say) should still answer in
// seconds, which rests on the surname search not trying every name on every
// line.
#include <chrono>

#include "BenchSupport.h"
#include "address/AddressTextParser.h"

namespace {

// Signature blocks of the usual shapes, repeated to the wanted line count.
QString PastedText(int lines) {
  const QString block[] = {
      QStringLiteral("株式会社 山田商事 営業部"),
      QStringLiteral("佐藤 花子"),
      QStringLiteral("〒100-0001 東京都千代田区千代田1-1"),
      QStringLiteral("千代田ビル 5F"),
      QStringLiteral("TEL 03-1234-5678 FAX 03-1234-5679"),
      QStringLiteral("E-mail: hanako@example.jp"),
      QStringLiteral("http://www.example.jp/"),
      QStringLiteral("─────────────"),
      QStringLiteral("お世話になっております。来週の打ち合わせの件です。"),
      QStringLiteral("高橋様にもよろしくお伝えください。"),
  };
  QString text;
  for (int i = 0; i < lines; ++i) text += block[i % std::size(block)] + QStringLiteral("\r\n");
  return text;
}

// A long mail body with no name in it: no line begins (or has a word
// beginning) with a common surname, so the surname search runs over every
// line instead of stopping at the first.
QString TextWithoutSurnames(int lines) {
  const QString block[] = {
      QStringLiteral("お世話になっております。"),
      QStringLiteral("来週 水曜日の 午後三時から 打ち合わせを お願いします。"),
      QStringLiteral("資料は 前回の ものを 少し 直して お送りします。"),
      QStringLiteral("議題 一覧 日程 調整 見積 確認 納期 相談"),
      QStringLiteral("Thank you very much for the quick reply."),
      QStringLiteral("ご不明な点が ありましたら お知らせください。"),
      QStringLiteral("今後とも よろしく お願い申し上げます。"),
  };
  QString text;
  for (int i = 0; i < lines; ++i) text += block[i % std::size(block)] + QStringLiteral("\r\n");
  return text;
}

const char* const kClipboardKeys[] = {"ZIP", "ADDRESS1", "ADDRESS2", "OFFICE", "NAME", "KANA", "ID",
                                      "MAIL", "TEL", "FAX", "POST", "URL", ""};

// The yardstick: a plain search for each of a few dozen labels over the
// same text, the least any parse must do.
double PlainLabelSearchSeconds(const QString& text) {
  const QStringList labels{
      "定休日", "休み",   "営業時間", "交通手段", "最寄駅", "ACCESS", "駐車場", "予算",     "施設",   "会社名",
      "店名",   "部署",   "担当",     "NAME",     "氏名",   "お名前", "TEL",    "PHONE",    "電話",   "携帯",
      "FAX",    "ＦＡＸ", "郵便番号", "〒",       "ID番号", "ふりがな", "フリガナ", "購入日", "DATE",   "住所",
      "所在地", "ADDRESS", "役職",    "税理士",   "弁護士", "メール", "MAILTO", "HTTP://", "URL",    "ビル"};
  const auto start = std::chrono::steady_clock::now();
  qsizetype found = 0;
  for (const QString& label : labels) found += text.count(label);
  benchmark::DoNotOptimize(found);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The keys in the order the clipboard button asks for them; the counter
// x_plain_search is the parse's time over the yardstick's.
void ParseForEveryBox(benchmark::State& state, const QString& text) {
  double parsed = 0;
  for (auto _ : state) {
    // A press of the button on a text not parsed before.
    benchmark::DoNotOptimize(ParseAddressText(QStringLiteral("-"), QString()));
    const auto start = std::chrono::steady_clock::now();
    {
      const CountedRegion counted;
      for (const char* key : kClipboardKeys) benchmark::DoNotOptimize(ParseAddressText(text, QString::fromLatin1(key)));
    }
    parsed += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  double yardstick = 1e9;
  for (int i = 0; i < 5; ++i) yardstick = std::min(yardstick, PlainLabelSearchSeconds(text));
  state.counters["x_plain_search"] = parsed / double(state.iterations()) / yardstick;
}

void BM_ParseEveryClipboardKey(benchmark::State& state) {
  ParseForEveryBox(state, PastedText(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ParseEveryClipboardKey)->Arg(1000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_ParseEveryClipboardKeyNoSurname(benchmark::State& state) {
  const QString text = TextWithoutSurnames(static_cast<int>(state.range(0)));
  // A surname slipping into the text would measure the easy case again.
  if (!ParseAddressText(text, QStringLiteral("NAME")).isEmpty()) {
    state.SkipWithError("the text holds a surname");
    return;
  }
  ParseForEveryBox(state, text);
}
BENCHMARK(BM_ParseEveryClipboardKeyNoSurname)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

// The yardstick alone, for its instruction count.
void CountPlainSearch(benchmark::State& state, const QString& text) {
  for (auto _ : state) {
    const CountedRegion counted;
    benchmark::DoNotOptimize(PlainLabelSearchSeconds(text));
  }
}
void BM_PlainLabelSearch(benchmark::State& state) { CountPlainSearch(state, PastedText(int(state.range(0)))); }
void BM_PlainLabelSearchNoSurname(benchmark::State& state) {
  CountPlainSearch(state, TextWithoutSurnames(int(state.range(0))));
}
BENCHMARK(BM_PlainLabelSearch)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainLabelSearchNoSurname)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);
const int kTextCounted = RegisterInstructionCounts("BM_ParseEveryClipboardKey", {10000}) +
                         RegisterInstructionCounts("BM_ParseEveryClipboardKeyNoSurname", {10000}) +
                         RegisterInstructionCounts("BM_PlainLabelSearch", {10000}) +
                         RegisterInstructionCounts("BM_PlainLabelSearchNoSurname", {10000});

}  // namespace
