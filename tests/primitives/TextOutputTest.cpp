// Inline, wrapped, clipped and fitted text on the recording surface, whose
// text widths follow the layout model (Shift-JIS bytes times the half-width).
#include <QStringList>

#include "PrimitivesTest.h"
#include "core/print/PrintJob.h"
#include "core/print/TextOutput.h"
#include "core/text/JapaneseText.h"

namespace {

constexpr double kTextTolMm = 1e-3;

class TextOutputTest : public PrimitivesTest {
 protected:
  // The printed characters joined into lines, top to bottom, with the x of
  // each line's first character.
  struct Line {
    double x;
    double y;
    QString text;
  };
  std::vector<Line> lines() {
    std::vector<Line> found;
    for (const RecordedOp& op : ops(RecordedOp::Text)) {
      if (found.empty() || std::abs(found.back().y - op.y1) > kTextTolMm)
        found.push_back({op.x1, op.y1, op.text});
      else
        found.back().text += op.text;
    }
    return found;
  }
  static double LineHeight(double points) { return points * 25.4 / 72; }
};

TEST_F(TextOutputTest, InlineAndNewLinePrintTheTextAsItStands) {
  SetFontSize(10);
  SetCurrentX(5);
  SetCurrentY(7);
  PrintTextInline(QStringLiteral("a\\nb漢"));
  EXPECT_EQ(CurrentPrintJob().pageUsed, 1);
  EXPECT_FLOAT_EQ(GetCurrentX(), float(5 + 6 * 10 / 5.67));
  EXPECT_FLOAT_EQ(GetCurrentY(), 7);
  CurrentPrintJob().pageUsed = 0;
  PrintTextNewLine(QString(QChar(4)) + QStringLiteral("x\r"));
  EXPECT_EQ(CurrentPrintJob().pageUsed, 1);
  EXPECT_FLOAT_EQ(GetCurrentX(), 0);
  EXPECT_NEAR(GetCurrentY(), 7 + LineHeight(10), kTextTolMm);
  const QStringList texts = printer().texts();
  ASSERT_EQ(texts.size(), 2);
  EXPECT_EQ(texts[0], QStringLiteral("a\\nb漢"));
  EXPECT_EQ(texts[1], QString(QChar(4)) + QStringLiteral("x\r"));
  EXPECT_EQ(printer().opsOf(RecordedOp::Text)[1].color, 0u);  // no colour code read
}

TEST_F(TextOutputTest, WrappedTextBreaksAtLineBreaksBackToTheStartX) {
  struct Case {
    QString text;
    QStringList lines;
  } cases[] = {
      {QStringLiteral("ab\\ncd"), {"ab", "cd"}},
      {QStringLiteral("ab\rcd"), {"ab", "cd"}},
      {QStringLiteral("ab\r\ncd"), {"ab", "cd"}},
      {QStringLiteral("ab\ncd"), {"abcd"}},  // LF alone is ignored
      {QStringLiteral("ab\\Ncd"), {"ab\\Ncd"}},
      {QStringLiteral("a\\"), {"a\\"}},
      {QStringLiteral("ab\\n\\ncd"), {"ab", "cd"}},  // the empty line prints nothing
  };
  SetFontSize(10);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    printer().clearOps();
    SetCurrentX(20);
    SetCurrentY(30);
    PrintWrappedText(c.text, 100);
    const auto found = lines();
    ASSERT_EQ(found.size(), size_t(c.lines.size()));
    for (size_t i = 0; i < found.size(); ++i) {
      EXPECT_EQ(found[i].text, c.lines[int(i)]);
      EXPECT_NEAR(found[i].x, 20, kTextTolMm);
    }
    if (found.size() == 2) {
      const double rows = c.text.contains(QStringLiteral("\\n\\n")) ? 2 : 1;
      EXPECT_NEAR(found[1].y, 30 + rows * LineHeight(10), kTextTolMm);
    }
  }
}

TEST_F(TextOutputTest, WrappedTextWrapsBeforeTheCharacterThatWouldPassTheLimit) {
  SetFontSize(10);  // one full-width character is 3.527 mm
  SetCurrentX(10);
  SetCurrentY(0);
  PrintWrappedText(QStringLiteral("一二三四五六七八九十"), 40);
  auto found = lines();
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].text, QStringLiteral("一二三四五六七八"));
  EXPECT_EQ(found[1].text, QStringLiteral("九十"));
  EXPECT_NEAR(found[1].x, 10, kTextTolMm);
  EXPECT_NEAR(GetCurrentX(), 10 + 2 * 2 * 10 / 5.67, kTextTolMm);

  // A limit left of the start puts every character on a line of its own.
  printer().clearOps();
  SetCurrentX(50);
  SetCurrentY(0);
  PrintWrappedText(QStringLiteral("aｱ漢"), 10);
  found = lines();
  ASSERT_EQ(found.size(), 3u);
  for (size_t i = 0; i < found.size(); ++i) {
    EXPECT_NEAR(found[i].x, 50, kTextTolMm);
    EXPECT_NEAR(found[i].y, double(i + 1) * LineHeight(10), kTextTolMm);
  }
}

