#include "HelpPage.h"

#include <QDir>

#include "VersionBox.h"
#include "core/platform/MessageBox.h"
#include "core/platform/Shell.h"

void ShowHelpDocument() {
  const QString path = HomePageAddress();
  if (platform::OpenDocumentOrSayNot(path)) return;
  platform::ShowMessage(QStringLiteral("ヘルプを表示するプログラムを起動できませんでした。\r\n"
                                       "ヘルプは次のファイルにあります。ブラウザなどで開いてください。\r\n\r\n") +
                            QDir::toNativeSeparators(path),
                        platform::MsgButtons::Ok, platform::MsgIcon::Information);
}

QString MoreHelpLine() {
  return QStringLiteral("その他の説明は「") + QDir::toNativeSeparators(HomePageAddress()) +
         QStringLiteral("」にあります(メニューの「ホームページ表示」で開けます)");
}

QString HelpPageHtml() {
  return QStringLiteral(R"(<!DOCTYPE html>
<html lang="ja">
<head>
<meta charset="utf-8">
<title>Ringpad ヘルプ</title>
<style>
body { font-family: "IPAPGothic", sans-serif; max-width: 46em; margin: 2em auto; line-height: 1.6; }
h1, h2 { border-bottom: 1px solid #888; }
code { background: #eee; padding: 0 .2em; }
</style>
</head>
<body>
<h1>Ringpad ヘルプ</h1>
<p>Ringpad は、システム手帳（バイブル、ポケット、ミニ６穴、Ａ５など）のリフィルを、
ふつうのプリンター用紙に印刷するソフトです。</p>

<h2>使いかた</h2>
<ol>
<li>メニューの「ﾌｧｲﾙ(F)」→「用紙サイズ設定」で、使っている手帳の大きさを選び、「設定内容保管」を押します。</li>
<li>メニューで印刷したい用紙（Todo、予定、住所、メモ、表、写真、用紙など）を選びます。</li>
<li>内容を入力し、「印刷」ボタンを押します。印刷の前に「プレビュー」で確認できます。</li>
</ol>
<p>両面印刷では、表面の印刷が終わると用紙の裏返しを案内します。
案内が不要なときは、印刷ダイアログの「印刷確認メッセージボックス表示」を外してください。</p>

<h2>予定の入力</h2>
<p>「予定(C)」で日付を選び、内容を入力して「追加」を押します。
毎年・毎月の予定は、年や月を空白にして登録します。
他のソフトの予定（CSVファイル）は「ﾌｧｲﾙ(F)」→「他ソフトの予定内容のインポート」で取り込めます。</p>

<h2>データの保存場所</h2>
<p>予定、Todo、メモ、住所録などのファイルと設定ファイル（<code>ringpad.ini</code>）は、
次のフォルダに保存されます。</p>
<ul>
<li>環境変数 <code>RINGPAD_HOME</code> が設定されているときは、そのフォルダ。</li>
<li>プログラムと同じフォルダに設定ファイルがあるとき（持ち運び用のコピー）は、そのフォルダ。</li>
<li>それ以外は <code>~/.local/share/ringpad</code>。</li>
</ul>
<p>読み込んだファイルは、曜日ごとに <code>bak</code> フォルダへ控えが作られます。
ファイルを壊してしまったときは、そこから戻せます。</p>

<h2>姉妹ソフト</h2>
<p>カレンダー（<code>jxcalpad</code>）、郵便番号検索（<code>jxpostal</code>）、
電話一覧のメール送信（<code>jxsender</code>）と「専用用紙(S)」メニューのソフトは、
Ringpad には含まれていません。同じ名前の実行できるファイルをデータの保存場所
（上の「データの保存場所」）に置くと、Ringpad から起動できます。
ダウンロード用のページはありません。Windows 用のプログラム（.exe）は起動しません。</p>

<h2>印刷できないとき</h2>
<ul>
<li>プリンターが CUPS に登録されているか確認してください。登録がないときは「PDF」を選ぶと PDF ファイルに書き出せます。</li>
<li>用紙の大きさと向きは「ﾌｧｲﾙ(F)」→「プリンタの設定」で選べます。</li>
<li>まだ印刷できない用紙では「まだ印刷できません」と表示されます。</li>
</ul>
</body>
</html>
)");
}
