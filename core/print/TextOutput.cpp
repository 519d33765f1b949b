#include "TextOutput.h"

#include <optional>

#include "PrintJob.h"
#include "PrintSurface.h"
#include "core/text/JapaneseText.h"

namespace {

constexpr ushort kLastColourCode = 6;
constexpr ushort kEntryColourCode = 7;
const QString kEllipsis = QStringLiteral("…");
// Far below a printer dot, far above the rounding of a line's positions.
constexpr float kFittedLineSlackMm = 0.01f;

enum class AtRightLimit { Wrap, Clip };

// How far the printable characters from position at up to the next line
// break take the position, each printed on its own as the loop prints them.
float LineWidthFrom(const QString& text, qsizetype at) {
  float width = 0;
  for (qsizetype i = at; i < text.size();) {
    const QChar c = text.at(i);
    if (c == u'\r' || (c == u'\\' && i + 1 < text.size() && text.at(i + 1) == u'n')) break;
    if (c.unicode() <= kEntryColourCode || c == u'\n') {
      ++i;
      continue;
    }
    width += MeasureTextWidth(NextCharacter(text, i));
  }
  return width;
}

void PrintWithControls(const QString& text, float rightLimit, AtRightLimit mode) {
  PrintSurface& surface = ActiveSurface();
  // Restored as an RGB value: given back through SetForeColor, a dark RGB
  // value in 0..20 would read as a colour index.
  const uint32_t entryColour = surface.foreColor();
  const float w = HalfCharWidthMm(GetFontSize());
  const float startX = GetCurrentX();
  // Whether the rest of the current line, measured once at its first
  // character, ends within the limit; a line that does not is cut where the
  // mark after the last character kept still ends within it.
  std::optional<bool> lineFits;
  auto newLine = [&] {
    surface.print(QString(), true);
    SetCurrentX(startX);
    lineFits.reset();
  };

  qsizetype i = 0;
  while (i < text.size()) {
    if (text.at(i) == u'\\' && i + 1 < text.size() && text.at(i + 1) == u'n') {
      i += 2;
      newLine();
      continue;
    }
    const ushort code = text.at(i).unicode();
    if (code <= kLastColourCode) {
      SetForeColor(code);
      ++i;
    } else if (code == kEntryColourCode) {
      surface.setForeColor(entryColour);
      ++i;
    } else if (code == u'\n') {
      ++i;
    } else if (code == u'\r') {
      ++i;
      newLine();
    } else {
      const qsizetype at = i;
      const QString c = NextCharacter(text, i);
      if (mode == AtRightLimit::Wrap) {
        if (GetCurrentX() + w * float(AnsiByteLen(c)) > rightLimit) newLine();
      } else if (rightLimit != 0) {
        const float x = GetCurrentX();
        if (!lineFits) lineFits = x + LineWidthFrom(text, at) <= rightLimit + kFittedLineSlackMm;
        if (!*lineFits && x + MeasureTextWidth(c) + MeasureTextWidth(kEllipsis) > rightLimit + kFittedLineSlackMm) {
          surface.print(kEllipsis, false);
          break;
        }
      }
      surface.print(c, false);
    }
  }
  surface.setForeColor(entryColour);
  CurrentPrintJob().pageUsed = 1;
}

}  // namespace

void PrintTextInline(const QString& text) {
  ActiveSurface().print(text, false);
  CurrentPrintJob().pageUsed = 1;
}

void PrintTextNewLine(const QString& text) {
  ActiveSurface().print(text, true);
  CurrentPrintJob().pageUsed = 1;
}

void PrintWrappedText(const QString& text, float rightLimit) {
  PrintWithControls(text, rightLimit, AtRightLimit::Wrap);
}

void PrintClippedText(const QString& text, float rightLimit) {
  PrintWithControls(text, rightLimit, AtRightLimit::Clip);
}

QString NextCharacter(const QString& text, qsizetype& i) {
  const qsizetype length =
      text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
  const QString c = text.mid(i, length);
  i += length;
  return c;
}

