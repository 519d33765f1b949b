#pragma once
// The fixed lists and texts of the settings form "用紙サイズ設定", and the rules
// by which it reads its boxes.
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// The 21 colour names; the position is the colour index stored.
QStringList ColourNameList();

// A shading colour: its name and its RGB value (0x00BBGGRR).
struct ShadingColour {
  QString text;
  int32_t value;
};
// The six light colours of the shading and backing-sheet lists.
QList<ShadingColour> ShadingColourList();
// Name of the entry that shows a stored value none of a list's entries has.
QString StoredValueEntryText();

QStringList HeadingStyleList();  // position = TitleStyle
QStringList RuleStyleList();     // position = LineType
QStringList BasePaperList();     // position = BackingSheetStyle

// The cut-line colour of "切取線の色を薄く".
constexpr int32_t kLightCutLineRgb = 0x666666;

// The advice shown when a size is chosen; "" for sizes without one.
QString PaperSizeAdvice(int index);

// A measurement box's value: the leading number of the text (0 without one)
// to the nearest whole number, halves to even; nothing when it lies outside
// a 16-bit integer.
std::optional<int16_t> MeasurementFromText(const QString& text);
