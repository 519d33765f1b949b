// Reading and writing the settings file.
#include <QDir>

#include "SettingsTestSupport.h"
#include "core/settings/IniDocument.h"
#include "core/settings/IniWriteBatch.h"

#include <tuple>

namespace {

using IniTest = SettingsTest;

TEST_F(IniTest, EmptySectionIsTheProgramSectionWhateverTheLetterCase) {
  ASSERT_EQ(SettingsFilePath(), home() + QStringLiteral("ringpad.ini"));
  EXPECT_FALSE(QFile::exists(SettingsFilePath()));
  EXPECT_EQ(GetIniValue(QString(), QStringLiteral("YOUSI")), QString());
  EXPECT_FALSE(QFile::exists(SettingsFilePath())) << "reading never creates the file";

  EXPECT_NE(WriteIniValue(QString(), QStringLiteral("YOUSI"), QStringLiteral("3")), 0);
  // The header keeps the executable's name as it is; lookups ignore case.
  EXPECT_EQ(settingsBytes(), QByteArray("[ringpad]\r\nYOUSI=3\r\n"));
  EXPECT_EQ(GetIniValue(QString(), QStringLiteral("yousi")), QStringLiteral("3"));
  EXPECT_EQ(GetIniValue(QStringLiteral("RINGPAD"), QStringLiteral("YOUSI")), QStringLiteral("3"));
  EXPECT_EQ(ReadPrivateIni(QString(), QStringLiteral("RingPad"), QStringLiteral("Yousi")), QStringLiteral("3"));

  EXPECT_NE(WriteIniValue(QStringLiteral("RINGPAD"), QStringLiteral("yousi"), QStringLiteral("4")), 0);
  EXPECT_EQ(settingsBytes(), QByteArray("[ringpad]\r\nYOUSI=4\r\n"));
}

TEST_F(IniTest, AnotherExecutableNameHasItsOwnFile) {
  WriteIniValue(QString(), QStringLiteral("VERSION"), QStringLiteral("3.16.01"));
  SetProgramPaths(home() + QStringLiteral("dozir"));
  EXPECT_EQ(SettingsFilePath(), home() + QStringLiteral("dozir.ini"));
  EXPECT_EQ(GetIniValue(QString(), QStringLiteral("VERSION")), QString());
}

TEST_F(IniTest, ValuesAreTrimmedOfHalfWidthBlanksOnly) {
  const std::pair<QString, QString> cases[] = {
      {QStringLiteral("  a b  "), QStringLiteral("a b")},
      {QStringLiteral("　全角　"), QStringLiteral("　全角　")},
      {QStringLiteral("\tx\t"), QStringLiteral("\tx\t")},
      {QStringLiteral("   "), QString()},
  };
  for (const auto& [stored, read] : cases) {
    WriteIniValue(QStringLiteral("T"), QStringLiteral("K"), stored);
    EXPECT_EQ(GetIniValue(QStringLiteral("T"), QStringLiteral("K")), read) << stored.toStdString();
  }
}

TEST_F(IniTest, DefaultIsWrittenOnlyForAnEmptyOrMissingValue) {
  writeSettings("[ringpad]\r\nEMPTY=\r\nBLANK=   \r\nSET=7\r\n");
  EXPECT_EQ(GetIniValueOrDefault(QString(), QStringLiteral("EMPTY"), QStringLiteral("1")), QStringLiteral("1"));
  EXPECT_EQ(GetIniValueOrDefault(QString(), QStringLiteral("BLANK"), QStringLiteral(" 2 ")), QStringLiteral("2"));
  EXPECT_EQ(GetIniValueOrDefault(QString(), QStringLiteral("SET"), QStringLiteral("9")), QStringLiteral("7"));
  EXPECT_EQ(GetIniValueOrDefault(QStringLiteral("NEW"), QStringLiteral("KEY"), QStringLiteral("x")), QStringLiteral("x"));
  EXPECT_EQ(settingsBytes(), QByteArray("[ringpad]\r\nEMPTY=1\r\nBLANK= 2 \r\nSET=7\r\n[NEW]\r\nKEY=x\r\n"));
}

TEST_F(IniTest, ValueIsCutAtItsFirstNulAnd254BytesOnACharacterBoundary) {
  const QString a = QStringLiteral("あ");
  struct Case {
    QByteArray stored;
    QString read;
  } cases[] = {
      {sjis(a.repeated(127)), a.repeated(127)},                                   // exactly 254 bytes
      {"x" + sjis(a.repeated(127)), QStringLiteral("x") + a.repeated(126)},      // never half a character
      {QByteArray(300, 'a'), QString(254, u'a')},
      {QByteArray(253, 'a') + " b", QString(253, u'a')},                          // blank exposed by the cut
      {QByteArray("ab\0cd", 5), QStringLiteral("ab")},
      {QByteArray("  \0ab", 5), QString()},
  };
  for (const auto& c : cases) {
    writeSettings("[S]\r\nK=" + c.stored + "\r\n");
    EXPECT_EQ(GetIniValue(QStringLiteral("S"), QStringLiteral("K")), c.read) << c.stored.size();
  }
  // A long value is stored whole; only reading cuts it.
  WriteIniValue(QStringLiteral("S"), QStringLiteral("K"), QString(300, u'z'));
  EXPECT_TRUE(settingsBytes().contains(QByteArray(300, 'z')));
  EXPECT_EQ(GetIniValue(QStringLiteral("S"), QStringLiteral("K")).size(), 254);
}

TEST_F(IniTest, RewriteKeepsCommentsAndUnknownLines) {
  const QByteArray before =
      "; written by hand\r\n"
      "stray before any section\r\n"
      "[JXPOST_CARD]\r\n"
      "FONT=" + sjis(QStringLiteral("ＭＳ 明朝")) + "\r\n"
      ";FONT=" + sjis(QStringLiteral("ＭＳ ゴシック")) + "\r\n"
      "a line without equals\r\n"
      "  ZIP_X = 43  \r\n"
      "\r\n"
      "[OTHER]\r\n"
      "K=v\r\n";
  writeSettings(before);
  EXPECT_EQ(GetIniValue(QStringLiteral("JXPOST_CARD"), QStringLiteral("FONT")), QStringLiteral("ＭＳ 明朝"));
  EXPECT_EQ(GetIniValue(QStringLiteral("JXPOST_CARD"), QStringLiteral("ZIP_X")), QStringLiteral("43"));
  EXPECT_EQ(GetIniValue(QStringLiteral("JXPOST_CARD"), QStringLiteral(";FONT")), QString()) << "comments are not values";

  WriteIniValue(QStringLiteral("jxpost_card"), QStringLiteral("ZIP_Y"), QStringLiteral("15"));
  WriteIniValue(QStringLiteral("JXPOST_CARD"), QStringLiteral("zip_x"), QStringLiteral("44"));
  // The changed key takes its place again, the new one follows the
  // section's last line, before its blank line.
  QByteArray after = before;
  after.replace("  ZIP_X = 43  \r\n\r\n", "ZIP_X=44\r\nZIP_Y=15\r\n\r\n");
  EXPECT_EQ(settingsBytes(), after);
}

TEST_F(IniTest, ReadsLinesEndedByLfOrLoneCrAndWritesCrLf) {
  writeSettings("[A]\nK1=1\rK2=2\r\n[B]\rK=3");
  EXPECT_EQ(GetIniValue(QStringLiteral("A"), QStringLiteral("K2")), QStringLiteral("2"));
  EXPECT_EQ(GetIniValue(QStringLiteral("B"), QStringLiteral("K")), QStringLiteral("3"));
  WriteIniValue(QStringLiteral("B"), QStringLiteral("L"), QStringLiteral("4"));
  EXPECT_EQ(settingsBytes(), QByteArray("[A]\r\nK1=1\r\nK2=2\r\n[B]\r\nK=3\r\nL=4\r\n"));
}

TEST_F(IniTest, ALineBreakInAValueNeverReachesTheFile) {
  // Otherwise the rest of the value would become a line of its own, here a
  // section header.
  WriteIniValue(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("one\r\n[EVIL]\r\nX=1"));
  EXPECT_EQ(settingsBytes(), QByteArray("[S]\r\nK=one\r\n"));
  WriteIniValue(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("a") + QChar(0) + QStringLiteral("b"));
  EXPECT_EQ(settingsBytes(), QByteArray("[S]\r\nK=a\r\n"));
}

TEST_F(IniTest, DamagedFileReadsWithoutACrash) {
  QByteArray binary;
  for (int i = 0; i < 256; ++i)
    if (i != '\r' && i != '\n') binary.append(static_cast<char>(i));
  // 0x815D ends in "]", 0x8140 is the full-width blank.
  const QByteArray bracketTrail("[A\x81\x5D" "B]", 6);
  const QByteArray damaged = binary + "\r\n" + binary + "=" + binary + "\r\n" +
                             "[unterminated\r\n" + "[" + binary + "]\r\n" +
                             "\xFF\xFE\xFD=\x81\r\n" + bracketTrail + "\r\n" +
                             "K=ok\r\n" + "LEAD=ab\x81\r\n" + "HUGE=" + QByteArray(1 << 20, 'h') + "\r\n" +
                             QByteArray(1 << 20, '[') + "\r\n" + "[ringpad]\r\nYOHAKU=\x82\xA0" "3\r\n";
  writeSettings(damaged);
  const QString section = platform::FromSjis(QByteArray("A\x81\x5D" "B", 4));
  EXPECT_EQ(GetIniValue(section, QStringLiteral("K")), QStringLiteral("ok"));
  EXPECT_EQ(GetIniValue(QStringLiteral("unterminated"), QStringLiteral("X")), QString());
  EXPECT_EQ(GetIniValue(section, QStringLiteral("HUGE")).size(), 254);
  EXPECT_EQ(GetIniValue(QString(), QStringLiteral("YOHAKU")), QStringLiteral("あ3"));
  (void)GetIniValue(section, QStringLiteral("LEAD"));
  (void)GetIniValue(QStringLiteral("missing"), QStringLiteral("K"));

  // A write changes its one line and keeps every damaged byte of the others.
  EXPECT_NE(WriteIniValue(section, QStringLiteral("K"), QStringLiteral("new")), 0);
  QByteArray expected = damaged;
  expected.replace("K=ok\r\n", "K=new\r\n");
  EXPECT_EQ(settingsBytes(), expected);
}

TEST_F(IniTest, AFileChangedBehindOurBackIsReadAgain) {
  writeSettings("[S]\r\nK=1\r\n");
  EXPECT_EQ(GetIniValue(QStringLiteral("S"), QStringLiteral("K")), QStringLiteral("1"));
  writeSettings("[S]\r\nK=2\r\n");  // same size, possibly the same time stamp
  EXPECT_EQ(GetIniValue(QStringLiteral("S"), QStringLiteral("K")), QStringLiteral("2"));
  WriteIniValue(QStringLiteral("S"), QStringLiteral("L"), QStringLiteral("3"));
  EXPECT_EQ(settingsBytes(), QByteArray("[S]\r\nK=2\r\nL=3\r\n"));
  QFile::remove(SettingsFilePath());
  EXPECT_EQ(GetIniValue(QStringLiteral("S"), QStringLiteral("K")), QString());
}

TEST_F(IniTest, ReadPrivateIniReadsAnyProfileFile) {
  WriteBytes(home() + QStringLiteral("other.ini"), "[X]\r\nK= v \r\n");
  EXPECT_EQ(ReadPrivateIni(home() + QStringLiteral("other.ini"), QStringLiteral("x"), QStringLiteral("k")),
            QStringLiteral("v"));
  EXPECT_EQ(ReadPrivateIni(QStringLiteral("other.ini"), QStringLiteral("X"), QStringLiteral("K")),
            QStringLiteral("v")) << "relative to the current folder";
  EXPECT_EQ(ReadPrivateIni(home() + QStringLiteral("none.ini"), QStringLiteral("X"), QStringLiteral("K")), QString());
}

TEST_F(IniTest, BatchWritesTheFileOnceAtTheEnd) {
  writeSettings("[S]\r\nK=1\r\n");
  {
    IniWriteBatch outer;
    WriteIniValue(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("2"));
    {
      IniWriteBatch inner;
      WriteIniValue(QStringLiteral("T"), QStringLiteral("K"), QStringLiteral("3"));
      EXPECT_TRUE(inner.commit());
    }
    EXPECT_EQ(GetIniValue(QStringLiteral("S"), QStringLiteral("K")), QStringLiteral("2"));
    EXPECT_EQ(settingsBytes(), QByteArray("[S]\r\nK=1\r\n")) << "nothing written before the batch ends";
    EXPECT_TRUE(outer.commit());
    EXPECT_EQ(settingsBytes(), QByteArray("[S]\r\nK=2\r\n[T]\r\nK=3\r\n"));
  }
  EXPECT_EQ(settingsBytes(), QByteArray("[S]\r\nK=2\r\n[T]\r\nK=3\r\n"));
}

TEST_F(IniTest, AnEmptyKeyWritesNothing) {
  EXPECT_EQ(WriteIniValue(QStringLiteral("S"), QString(), QStringLiteral("1")), 0);
  EXPECT_FALSE(QFile::exists(SettingsFilePath()));
}

// How fast the reads are is measured in bench/bench_settings.cpp.
TEST_F(IniTest, ManyReadsReturnTheStoredValues) {
  {
    IniWriteBatch batch;
    for (int i = 0; i < 300; ++i)
      WriteIniValue(QStringLiteral("S%1").arg(i % 30), QStringLiteral("K%1").arg(i), QString::number(i));
  }
  // A window reads dozens of keys when it loads; the file is parsed once.
  for (int round = 0; round < 20; ++round)
    for (int i = 0; i < 300; ++i)
      ASSERT_EQ(GetIniValue(QStringLiteral("s%1").arg(i % 30), QStringLiteral("k%1").arg(i)), QString::number(i));
}

TEST_F(IniTest, ALinkedSettingsFileIsWrittenThroughItsLink) {
  ASSERT_TRUE(QDir(home()).mkpath(QStringLiteral("elsewhere")));
  const QString target = home() + QStringLiteral("elsewhere/shared.ini");
  WriteBytes(target, "[S]\r\nK=1\r\n");
  ASSERT_TRUE(QFile::link(target, SettingsFilePath()));
  EXPECT_EQ(GetIniValue(QStringLiteral("S"), QStringLiteral("K")), QStringLiteral("1"));
  EXPECT_NE(WriteIniValue(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("2")), 0);
  EXPECT_EQ(QFileInfo(SettingsFilePath()).symLinkTarget(), target) << "the link stays";
  EXPECT_EQ(ReadBytes(target), QByteArray("[S]\r\nK=2\r\n"));
  EXPECT_EQ(QDir(home() + QStringLiteral("elsewhere")).entryList(QDir::Files | QDir::Hidden).size(), 1)
      << "no temporary file left beside the target";

  // A link to a file not made yet: the first write makes it there.
  QFile::remove(SettingsFilePath());
  QFile::remove(target);
  ASSERT_TRUE(QFile::link(target, SettingsFilePath()));
  EXPECT_NE(WriteIniValue(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("3")), 0);
  EXPECT_TRUE(QFileInfo(SettingsFilePath()).isSymLink());
  EXPECT_EQ(ReadBytes(target), QByteArray("[S]\r\nK=3\r\n"));
}

// Keys added one after another to sections before others, to a section
// given twice, and to a section added on the way, each land at the end of
// their own section and are found there afterwards.
TEST_F(IniTest, KeysAddedInTurnLandInTheirOwnSections) {
  IniDocument doc = IniDocument::parse("[A]\r\nX=1\r\n[B]\r\nY=2\r\n[A]\r\nZ=3\r\n");
  const std::tuple<const char*, const char*, const char*> writes[] = {
      {"A", "N1", "a"}, {"b", "N2", "b"}, {"A", "N3", "c"}, {"C", "N4", "d"},
      {"a", "N5", "e"}, {"C", "N6", "f"}, {"B", "y", "9"}};
  for (const auto& [section, key, value] : writes)
    doc.setValue(QString::fromLatin1(section), QString::fromLatin1(key), value);
  EXPECT_EQ(doc.serialize(), QByteArray("[A]\r\nX=1\r\nN1=a\r\nN3=c\r\nN5=e\r\n[B]\r\nY=9\r\nN2=b\r\n"
                                        "[A]\r\nZ=3\r\n[C]\r\nN4=d\r\nN6=f\r\n"));
  EXPECT_EQ(doc.rawValue(QStringLiteral("a"), QStringLiteral("z")), QByteArray("3"));
  EXPECT_EQ(doc.rawValue(QStringLiteral("C"), QStringLiteral("N6")), QByteArray("f"));
}

// A section written whole gives the bytes its keys written one by one give,
// whether the section is new, already there, or out of the ordinary (a key
// twice, keys that do not read back as themselves, a header that does not).
TEST_F(IniTest, KeysOfASectionWrittenTogetherLandAsWrittenOneByOne) {
  const QByteArray start = "[A]\r\nX=1\r\n\r\n[B]\r\nY=2\r\n";
  const struct {
    const char* section;
    std::vector<std::pair<const char*, const char*>> keys;
  } cases[] = {
      {"New", {{"K1", "1"}, {"K2", "\x93\xfa"}, {"k3", ""}, {";K1", "c"}}},
      {"a", {{"N", "n"}, {"x", "9"}}},
      {"Twice", {{"K", "1"}, {"k", "2"}}},
      {"Odd", {{"[C]", "1"}, {"a=b", "2"}, {";c", "3"}, {" Pad ", "4"}, {";", "5"}}},
      {"D]x", {{"K", "1"}, {"L", "2"}}},
      {"Empty", {}},
  };
  for (const auto& c : cases) {
    IniDocument together = IniDocument::parse(start);
    IniDocument oneByOne = IniDocument::parse(start);
    std::vector<std::pair<QString, QByteArray>> values;
    for (const auto& [key, value] : c.keys) {
      values.emplace_back(QString::fromLatin1(key), QByteArray(value));
      oneByOne.setValue(QString::fromLatin1(c.section), QString::fromLatin1(key), value);
    }
    together.setValues(QString::fromLatin1(c.section), values);
    EXPECT_EQ(together.serialize(), oneByOne.serialize()) << c.section;
    // Later writes find what was written together.
    together.setValue(QString::fromLatin1(c.section), QStringLiteral("Last"), "z");
    oneByOne.setValue(QString::fromLatin1(c.section), QStringLiteral("Last"), "z");
    EXPECT_EQ(together.serialize(), oneByOne.serialize()) << c.section;
  }
}

TEST_F(IniTest, WriteIniValuesLeavesBlankKeysOutAndSaysSo) {
  EXPECT_EQ(WriteIniValues(QStringLiteral("S"), {{QStringLiteral("A"), QStringLiteral("1\r\nB=2")},
                                                 {QStringLiteral(" "), QStringLiteral("x")}}),
            0);
  EXPECT_EQ(settingsBytes(), QByteArray("[S]\r\nA=1\r\n"));
  EXPECT_EQ(WriteIniValues(QString(), {{QStringLiteral("B"), QStringLiteral("2")}}), 1);
  EXPECT_EQ(GetIniValue(QString(), QStringLiteral("b")), QStringLiteral("2"));
}

}  // namespace

