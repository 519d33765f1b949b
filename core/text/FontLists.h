#pragma once
// The texts of the font and font-size lists that the windows offer.
#include <QString>
#include <QStringList>

// "ＭＳ ゴシック", "ＭＳ 明朝", "ＭＳ Ｐゴシック", "ＭＳ Ｐ明朝": always at the top of
// a font list, whether installed or not (drawing maps them to IPA fonts).
QStringList PreferredFontNames();
// The entry between the preferred fonts and the installed ones.
QString FontListSeparator();
// The family of a font database entry without its foundry ("C059" for
// "C059 [urw]").
QString FontFamilyName(const QString& deviceFont);
// The whole font list: the preferred fonts, the separator, then the device's
// families in their order, each once, without vertical-writing fonts ("@"
// names) and without the preferred names.
QStringList BuildFontList(const QStringList& deviceFonts);

// The 18 point sizes of a size list, sizes below 10 with a leading blank.
QStringList FontSizeListTexts();
