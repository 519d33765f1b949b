#include "PaperSettings.h"

#include <cmath>
#include <initializer_list>
#include <utility>

#include "DefaultAddressLayouts.h"
#include "Ini.h"
#include "IniWriteBatch.h"
#include "PaperSizeTable.h"
#include "SettingsText.h"
#include "core/text/Numbers.h"

PaperSettingsData PaperSettings;

namespace {

const QString kProgram;  // the program section
const QString kHeadFont = QStringLiteral("ＭＳ ゴシック");
const QString kDataFont = QStringLiteral("ＭＳ 明朝");

double readNumber(const QString& section, const char* key) {
  return ParseNumber(GetIniValue(section, QLatin1String(key)));
}
int16_t readInt16(const QString& section, const char* key) { return ToInt16(readNumber(section, key)); }
int32_t readInt32(const QString& section, const char* key) { return ToInt32(readNumber(section, key)); }
float readSingle(const QString& section, const char* key) {
  return ParseSingle(GetIniValue(section, QLatin1String(key)));
}

QString number(int value) { return QString::number(value); }

// Keys written in the order given, which is the order new keys take in the file.
void writeAll(const QString& section, std::initializer_list<std::pair<const char*, QString>> values) {
  std::vector<std::pair<QString, QString>> named;
  named.reserve(values.size());
  for (const auto& [key, value] : values) named.emplace_back(QLatin1String(key), value);
  WriteIniValues(section, named);
}

void writeWhenEmpty(const char* key, const QString& value) {
  if (GetIniValue(kProgram, QLatin1String(key)).isEmpty()) WriteIniValue(kProgram, QLatin1String(key), value);
}

// The four page columns of an A4 landscape sheet folded in four. The column
// width is a single-precision number, and the sums keep that precision, so
// that halves round as they always have.
void computeSheetColumns(PaperSettingsData& p) {
  const int usable = 297 - p.PrintMargin - 2 - 12 - 2 - p.PrintMargin;
  const float w = static_cast<float>(usable / 4.0);
  const double lefts[5] = {0, 2, static_cast<double>(w + 6.0f), static_cast<double>(2.0f * w + 10.0f),
                           3.0 * static_cast<double>(w) + 14.5};
  for (int k = 1; k <= 4; ++k) {
    p.SheetPageX[k] = ToInt16(lefts[k]);
    p.SheetPageY[k] = ToInt16(static_cast<double>(static_cast<float>(p.SheetPageX[k]) + w));
  }
}

}  // namespace

QString PaperSizeSectionName(int index) {
  const PaperSizeDefaults* size = PaperSizeDefaultsAt(index);
  return size ? QString::fromUtf16(size->section) : QString();
}

QString PaperSizeListText(int index) {
  const PaperSizeDefaults* size = PaperSizeDefaultsAt(index);
  return size ? QString::fromUtf16(size->listText) : QString();
}

void LoadPaperSettings(int index) {
  PaperSettingsData& p = PaperSettings;
  p.SuperOrganiserMode = 0;

  p.PrintMargin = readInt16(kProgram, "YOHAKU");
  p.ShadeColor = readInt32(kProgram, "AMIKAKE_COLOR");
  p.LineColor = readInt32(kProgram, "LINE_COLOR");
  p.HeadLineColor = readInt32(kProgram, "HEAD_LINE_COLOR");
  p.HeadColor = readInt32(kProgram, "HEAD_COLOR");
  p.DefaultColor = readInt32(kProgram, "DEFAULT_COLOR");
  p.DataColor = readInt32(kProgram, "DATA_COLOR");
  p.TitleStyle = readInt16(kProgram, "KAZARI");
  p.PunchHoles = readInt16(kProgram, "ANAAKE");
  p.CutLineColor = readInt32(kProgram, "KIRITORI_COLOR");
  p.LineType = readInt16(kProgram, "TENSEN");
  p.BackingSheetStyle = readInt16(kProgram, "DAISI");
  p.BackingSheetColor = readInt32(kProgram, "DAISI_COLOR");
  p.WidthAdjust = readSingle(kProgram, "YOUSI_PLUS");
  p.BlankPaper = readInt16(kProgram, "HAKUSI");

  const double footDown = readNumber(kProgram, "FOOT_DOWN");
  p.FootDownOn = footDown >= 0 ? 1 : 0;

  computeSheetColumns(p);

  p.TabStop = readInt16(kProgram, "TABSTOP");
  if (p.TabStop == 0) p.TabStop = 4;

  const QString section = PaperSizeSectionName(index);
  if (index == 15 || index == 16) p.SuperOrganiserMode = 1;
  if (section.isEmpty()) return;

  p.PageLeft = readInt16(section, "LEFT");
  p.HeadHeight = readInt16(section, "HEAD_HEIGHT");
  p.DataHeight = readInt16(section, "DATA_HEIGHT");
  const double footHeight = readNumber(section, "FOOT_HEIGHT");
  p.FootHeightStored = ToInt16(footHeight);
  p.FootHeight = p.FootDownOn == 1 ? ToInt16(footHeight + std::fabs(footDown)) : p.FootHeightStored;

  p.PageWidth = readInt16(section, "WIDTH");
  p.PageHeight = ToInt16(readNumber(section, "HEIGHT") - p.PrintMargin);

  p.HeadFontName = GetIniValue(section, QStringLiteral("HEAD_FONTNAME"));
  p.HeadFontSize = readSingle(section, "HEAD_FONTSIZE");
  p.DataFontName = GetIniValue(section, QStringLiteral("DATA_FONTNAME"));
  p.DataFontSize = readSingle(section, "DATA_FONTSIZE");
  p.DefaultFontName = GetIniValue(section, QStringLiteral("DEFAULT_FONTNAME"));
  p.DefaultFontSize = readSingle(section, "DEFAULT_FONTSIZE");
}

