#include "TreeSamples.h"

#include <QStringList>

#include "core/text/StringHelpers.h"

TreeSample TreeSampleOf(int index) {
  TreeSample s;
  switch (index) {
    case 1:
      s.title = QStringLiteral("２年３組緊急連絡網サンプル");
      s.boxLayout = 1;
      s.levelColours = 0;
      s.thinLines = 1;
      s.remarks = QStringLiteral("連絡が取れないときは、飛ばして次の人に連絡してください。\r\n"
                                 "数回連絡してもだめな場合は、先生に連絡ください");
      s.items = CrLfEndedLines({
          QStringLiteral("担任 山本先生,123-4501"),
          QStringLiteral(" 青木 春香,123-1102"),
          QStringLiteral("  石井 大輔,123-1203"),
          QStringLiteral("  上田 美咲,123-1304"),
          QStringLiteral(" 加藤 翔太,123-2105"),
          QStringLiteral("  木村 結衣,123-2206"),
          QStringLiteral(" 佐々木 蓮,123-3107"),
          QStringLiteral("  鈴木 花子,123-3208"),
          QStringLiteral("  高橋 悠斗,123-3309"),
          QStringLiteral(" 中村 さくら,123-4110"),
          QStringLiteral("  野口 健,123-4211"),
      });
      break;
    case 2:
      s.title = QStringLiteral("組織図サンプル");
      s.boxLayout = 7;
      s.levelColours = 1;
      s.items = CrLfEndedLines({
          QStringLiteral("大川 一郎 社長"),
          QStringLiteral(" 小林 次郎 営業部長,2101,090-111-2101"),
          QStringLiteral("  田中 三郎 営業一課長,2111,090-111-2111"),
          QStringLiteral("   松本,2112,090-111-2112"),
          QStringLiteral("   森,2113,090-111-2113"),
          QStringLiteral("  山田 四郎 営業二課長,2121,090-111-2121"),
          QStringLiteral("   斉藤,2122,090-111-2122"),
          QStringLiteral(" 渡辺 五郎 技術部長,3101,090-111-3101"),
          QStringLiteral("  井上 六郎 開発課長,3111,090-111-3111"),
          QStringLiteral("   清水,3112,090-111-3112"),
          QStringLiteral(" 林 七郎 総務部長,4101,090-111-4101"),
      });
      break;
    case 3:
      s.title = QStringLiteral("プログラム構造図サンプル");
      s.boxLayout = 5;
      s.levelColours = 0;
      s.items = CrLfEndedLines({
          QStringLiteral("販売管理システム"),
          QStringLiteral(" MAIN,0.00.01,メニュー"),
          QStringLiteral("  ORDER,0.00.02,受注入力"),
          QStringLiteral("   ORDCHK,0.00.03,受注チェック"),
          QStringLiteral("   ORDSAVE,0.00.04,受注登録"),
          QStringLiteral("  STOCK,0.00.05,在庫照会"),
          QStringLiteral("  BILL,0.00.06,請求書発行"),
          QStringLiteral("  MASTER,0.00.07,マスタ保守"),
      });
      break;
    default:
      break;
  }
  return s;
}
