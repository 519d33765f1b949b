#pragma once
// Common Japanese surnames written in kanji, which the pasted-text parser
// looks for when a text names a person without a label. Each list is in the
// order the parser tries it; the three-character list is tried first so that
// 佐々木 wins over a two-character surname inside it, and within a list the
// commonest come first. The lists are generated (tools/gen_surname_dictionary.py),
// which names their sources and licences in the generated file.
#include <QStringList>

const QStringList& ThreeCharacterSurnames();
const QStringList& TwoCharacterSurnames();
