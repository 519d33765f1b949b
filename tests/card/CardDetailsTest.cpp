// What the layout picture shows and printing leaves out, the colour cards
// print in, the job's limits, and card files with other line ends.
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>

#include "CardTest.h"
#include "core/platform/Codec.h"
#include "core/print/PrintSeams.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"
#include "core/text/ColorTable.h"
#include "tables_cards/windows/CardColumnList.h"
#include "tables_cards/windows/CardLayoutPicture.h"
#include "tables_cards/TablePrinting.h"

namespace {

// Writes the lines with the given line end after each and opens the file
// in a fresh window.
QByteArray DetailsFileBytes(const QStringList& lines, const char* lineEnd) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += platform::ToSjis(line) + lineEnd;
  return bytes;
}

QImage DetailsPicture(CardWindow& w) {
  w.Pic1->resize(480, 320);  // 4 pixels to the millimetre
  return w.Pic1->grab().toImage();
}

// Pixels of the picture in a rectangle (mm) that pass the test.
int DetailsPixels(const QImage& shot, double x1, double y1, double x2, double y2, bool (*test)(QRgb)) {
  const double px = shot.width() / kCardLayoutWidthMm;
  int count = 0;
  for (int y = int(y1 * px); y < std::min(shot.height(), int(y2 * px)); ++y)
    for (int x = int(x1 * px); x < std::min(shot.width(), int(x2 * px)); ++x) count += test(shot.pixel(x, y));
  return count;
}
bool DetailsRed(QRgb c) { return qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90; }
bool DetailsBlack(QRgb c) { return qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90; }

// The body's texts of the printed pages, with their colour and size.
std::vector<RecordedOp> DetailsBodyTexts(const RecordingSurface& printer) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : printer.ops())
    if (op.kind == RecordedOp::Text && op.y1 >= PaperSettings.DataHeight && op.y1 < PaperSettings.FootHeight)
      out.push_back(op);
  return out;
}

}  // namespace

// A position's colour (and font and size) shows in the first card of the
// layout picture only: the grey repeats ignore it, and so does printing,
// which puts every value in the header's colour at the data font's size.
TEST_F(CardTest, PositionColourShowsOnScreenOnlyAndCardsPrintInTheHeadColour) {
  PaperSettings.HeadColor = 0x336699;
  PaperSettings.DataColor = 0x00AA00;
  CardWindow& w = openFile("colour.csv", {"@TABLE_ITEM_XY(名前)=ITEM,0,0,255,,20", "@TABLE_ITEM_XY(電話)=ITEM,60,0",
                                          "名前,電話", "山田,123", "川口,456"});
  const QImage shot = DetailsPicture(w);
  const double card = w.CardHeight;
  ASSERT_GT(card, 0);
  EXPECT_GT(DetailsPixels(shot, 0, 0, 59, card, DetailsRed), 0) << "名前 in its own colour";
  EXPECT_GT(DetailsPixels(shot, 60, 0, 120, card, DetailsBlack), 0) << "電話 in black";
  EXPECT_EQ(DetailsPixels(shot, 60, 0, 120, card, DetailsRed), 0);
  EXPECT_EQ(DetailsPixels(shot, 0, card + 1.5, 120, 2 * card, DetailsRed), 0) << "the repeats are grey";
  EXPECT_EQ(DetailsPixels(shot, 0, card + 1.5, 120, 2 * card, DetailsBlack), 0);

  w.Cmd_print_Click();
  const std::vector<RecordedOp> texts = DetailsBodyTexts(printer());
  QString all;
  for (const RecordedOp& op : texts) {
    all += op.text;
    EXPECT_EQ(op.color, uint32_t(ColorByIndex(PaperSettings.HeadColor))) << op.text.toStdString();
    EXPECT_FLOAT_EQ(op.fontSize, PaperSettings.DataFontSize) << op.text.toStdString();
  }
  EXPECT_EQ(all, QStringLiteral("山田123川口456"));

  // On the A4 sheet the second card page of a side follows the first one's
  // footer and binder marks: its cards are in the header's colour as well.
  printer().clearOps();
  w.Cmb_men->setCurrentIndex(2);
  w.Cmd_print_Click();
  int cards = 0;
  for (const RecordedOp& op : DetailsBodyTexts(printer())) {
    ++cards;
    EXPECT_EQ(op.color, uint32_t(ColorByIndex(PaperSettings.HeadColor))) << op.text.toStdString();
  }
  EXPECT_GT(cards, 0);
}

