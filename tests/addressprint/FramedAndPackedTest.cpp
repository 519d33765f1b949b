// The framed phone book and the packed list, drawn on the recording surface.
#include <array>
#include <initializer_list>
#include <utility>

#include "AddressPrintFixture.h"
#include "address/FramedPhoneBook.h"
#include "address/PhoneBookListPage.h"
#include "core/text/JapaneseText.h"

namespace {

class FramedPrint : public PhoneBookPrint {
 protected:
  int Page(int page, const QStringList& entries, int sort = 0, double right = 88, FramedPhoneBookOptions o = {}) {
    printer().clearOps();
    return PrintFramedPhoneBook(0, sort, QStringLiteral("全て"), page, 8, right, Lines(entries), o);
  }
  std::vector<RecordedOp> TextOps() { return printer().opsOf(RecordedOp::Text); }
};

TEST_F(FramedPrint, FourBoxesAPageAndEmptyBoxesShowTheirPrefixes) {
  QStringList five;
  for (int i = 1; i <= 5; ++i)
    five << FieldsLine({{kFieldKana, "ｱ"},
                        {kFieldName, QStringLiteral("名%1").arg(i)},
                        {kFieldTel, QStringLiteral("090-%1").arg(i)},
                        {kFieldJitaku, "03"},
                        {kFieldKaisyaTel, "06"},
                        {kFieldKaisyaFax, "07"}});
  EXPECT_EQ(Page(1, five), 0);
  EXPECT_EQ(printer().opsOf(RecordedOp::Box).size(), 4u);
  EXPECT_EQ(Page(2, five), 1);
  const QStringList texts = Texts();
  EXPECT_TRUE(texts.contains(QStringLiteral("名5 ")));
  EXPECT_FALSE(texts.contains(QStringLiteral("名4 ")));
  EXPECT_EQ(printer().opsOf(RecordedOp::Box).size(), 4u);
  for (const char* prefix : {"携  ", "自  ", "会  ", "FAX "})
    EXPECT_EQ(texts.count(QString::fromUtf8(prefix)), 3) << prefix;
  // The boxes share the body in four equal parts.
  const PaperSettingsData& p = PaperSettings;
  const double h = (p.FootHeight - p.DataHeight - 1) / 4.0;
  const auto boxes = printer().opsOf(RecordedOp::Box);
  EXPECT_NEAR(boxes[3].y1, p.DataHeight + 3 * h + 1, 0.01);
  EXPECT_NEAR(boxes[3].y2, p.DataHeight + 4 * h - 1, 0.01);
  EXPECT_EQ(Page(1, {}), 1);
  EXPECT_TRUE(printer().ops().empty());
}

TEST_F(FramedPrint, NumbersNicknamesAndTheCompanyCut) {
  const QString longCompany(40, u'社');
  Page(1,
       {FieldsLine({{kFieldKana, "ﾔﾏﾀﾞ"}, {kFieldName, "山田"}, {kFieldHandle, "＊"}, {kFieldTel, "070-1"}}),
        FieldsLine({{kFieldKana, "ﾔﾏﾀﾞ"}, {kFieldName, "山川"}, {kFieldHandle, "やま"}, {kFieldTel, "090-2"}}),
        FieldsLine({{kFieldKana, "ﾔﾏﾀﾞ"}, {kFieldName, "山本"}, {kFieldKaisyaName, longCompany}})},
       0, 68);
  const QStringList texts = Texts();
  EXPECT_TRUE(texts.contains(QStringLiteral("PHS 070-1")));
  EXPECT_TRUE(texts.contains(QStringLiteral("携  090-2")));
  EXPECT_TRUE(texts.contains(QStringLiteral("(ﾔﾏﾀﾞ)")));
  EXPECT_TRUE(texts.contains(QStringLiteral("[やま]")));
  // Too long for the box even at half size: cut there, with the mark, and
  // inside the frame.
  EXPECT_FALSE(texts.contains(longCompany));
  bool cut = false;
  for (const RecordedOp& op : TextOps()) {
    if (!op.text.startsWith(u'社')) continue;
    cut = true;
    EXPECT_TRUE(op.text.endsWith(u'…'));
    EXPECT_FLOAT_EQ(op.fontSize, PaperSettings.DefaultFontSize / 2);
    EXPECT_LE(op.x1 + AnsiByteLen(op.text) * op.fontSize / 5.67, 68);
    EXPECT_GT(op.text.size(), 17);
  }
  EXPECT_TRUE(cut);
}

// The lines under the numbers keep their order and stay inside the box: the
// last one that fits ends with the mark when more are left out.
TEST_F(FramedPrint, OptionLinesInTheirOrderThenTheAddress) {
  const QString entry = FieldsLine({{kFieldKana, "ｱ"},
                                    {kFieldName, "名"},
                                    {kFieldMail, "m@x"},
                                    {kFieldBikou, "b1"},
                                    {kFieldBikou2, "b2"},
                                    {kFieldBikou3, "b3"},
                                    {kFieldUrl, "http://u"},
                                    {kFieldZip, "123-4567"},
                                    {kFieldAddress1, "東京"},
                                    {kFieldAddress2, "港区"}});
  struct {
    std::array<int, 5> extras;
    int address;
    QStringList below;
  } cases[] = {
      {{1, 0, 0, 0, 0}, 2, {" http://u", "住所:東京", "     港区", "〒123-4567"}},
      {{0, 0, 0, 0, 0}, 2, {"住所:東京", "     港区", "〒123-4567"}},
      // Eight lines do not fit the bible size's box.
      {{1, 1, 1, 1, 1}, 2, {" m@x", " b1", " b2…"}},
  };
  for (const auto& c : cases) {
    FramedPhoneBookOptions o;
    o.extras = c.extras;
    o.addressMode = c.address;
    Page(1, {entry}, 0, 88, o);
    const RecordedOp box = printer().opsOf(RecordedOp::Box).front();
    QStringList below;
    bool after = false;
    for (const RecordedOp& op : TextOps()) {
      if (op.y1 > box.y2) break;
      if (after && !op.text.isEmpty()) {
        below << op.text;
        EXPECT_LE(op.y1 + op.fontSize * 25.4 / 72, box.y2 + 1e-4) << op.text.toStdString();
      }
      if (op.text == QStringLiteral("FAX ")) after = true;
    }
    EXPECT_EQ(below, c.below);
  }

  FramedPhoneBookOptions o;
  o.addressMode = 1;
  Page(1, {entry}, 0, 88, o);
  EXPECT_TRUE(Texts().contains(QStringLiteral("123-4567 東京 港区")));
}

TEST_F(FramedPrint, GroupedOrdersStartEachGroupOnANewPage) {
  const QStringList book{FieldsLine({{kFieldKana, "ｱｵｷ"}, {kFieldName, "a1"}, {kFieldKaisyaName, "A社"}}),
                         FieldsLine({{kFieldKana, "ｲﾄｳ"}, {kFieldName, "a2"}, {kFieldKaisyaName, "A社"}}),
                         FieldsLine({{kFieldKana, "ｶﾄｳ"}, {kFieldName, "k1"}, {kFieldKaisyaName, "B社"}})};
  Page(1, book, 1);
  EXPECT_TRUE(Texts().contains(QStringLiteral("a2 ")));
  EXPECT_FALSE(Texts().contains(QStringLiteral("k1 ")));
  EXPECT_EQ(Page(2, book, 1), 1);
  EXPECT_TRUE(Texts().contains(QStringLiteral("k1 ")));
  Page(2, book, 3);
  EXPECT_TRUE(Texts().contains(QStringLiteral("k1 ")));
  bool titled = false;
  for (const QString& t : Texts()) titled = titled || t.endsWith(QStringLiteral("電話帳  [B社]"));
  EXPECT_TRUE(titled);
}

class PackedPrint : public PhoneBookPrint {
 protected:
  int Page(int page, const QStringList& entries, const QString& noCaption = QString(), int sort = 0) {
    printer().clearOps();
    return PrintPhoneBookListPage(10, sort, QStringLiteral("全て"), page, 8, 88, Lines(entries), QString(), noCaption);
  }
  RecordedOp Text(const QString& text) {
    for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
      if (op.text == text) return op;
    ADD_FAILURE() << "no text " << text.toStdString();
    return {};
  }
  double Pitch() const {
    const PaperSettingsData& p = PaperSettings;
    return (p.FootHeight - p.DataHeight - 1) / double(PhoneBookListLinesPerPage());
  }
  // Rows within an entry step by the surface's line height, one em of the
  // data font; entries start on the list's pitch, which is never less.
  static double Em() { return PaperSettings.DataFontSize * 25.4 / 72; }
};

TEST_F(PackedPrint, EachEntryTakesTheLinesItsFieldsNeed) {
  struct {
    const char* what;
    QString entry;
    int lines;
  } rows[] = {
      {"name alone", FieldsLine({{kFieldName, "名"}}), 1},
      {"name, mobile and home", FieldsLine({{kFieldName, "名"}, {kFieldTel, "090"}, {kFieldJitaku, "03"}}), 2},
      {"an unset date says nothing", FieldsLine({{kFieldName, "名"}, {kFieldYobi, "1900/00/00"}}), 1},
      {"a spare value", FieldsLine({{kFieldName, "名"}, {kFieldYobi, "1999/01/02"}}), 2},
      {"company IP", FieldsLine({{kFieldName, "名"}, {kFieldKaisyaIp, "10.0.0.1"}}), 2},
      {"an address of two lines", FieldsLine({{kFieldName, "名"}, {kFieldAddress1, "東京\\n港区"}}), 3},
      {"a remark of two lines", FieldsLine({{kFieldName, "名"}, {kFieldBikou3, "a\\nb"}}), 3},
      {"the fax alone", FieldsLine({{kFieldName, "名"}, {kFieldKaisyaFax, "06"}}), 2},
      {"no field at all", QString(), 1},
  };
  for (const auto& r : rows)
    EXPECT_EQ(PhoneBookListLineCount(AddressRecord::FromLine(r.entry), QString(), QString()), r.lines) << r.what;
}

TEST_F(PackedPrint, ItemsShareLinesInTwoColumns) {
  const PaperSettingsData& p = PaperSettings;
  const double x2 = 8 + 44;  // 55 % of the bible's 80 mm
  Page(1, {FieldsLine({{kFieldName, "名"}, {kFieldTel, "070-1"}, {kFieldJitaku, "03-2"}}),
           FieldsLine({{kFieldTel, "090-9"}}),
           FieldsLine({{kFieldName, "次"},
                       {kFieldJitaku, "03-3"},
                       {kFieldKaisyaName, QString(30, u'社')},
                       {kFieldKaisyaTel, "06-4"}})});
  const RecordedOp name = Text(QStringLiteral("名 "));
  EXPECT_NEAR(name.x1, 9, 0.01);
  EXPECT_NEAR(name.y1, p.DataHeight + 0.3, 0.01);
  const RecordedOp home = Text(QStringLiteral("自:03-2"));
  EXPECT_NEAR(home.x1, x2, 0.01);
  EXPECT_NEAR(home.y1, name.y1, 0.01);
  const RecordedOp mobile = Text(QStringLiteral("PH:070-1"));
  EXPECT_NEAR(mobile.x1, x2, 0.01);
  EXPECT_NEAR(mobile.y1, name.y1 + Em(), 0.01);
  EXPECT_LE(Em(), Pitch());
  // The nameless entry is not printed and moves the next one down one line.
  EXPECT_FALSE(Texts().contains(QStringLiteral("携:090-9")));
  const RecordedOp next = Text(QStringLiteral("次 "));
  EXPECT_NEAR(next.y1, p.DataHeight + 3 * Pitch() + 0.3, 0.01);
  // The company too wide for the column is set smaller to end short of
  // right - 2, every character kept; its number goes below.
  const RecordedOp company = Text(QString(30, u'社'));
  EXPECT_LT(company.fontSize, p.DataFontSize);
  EXPECT_GE(company.fontSize, p.DataFontSize / 2);
  EXPECT_LE(company.x1 + 60 * company.fontSize / 5.67, 86 + 1e-4);
  const double companyY = company.y1;
  const RecordedOp office = Text(QStringLiteral("会:06-4"));
  EXPECT_NEAR(office.x1, x2, 0.01);
  EXPECT_GT(office.y1, companyY + 1);
}

TEST_F(PackedPrint, TheNumberCaptionAndTheAddressLines) {
  struct {
    const char* caption;
    const char* text;
  } rows[] = {{"番号", "番号:12"}, {"", "12"}};
  for (const auto& r : rows) {
    Page(1, {FieldsLine({{kFieldName, "名"}, {kFieldNo, "12"}})}, QString::fromUtf8(r.caption));
    EXPECT_TRUE(Texts().contains(QString::fromUtf8(r.text))) << r.caption;
  }
  Page(1, {FieldsLine({{kFieldName, "名"},
                       {kFieldZip, "100-0001"},
                       {kFieldAddress1, "東京\\n港区"},
                       {kFieldAddress2, "ビル"},
                       {kFieldBikou3, "上\\n下"}})});
  // Every counted line one em below the last; wrapped text goes out a
  // character at a time.
  const double top = Text(QStringLiteral("東")).y1;
  const struct {
    const char* text;
    int line;
  } lines[] = {{"港", 1}, {"  ビル", 2}, {"上", 3}, {"下", 4}};
  for (const auto& l : lines) {
    const RecordedOp op = Text(QString::fromUtf8(l.text));
    EXPECT_NEAR(op.x1, 9, 0.01) << l.text;
    EXPECT_NEAR(op.y1, top + l.line * Em(), 0.01) << l.text;
  }
}

TEST_F(PackedPrint, TheLastPageClosesWithOneRuleUnderTheLastEntry) {
  const PaperSettingsData& p = PaperSettings;
  EXPECT_EQ(Page(1, {FieldsLine({{kFieldName, "一"}}),
                     FieldsLine({{kFieldName, "二"}, {kFieldTel, "090"}, {kFieldJitaku, "03"}})}),
            1);
  std::vector<double> rules;
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Line))
    if (op.y1 == op.y2 && op.x1 == 8 && op.x2 == 88 && op.y1 > p.DataHeight + 0.01 && op.y1 < p.FootHeight - 0.5)
      rules.push_back(op.y1);
  // Below the first entry's rule (which the header's may share): the second
  // entry's, then the closing one two lines lower.
  ASSERT_EQ(rules.size(), 2u);
  EXPECT_NEAR(rules[0], p.DataHeight + Pitch(), 0.01);
  EXPECT_NEAR(rules[1], p.DataHeight + 3 * Pitch(), 0.01);
  int sides = 0;
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Line))
    if (op.x1 == op.x2 && op.y1 == p.DataHeight && op.y2 == p.FootHeight) ++sides;
  EXPECT_EQ(sides, 2);
}

