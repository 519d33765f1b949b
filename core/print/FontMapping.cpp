#include "FontMapping.h"

#include <QFontDatabase>
#include <QHash>
#include <array>

namespace {

struct FaceRule {
  const char* key;  // the name folded by FoldName
  const char* family;
};

// Faces that data files name, folded (width-folded, blanks removed, lower case).
constexpr std::array kFaces{
    FaceRule{"msゴシック", "IPAGothic"},     FaceRule{"ms明朝", "IPAMincho"},
    FaceRule{"mspゴシック", "IPAPGothic"},   FaceRule{"msp明朝", "IPAPMincho"},
    FaceRule{"msuiゴシック", "IPAPGothic"},  FaceRule{"msgothic", "IPAGothic"},
    FaceRule{"msmincho", "IPAMincho"},       FaceRule{"mspgothic", "IPAPGothic"},
    FaceRule{"mspmincho", "IPAPMincho"},     FaceRule{"msuigothic", "IPAPGothic"},
    FaceRule{"timesnewroman", "Liberation Serif"}, FaceRule{"times", "Liberation Serif"},
    FaceRule{"century", "Liberation Serif"}, FaceRule{"arial", "Liberation Sans"},
    FaceRule{"helvetica", "Liberation Sans"}, FaceRule{"couriernew", "Liberation Mono"},
    FaceRule{"courier", "Liberation Mono"},
};

QString FoldName(QString name) {
  if (name.startsWith(u'@') || name.startsWith(u'＠')) name.remove(0, 1);
  name = name.normalized(QString::NormalizationForm_KC).toLower();
  name.remove(u' ');
  name.remove(u'\u3000');
  return name;
}

QString FamilyByRules(const QString& dataName) {
  const QString folded = FoldName(dataName);
  for (const FaceRule& rule : kFaces)
    if (folded == QString::fromUtf8(rule.key)) return QString::fromLatin1(rule.family);
  // Other Japanese faces (HG..., メイリオ, ...) by their kind of type.
  const bool proportional = folded.startsWith(QStringLiteral("hgp")) || folded.contains(QStringLiteral("pゴシック")) ||
                            folded.contains(QStringLiteral("p明朝")) ||
                            folded.contains(QStringLiteral("pgothic")) ||
                            folded.contains(QStringLiteral("pmincho")) ||
                            folded.contains(QStringLiteral("メイリオ")) ||
                            folded.contains(QStringLiteral("meiryo"));
  if (folded.contains(QStringLiteral("ゴシック")) || folded.contains(QStringLiteral("gothic")) ||
      folded.contains(QStringLiteral("メイリオ")) || folded.contains(QStringLiteral("meiryo")))
    return proportional ? QStringLiteral("IPAPGothic") : QStringLiteral("IPAGothic");
  if (folded.contains(QStringLiteral("明朝")) || folded.contains(QStringLiteral("mincho")))
    return proportional ? QStringLiteral("IPAPMincho") : QStringLiteral("IPAMincho");
  return {};
}

// Pages set the font before nearly every text, and folding the name
// (Unicode normalisation) cost more than drawing the text. Data files name
// a handful of faces, so every answer is kept.
QString KnownFamily(const QString& dataName) {
  static QHash<QString, QString> known;
  auto found = known.constFind(dataName);
  if (found == known.constEnd()) found = known.insert(dataName, FamilyByRules(dataName));
  return *found;
}

}  // namespace

QString MapFontFamily(const QString& dataName) {
  const QString known = KnownFamily(dataName);
  if (!known.isEmpty()) return known;
  QString name = dataName.trimmed();
  if (name.startsWith(u'@')) name.remove(0, 1);
  return name;
}

bool IsUsableFontName(const QString& dataName) {
  if (dataName.trimmed().isEmpty()) return false;
  if (!KnownFamily(dataName).isEmpty()) return true;
  return QFontDatabase::hasFamily(MapFontFamily(dataName));
}

QFont MakeSurfaceFont(const QString& dataName, double points, bool bold) {
  QFont font(MapFontFamily(dataName));
  font.setPointSizeF(points > 0.1 ? points : 0.1);
  font.setBold(bold);
  // Unhinted outlines measure the same on the screen, the printer and in PDF.
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(false);
  return font;
}