// A column without a layout line is in the list but neither on the layout
// picture nor on paper: the picture is that of a file without the column.
TEST_F(CardTest, AColumnWithoutALayoutLineIsListedNotDrawnNotPrinted) {
  CardWindow& without = openFile("one.csv", {"@TABLE_ITEM_XY(名前)=ITEM,0,0", "名前", "山田"});
  const QImage alone = DetailsPicture(without);
  CardWindow& w = openFile("two.csv", {"@TABLE_ITEM_XY(名前)=ITEM,0,0", "名前,電話", "山田,123"});
  ASSERT_EQ(w.List2->count(), 2);
  EXPECT_EQ(w.List2->item(1)->text(), QStringLiteral("電話"));
  EXPECT_TRUE(w.List1->item(1)->text().isEmpty());
  EXPECT_EQ(DetailsPicture(w), alone);

  w.Cmd_print_Click();
  QString all;
  for (const RecordedOp& op : DetailsBodyTexts(printer())) all += op.text;
  EXPECT_EQ(all, QStringLiteral("山田"));
}

// A job prints at most 1000 card pages, or 1000 A4 sheets.
TEST_F(CardTest, AJobStopsAtAThousandPagesOrSheets) {
  CurrentPrintJob().confirmPrompts = 0;
  // One card to the page: a field 150 mm down the layout.
  QStringList lines = {QStringLiteral("@TABLE_ITEM_XY(名前)=ITEM,0,150"), QStringLiteral("名前")};
  for (int r = 1; r <= 4001; ++r) lines << QStringLiteral("R%1").arg(r);
  CardWindow& w = openFile("many.csv", lines);
  w.Cmd_print_Click();
  auto pages = pageRuns();
  ASSERT_EQ(pages.size(), 1000u);
  ASSERT_EQ(pages.back().size(), 1u);
  EXPECT_EQ(pages.back()[0].text, QStringLiteral("R1000"));
  // Said once, after the job, naming the last card printed.
  EXPECT_EQ(messages().texts(), QStringList{PageLimitMessage(QStringLiteral("1000件目のカード「R1000」"))});

  printer().clearOps();
  w.Cmb_men->setCurrentIndex(2);
  w.Cmd_print_Click();
  pages = pageRuns();
  ASSERT_EQ(pages.size(), 2000u);
  QStringList last;
  for (const CardRun& run : pages[1998]) last << run.text;
  for (const CardRun& run : pages[1999]) last << run.text;
  last.sort();
  EXPECT_EQ(last, QStringList({"R3997", "R3998", "R3999", "R4000"}));
  EXPECT_EQ(messages().texts().last(), PageLimitMessage(QStringLiteral("4000件目のカード「R4000」")));

  // A job whose last card falls on the last page allowed is complete.
  messages().clear();
  printer().clearOps();
  CardWindow& exact = openFile("exact.csv", lines.mid(0, 2 + 1000));
  exact.Cmd_print_Click();
  EXPECT_EQ(pageRuns().size(), 1000u);
  EXPECT_TRUE(messages().texts().isEmpty());
}

