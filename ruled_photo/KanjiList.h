#pragma once
// The list of the first-level kanji under their readings, over as many pages
// as it needs.
#include <QStringList>
#include <cstdint>

struct RuledPaperOptions;

// The 108 reading lines ("あ　：亜唖…") with a "---" line between the rows of
// the kana table, and an empty line that marks the end.
QStringList KanjiListLines();

// Draws page pageNumber (from 1); pageNumber becomes 0 on the page that holds
// the end of the list.
void DrawKanjiList(const RuledPaperOptions& o, int16_t& pageNumber, double left, double right);
