#pragma once
// Keys taken from an entry's reading (half-width katakana by custom): the
// one-character index under which the entry is grouped and chosen for
// printing, and the reading proposed for a name.
#include <QString>

// A digit, a Latin capital or the first kana of a kana row (ｱ ｶ ｻ ﾀ ﾅ ﾊ ﾏ ﾔ
// ﾗ); everything else, the empty reading included, falls under "ﾜ".
QString IndexKeyOfReading(const QString& reading);

// The half-width reading of a common two-kanji surname at the start of the
// trimmed name, or "" when the first two characters are not one we know.
QString GuessSurnameKana(const QString& name);