void SavePaperSettings() {
  const PaperSettingsData& p = PaperSettings;
  IniWriteBatch batch;
  writeAll(kProgram, {{"YOUSI", number(p.PaperIndex)},
                      {"YOHAKU", number(p.PrintMargin)},
                      {"AMIKAKE_COLOR", RgbSettingText(p.ShadeColor)},
                      {"HEAD_LINE_COLOR", number(p.HeadLineColor)},
                      {"LINE_COLOR", number(p.LineColor)},
                      {"HEAD_COLOR", number(p.HeadColor)},
                      {"DEFAULT_COLOR", number(p.DefaultColor)},
                      {"DATA_COLOR", number(p.DataColor)},
                      {"TABSTOP", number(p.TabStop)},
                      {"KAZARI", number(p.TitleStyle)},
                      {"ANAAKE", number(p.PunchHoles)},
                      {"KIRITORI_COLOR", RgbSettingText(p.CutLineColor)},
                      {"TENSEN", (p.LineType >= 0 ? QStringLiteral(" ") : QString()) + number(p.LineType)},
                      {"DAISI", number(p.BackingSheetStyle)},
                      {"DAISI_COLOR", RgbSettingText(p.BackingSheetColor)},
                      {"HAKUSI", number(p.BlankPaper)}});

  // Only the sign of the stored shift follows the form; its size is kept.
  const int16_t shift = ToInt16(std::fabs(readNumber(kProgram, "FOOT_DOWN")));
  writeAll(kProgram, {{"FOOT_DOWN", number(p.FootDownOn == 1 ? shift : -shift)}});

  const QString section = PaperSizeSectionName(p.PaperIndex);
  if (section.isEmpty()) return;
  writeAll(section, {{"LEFT", number(p.PageLeft)},
                     {"WIDTH", number(p.PageWidth)},
                     {"HEAD_HEIGHT", number(p.HeadHeight)},
                     {"DATA_HEIGHT", number(p.DataHeight)},
                     {"FOOT_HEIGHT", number(p.FootHeightStored)},
                     {"HEAD_FONTNAME", p.HeadFontName},
                     {"HEAD_FONTSIZE", SingleText(p.HeadFontSize)},
                     {"DATA_FONTNAME", p.DataFontName},
                     {"DATA_FONTSIZE", SingleText(p.DataFontSize)},
                     {"DEFAULT_FONTNAME", p.DefaultFontName},
                     {"DEFAULT_FONTSIZE", SingleText(p.DefaultFontSize)}});
}

void WriteDefaultSettings() {
  // Some four hundred keys: written in memory and stored in one rewrite.
  IniWriteBatch batch;
  writeWhenEmpty("YOUSI", number(PaperSettings.PaperIndex));
  writeAll(kProgram, {{"YOHAKU", QStringLiteral("3")},
                      {"KAZARI", QStringLiteral("1")},
                      {"ANAAKE", QStringLiteral("1")},
                      {"COLOR", QStringLiteral("0")},
                      {"HEAD_LINE_COLOR", QStringLiteral("0")},
                      {"LINE_COLOR", QStringLiteral("0")},
                      {"HEAD_COLOR", QStringLiteral("0")},
                      {"DATA_COLOR", QStringLiteral("0")},
                      {"DEFAULT_COLOR", QStringLiteral("0")},
                      {"AMIKAKE_COLOR", QStringLiteral("&HEEEEEE")},
                      {"KIRITORI_COLOR", QStringLiteral("&H666666")},
                      {"TABSTOP", QStringLiteral("4")}});
  writeWhenEmpty("FOOT_DOWN", QStringLiteral("-4"));
  writeAll(kProgram, {{"DAISI", QStringLiteral("0")}, {"YOUSI_PLUS", QStringLiteral("0")}, {"HAKUSI", QStringLiteral("1")}});

  for (int index : PaperSizeDefaultWriteOrder()) {
    const PaperSizeDefaults& size = *PaperSizeDefaultsAt(index);
    writeAll(QString::fromUtf16(size.section), {{"LEFT", number(size.left)},
                                                {"WIDTH", number(size.width)},
                                                {"HEIGHT", number(size.height)},
                                                {"HEAD_HEIGHT", number(size.headHeight)},
                                                {"DATA_HEIGHT", number(size.dataHeight)},
                                                {"FOOT_HEIGHT", number(size.footHeight)},
                                                {"HEAD_FONTNAME", kHeadFont},
                                                {"HEAD_FONTSIZE", number(size.headFontSize)},
                                                {"DEFAULT_FONTNAME", kHeadFont},
                                                {"DEFAULT_FONTSIZE", number(size.defaultFontSize)},
                                                {"DATA_FONTNAME", kDataFont},
                                                {"DATA_FONTSIZE", number(size.dataFontSize)}});
  }

  WriteDefaultAddressLayouts();
}