namespace {

// Section and key names match whatever their letter case and the blanks
// around them, in plain ASCII and in Japanese (Shift-JIS) alike.
TEST(IniDocumentNames, NamesMatchWithoutCaseOrSurroundingBlanks) {
  const QByteArray file = "[Main]\r\n\tKey One =a\r\n[\x93\xfa\x96\x7b]\r\n\x96\xbc\x91\x4f=b\r\n"
                          "[\x82\x76\x82\x89\x82\x84\x82\x85]\r\n" "\x82\x60\x82\x82=c\r\n[ Pad\f]\r\nX\v=d\r\n";
  const IniDocument doc = IniDocument::parse(file);
  const struct {
    QString section, key;
    const char* value;  // nullptr: not found
  } cases[] = {
      {QStringLiteral("main"), QStringLiteral("key one"), "a"},
      {QStringLiteral(" MAIN "), QStringLiteral("KEY ONE\t"), "a"},
      {QStringLiteral("main"), QStringLiteral("keyone"), nullptr},
      {QStringLiteral("日本"), QStringLiteral("名前"), "b"},
      {QStringLiteral("Ｗｉｄｅ"), QStringLiteral("Ａｂ"), "c"},
      {QStringLiteral("ｗｉｄｅ"), QStringLiteral("ａＢ"), "c"},
      {QStringLiteral("pad"), QStringLiteral("x"), "d"},
  };
  for (const auto& c : cases) {
    const std::optional<QByteArray> value = doc.rawValue(c.section, c.key);
    if (c.value)
      EXPECT_EQ(value, std::optional<QByteArray>(c.value)) << c.section.toStdString() << "/" << c.key.toStdString();
    else
      EXPECT_FALSE(value) << c.section.toStdString() << "/" << c.key.toStdString();
  }
  IniDocument changed = doc;
  changed.setValue(QStringLiteral("MAIN"), QStringLiteral("KEY one"), "z");
  changed.setValue(QStringLiteral("日本"), QStringLiteral("名前"), "y");
  EXPECT_EQ(changed.serialize(), QByteArray("[Main]\r\nKey One=z\r\n[\x93\xfa\x96\x7b]\r\n\x96\xbc\x91\x4f=y\r\n"
                                            "[\x82\x76\x82\x89\x82\x84\x82\x85]\r\n" "\x82\x60\x82\x82=c\r\n[ Pad\f]\r\nX\v=d\r\n"));
}

}  // namespace
