#include "TableColumnKind.h"

const QString ColumnKeywordList = QStringLiteral(
    ",904人日,903人月,904連番,902年数,903回数,903個数,903時間数,902年令,903日数,910積,910数,910量,"
    "905率,905比,905割合,902No,902NO,903体重,903身長,902年齢,"
    "\\12手当,\\12給与,\\12返済,\\12融資,\\12配当,\\12費用,\\12利子,\\12利息,\\12収支,\\12収入,"
    "\\12支払い,\\12支出,\\12売上,\\12予算,\\12実績,\\12仕掛,\\12仕入,\\12利益,\\12代,\\12プライス,"
    "\\12マージン,\\12値引き,\\12残高,\\12控除,\\12価格,\\12価,\\12額,\\12費,\\12金,\\12値,\\12計,"
    "\\12利,\\12税,\\12料,\\12給,\\12賃,\\12高,\\12Cost,\\12Price,\\12支払い,");

namespace {

QString TrimHalfWidthBlanks(const QString& text) {
  qsizetype start = 0, end = text.size();
  while (start < end && text[start] == u' ') ++start;
  while (end > start && text[end - 1] == u' ') --end;
  return text.mid(start, end - start);
}

}  // namespace

double ColumnKindFromHeading(const QString& h) {
  if (h == u"単価.") return ColumnKindUnitPrice;
  if (h.endsWith(u'.') || h.contains(u"@RIGHT")) return ColumnKindNumber;
  if (h.contains(u"@CENTER")) return ColumnKindCentre;
  if (h == u"日") return ColumnKindNumber;
  if (TrimHalfWidthBlanks(h) == u"金") return ColumnKindText;
  qsizetype start = 1;
  while (true) {
    const qsizetype comma = ColumnKeywordList.indexOf(u',', start);
    if (comma < 0) break;
    const QString entry = ColumnKeywordList.mid(start, comma - start);
    const QString keyword = entry.mid(3);
    if (!keyword.isEmpty() && h.endsWith(keyword))
      return entry.startsWith(u'9') ? ColumnKindNumber : ColumnKindAmount;
    start = comma + 1;
  }
  return ColumnKindText;
}
