#pragma once
// The one place where the Windows font names kept in settings and data files
// become installed font families.
#include <QFont>
#include <QString>

// "ＭＳ ゴシック" -> IPAGothic, "ＭＳ 明朝" -> IPAMincho, the P faces to
// IPAPGothic/IPAPMincho, "@" (vertical) names as their horizontal face, Latin
// faces to a Liberation face; any other name is used as it stands.
QString MapFontFamily(const QString& dataName);
// True when the name can be drawn: a known name, or an installed family.
bool IsUsableFontName(const QString& dataName);
// The font for a name, size in points and weight.
QFont MakeSurfaceFont(const QString& dataName, double points, bool bold);
