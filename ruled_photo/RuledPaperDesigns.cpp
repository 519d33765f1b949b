#include "RuledPaperDesigns.h"

namespace {

const char* const kCaptions[kRuledDesignCount] = {
    "ﾜﾝﾎﾟｲﾝﾄｲﾒｰｼﾞ", "方眼紙", "ドット", "白紙(A4片面のみ)", "横罫線/縦罫線", "五線紙",
    "物差し", "健康/ダイエット", "原稿用紙", "囲碁用紙", "将棋用紙", "マス目(ナンプレ)",
    "ショップリスト", "リスク分析", "プロジェクト", "年齢早見表", "ToDo", "ToDo横",
    "ToDo(付箋貼付)", "格子(検討用紙)", "議事録", "漢字一覧"};

// Graph and dot paper share one frame; the frames after 9 are not in design order.
const int kFrames[kRuledDesignCount] = {0, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9,
                                        11, 12, 10, 13, 14, 15, 16, 17, 18, 19, 20};

const char* const kFrameCaptions[kRuledFrameCount] = {
    "ワンポイント", "方眼紙/ドット", "白紙", "横罫/縦罫", "五線紙", "物差し", "健康/ダイエット",
    "原稿用紙", "囲碁用紙", "将棋用紙", "リスク分析", "マス目(ナンプレ)", "ショップリスト",
    "プロジェクト", "年齢早見表", "ToDo", "ToDo横", "付箋貼付用紙", "格子", "議事録", "漢字一覧"};

}  // namespace

QStringList RuledDesignCaptions() {
  QStringList captions;
  for (const char* caption : kCaptions) captions << QString::fromUtf8(caption);
  return captions;
}

int RuledDesignFrame(int design) {
  return design >= 0 && design < kRuledDesignCount ? kFrames[design] : -1;
}

QString RuledFrameCaption(int frame) {
  return frame >= 0 && frame < kRuledFrameCount ? QString::fromUtf8(kFrameCaptions[frame]) : QString();
}

QStringList BaseSideList(bool fourFold) {
  if (fourFold) return {QStringLiteral("超整理型")};
  return {QStringLiteral("表"), QStringLiteral("裏"), QStringLiteral("A4両面"), QStringLiteral("A4片面")};
}

RuledDesignChoice RuledDesignChoiceOf(int design, bool fourFold) {
  RuledDesignChoice c;
  c.sides = BaseSideList(fourFold);
  c.frame = RuledDesignFrame(design);
  switch (design) {
    case kDesignGraph:
    case kDesignDot:
    case kDesignRuled:
      c.dateBoxShown = true;
      break;
    case kDesignBlank:
    case kDesignManuscript:
      if (!fourFold) c.selectedSide = 3;
      break;
    case kDesignRuler:
      c.setTitle = true;
      c.title = QStringLiteral("物差し");
      break;
    case kDesignHealth:
    case kDesignShopList:
      c.sides << QStringLiteral("２つ折り用紙");
      if (!fourFold) c.selectedSide = 4;
      break;
    default:
      break;
  }
  return c;
}
