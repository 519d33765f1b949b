#include "CardFile.h"

#include <cmath>

#include "core/platform/CodePageChecks.h"
#include "core/platform/Codec.h"
#include "core/platform/TextLines.h"
#include "core/print/PrintSurface.h"
#include "core/text/CsvLine.h"
#include "core/text/OptionLine.h"
#include "core/text/StringHelpers.h"

CardHead ReadCardFile(const QByteArray& bytes) {
  CardHead head;
  std::vector<std::pair<QString, QString>> layout;
  const QStringList lines = platform::DecodeTextLines(bytes);
  bool sawHeader = false;
  for (const QString& line : lines) {
    if (!line.startsWith(QLatin1Char('@'))) {
      head.header = line;
      sawHeader = true;
      break;
    }
    QString key, param, value;
    ParseParamItem(line, key, param, value);
    if (key == QStringLiteral("TITLE")) {
      head.title = value;
    } else if (key == QStringLiteral("TABLE_ITEM_XY")) {
      if (int(layout.size()) < kCardListLimit) layout.push_back({TrimBlanks(param), TrimBlanks(value)});
    } else if (key != QStringLiteral("FONTNAME") && key != QStringLiteral("FONTSIZE")) {
      head.extraLines << line;
    }
  }
  // A file of option lines only has its last line as the header.
  if (!sawHeader && !lines.isEmpty()) head.header = lines.last();
  const QStringList fields = SplitCsvFields(head.header);
  for (int i = 0; i < fields.size() && int(head.columns.size()) < kCardListLimit; ++i) {
    const QString name = TrimBlanks(fields[i]);
    if (name.isEmpty()) continue;
    CardColumn column{name, i + 1, QString()};
    for (const auto& [param, value] : layout) {
      if (param.isEmpty()) break;
      if (param == name) {
        column.position = value;
        break;
      }
    }
    head.columns.push_back(column);
  }
  return head;
}

std::optional<CardPoint> ParseCardPosition(const QString& position) {
  const QStringList fields = SplitCsvFields(position, 7);
  if (fields.size() < 3) return std::nullopt;
  bool okX = false, okY = false;
  const double x = fields[1].trimmed().toDouble(&okX);
  const double y = fields[2].trimmed().toDouble(&okY);
  if (!okX || !okY || !std::isfinite(x) || !std::isfinite(y)) return std::nullopt;
  return CardPoint{x, y};
}

bool CardPointOnCard(const CardPoint& at) { return at.x >= 0 && at.x < kCardLayoutWidthMm && at.y >= 0; }

QStringList CardColumnsOffCard(const std::vector<CardColumn>& columns) {
  QStringList names;
  for (const CardColumn& column : columns) {
    if (column.position.isEmpty()) continue;
    const std::optional<CardPoint> at = ParseCardPosition(column.position);
    if (!at || !CardPointOnCard(*at)) names << column.name;
  }
  return names;
}

QString CardOffCardNotice(const std::vector<CardColumn>& columns) {
  const QStringList names = CardColumnsOffCard(columns);
  if (names.isEmpty()) return QString();
  return QStringLiteral("カードの外にあり印刷されない項目: ") + names.join(QStringLiteral("、"));
}

std::optional<int32_t> CardPositionColour(const QString& position) {
  const QStringList fields = SplitCsvFields(position, 7);
  if (fields.size() < 4 || fields[3].trimmed().isEmpty()) return std::nullopt;
  bool ok = false;
  const qlonglong value = fields[3].trimmed().toLongLong(&ok);
  if (!ok || value < 0 || value > 0xFFFFFF) return std::nullopt;
  return int32_t(value);
}

QString FormatCardNumber(double value) { return QString::number(value, 'g', 7); }

QString FormatCardPosition(double x, double y) {
  return QStringLiteral("ITEM,") + FormatCardNumber(x) + QLatin1Char(',') + FormatCardNumber(y);
}

CardPoint SnapCardPoint(double x, double y, float defaultFontSize) {
  const double c = HalfCharWidthMm(defaultFontSize);
  auto snap = [c](double v) { return c <= 0 ? 0.0 : std::max(0.0, c * std::floor(v / c)); };
  return {snap(x), snap(y)};
}

