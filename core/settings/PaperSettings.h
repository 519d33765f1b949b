#pragma once
// The page geometry, fonts and style settings that every renderer reads.
#include <QString>
#include <cstdint>

struct PaperSettingsData {
  int16_t PaperIndex = 0;      // organiser size 0..24 (YOUSI)
  int16_t PrintMargin = 0;     // mm (YOHAKU)
  int16_t PageLeft = 0;        // x of the content's left edge (LEFT)
  int16_t PageWidth = 0;       // x of the content's right edge (WIDTH)
  int16_t PageHeight = 0;      // HEIGHT - PrintMargin
  int16_t HeadHeight = 0;      // y of the header rule
  int16_t DataHeight = 0;      // y of the top of the body
  int16_t FootHeight = 0;      // y of the footer rule, after the footer shift
  int16_t FootHeightStored = 0;
  int16_t FootDownOn = 0;
  QString HeadFontName;
  float HeadFontSize = 0;
  QString DataFontName;
  float DataFontSize = 0;
  QString DefaultFontName;
  float DefaultFontSize = 0;
  int32_t ShadeColor = 0;
  int32_t CutLineColor = 0;
  int32_t BackingSheetColor = 0;
  int32_t LineColor = 0;
  int32_t HeadLineColor = 0;
  int32_t HeadColor = 0;
  int32_t DataColor = 0;
  int32_t DefaultColor = 0;
  int16_t TitleStyle = 0;
  int16_t PunchHoles = 0;
  int16_t BlankPaper = 0;
  int16_t LineType = 0;
  int16_t BackingSheetStyle = 0;
  float WidthAdjust = 0;
  int16_t TabStop = 4;
  int16_t SuperOrganiserMode = 0;
  int16_t SheetPageX[5] = {0, 0, 0, 0, 0};  // [1..4] used
  int16_t SheetPageY[5] = {0, 0, 0, 0, 0};  // [1..4] used
};

extern PaperSettingsData PaperSettings;

// Printing runs this far past a page's edge, so that a page cut out of the
// sheet carries no white rim.
inline constexpr double kCutAllowanceMm = 3;

// Section name and list text of each of the 25 organiser sizes.
constexpr int kPaperSizeCount = 25;
QString PaperSizeSectionName(int index);  // "" outside 0..24
QString PaperSizeListText(int index);     // "" outside 0..24

void LoadPaperSettings(int index);
void SavePaperSettings();
void WriteDefaultSettings();
