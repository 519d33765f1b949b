#include "DefaultAddressLayouts.h"

#include "Ini.h"

namespace {

const char* const kLayoutSections[4] = {"JXPOST_CARD", "JXPOST_L4", "JXPOST_L3", "JXPOST_KAKU3"};

struct LayoutKey {
  const char* key;
  const char16_t* values[4];  // in the order of kLayoutSections
};

// ";FONT" becomes a comment line: an alternative font offered to the user in
// the file, never read.
const LayoutKey kLayoutKeys[] = {
    {"YOKO", {u"-3", u"-6", u"-6", u"-6"}},
    {"TATE", {u"-3", u"-3", u"-3", u"-3"}},
    {"FONT", {u"ＭＳ 明朝", u"ＭＳ 明朝", u"ＭＳ 明朝", u"ＭＳ 明朝"}},
    {";FONT", {u"ＭＳ ゴシック", u"ＭＳ ゴシック", u"ＭＳ ゴシック", u"ＭＳ ゴシック"}},
    {"ZIP_X", {u"43", u"36", u"66", u"26"}},
    {"ZIP_Y", {u"15", u"33", u"42", u"52"}},
    {"ZIP_S", {u"12", u"12", u"12", u"12"}},
    {"ADDRESS1_X", {u"85", u"75", u"100", u"27"}},
    {"ADDRESS1_Y", {u"25", u"43", u"55", u"65"}},
    {"ADDRESS1_S", {u"18", u"18", u"18", u"18"}},
    {"ADDRESS2_X", {u"75", u"66", u"91", u"45"}},
    {"ADDRESS2_Y", {u"35", u"53", u"58", u"79"}},
    {"ADDRESS2_S", {u"18", u"18", u"18", u"18"}},
    {"OFFICE_X", {u"65", u"58", u"79", u"51"}},
    {"OFFICE_Y", {u"26", u"47", u"66", u"92"}},
    {"OFFICE_S", {u"14", u"14", u"14", u"14"}},
    {"NAME_X", {u"48", u"42", u"60", u"62"}},
    {"NAME_Y", {u"40", u"61", u"72", u"106"}},
    {"NAME_S", {u"24", u"24", u"24", u"24"}},
    {"NAME2_X", {u"35", u"28", u"50", u"50"}},
    {"NAME2_Y", {u"66", u"81", u"60", u"60"}},
    {"NAME2_S", {u"24", u"24", u"24", u"24"}},
    {"SASIDASI", {u"1", u"0", u"0", u"0"}},
    {"S_ZIP_X", {u"6.2", u"7", u"7", u"79"}},
    {"S_ZIP_Y", {u"128", u"86", u"86", u"86"}},
    {"S_ZIP_S", {u"8", u"8", u"8", u"8"}},
    {"S_ADDRESS1_X", {u"24", u"24", u"24", u"81"}},
    {"S_ADDRESS1_Y", {u"66", u"93", u"93", u"197"}},
    {"S_ADDRESS1_S", {u"8", u"8", u"8", u"8"}},
    {"S_ADDRESS2_X", {u"18", u"18", u"18", u"81"}},
    {"S_ADDRESS2_Y", {u"71", u"101", u"101", u"210"}},
    {"S_ADDRESS2_S", {u"8", u"8", u"8", u"8"}},
    {"S_NAME1_X", {u"11", u"11", u"11", u"101"}},
    {"S_NAME1_Y", {u"74", u"104", u"104", u"223"}},
    {"S_NAME1_S", {u"8", u"8", u"8", u"8"}},
    {"S_NAME2_X", {u"6", u"6", u"6", u"6"}},
    {"S_NAME2_Y", {u"74", u"105", u"105", u"105"}},
    {"S_NAME2_S", {u"8", u"8", u"8", u"8"}},
};

const char* const kSenderSection = "JXPOST";

}  // namespace

void WriteDefaultAddressLayouts() {
  const QString sender = QLatin1String(kSenderSection);
  if (GetIniValue(sender, QStringLiteral("NAME1")).isEmpty()) {
    WriteIniValue(sender, QStringLiteral("NAME1"), QStringLiteral("自分の名前"));
    WriteIniValue(sender, QStringLiteral("NAME2"), QString());
    WriteIniValue(sender, QStringLiteral("ZIP"), QStringLiteral("999-9999"));
    WriteIniValue(sender, QStringLiteral("ADDRESS1"), QStringLiteral("自分の住所"));
    WriteIniValue(sender, QStringLiteral("ADDRESS2"), QStringLiteral("自分のアパート名"));
  }
  for (int s = 0; s < 4; ++s) {
    std::vector<std::pair<QString, QString>> values;
    for (const LayoutKey& entry : kLayoutKeys)
      values.emplace_back(QLatin1String(entry.key), QString::fromUtf16(entry.values[s]));
    WriteIniValues(QLatin1String(kLayoutSections[s]), values);
  }
}
