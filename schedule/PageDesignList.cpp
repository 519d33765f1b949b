#include "PageDesignList.h"

QStringList PageDesignCaptions() {
  return {
      QStringLiteral("年カレンダー"),
      QStringLiteral("年間６ヶ月予定 格子型"),
      QStringLiteral("月間予定 横罫型"),
      QStringLiteral("月間予定 横罫型 メモ付"),
      QStringLiteral("月間予定 横罫型 見開1ｹ月"),
      QStringLiteral("月間予定 格子型"),
      QStringLiteral("月間予定 格子型 見開右余白"),
      QStringLiteral("月間予定 格子型 見開左余白"),
      QStringLiteral("月間予定 格子型 見開土日広"),
      QStringLiteral("月間予定 格子型 見開土日狭"),
      QStringLiteral("月間予定 格子型 横"),
      QStringLiteral("月間予定 格子型 ２段"),
      QStringLiteral("週間予定 横罫型"),
      QStringLiteral("週間予定 横罫型 メモ付"),
      QStringLiteral("週間予定 横罫型 土日並び"),
      QStringLiteral("週間予定 横罫型 見開土日並び"),
      QStringLiteral("週間予定 横罫型 見開"),
      QStringLiteral("週間予定 縦時間軸 見開"),
      QStringLiteral("週間予定 縦時間軸 見開余白"),
      QStringLiteral("週間予定 縦時間軸 見開３列"),
      QStringLiteral("週間予定 縦時間軸 見開土日狭"),
      QStringLiteral("日予定"),
      QStringLiteral("日予定 見開"),
      QStringLiteral("日予定 １頁に２日"),
      QStringLiteral("日記５年 横罫型"),
      QStringLiteral("Ａ４横の大きなカレンダー"),
      QStringLiteral("Ａ４縦の大きなカレンダー"),
  };
}