// A side layout the print code does not know prints nothing and says so.
TEST_F(CardTest, AnUnknownSideLayoutIsRefusedWithoutAPage) {
  CardWindow& w = openFile("cards.csv", {"@TABLE_ITEM_XY(名前)=ITEM,0,0", "名前", "山田"});
  w.Cmb_men->addItem(QStringLiteral("Ａ５片面"));
  w.Cmb_men->setCurrentIndex(3);
  w.Cmd_print_Click();
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(messages().shown()[0].text, QStringLiteral("「Ａ５片面」は未対応です"));
  EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::None);
  EXPECT_TRUE(printer().opsOf(RecordedOp::Text).empty());
  EXPECT_TRUE(printer().opsOf(RecordedOp::NewPage).empty());
  EXPECT_TRUE(w.isEnabled());
}

// A card file with LF or lone CR line ends, or a mix, reads and prints as the
// same file with CR LF; storing the layout keeps every line's bytes and ends
// each with CR LF.
TEST_F(CardTest, FilesWithOtherLineEndsReadPrintAndStoreAlike) {
  const QStringList lines = {"@TITLE=単語", "@KEEP=1", "@TABLE_ITEM_XY(英語)=ITEM,0,0", "@TABLE_ITEM_XY(日本語)=ITEM,40,0",
                             "英語,日本語", "@record,ア", "BLUE,青", "RED,赤"};
  struct Seen {
    QString title;
    QStringList names, places, extra, printed;
  };
  auto look = [this](const QByteArray& bytes) {
    WriteBytes(ProgramFolder + "ends.csv", bytes);
    WriteIniValue(QStringLiteral("VOREVA"), QStringLiteral("FILE"), QStringLiteral("ends.csv"));
    printer().clearOps();
    CardWindow& w = open();
    w.Cmd_print_Click();
    Seen seen{w.Txt_Title->text(), {}, {}, w.CardExtraLines, {}};
    for (int i = 0; i < w.List2->count(); ++i) {
      seen.names << w.List2->item(i)->text();
      seen.places << w.List1->item(i)->text();
    }
    for (const auto& page : pageRuns())
      for (const CardRun& run : page) seen.printed << run.text;
    return seen;
  };
  const QByteArray crlf = DetailsFileBytes(lines, "\r\n");
  const Seen expected = look(crlf);
  EXPECT_EQ(expected.title, QStringLiteral("単語"));
  EXPECT_EQ(expected.printed, QStringList({"@record", "ア", "BLUE", "青", "RED", "赤"}));

  QByteArray mixed = DetailsFileBytes(lines.mid(0, 4), "\n") + DetailsFileBytes(lines.mid(4, 2), "\r") +
                     DetailsFileBytes(lines.mid(6), "\r\n");
  mixed.chop(2);  // and no line end after the last record
  for (const QByteArray& bytes : {DetailsFileBytes(lines, "\n"), DetailsFileBytes(lines, "\r"), mixed}) {
    SCOPED_TRACE(bytes.left(40).toStdString());
    const Seen seen = look(bytes);
    EXPECT_EQ(seen.title, expected.title);
    EXPECT_EQ(seen.names, expected.names);
    EXPECT_EQ(seen.places, expected.places);
    EXPECT_EQ(seen.extra, expected.extra);
    EXPECT_EQ(seen.printed, expected.printed);
    const QStringList head = {"@TITLE=新", "@TABLE_ITEM_XY(英語)=ITEM,1,1"};
    EXPECT_EQ(WriteCardFile(bytes, head), WriteCardFile(crlf, head));
    EXPECT_EQ(WriteCardFile(bytes, head),
              DetailsFileBytes({"@TITLE=新", "@TABLE_ITEM_XY(英語)=ITEM,1,1", "英語,日本語", "@record,ア", "BLUE,青", "RED,赤"},
                               "\r\n"));
  }
}

