#include "FontLists.h"

QStringList PreferredFontNames() {
  return {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("ＭＳ 明朝"), QStringLiteral("ＭＳ Ｐゴシック"),
          QStringLiteral("ＭＳ Ｐ明朝")};
}

QString FontListSeparator() { return QString(19, QLatin1Char('-')); }

QStringList BuildFontList(const QStringList& deviceFonts) {
  const QStringList preferred = PreferredFontNames();
  QStringList list = preferred;
  list.append(FontListSeparator());
  for (const QString& name : deviceFonts) {
    if (name.startsWith(QLatin1Char('@')) || preferred.contains(name)) continue;
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