TEST_F(TextOutputTest, ColourCodesSwitchTheColourAndTheEntryColourComesBack) {
  const QString text = QString(QChar(4)) + QStringLiteral("ab") + QChar(7) + QStringLiteral("c") +
                       QChar(1) + QStringLiteral("d") + QChar(0) + QStringLiteral("e");
  struct Case {
    uint32_t entry;
  } cases[] = {{0x123456}, {4}};  // 4: a dark RGB value, not colour index 4
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    for (int clipped = 0; clipped < 2; ++clipped) {
      printer().clearOps();
      printer().setForeColor(c.entry);
      if (clipped) PrintClippedText(text, 0);
      else PrintWrappedText(text, 100);
      const auto chars = ops(RecordedOp::Text);
      ASSERT_EQ(chars.size(), 5u);
      EXPECT_EQ(chars[0].color, Rgb(255, 0, 0));
      EXPECT_EQ(chars[1].color, Rgb(255, 0, 0));
      EXPECT_EQ(chars[2].color, c.entry);
      EXPECT_EQ(chars[3].color, Rgb(0, 0, 255));
      EXPECT_EQ(chars[4].color, 0u);
      EXPECT_EQ(printer().foreColor(), c.entry);
    }
  }
}

// The mark is cut in with its own width: it ends within the limit, and a
// line that fits whole is printed whole.
TEST_F(TextOutputTest, ClippedTextEndsWithAnEllipsisWithinTheLimitAndDropsTheRest) {
  struct Case {
    QString text;
    float startX, limit;
    QStringList lines;
  } cases[] = {
      {QStringLiteral("abcdefgh"), 0, 10, {QStringLiteral("abc…")}},  // abcd… would end at 10.58
      {QStringLiteral("abcdefgh\\nxyz"), 0, 10, {QStringLiteral("abc…")}},
      {QStringLiteral("漢字漢字"), 0, 10, {QStringLiteral("漢…")}},
      {QStringLiteral("abcde"), 0, 10, {QStringLiteral("abcde")}},       // ends at 8.82: no mark
      {QStringLiteral("漢字ab"), 0, 10.6f, {QStringLiteral("漢字ab")}},  // 10.58
      {QStringLiteral("漢字ab"), 0, 10.5f, {QStringLiteral("漢…")}},
      {QStringLiteral("ab") + QChar(1) + QStringLiteral("cde"), 0, 8.9f, {QStringLiteral("abcde")}},
      {QStringLiteral("ab\\nabcdefgh"), 0, 10, {"ab", QStringLiteral("abc…")}},
      {QStringLiteral("ab\\ncd"), 0, 50, {"ab", "cd"}},
      {QStringLiteral("abc"), 12, 10, {QStringLiteral("…")}},  // no room even for the mark
      {QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789"),
       0,
       0,
       {QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789")}},
  };
  SetFontSize(10);  // half-width 1.764 mm, the mark full-width
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.toStdString() + " within " + std::to_string(c.limit));
    printer().clearOps();
    SetCurrentX(c.startX);
    SetCurrentY(0);
    PrintClippedText(c.text, c.limit);
    const auto found = lines();
    ASSERT_EQ(found.size(), size_t(c.lines.size()));
    for (size_t i = 0; i < found.size(); ++i) EXPECT_EQ(found[i].text, c.lines[int(i)]);
    // The ellipsis is printed once, as one text, and the last line ends
    // within the limit where it had room.
    const bool clipped = c.lines.last().endsWith(QStringLiteral("…"));
    EXPECT_EQ(printer().texts().count(QStringLiteral("…")), clipped ? 1 : 0);
    if (c.limit != 0 && c.startX < c.limit) EXPECT_LE(GetCurrentX(), c.limit + 1e-3);
  }
}

// Font size 5.67 points makes one byte one millimetre wide in the layout model.
TEST_F(TextOutputTest, FitTwoLinesSqueezesOrHalvesAndRestoresTheSize) {
  struct Case {
    QString text;
    float expectedSize;
  } cases[] = {
      {QString(48, u'a'), 5.67f},                                 // 48 + 2 fits 50 mm of room
      {QString(60, u'a'), float(49.0 / 60 * 5.67)},               // two lines squeezed into one
      {QString(120, u'a'), 5.67f / 2},                            // longer: half size
      {QString(QChar(4)) + QString(58, u'a') + QChar(7), float(49.0 / 60 * 5.67)},  // codes count in the byte divisor
      {QString(), 5.67f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.size());
    printer().clearOps();
    SetFontSize(5.67f);
    SetCurrentX(10);
    SetCurrentY(0);
    CurrentPrintJob().pageUsed = 0;
    PrintTextFitTwoLines(c.text, 60);
    EXPECT_EQ(CurrentPrintJob().pageUsed, 1);
    for (const RecordedOp& op : ops(RecordedOp::Text)) ASSERT_FLOAT_EQ(op.fontSize, c.expectedSize);
    EXPECT_FLOAT_EQ(GetFontSize(), 5.67f);
  }
  // The squeezed text stays on one line.
  printer().clearOps();
  SetCurrentX(10);
  PrintTextFitTwoLines(QString(60, u'a'), 60);
  EXPECT_EQ(lines().size(), 1u);
}

