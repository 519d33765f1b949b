#pragma once
// Inline colour markers of table cells: "@[BRUE]" (blue, as the files spell
// it), "@[GREEN]", "@[RED]", "@[YELLOW]", "@[BLACK]".
#include <QString>
#include <cstdint>
#include <optional>

// Removes the first occurrence of the first tag found (looked for in the
// order above, case-sensitively) and returns its colour index; the text is
// left alone and nothing is returned when it holds no tag.
std::optional<int32_t> TakeColorTag(QString& text);
// ApplyColorTag (core/print/ColorTagOutput.h) turns the tag into the fore
// colour of the printing surface.
