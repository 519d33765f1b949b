#include "ColorTag.h"

#include <array>
#include <utility>

namespace {

const std::array<std::pair<const char16_t*, int32_t>, 5> kColorTags = {{
    {u"@[BRUE]", 1}, {u"@[GREEN]", 2}, {u"@[RED]", 4}, {u"@[YELLOW]", 6}, {u"@[BLACK]", 0}}};

}  // namespace

std::optional<int32_t> TakeColorTag(QString& text) {
  for (const auto& [tag, index] : kColorTags) {
    const QString marker = QString::fromUtf16(tag);
    const qsizetype at = text.indexOf(marker, 0, Qt::CaseSensitive);
    if (at >= 0) {
      text.remove(at, marker.size());
      return index;
    }
  }
  return std::nullopt;
}