TEST_F(PackedPrint, AnEntryThatDoesNotFitOpensTheNextPage) {
  const int perPage = PhoneBookListLinesPerPage();
  QStringList book;
  for (int i = 0; i < perPage - 1; ++i) book << FieldsLine({{kFieldName, QStringLiteral("n%1").arg(i)}});
  book << FieldsLine({{kFieldName, "two"}, {kFieldMail, "m"}});
  EXPECT_EQ(Page(1, book), 0);
  EXPECT_FALSE(Texts().contains(QStringLiteral("two ")));
  EXPECT_EQ(Page(2, book), 1);
  EXPECT_NEAR(Text(QStringLiteral("two ")).y1, PaperSettings.DataHeight + 0.3, 0.01);
  // Grouped by company, a second company waits for a fresh page.
  EXPECT_EQ(Page(1,
                 {FieldsLine({{kFieldName, "a"}, {kFieldKaisyaName, "A"}}),
                  FieldsLine({{kFieldName, "b"}, {kFieldKaisyaName, "B"}})},
                 QString(), 3),
            0);
  EXPECT_FALSE(Texts().contains(QStringLiteral("b ")));
}

// A job measures each entry once and keeps the counts with its lines; a
// change of font must not leave it paging by the old counts.
TEST_F(PackedPrint, AJobKeepsItsMeasuresOnlyWhileTheFontStays) {
  QStringList book;
  for (int i = 0; i < 60; ++i)
    // Names of every length: where one stops fitting beside its number, the
    // number takes a line of its own, and that point moves with the font.
    book << FieldsLine({{kFieldName, QString(1 + i % 15, u'長')}, {kFieldTel, QStringLiteral("090")}});
  const AddressPrintLines shared = Lines(book);
  auto pages = [&](const AddressPrintLines* lines) {
    std::vector<std::string> out;  // each page's texts, joined to read well in a failure
    for (int page = 1; page < 100; ++page) {
      printer().clearOps();
      const AddressPrintLines fresh = Lines(book);
      const int done = PrintPhoneBookListPage(10, 0, QStringLiteral("全て"), page, 8, 88, lines ? *lines : fresh,
                                              QString(), QString());
      out.push_back(Texts().join(u'|').toStdString());
      if (done) break;
    }
    return out;
  };
  const auto before = pages(&shared);
  EXPECT_EQ(before, pages(nullptr));
  PaperSettings.DataFontSize += 4;
  const auto after = pages(&shared);
  EXPECT_EQ(after, pages(nullptr));
  EXPECT_NE(after.size(), before.size());
}

TEST_F(PackedPrint, NoLineFitsOrOddLinesStillEndTheJob) {
  QStringList wide;
  for (int i = 0; i < 400; ++i) wide << QString(1000, u'長');
  EXPECT_EQ(Page(1, {wide.join(u','), FieldsLine({{kFieldName, "\\n"}})}), 1);
  PaperSettings.DataFontSize = 500;
  EXPECT_LE(PhoneBookListLinesPerPage(), 0);
  EXPECT_EQ(Page(1, {FieldsLine({{kFieldName, "名"}})}), 1);
  EXPECT_TRUE(printer().ops().empty());
}

}  // namespace
