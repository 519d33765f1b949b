// Pasted text taken apart for every box the clipboard button fills: a long
// paste (a whole mail folder's signatures, say) should still answer in
// seconds, which rests on the surname search not trying every name on every
// line.
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

// The keys in the order the clipboard button asks for them.
void ParseForEveryBox(benchmark::State& state, const QString& text) {
  const char* keys[] = {"ZIP", "ADDRESS1", "ADDRESS2", "OFFICE", "NAME", "KANA", "ID",
                        "MAIL", "TEL", "FAX", "POST", "URL", ""};
  for (auto _ : state)
    for (const char* key : keys) benchmark::DoNotOptimize(ParseAddressText(text, QString::fromLatin1(key)));
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

}  // namespace
