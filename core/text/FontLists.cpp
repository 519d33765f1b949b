#include "FontLists.h"

QStringList PreferredFontNames() {
  return {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("ＭＳ 明朝"), QStringLiteral("ＭＳ Ｐゴシック"),
          QStringLiteral("ＭＳ Ｐ明朝")};
}

QString FontListSeparator() { return QString(19, QLatin1Char('-')); }

QString FontFamilyName(const QString& deviceFont) {
  // The font database names a family that several foundries ship as
  // "C059 [urw]", "C059 [UKWN]"; the family alone chooses the face.
  QString name = deviceFont.trimmed();
  if (name.endsWith(u']')) {
    const qsizetype open = name.lastIndexOf(QLatin1String(" ["));
    if (open > 0) name = name.left(open).trimmed();
  }
  return name;
}

QStringList BuildFontList(const QStringList& deviceFonts) {
  const QStringList preferred = PreferredFontNames();
  QStringList list = preferred;
  list.append(FontListSeparator());
  for (const QString& deviceFont : deviceFonts) {
    const QString name = FontFamilyName(deviceFont);
    if (name.isEmpty() || name.startsWith(QLatin1Char('@')) || list.contains(name)) continue;
    list.append(name);
  }
  return list;
}

QStringList FontSizeListTexts() {
  return {QStringLiteral(" 4"),  QStringLiteral(" 4.5"), QStringLiteral(" 5"),  QStringLiteral(" 5.5"),
          QStringLiteral(" 6"),  QStringLiteral(" 7"),   QStringLiteral(" 8"),  QStringLiteral(" 8.5"),
          QStringLiteral(" 9"),  QStringLiteral(" 9.5"), QStringLiteral("10"),  QStringLiteral("11"),
          QStringLiteral("12"),  QStringLiteral("13"),   QStringLiteral("13.5"), QStringLiteral("18"),
          QStringLiteral("20"),  QStringLiteral("24")};
}