// Fields placed off the card, or at a place that is no pair of numbers, do
// not print (they would land off the page); the layout picture names them.
TEST_F(CardTest, FieldsOffTheCardAreNamedInTheLayoutAndLeftOutOfPrint) {
  CardWindow& w = openFile("off.csv", {"@TABLE_ITEM_XY(右外)=ITEM,130,0", "@TABLE_ITEM_XY(左外)=ITEM,-5,0",
                                       "@TABLE_ITEM_XY(読めない)=ITEM,x,0", "@TABLE_ITEM_XY(内)=ITEM,10,0",
                                       "右外,左外,読めない,内", "1,2,3,4"});
  EXPECT_EQ(w.Pic1->offCardNotice(), QStringLiteral("カードの外にあり印刷されない項目: 右外、左外、読めない"));
  const QImage shot = DetailsPicture(w);
  const double foot = shot.height() * kCardLayoutWidthMm / shot.width();
  EXPECT_GT(DetailsPixels(shot, 0, foot - 6, 120, foot, DetailsRed), 0) << "the notice at the picture's foot";
  // Printing names them too, and may be stopped to move them.
  messages().clear();
  messages().answer(platform::MsgResult::Cancel);
  w.Cmd_print_Click();
  EXPECT_EQ(messages().texts(), QStringList{w.Pic1->offCardNotice() + QStringLiteral("\n\nこのまま印刷しますか？")});
  EXPECT_TRUE(DetailsBodyTexts(printer()).empty());
  w.Cmd_print_Click();
  QString all;
  for (const RecordedOp& op : DetailsBodyTexts(printer())) all += op.text;
  EXPECT_EQ(all, QStringLiteral("4"));

  CardWindow& fine = openFile("fine.csv", {"@TABLE_ITEM_XY(内)=ITEM,10,0", "内", "1"});
  EXPECT_TRUE(fine.Pic1->offCardNotice().isEmpty());
  const QImage fineShot = DetailsPicture(fine);
  const double fineFoot = fineShot.height() * kCardLayoutWidthMm / fineShot.width();
  EXPECT_EQ(DetailsPixels(fineShot, 0, fineFoot - 6, 120, fineFoot, DetailsRed), 0);
}

// A value too long for the room right of its place runs past the card's
// right edge: printing names its column, and the first card where one did,
// once the job is done. A value that just fits is not named; with "見出"
// the name before the value counts too.
TEST_F(CardTest, ValuesRunningPastTheCardsRightEdgeAreNamedAfterPrinting) {
  // Bible pages are 80 mm wide for the picture's 120: 住所 has 40 mm, room
  // for 25 bytes at 9 points; 備考 has 10 mm, room for 6.
  const QStringList head{"@TABLE_ITEM_XY(名前)=ITEM,0,0", "@TABLE_ITEM_XY(住所)=ITEM,60,0",
                         "@TABLE_ITEM_XY(備考)=ITEM,105,0", "名前,住所,備考"};
  const struct {
    const char* what;
    QStringList records;
    bool withNames;
    QString told;
  } rows[] = {
      {"every value fits", {"山田,千代田区千代田一丁目一番1,123456"}, false, QString()},
      {"two columns, named once each in the order met",
       {"山田,東京都,1", "佐藤,千代田区千代田一丁目一番12,1", "鈴木,東京都,1234567",
        "田中,千代田区千代田一丁目一番12,1"},
       false,
       "カードの右端からはみ出した項目: 住所、備考\n(最初は2件目のカード「佐藤」)"},
      {"the name before a short value",
       {"山田,東京都,12"},
       true,
       "カードの右端からはみ出した項目: 備考\n(最初は1件目のカード「山田」)"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    CardWindow& w = openFile("long.csv", head + row.records);
    w.Chk_midasi->setChecked(row.withNames);
    messages().clear();
    w.Cmd_print_Click();
    EXPECT_EQ(messages().texts(), row.told.isEmpty() ? QStringList() : QStringList{row.told});
    // Every value is still printed whole.
    QStringList printed;
    for (const RecordedOp& op : DetailsBodyTexts(printer())) printed << op.text;
    for (const QString& record : row.records)
      EXPECT_TRUE(printed.join(QString()).contains(record.section(u',', 1, 1))) << record.toStdString();
  }
}
