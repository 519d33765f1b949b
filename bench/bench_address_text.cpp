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

void BM_ParseEveryClipboardKey(benchmark::State& state) {
  const QString text = PastedText(static_cast<int>(state.range(0)));
  // The keys in the order the clipboard button asks for them.
  const char* keys[] = {"ZIP", "ADDRESS1", "ADDRESS2", "OFFICE", "NAME", "KANA", "ID",
                        "MAIL", "TEL", "FAX", "POST", "URL", ""};
  for (auto _ : state)
    for (const char* key : keys) benchmark::DoNotOptimize(ParseAddressText(text, QString::fromLatin1(key)));
}
BENCHMARK(BM_ParseEveryClipboardKey)->Arg(1000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
