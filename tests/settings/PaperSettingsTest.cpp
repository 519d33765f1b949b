// The paper settings: defaults, loading, saving and the sheet columns.
#include <limits>
#include <tuple>

#include "SettingsTestSupport.h"

namespace {

using PaperSettingsTest = SettingsTest;

QString fixture(const char* name) { return QStringLiteral(RINGPAD_TEST_FIXTURES "/") + QLatin1String(name); }

// The first differing line, to make a failed byte comparison readable.
std::string firstDifference(const QByteArray& actual, const QByteArray& expected) {
  const QList<QByteArray> a = actual.split('\n'), e = expected.split('\n');
  for (qsizetype i = 0; i < std::max(a.size(), e.size()); ++i) {
    const QByteArray al = i < a.size() ? a[i] : QByteArray("<end>");
    const QByteArray el = i < e.size() ? e[i] : QByteArray("<end>");
    if (al != el)
      return "line " + std::to_string(i + 1) + ": got '" + platform::FromSjis(al).toStdString() +
             "' expected '" + platform::FromSjis(el).toStdString() + "'";
  }
  return "same lines";
}

// Everything SavePaperSettings stores, as one comparable value.
auto savedFields(const PaperSettingsData& p) {
  return std::make_tuple(p.PageLeft, p.PageWidth, p.HeadHeight, p.DataHeight, p.FootHeightStored,
                         p.HeadFontName.toStdString(), p.HeadFontSize, p.DataFontName.toStdString(),
                         p.DataFontSize, p.DefaultFontName.toStdString(), p.DefaultFontSize, p.PrintMargin,
                         p.ShadeColor, p.CutLineColor, p.BackingSheetColor, p.LineColor, p.HeadLineColor,
                         p.HeadColor, p.DataColor, p.DefaultColor, p.TabStop, p.TitleStyle, p.PunchHoles,
                         p.LineType, p.BackingSheetStyle, p.BlankPaper);
}

void set(const char* section, const char* key, const QString& value) {
  WriteIniValue(QLatin1String(section), QLatin1String(key), value);
}
QString get(const char* section, const char* key) {
  return GetIniValue(QLatin1String(section), QLatin1String(key));
}

TEST_F(PaperSettingsTest, FirstRunWritesTheDefaultsByteForByte) {
  // How long this takes is measured in bench/bench_settings.cpp.
  WriteDefaultSettings();
  const QByteArray expected = ReadBytes(fixture("default-settings.ini"));
  ASSERT_FALSE(expected.isEmpty());
  const QByteArray actual = settingsBytes();
  EXPECT_EQ(actual, expected) << firstDifference(actual, expected);
  // Writing the defaults again changes nothing: keys are replaced in place,
  // the ";FONT" comment lines included.
  WriteDefaultSettings();
  EXPECT_EQ(settingsBytes(), expected) << firstDifference(settingsBytes(), expected);
  EXPECT_EQ(get("JXPOST_L3", "FONT"), QStringLiteral("ＭＳ 明朝"));
}

TEST_F(PaperSettingsTest, VersionChangeKeepsOnlyTheUsersChoices) {
  WriteDefaultSettings();
  set("", "YOUSI", QStringLiteral("6"));
  set("", "FOOT_DOWN", QStringLiteral("5"));
  set("", "TENSEN", QStringLiteral(" 2"));
  set("", "DAISI_COLOR", QStringLiteral("&HFF"));
  set("", "IMEKANA", QStringLiteral("1"));
  set("", "YOHAKU", QStringLiteral("5"));
  set("", "AMIKAKE_COLOR", QStringLiteral("&H123"));
  set("SIZE_A5", "LEFT", QStringLiteral("1"));
  set("SIZE_A5", "HEAD_FONTNAME", QStringLiteral("Times New Roman"));
  set("JXPOST", "NAME1", QStringLiteral("山田太郎"));
  set("JXPOST", "ZIP", QStringLiteral("100-0001"));
  set("JXPOST_CARD", "ZIP_X", QStringLiteral("99"));

  PaperSettings.PaperIndex = 6;
  WriteDefaultSettings();

  EXPECT_EQ(get("", "YOUSI"), QStringLiteral("6"));
  EXPECT_EQ(get("", "FOOT_DOWN"), QStringLiteral("5"));
  EXPECT_EQ(get("", "TENSEN"), QStringLiteral("2"));
  EXPECT_EQ(get("", "DAISI_COLOR"), QStringLiteral("&HFF"));
  EXPECT_EQ(get("", "IMEKANA"), QStringLiteral("1"));
  EXPECT_EQ(get("JXPOST", "NAME1"), QStringLiteral("山田太郎"));
  EXPECT_EQ(get("JXPOST", "ZIP"), QStringLiteral("100-0001"));

  EXPECT_EQ(get("", "YOHAKU"), QStringLiteral("3"));
  EXPECT_EQ(get("", "AMIKAKE_COLOR"), QStringLiteral("&HEEEEEE"));
  EXPECT_EQ(get("SIZE_A5", "LEFT"), QStringLiteral("12"));
  EXPECT_EQ(get("SIZE_A5", "HEAD_FONTNAME"), QStringLiteral("ＭＳ ゴシック"));
  EXPECT_EQ(get("JXPOST_CARD", "ZIP_X"), QStringLiteral("43"));
  EXPECT_EQ(settingsBytes().count(";FONT="), 4);
}

TEST_F(PaperSettingsTest, SenderBlockWithoutANameIsWrittenAfresh) {
  set("JXPOST", "ZIP", QStringLiteral("100-0001"));
  set("JXPOST", "NAME1", QStringLiteral("  "));
  WriteDefaultSettings();
  EXPECT_EQ(get("JXPOST", "NAME1"), QStringLiteral("自分の名前"));
  EXPECT_EQ(get("JXPOST", "ZIP"), QStringLiteral("999-9999"));
  EXPECT_EQ(get("JXPOST", "ADDRESS2"), QStringLiteral("自分のアパート名"));
}

TEST_F(PaperSettingsTest, DefaultsLoadIntoTheGlobals) {
  WriteDefaultSettings();
  LoadPaperSettings(0);
  const PaperSettingsData& p = PaperSettings;
  EXPECT_EQ(p.PrintMargin, 3);
  EXPECT_EQ(p.PageLeft, 8);
  EXPECT_EQ(p.PageWidth, 88);
  EXPECT_EQ(p.PageHeight, 167);  // HEIGHT 170 less the margin
  EXPECT_EQ(p.HeadHeight, 4);
  EXPECT_EQ(p.DataHeight, 9);
  EXPECT_EQ(p.FootHeight, 156);
  EXPECT_EQ(p.FootHeightStored, 156);
  EXPECT_EQ(p.FootDownOn, 0);
  EXPECT_EQ(p.HeadFontName, QStringLiteral("ＭＳ ゴシック"));
  EXPECT_EQ(p.DefaultFontName, QStringLiteral("ＭＳ ゴシック"));
  EXPECT_EQ(p.DataFontName, QStringLiteral("ＭＳ 明朝"));
  EXPECT_EQ(p.HeadFontSize, 12.0f);
  EXPECT_EQ(p.DefaultFontSize, 9.0f);
  EXPECT_EQ(p.DataFontSize, 9.0f);
  EXPECT_EQ(p.ShadeColor, 15658734);
  EXPECT_EQ(p.CutLineColor, 0x666666);
  EXPECT_EQ(p.TitleStyle, 1);
  EXPECT_EQ(p.PunchHoles, 1);
  EXPECT_EQ(p.BlankPaper, 1);
  EXPECT_EQ(p.TabStop, 4);
  // Never written with a default, so 0 on a first run.
  EXPECT_EQ(p.LineType, 0);
  EXPECT_EQ(p.BackingSheetColor, 0);
  EXPECT_EQ(p.SuperOrganiserMode, 0);
}

TEST_F(PaperSettingsTest, SheetColumnsFollowTheMargin) {
  struct Case {
    const char* margin;
    int16_t x[4], y[4];
  } cases[] = {
      {"3", {2, 75, 148, 221}, {71, 144, 217, 290}},  // w = 68.75; 147.5 goes to 148
      {"0", {2, 76, 150, 225}, {72, 146, 220, 295}},  // w = 70.25; 150.5 goes to 150
  };
  for (const auto& c : cases) {
    set("", "YOHAKU", QLatin1String(c.margin));
    LoadPaperSettings(0);
    for (int k = 1; k <= 4; ++k) {
      EXPECT_EQ(PaperSettings.SheetPageX[k], c.x[k - 1]) << c.margin << " column " << k;
      EXPECT_EQ(PaperSettings.SheetPageY[k], c.y[k - 1]) << c.margin << " column " << k;
    }
  }
}

TEST_F(PaperSettingsTest, FooterShiftFollowsTheSignOfFootDown) {
  struct Case {
    const char* footDown;  // nullptr: missing
    int16_t footHeight, footDownOn;
  } cases[] = {{"-4", 156, 0}, {"4", 160, 1}, {"0", 156, 1}, {nullptr, 156, 1}, {"-0.5", 156, 0}, {"2.5", 158, 1}};
  for (const auto& c : cases) {
    writeSettings("[SIZE_BIBLE]\r\nFOOT_HEIGHT=156\r\n" +
                  (c.footDown ? "[ringpad]\r\nFOOT_DOWN=" + QByteArray(c.footDown) + "\r\n" : QByteArray()));
    LoadPaperSettings(0);
    EXPECT_EQ(PaperSettings.FootHeight, c.footHeight) << (c.footDown ? c.footDown : "missing");
    EXPECT_EQ(PaperSettings.FootHeightStored, 156);
    EXPECT_EQ(PaperSettings.FootDownOn, c.footDownOn) << (c.footDown ? c.footDown : "missing");
  }
}

TEST_F(PaperSettingsTest, SavingKeepsTheShiftAndWritesItsSign) {
  WriteDefaultSettings();
  set("", "FOOT_DOWN", QStringLiteral("4"));
  LoadPaperSettings(0);
  ASSERT_EQ(PaperSettings.FootHeight, 160);
  SavePaperSettings();
  EXPECT_EQ(get("SIZE_BIBLE", "FOOT_HEIGHT"), QStringLiteral("156"));
  EXPECT_EQ(get("", "FOOT_DOWN"), QStringLiteral("4"));

  PaperSettings.FootDownOn = 0;
  SavePaperSettings();
  EXPECT_EQ(get("", "FOOT_DOWN"), QStringLiteral("-4"));
  PaperSettings.FootDownOn = 1;
  SavePaperSettings();
  EXPECT_EQ(get("", "FOOT_DOWN"), QStringLiteral("4"));
}

TEST_F(PaperSettingsTest, TabStopZeroReadsAsFour) {
  const std::pair<const char*, int16_t> cases[] = {{"0", 4}, {"", 4}, {"8", 8}, {"abc", 4}};
  for (auto [stored, expected] : cases) {
    set("", "TABSTOP", QLatin1String(stored));
    LoadPaperSettings(0);
    EXPECT_EQ(PaperSettings.TabStop, expected) << stored;
  }
}

TEST_F(PaperSettingsTest, OnlyTheFoldedA4SizesAreSuperOrganiser) {
  WriteDefaultSettings();
  for (int index = -1; index <= 25; ++index) {
    LoadPaperSettings(index);
    EXPECT_EQ(PaperSettings.SuperOrganiserMode, index == 15 || index == 16 ? 1 : 0) << index;
  }
}

TEST_F(PaperSettingsTest, IndexOutsideTheSizesKeepsTheGeometry) {
  WriteDefaultSettings();
  LoadPaperSettings(6);
  const PaperSettingsData a5 = PaperSettings;
  set("", "YOHAKU", QStringLiteral("5"));
  for (int index : {-1, 25, 32767}) {
    LoadPaperSettings(index);
    EXPECT_EQ(PaperSettings.PrintMargin, 5) << "the style keys are read";
    EXPECT_EQ(PaperSettings.PageLeft, a5.PageLeft);
    EXPECT_EQ(PaperSettings.PageWidth, a5.PageWidth);
    EXPECT_EQ(PaperSettings.PageHeight, a5.PageHeight);
    EXPECT_EQ(PaperSettings.FootHeight, a5.FootHeight);
    EXPECT_EQ(PaperSettings.HeadFontName, a5.HeadFontName);
    EXPECT_EQ(PaperSettings.DataFontSize, a5.DataFontSize);
  }
  EXPECT_EQ(PaperSizeSectionName(-1), QString());
  EXPECT_EQ(PaperSizeListText(25), QString());
}

TEST_F(PaperSettingsTest, SizeNamesAndListTexts) {
  EXPECT_EQ(PaperSizeSectionName(0), QStringLiteral("SIZE_BIBLE"));
  EXPECT_EQ(PaperSizeSectionName(24), QStringLiteral("SIZE_POKET7"));
  EXPECT_EQ(PaperSizeListText(0), QStringLiteral("バイブル   6穴(約17cm×9cm)"));
  EXPECT_EQ(PaperSizeListText(7), QStringLiteral("Ａ６     "));
  EXPECT_EQ(PaperSizeListText(15), QStringLiteral("A4横を４折 (超整理ｻｲｽﾞ)"));
  EXPECT_EQ(PaperSizeListText(17), QStringLiteral("Ｂ７"));
}

TEST_F(PaperSettingsTest, SavedSizeLoadsBackTheSame) {
  WriteDefaultSettings();
  LoadPaperSettings(16);
  PaperSettingsData& p = PaperSettings;
  p.PaperIndex = 16;
  p.PageLeft = 3;
  p.PageWidth = 70;
  p.HeadHeight = 2;
  p.DataHeight = 6;
  p.FootHeightStored = 95;
  p.HeadFontName = QStringLiteral("ＭＳ Ｐゴシック");
  p.HeadFontSize = 10.5f;
  p.DataFontName = QStringLiteral("ＭＳ Ｐ明朝");
  p.DataFontSize = 6.25f;
  p.DefaultFontName = QStringLiteral("Times New Roman");
  p.DefaultFontSize = 7;
  p.PrintMargin = 4;
  p.ShadeColor = 0xFFFF;  // yellow: must not come back as -1
  p.CutLineColor = 0x123456;
  p.BackingSheetColor = -1;
  p.LineColor = 3;
  p.HeadLineColor = 4;
  p.HeadColor = 5;
  p.DataColor = 6;
  p.DefaultColor = -2;
  p.TabStop = 8;
  p.TitleStyle = 2;
  p.PunchHoles = 0;
  p.LineType = 2;
  p.BackingSheetStyle = 3;
  p.BlankPaper = 0;
  const PaperSettingsData saved = p;
  SavePaperSettings();

  EXPECT_EQ(get("", "YOUSI"), QStringLiteral("16"));
  EXPECT_EQ(get("", "AMIKAKE_COLOR"), QStringLiteral("&H0FFFF"));
  EXPECT_EQ(get("", "KIRITORI_COLOR"), QStringLiteral("&H123456"));
  EXPECT_EQ(get("", "DAISI_COLOR"), QStringLiteral("&HFFFFFFFF"));
  EXPECT_EQ(get("SIZE_CHYO_A7", "HEAD_FONTSIZE"), QStringLiteral("10.5"));
  EXPECT_EQ(get("SIZE_CHYO_A7", "DEFAULT_FONTSIZE"), QStringLiteral("7"));
  EXPECT_EQ(get("SIZE_CHYO_A7", "HEIGHT"), QStringLiteral("100")) << "HEIGHT is not written";
  // New keys go to the end of the program section in the order they are saved.
  EXPECT_TRUE(settingsBytes().contains("HAKUSI=0\r\nTENSEN= 2\r\nDAISI_COLOR=&HFFFFFFFF\r\n[SIZE_BIBLE]"));

  p = PaperSettingsData{};
  LoadPaperSettings(16);
  EXPECT_EQ(savedFields(p), savedFields(saved));
  EXPECT_EQ(p.PageHeight, 96);
  EXPECT_EQ(p.SuperOrganiserMode, 1);

  p.LineType = -1;
  SavePaperSettings();
  EXPECT_EQ(get("", "TENSEN"), QStringLiteral("-1"));
  EXPECT_TRUE(settingsBytes().contains("\r\nTENSEN=-1\r\n"));
}

TEST_F(PaperSettingsTest, DamagedSettingsLoadWithoutACrash) {
  // Absurd numbers are clamped; a missing size section gives edges at 0.
  static const char kDamaged[] =
      "[ringpad]\r\nYOHAKU=99999999\r\nFOOT_DOWN=1e999\r\nTABSTOP=&HFFFFFFFFF\r\n"
      "YOUSI_PLUS=-1e300\r\nAMIKAKE_COLOR=&H\x82\r\n\x00\xFF=\x81\r\n"
      "[SIZE_BIBLE]\r\nLEFT=\xFF\xFF\r\nHEIGHT=-40000\r\nFOOT_HEIGHT=32767\r\n"
      "HEAD_FONTNAME=\x81\r\nHEAD_FONTSIZE=1e60\r\n";
  writeSettings(QByteArray(kDamaged, sizeof kDamaged - 1));
  LoadPaperSettings(0);
  const PaperSettingsData& p = PaperSettings;
  EXPECT_EQ(p.PrintMargin, 32767);
  EXPECT_EQ(p.FootDownOn, 1);
  EXPECT_EQ(p.FootHeight, 32767);
  EXPECT_EQ(p.PageHeight, -32768);
  EXPECT_EQ(p.PageLeft, 0);
  EXPECT_EQ(p.ShadeColor, 0);
  EXPECT_EQ(p.HeadFontSize, std::numeric_limits<float>::max());
  EXPECT_EQ(p.TabStop, 32767);

  PaperSettings = PaperSettingsData{};
  LoadPaperSettings(3);  // SIZE_NARROW is missing
  EXPECT_EQ(p.PageLeft, 0);
  EXPECT_EQ(p.PageWidth, 0);
  EXPECT_EQ(p.FootHeightStored, 0);
  EXPECT_EQ(p.FootHeight, 32767) << "the absurd shift is clamped";
  EXPECT_EQ(p.HeadFontName, QString());
  EXPECT_EQ(p.HeadFontSize, 0.0f);
}

}  // namespace
