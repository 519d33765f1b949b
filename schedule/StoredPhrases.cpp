#include "StoredPhrases.h"

#include "ScheduleOptions.h"
#include "core/settings/Ini.h"

namespace {
QString KeyOf(const QString& prefix, int n) {
  return prefix + QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}
}  // namespace

QStringList DefaultStoredPhrases() {
  return QStringLiteral(
             "(空白行),□,■,食事,買物,映画,理髪,エステ,病院,旅行,出張,宴会,行事,銀行,ひみつ,"
             "ばーげん,ならいごと,しあわせ,あいびき,おとまり,やくそく,やったね,掃除,資源ごみ,不燃ごみ,"
             "可燃ごみ,粗大ごみ")
      .split(u',');
}

QStringList DefaultSymbols() {
  return QStringLiteral("♪,〆,♀,♂,◎,×,☆,★,△,▲,◇,◆,□,■,＄").split(u',');
}

QStringList LoadStoredTexts(const QString& prefix, const QStringList& defaults) {
  QStringList texts(kStoredTextCount + 1);
  for (int i = 1; i <= kStoredTextCount; ++i) {
    QString text = GetIniValue(kScheduleSection, KeyOf(prefix, i));
    if (text.isEmpty()) {
      if (i > 1) break;
      for (int n = 1; n <= defaults.size(); ++n)
        WriteIniValue(kScheduleSection, KeyOf(prefix, n), defaults[n - 1]);
      text = defaults.value(0);
    }
    texts[i] = text;
  }
  return texts;
}

QStringList LoadStoredPhrases() { return LoadStoredTexts(QStringLiteral("SAMPLE"), DefaultStoredPhrases()); }

QStringList LoadSymbolList() { return LoadStoredTexts(QStringLiteral("ICON"), DefaultSymbols()); }
