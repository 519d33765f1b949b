// The kanji list: its data against the code page's own table, and its pages.
#include <QSet>

#include "RuledTest.h"
#include "core/platform/Codec.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "ruled_photo/KanjiList.h"

namespace {

class KanjiListTest : public RuledTest {
 protected:
  // Draws every page; returns the texts of each.
  std::vector<QStringList> allPages() {
    std::vector<QStringList> pages;
    int16_t page = 1;
    for (int i = 0; i < 100 && page != 0; ++i) {
      printer().clearOps();
      DrawKanjiList(options, page, 8, 88);
      QStringList texts;
      for (const RecordedOp& t : ops(RecordedOp::Text)) texts << t.text;
      pages.push_back(texts);
      if (page != 0) ++page;
    }
    EXPECT_EQ(page, 0);
    return pages;
  }
};

TEST_F(KanjiListTest, DataIsTheFirstLevelInCodeOrder) {
  QString expected;
  for (int lead = 0x88; lead <= 0x98; ++lead)
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      const int code = lead * 256 + trail;
      if (code < 0x889F || code > 0x9872) continue;
      QByteArray bytes;
      bytes.append(char(lead)).append(char(trail));
      expected += platform::FromSjis(bytes);
    }
  ASSERT_EQ(expected.size(), 2965);

  const QStringList lines = KanjiListLines();
  ASSERT_EQ(lines.size(), 118);
  EXPECT_TRUE(lines.back().isEmpty());
  QString kanji;
  int readings = 0, separators = 0;
  for (const QString& line : lines.mid(0, 117)) {
    if (line == QStringLiteral("---")) {
      ++separators;
      continue;
    }
    ++readings;
    EXPECT_EQ(line.at(2), u'：') << line.toStdString();
    kanji += line.mid(3);
  }
  EXPECT_EQ(readings, 108);
  EXPECT_EQ(separators, 9);
  EXPECT_EQ(kanji, expected);
  EXPECT_EQ(QSet<QChar>(kanji.begin(), kanji.end()).size(), 2965);
  EXPECT_EQ(lines[0], QStringLiteral("あ　：亜唖娃阿哀愛挨姶逢葵茜穐悪握渥旭葦芦鯵梓圧斡扱宛姐虻飴絢綾鮎或粟袷安庵按暗案闇鞍杏"));
  EXPECT_TRUE(lines.contains(QStringLiteral("こい：乞鯉")));
  EXPECT_EQ(lines[116], QStringLiteral("わ　：倭和話歪賄脇惑枠鷲亙亘鰐詫藁蕨椀湾碗腕"));
}

TEST_F(KanjiListTest, PagesHoldWholeLinesUntilTheEnd) {
  const std::vector<QStringList> pages = allPages();
  ASSERT_GT(pages.size(), 1u);
  QStringList keys;
  for (const QStringList& page : pages)
    for (const QString& t : page)
      if (t.size() == 3 && t.at(2) == u'：') keys << t;
  QStringList expected;
  for (const QString& line : KanjiListLines())
    if (!line.isEmpty() && line != QStringLiteral("---")) expected << line.left(3);
  EXPECT_EQ(keys, expected);  // every reading line once, none split over pages

  printer().clearOps();
  int16_t first = 1;
  DrawKanjiList(options, first, 8, 88);
  EXPECT_EQ(first, 1);
  for (const RecordedOp& t : ops(RecordedOp::Text))
    if (t.text == QStringLiteral("あ　：")) { EXPECT_NEAR(t.y1, 10, 1e-4); }

  // Rows of each page stay within the body.
  const double maxRows = std::trunc((147 - 1) / (2 * HalfCharWidthMm(PaperSettings.DataFontSize))) - 1;
  const double rowHeight = PaperSettings.DataFontSize * 25.4 / 72;
  for (int16_t p = 1; p <= int16_t(pages.size()); ++p) {
    printer().clearOps();
    int16_t page = p;
    DrawKanjiList(options, page, 8, 88);
    double lowest = 0;
    for (const RecordedOp& t : ops(RecordedOp::Text))
      if (t.y1 > 9) lowest = std::max(lowest, t.y1);
    EXPECT_LE((lowest - 10) / rowHeight + 1, maxRows + 1e-3) << p;
  }

  const size_t normal = pages.size();
  PaperSettings.DataFontSize += 3;
  EXPECT_GT(allPages().size(), normal);
}

}  // namespace
