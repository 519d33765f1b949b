#pragma once
// Inline colour markers of table cells: "@[BRUE]" (blue, as the files spell
// it), "@[GREEN]", "@[RED]", "@[YELLOW]", "@[BLACK]".
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

// Removes the first occurrence of the first tag found (looked for in the
// order above, case-sensitively) and returns its colour index; the text is
// left alone and nothing is returned when it holds no tag.
std::optional<int32_t> TakeColorTag(QString& text);

// TakeColorTag, handing the colour index to setForeColor (the surface's
// SetForeColor) when a tag was found. Only one tag is handled per call.
void ApplyColorTag(QString& text, const std::function<void(int32_t)>& setForeColor);
