#include "GanttSamples.h"

#include <QStringList>

#include "core/text/StringHelpers.h"

namespace {

QString PlanAndResult() {
  QStringList l = {
      QStringLiteral("項目名,予定開始,予定終了,,担当,,タイプ,実績開始,実績終了,,,,備考"),
      QStringLiteral("マイルストーン"),
      QStringLiteral(" ▽役員レビュー,2002/03/31"),
      QStringLiteral(" ▽基本設計書レビュー,2002/04/30"),
      QStringLiteral("新受注システム開発"),
      QStringLiteral(" 基本設計,2002/03/01,2002/04/01,,山田,,黄,2002/04/01,2002/05/01,,,,遅れ気味,要注意"),
      QStringLiteral("  現状調査,2002/03/01,2002/03/15,,佐藤,,赤"),
      QStringLiteral("  要件定義,2002/03/10,2002/03/31,,鈴木,,青"),
      QStringLiteral(" 詳細設計,2002/04/01,2002/04/30,,田中,,緑"),
      QStringLiteral("  *目的,2002/04/01,2002/04/10,,田中,,水"),
      QStringLiteral("  画面設計,2002/04/05,2002/04/20,,高橋,,灰"),
      QStringLiteral("  帳票設計,2002/04/10,2002/04/25,,伊藤,,黒"),
      QStringLiteral("  ファイル設計,2002/04/15,2002/04/30,,渡辺,,白"),
      QStringLiteral(" 製造,,,,中村"),
      QStringLiteral("  ＋１つめ,2002/05/01,2002/05/31,,,,青"),
      QStringLiteral("  ＋２つめ,2002/06/01,2002/06/30,,,,緑"),
      QStringLiteral("  ＋３つめ,2002/07/01,2002/07/31,,,,紫"),
  };
  const QStringList owners = {QStringLiteral("小林"), QStringLiteral("加藤"), QStringLiteral("吉田"),
                              QStringLiteral("山本"), QStringLiteral("松本")};
  for (int i = 1; i <= 10; ++i)
    l << QStringLiteral(" ステップ%1,2002/05/10,2002/07/02,,%2").arg(i).arg(owners[(i - 1) % owners.size()]);
  return CrLfEndedLines(l);
}

QString ProgressCase() {
  return CrLfEndedLines({QStringLiteral("項目名     ,予定開始  ,予定終了  ,担当,進捗,備考"),
                         QStringLiteral("計画表作成,2002/03/01,2002/03/10,山田,.5,50%完成"),
                         QStringLiteral("分析,2002/04/11,2002/04/20,佐藤,.3,30%完成")});
}

QString ProgramManufacture() {
  return CrLfEndedLines(
      {QStringLiteral("名称            ,ID     ,担当,STEP,予定開始  ,実績開始  ,予定終了  ,実績終了  ,"),
       QStringLiteral("受注管理プログラム,JU0001,K12,4000,2002/07/01,2002/07/10,2002/07/10,2002/07/31"),
       QStringLiteral(" ＋製造,,,,2002/08/01,,2002/08/10,"), QStringLiteral(" ＋試験,,,,2002/09/01,,2002/09/10,")});
}

QString ProcessControl() {
  return CrLfEndedLines({QStringLiteral("工程名,予定開始,予定終了,,担当,,タイプ"), QStringLiteral("第一工場"),
                         QStringLiteral(" ライン１,,,,木村"),
                         QStringLiteral("  ＋製品A   ,2002/03/01,2002/03/29,,,,赤"),
                         QStringLiteral("  ＋製品B   ,2002/04/01,2002/04/29,,,,青"),
                         QStringLiteral("  ＋製品C   ,2002/05/01,2002/05/29,,,,緑"), QStringLiteral(" ライン２,,,,林"),
                         QStringLiteral("  ＋製品A   ,2002/03/01,2002/04/29,,,,赤"),
                         QStringLiteral("  ＋製品C   ,2002/05/01,2002/05/29,,,,緑")});
}
}  // namespace

GanttSample GanttSampleFor(int index) {
  switch (index) {
    case 2: return {PlanAndResult(), 0, 0};
    case 3: return {ProgressCase(), 0, 0};
    case 4: return {ProgramManufacture(), 1, 2};
    case 5: return {ProcessControl(), 0, 0};
    default: return {};
  }
}
