// Minutes and sticky-note sheets.
#include "RuledTest.h"
#include "core/settings/PaperSettings.h"
#include "ruled_photo/MinutesSheets.h"

namespace {

class MinutesSheetsTest : public RuledTest {
 protected:
  // Rules as (x1, y): the dotted lines across, in order.
  std::vector<Dotted> rules() {
    std::vector<Dotted> out;
    for (const Dotted& d : dottedLines())
      if (d.y1 == d.y2 && d.x2 - d.x1 > 1) out.push_back(d);
    return out;
  }
};

TEST_F(MinutesSheetsTest, FirstSheetWithPromptsAndMarkers) {
  options.Txt_Title = QStringLiteral(" 定例会 ");
  DrawMinutesSheet(options, 1, 8, 88);
  const QStringList texts = printer().texts();
  EXPECT_EQ(texts.value(0).trimmed(), QStringLiteral("議題：定例会"));
  for (const char* prompt : {"　　年　　月　　日（　　）　：　－　：", "場所：                 ", "天気:", "出席者："})
    EXPECT_TRUE(texts.contains(QString::fromUtf8(prompt))) << prompt;
  double top = 0;
  for (const RecordedOp& l : lines(3))
    if (l.y1 > 9 && l.y1 < 156) top = l.y1;
  // three prompt lines 1 mm apart and an empty line, in 9 point type
  EXPECT_NEAR(top, 10 + 3 * (1 + 9 * 25.4 / 72) + 9 * 25.4 / 72 + 1, 1e-3);
  const auto r = rules();
  ASSERT_GE(r.size(), 2u);
  // A 10 mm marker, a 2 mm gap, then the rule; rows stretched to fill.
  EXPECT_NEAR(r[0].x1, 8, 1e-4);
  EXPECT_LE(r[0].x2, 18 + 1e-4);
  EXPECT_NEAR(r[1].x1, 20, 1e-4);
  const double space = 156 - top - 2;
  const double q = space / std::trunc(space / 4);
  EXPECT_NEAR(r[0].y1, top + 1 + q, 1e-3);
  EXPECT_EQ(r.size() / 2, size_t(std::trunc(space / 4)) - 1);
}

TEST_F(MinutesSheetsTest, ContinuationSheetAndPitches) {
  const struct {
    const char* pitch;
    size_t rules;
    const char* after;
  } cases[] = {{"4", 35, "4"}, {"0", 35, "0"}, {"abc", 35, "abc"}, {"200", 0, "200"},
               {"-5", 0, "-5"}, {"0.0001", 144, "1"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pitch);
    printer().clearOps();
    options.chk_gijiroku_sirusi = 0;
    options.txt_gijiroku_yokokei = QString::fromLatin1(c.pitch);
    DrawMinutesSheet(options, 2, 8, 88);
    const auto r = rules();
    EXPECT_EQ(r.size(), c.rules);
    EXPECT_EQ(options.txt_gijiroku_yokokei, QString::fromLatin1(c.after));
    if (c.rules == 35) { EXPECT_NEAR(r[0].y1, 9 + 1 + 145.0 / 36, 1e-3); }
    EXPECT_FALSE(printer().texts().join(QString()).contains(QStringLiteral("議題")));
  }
}

TEST_F(MinutesSheetsTest, WidePagesGetLongerMarkers) {
  loadSize(6);  // A5, wider than 120 mm
  const double left = PaperSettings.PageLeft;
  ASSERT_GT(PaperSettings.PageWidth - left, 120);
  DrawMinutesSheet(options, 2, left, PaperSettings.PageWidth);
  const auto r = rules();
  ASSERT_GE(r.size(), 2u);
  EXPECT_NEAR(r[1].x1, left + 22, 1e-4);
}

TEST_F(MinutesSheetsTest, StickyNoteFrames) {
  const struct {
    const char* count;
    size_t frames;
    double height;
    const char* after;
  } cases[] = {{"3", 3, 46, "3"},          {"0", 1, 142, "1"},  {"abc", 1, 142, "1"},
               {"1e9", 48, 1, "48"},       {"-5", 0, 0, "-5"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.count);
    printer().clearOps();
    options.txt_waku = QString::fromLatin1(c.count);
    DrawStickyNoteToDoSheet(options, 8, 88);
    const auto boxes = ops(RecordedOp::Box);
    ASSERT_EQ(boxes.size(), c.frames);
    EXPECT_EQ(options.txt_waku, QString::fromLatin1(c.after));
    if (c.frames == 0) continue;
    EXPECT_NEAR(boxes[0].y1, 11, 1e-4);
    EXPECT_NEAR(boxes[0].y2 - boxes[0].y1, c.height, 1e-3);
    if (c.frames > 1) { EXPECT_NEAR(boxes[1].y1 - boxes[0].y2, 2, 1e-3); }
  }
}

}  // namespace