double CardHeightOf(const std::vector<CardColumn>& columns, float defaultFontSize) {
  double bottom = 0;
  for (const CardColumn& column : columns) {
    if (column.position.isEmpty()) continue;
    const std::optional<CardPoint> at = ParseCardPosition(column.position);
    if (!at) continue;
    bottom = std::max(bottom, at->y + HalfCharWidthMm(2 * defaultFontSize) + 2);
  }
  return bottom;
}

QStringList CardHeadLines(const CardHead& head, const CardFileStamp& stamp) {
  QStringList lines;
  lines << QStringLiteral("@TITLE(") + stamp.stored.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")) +
               QStringLiteral(")=") + head.title;
  lines << QStringLiteral("@FONTNAME=") + stamp.fontName;
  lines << QStringLiteral("@FONTSIZE=") + FormatCardNumber(stamp.fontSize);
  for (const CardColumn& column : head.columns)
    if (!column.position.isEmpty())
      lines << QStringLiteral("@TABLE_ITEM_XY(") + column.name + QStringLiteral(")=") + column.position;
  lines << head.extraLines;
  return lines;
}

QByteArray WriteCardFile(const QByteArray& original, const QStringList& headLines) {
  // A UTF-8 file stays UTF-8: its records keep their bytes, so a head in
  // code page 932 would leave a file of two encodings that reads as neither.
  const bool utf8 = platform::ClassifyTextBytes(original) == platform::TextBytes::Utf8;
  const bool bom = utf8 && platform::HasUtf8ByteOrderMark(original);
  QByteArray out = utf8 ? platform::JoinUtf8LinesCrLf(headLines, bom) : platform::JoinLinesCrLf(headLines);
  const QList<QByteArray> lines = platform::SplitLines(bom ? original.mid(3) : original);
  int first = 0;
  while (first < lines.size() && lines[first].startsWith('@')) ++first;
  for (int i = first; i < lines.size(); ++i) out += lines[i] + "\r\n";
  return out;
}

QByteArray CardSampleFile() {
  QStringList lines = {
      QStringLiteral("@TITLE(2001/08/18 11:44:18)=さんぷるデータ"),
      QStringLiteral("@FONTNAME=ＭＳ 明朝"),
      QStringLiteral("@FONTSIZE=9"),
      QStringLiteral("@TABLE_ITEM_XY(日本語)=ITEM,3.174603,7.936508"),
      QStringLiteral("@TABLE_ITEM_XY(英語)=ITEM,3.174603,1.587302"),
      QStringLiteral("@TABLE_ITEM_XY(品詞)=ITEM,92.06349,1.587302"),
      QStringLiteral("読み,分類,英語,日本語,品詞,得点,意味,例1,例2,例3,備考1,備考2"),
  };
  const char* records[] = {
      "ABBREVIATE,省略する", "ABILITY,能力/性能", "ABIOGENESIS,偶然発生", "ABIOTIC,非生物的な",
      "ABLATE,切断する/切除する", "ABLE,できる", "ABNORMAL,異常な/異常性の", "BLUE,青色/青/青い",
      "BLUEBERRY,(植物)ブルーベリー", "CERTAIN,確信して/確実な/確かな/ある", "CERTAINLY,確かに/確実に/必ず",
      "CERTAINTY,確信/確実性", "CERTIFICATE,認可する", "CERTIFY,証明する", "DEPICT,描写する/示す",
      "DEPICTION,描写", "DEPLETE,枯渇する", "EXACT,正確な", "EXACTLY,正確に", "EXAMINE,検査する/試験する/調べる",
      "INTERESTING,興味深い/興味がある", "INTERFACE,インターフェース", "INTERFAMILY,家族間の",
      "INTERFERE,妨害する/干渉する/妨げる/邪魔する"};
  for (const char* record : records) lines << QStringLiteral(",,") + QString::fromUtf8(record);
  return platform::JoinLinesCrLf(lines);
}
