#include "SettingsFormLists.h"

#include "core/text/Numbers.h"

QStringList ColourNameList() {
  return {QStringLiteral("黒"),   QStringLiteral("青"),   QStringLiteral("緑"),    QStringLiteral("空"),
          QStringLiteral("赤"),   QStringLiteral("紫"),   QStringLiteral("黄"),    QStringLiteral("灰"),
          QStringLiteral("白"),   QStringLiteral("茶"),   QStringLiteral("空"),    QStringLiteral("桃"),
          QStringLiteral("オ"),   QStringLiteral("黄１"), QStringLiteral("緑１"),  QStringLiteral("紺１"),
          QStringLiteral("?薄黒"), QStringLiteral("緑２"), QStringLiteral("?緑３"), QStringLiteral("虹"),
          QStringLiteral("ﾊﾟｽﾃﾙ")};
}

QList<ShadingColour> ShadingColourList() {
  return {{QStringLiteral("灰"), 0xEEEEEE}, {QStringLiteral("黄"), 0xDDFFFF},
          {QStringLiteral("茶"), 0xDDEEFF}, {QStringLiteral("緑"), 0xEEFFEE},
          {QStringLiteral("青"), 0xFFEEDD}, {QStringLiteral("赤"), 0xEEDDFF}};
}

QString StoredValueEntryText() { return QStringLiteral("指定"); }

QStringList HeadingStyleList() {
  return {QStringLiteral("下線無し"),       QStringLiteral("下線付き"),         QStringLiteral("細い下線付き"),
          QStringLiteral("枠線"),           QStringLiteral("網掛け"),           QStringLiteral("下線なし(中央)"),
          QStringLiteral("下線付き(中央)"), QStringLiteral("細い下線付き(中央)"), QStringLiteral("枠線(中央)"),
          QStringLiteral("網掛け(中央)"),   QStringLiteral("グラデーション")};
}

QStringList RuleStyleList() {
  return {QStringLiteral("標準"), QStringLiteral("太め"), QStringLiteral("丸点"), QStringLiteral("?デジコジ")};
}

QStringList BasePaperList() {
  return {QStringLiteral("柄なし"), QStringLiteral("塗り潰し"), QStringLiteral("格子 太"), QStringLiteral("外枠"),
          QStringLiteral("ﾜﾝﾎﾟｲﾝﾄ画像")};
}

QString PaperSizeAdvice(int index) {
  QStringList lines;
  switch (index) {
    case 6:
      lines = {QStringLiteral("Ａ５システム手帳サイズでＡ４用紙に印刷するときは、"),
               QStringLiteral("プリンターの設定をＡ４横にしてお使いください。"), QString(),
               QStringLiteral("但し、用紙の下端３ｍｍまで印刷できないプリンターは、"),
               QStringLiteral("Ａ４横にＡ５サイズを２枚同時に印刷すると、裏面がずれます。"),
               QStringLiteral("Ａ４用紙を２枚に切ってＡ５サイズにして使ってください。")};
      break;
    case 9:
      lines = {QStringLiteral("Ｂ６システム手帳サイズでＢ５用紙に印刷するときは、"),
               QStringLiteral("プリンターの設定をＢ５横にしてお使いください。"), QString(),
               QStringLiteral("但し、用紙の下端３ｍｍまで印刷できないプリンターは、"),
               QStringLiteral("Ｂ５横にＢ６サイズを２枚同時に印刷すると、裏面がずれます。"),
               QStringLiteral("Ｂ５用紙を２枚に切ってＢ６サイズにして使ってください。")};
      break;
    case 13:
      lines = {QStringLiteral("付箋紙をＡ４用紙の左上の端に貼り付けて印刷してください。"),
               QStringLiteral("裏面には糊がついていて印刷できないので、印刷時に表面を選択して使ってください。"),
               QString(), QStringLiteral("貼り付けた付箋紙を普通の手帳などに貼ってお使い下さい。"),
               QStringLiteral("これにより普通の手帳にも印刷できるようになりました。")};
      break;
    case 15:
    case 16:
      lines = {QStringLiteral("プリンターの設定をＡ４横にしてお使いください。"), QString(),
               QStringLiteral("縁有りで印刷可能領域最大（Ａ４下の端まで）にしてください。"), QString(),
               QStringLiteral("４折り用紙(超整理ｻｲｽﾞ)に切り替えたときは、"),
               QStringLiteral("当ソフトをいったん終了させてから使ってください。")};
      break;
    default:
      return QString();
  }
  return lines.join(QStringLiteral("\r\n"));
}

std::optional<int16_t> MeasurementFromText(const QString& text) {
  const double v = RoundHalfEven(ParseNumber(text));
  if (!(v >= -32768.0 && v <= 32767.0)) return std::nullopt;
  return static_cast<int16_t>(v);
}