TEST_F(TextOutputTest, FitOneLineOnlyShrinksAndKeepsTheTextOnOneLine) {
  struct Case {
    const char* what;
    QString text;
    float startX;
    float expectedSize;
    size_t lineCount;
  } cases[] = {
      {"short text keeps the font", QStringLiteral("大安○"), 10, 5.67f, 1},
      {"long text shrinks to the room", QString(100, u'x'), 10, float(50.0 / 100 * 5.67), 1},
      {"odd room shrinks to the room", QStringLiteral("先勝●◎") + QString(77, u'x'), 13.3f,
       float(46.7f / 85 * 5.67), 1},
      {"no room keeps the font", QStringLiteral("ab"), 60, 5.67f, 2},
      {"beyond the limit keeps the font", QStringLiteral("ab"), 70, 5.67f, 2},
      {"colour codes only", QString(QChar(3)), 10, 5.67f, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    printer().clearOps();
    SetFontSize(5.67f);
    SetCurrentX(c.startX);
    SetCurrentY(0);
    PrintTextFitOneLine(c.text, 60);
    for (const RecordedOp& op : ops(RecordedOp::Text)) ASSERT_NEAR(op.fontSize, c.expectedSize, 1e-5);
    EXPECT_EQ(lines().size(), c.lineCount);
    EXPECT_FLOAT_EQ(GetFontSize(), 5.67f);
    EXPECT_EQ(CurrentPrintJob().pageUsed, 1);
  }
}

// A line kept within its limit: over rising lengths, every text is printed
// whole at the largest size that measures within the room (never below half
// size), and only a text too wide at half size is cut, at the longest start
// that fits with the mark after it.
TEST_F(TextOutputTest, TextWithinItsLimitShrinksThenCutsWithAMark) {
  constexpr float kSize = 9;
  constexpr float kStartX = 7.3f, kLimit = 37.1f;
  const float room = kLimit - kStartX;
  auto widthAt = [](const QString& text, float size) { return AnsiByteLen(text) * double(size) / 5.67; };
  for (const QString& unit : {QStringLiteral("9"), QStringLiteral("漢"), QStringLiteral("1-")}) {
    for (int n = 1; n <= 60; ++n) {
      const QString text = unit.repeated(n);
      SCOPED_TRACE(text.toStdString());
      printer().clearOps();
      SetFontSize(kSize);
      SetCurrentX(kStartX);
      SetCurrentY(3);
      const QString shown = PrintTextWithin(text, kLimit);
      const auto printed = ops(RecordedOp::Text);
      ASSERT_EQ(printed.size(), 1u);
      const RecordedOp& op = printed[0];
      EXPECT_EQ(op.text, shown);
      EXPECT_LE(op.x1 + widthAt(op.text, op.fontSize), kLimit + 1e-4);
      EXPECT_GE(op.fontSize, kSize / 2);
      EXPECT_FLOAT_EQ(GetFontSize(), kSize);
      EXPECT_NEAR(GetCurrentX(), op.x1 + widthAt(op.text, op.fontSize), kTextTolMm);
      if (widthAt(text, kSize) <= room) {
        EXPECT_EQ(op.text, text);
        EXPECT_FLOAT_EQ(op.fontSize, kSize);
      } else if (widthAt(text, kSize / 2) <= room) {
        // Shrunk, never cut: the size is within a thousandth of the exact fit.
        EXPECT_EQ(op.text, text);
        EXPECT_GT(op.fontSize, kSize * room / widthAt(text, kSize) * 0.998);
      } else {
        ASSERT_TRUE(op.text.endsWith(u'…'));
        const QString kept = op.text.chopped(1);
        EXPECT_TRUE(text.startsWith(kept));
        EXPECT_FLOAT_EQ(op.fontSize, kSize / 2);
        EXPECT_GT(widthAt(text.left(kept.size() + 1) + u'…', kSize / 2), room);
      }
    }
  }
  // Ended as a new line: one line of the size it began with lower, at x 0.
  printer().clearOps();
  SetFontSize(kSize);
  SetCurrentX(kStartX);
  SetCurrentY(3);
  PrintTextWithin(QString(40, u'9'), kLimit, true);
  EXPECT_FLOAT_EQ(GetCurrentX(), 0);
  EXPECT_NEAR(GetCurrentY(), 3 + LineHeight(kSize), kTextTolMm);
  // A text placed past its limit has no room to fit into: printed as it stands.
  printer().clearOps();
  SetCurrentX(kLimit + 1);
  PrintTextWithin(QStringLiteral("会: "), kLimit);
  EXPECT_EQ(printer().texts(), QStringList{QStringLiteral("会: ")});
}

TEST_F(TextOutputTest, SurrogatePairsAreOneCharacter) {
  SetFontSize(5.67f);
  const QString text = QStringLiteral("a𠀋b");
  PrintWrappedText(text, 100);
  const QStringList texts = printer().texts();
  ASSERT_EQ(texts.size(), 3);
  EXPECT_EQ(texts[1], QStringLiteral("𠀋"));
}

}  // namespace