QString WithoutColourCodes(const QString& text) {
  QString clean = text;
  for (ushort code = 0; code <= kEntryColourCode; ++code) clean.remove(QChar(code));
  return clean;
}

namespace {

// How many times a shrunk size is measured again before the floor is taken:
// the measure of a size computed from a width lands on the room within a
// rounding, and the second try is below it.
constexpr int kShrinkTries = 4;
// Each further try aims this much short of the room.
constexpr float kShrinkMargin = 0.999f;
// Smaller than half size a line is no longer read at a glance.
constexpr float kSmallestShare = 0.5f;

// The longest start of the text, in whole characters, that with the mark
// after it measures within room at the current font.
QString CutWithMark(const QString& text, float room) {
  qsizetype low = 0, high = text.size();
  while (low < high) {
    const qsizetype mid = (low + high + 1) / 2;
    if (MeasureTextWidth(text.left(mid) + kEllipsis) <= room)
      low = mid;
    else
      high = mid - 1;
  }
  if (low > 0 && low < text.size() && text.at(low - 1).isHighSurrogate()) --low;
  return text.left(low) + kEllipsis;
}

}  // namespace

QString PrintTextWithin(const QString& text, float rightLimit, bool endLine) {
  const float room = rightLimit - GetCurrentX();
  const float size = GetFontSize();
  // The line ends at the size it began with, so the pitch stays the caller's.
  auto print = [&](const QString& shown) {
    PrintTextInline(shown);
    SetFontSize(size);
    if (endLine) PrintTextNewLine(QString());
    return shown;
  };
  float width = MeasureTextWidth(text);
  // A text placed at or past its limit has no room to be fitted into.
  if (text.isEmpty() || width <= room || room <= 0) {
    if (endLine)
      PrintTextNewLine(text);
    else
      PrintTextInline(text);
    return text;
  }
  // Every size is checked by measuring at it: a size worked out from the
  // width at another size can land a hair over the room.
  const float smallest = size * kSmallestShare;
  float tried = size;
  for (int i = 0; i < kShrinkTries; ++i) {
    tried = tried * room / width * (i == 0 ? 1.0f : kShrinkMargin);
    if (!(tried > smallest)) break;
    SetFontSize(tried);
    width = MeasureTextWidth(text);
    if (width <= room) return print(text);
  }
  SetFontSize(smallest);
  return print(MeasureTextWidth(text) <= room ? text : CutWithMark(text, room));
}

void PrintTextFitTwoLines(const QString& text, float rightLimit) {
  const QString clean = WithoutColourCodes(text);
  float savedSize = 0;
  const float room = rightLimit - GetCurrentX();
  const float width = MeasureTextWidth(clean);
  if (width + 2 > 2 * room) {
    savedSize = GetFontSize();
    SetFontSize(savedSize / 2);
  } else if (width + 2 > room) {
    // Squeezed onto one line; the byte count is that of the text as given,
    // colour codes included.
    savedSize = GetFontSize();
    if (AnsiByteLen(clean) != 0) SetFontSize(float((room - 1) / AnsiByteLen(text) * 5.67));
  }
  PrintWrappedText(text, rightLimit);
  if (savedSize != 0) SetFontSize(savedSize);
}

void PrintTextFitOneLine(const QString& text, float rightLimit) {
  const QString clean = WithoutColourCodes(text);
  float savedSize = 0;
  const float room = rightLimit - GetCurrentX();
  const int32_t bytes = AnsiByteLen(clean);
  if (bytes != 0) {
    const float fitted = float(room / bytes * 5.67);
    // Only ever shrinks: a short mark in a wide cell keeps the cell's font.
    if (fitted > 0 && fitted < GetFontSize()) {
      savedSize = GetFontSize();
      SetFontSize(fitted);
    }
  }
  // A fitted text fills its room exactly, so the rounding of the positions
  // summed character by character would otherwise push its last character
  // onto a line of its own about every third time.
  PrintWrappedText(text, savedSize != 0 ? rightLimit + kFittedLineSlackMm : rightLimit);
  if (savedSize != 0) SetFontSize(savedSize);
}
