// The personal sheet, the address labels and the postcard recipient, drawn on
// the recording surface.
#include <initializer_list>
#include <utility>

#include "AddressPrintFixture.h"
#include "address/AddressLabels.h"
#include "address/PersonalInfoPage.h"
#include "address/PostcardAddress.h"

namespace {

AddressRecord Record(std::initializer_list<std::pair<int, QString>> fields) {
  AddressRecord r;
  for (const auto& [n, value] : fields) r.setField(n, value);
  return r;
}

bool HasTitle(const QStringList& texts, const QString& title) {
  for (const QString& t : texts)
    if (t == title || t == u' ' + title) return true;
  return false;
}

class EditorDesigns : public PhoneBookPrint {
 protected:
  std::vector<RecordedOp> TextsNamed(const QString& text) {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
      if (op.text == text) out.push_back(op);
    return out;
  }
  RecordedOp First(const QString& text) {
    const auto ops = TextsNamed(text);
    if (ops.empty()) {
      ADD_FAILURE() << "no text " << text.toStdString();
      return {};
    }
    return ops.front();
  }
};

TEST_F(EditorDesigns, PersonalSheetTitlesAndTheBlankForm) {
  const PersonalInfoCaptions captions{QStringLiteral("誕生日"), QStringLiteral("備考"), QStringLiteral("備考")};
  struct {
    const char* what;
    AddressRecord entry;
    const char* title;
  } rows[] = {
      {"cleared editor", AddressRecord(), "個人情報  [               ]"},
      {"nickname only", Record({{kFieldKana, "ﾔﾏﾀﾞ"}, {kFieldHandle, "やま"}}), "個人情報  [ (やま) ]"},
      {"name", Record({{kFieldKana, "ﾔﾏﾀﾞ"}, {kFieldName, "山田"}}), "個人情報  [ 山田 ]"},
      {"name and nickname", Record({{kFieldKana, "ﾔﾏﾀﾞ"}, {kFieldName, "山田"}, {kFieldHandle, "やま"}}),
       "個人情報  [ 山田(やま) ]"},
  };
  for (const auto& r : rows) {
    printer().clearOps();
    EXPECT_EQ(PrintPersonalInfoPage(r.entry, captions, 8, 88), 0);
    EXPECT_TRUE(HasTitle(Texts(), QString::fromUtf8(r.title))) << r.what;
  }
  printer().clearOps();
  PrintPersonalInfoPage(AddressRecord(), captions, 8, 88);
  const QStringList texts = Texts();
  for (const char* label : {"カナ名:", "携帯:", "誕生日:", "自宅:", "TEL :", "FAX :", "住所:", "〒", "ﾒｰﾙ :", "日付", "内容"})
    EXPECT_TRUE(texts.contains(QString::fromUtf8(label))) << label;
  // Two remarks named alike share one label.
  EXPECT_EQ(texts.count(QStringLiteral("備考:")), 1);
  // The notes table: a box to the footer, ruled at 5 and 15 mm.
  const PaperSettingsData& p = PaperSettings;
  const auto boxes = printer().opsOf(RecordedOp::Box);
  ASSERT_FALSE(boxes.empty());
  EXPECT_EQ(boxes.back().y2, p.FootHeight);
  int columns = 0;
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Line))
    if (op.x1 == op.x2 && (op.x1 == 13 || op.x1 == 23) && op.y2 == p.FootHeight) ++columns;
  EXPECT_EQ(columns, 2);
}

TEST_F(EditorDesigns, PersonalSheetWrapsAndBreaksLines) {
  const AddressRecord entry = Record({{kFieldKana, "ｱ"}, {kFieldKaisyaName, QString(40, u'社')},
                                      {kFieldKaisyaTel, "06-1"}, {kFieldBikou3, "一行目\n二行目"}});
  PrintPersonalInfoPage(entry, {}, 8, 88);
  double lastCompanyY = 0;
  for (const RecordedOp& op : TextsNamed(QStringLiteral("社"))) {
    EXPECT_LT(op.x1 + 2 * 9 / 5.67, 87 + 0.01);
    lastCompanyY = std::max(lastCompanyY, op.y1);
  }
  EXPECT_GT(lastCompanyY, First(QStringLiteral("社")).y1 + 1);
  const RecordedOp tel = First(QStringLiteral("TEL :06-1"));
  EXPECT_GT(tel.y1, lastCompanyY + 1);
  EXPECT_NEAR(tel.x1, 8 + 80 * 0.55, 0.01);
  // Each typed line of the remark starts at the left edge.
  const RecordedOp first = First(QStringLiteral("一"));
  const RecordedOp second = First(QStringLiteral("二"));
  EXPECT_NEAR(second.x1, 8, 0.01);
  EXPECT_GT(second.y1, first.y1 + 1);
}

// Forty typed remark lines do not fit: the rows stop above the footer and
// the notes table is left out rather than drawn upside down.
TEST_F(EditorDesigns, PersonalSheetStopsItsRowsAtTheFooter) {
  QStringList lines;
  for (int i = 1; i <= 40; ++i) lines << QStringLiteral("行%1").arg(i);
  const AddressRecord entry = Record({{kFieldKana, "ｱ"}, {kFieldBikou3, lines.join("\r\n")}});
  PrintPersonalInfoPage(entry, {}, 8, 88);
  const PaperSettingsData& p = PaperSettings;
  // The remark prints character by character: each row starts with "行".
  const auto rows = TextsNamed(QStringLiteral("行"));
  ASSERT_GT(rows.size(), 20u);
  EXPECT_LT(rows.size(), 40u);
  const double lineHeight = rows[1].y1 - rows[0].y1;
  EXPECT_LE(rows.back().y1 + lineHeight, p.FootHeight + 1e-6);
  EXPECT_GT(rows.back().y1 + 2 * lineHeight, p.FootHeight) << "rows stop at the footer, not before";
  EXPECT_TRUE(TextsNamed(QStringLiteral("日付")).empty());
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Box)) EXPECT_LE(op.y1, op.y2);
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Line)) {
    EXPECT_LE(std::max(op.y1, op.y2), p.FootHeight + 1e-6);
  }

  // A remark that leaves room for the table's heading row keeps the table.
  printer().clearOps();
  PrintPersonalInfoPage(Record({{kFieldKana, "ｱ"}, {kFieldBikou3, lines.mid(0, 5).join("\r\n")}}), {}, 8, 88);
  ASSERT_EQ(TextsNamed(QStringLiteral("日付")).size(), 1u);
  EXPECT_LT(First(QStringLiteral("内容")).y1 + lineHeight, p.FootHeight);
}

class Labels : public EditorDesigns {
 protected:
  static QString Entry(const QString& name, const QString& flags = QStringLiteral("0|0|"),
                       std::initializer_list<std::pair<int, QString>> more = {}) {
    AddressRecord r = Record(more);
    r.setField(kFieldName, name);
    r.setField(kFieldFlags, flags);
    r.setField(kFieldZip, QStringLiteral("123-4567"));
    return r.toLine();
  }
};

TEST_F(Labels, TwelveAPageAndEmptyLabelsAfterTheLast) {
  QStringList entries;
  for (int i = 1; i <= 13; ++i) entries << Entry(QStringLiteral("名%1").arg(i));
  EXPECT_EQ(PrintAddressLabels(0, 1, Lines(entries)), 0);
  const auto zips = TextsNamed(QStringLiteral("  123-4567"));
  ASSERT_EQ(zips.size(), 12u);
  EXPECT_NEAR(zips[0].x1, 5, 0.01);
  EXPECT_NEAR(zips[0].y1, 5, 0.01);
  EXPECT_NEAR(zips[1].x1, 110, 0.01);
  EXPECT_NEAR(zips[2].y1, 295.0 / 6 + 5, 0.01);
  printer().clearOps();
  EXPECT_EQ(PrintAddressLabels(0, 2, Lines(entries)), 1);
  EXPECT_EQ(TextsNamed(QStringLiteral("      名13様")).size(), 1u);
  EXPECT_EQ(TextsNamed(QStringLiteral("      様")).size(), 11u);
  // The borders: a column line per label, a row line from the second row on.
  int rows = 0;
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Line))
    if (op.y1 == op.y2 && op.x1 == 0 && op.x2 == 210) ++rows;
  EXPECT_EQ(rows, 10);
  printer().clearOps();
  EXPECT_EQ(PrintAddressLabels(1, 1, Lines({})), 1);
  EXPECT_EQ(TextsNamed(QStringLiteral("       様")).size(), 12u);
}

// One job's lines asked for their pages in a jumbled order give each page
// what lines of its own would give it.
TEST_F(Labels, PagesOfOneJobMatchPagesWalkedAfresh) {
  QStringList entries;
  for (int i = 1; i <= 40; ++i) entries << Entry(QStringLiteral("名%1").arg(i), i % 5 == 2 ? "1|0|" : "0|0|");
  const AddressPrintLines job = Lines(entries);
  for (int page : {1, 3, 2, 4, 2, 5, 1}) {
    printer().clearOps();
    const int done = PrintAddressLabels(0, page, job);
    const QStringList remembered = Texts();
    printer().clearOps();
    EXPECT_EQ(PrintAddressLabels(0, page, Lines(entries)), done) << page;
    EXPECT_EQ(remembered, Texts()) << page;
  }
}

TEST_F(Labels, EntriesNotToPrintTakeNoLabel) {
  PrintAddressLabels(0, 1, Lines({Entry("一"), Entry("二", "1|0|"), Entry("三", ""), Entry("四", "0|0|", {{kFieldNo, "7"}})}));
  EXPECT_NEAR(First(QStringLiteral("      一様")).x1, 5, 0.01);
  EXPECT_NEAR(First(QStringLiteral("      四様")).x1, 110, 0.01);
  EXPECT_TRUE(TextsNamed(QStringLiteral("      二様")).empty());
  EXPECT_TRUE(TextsNamed(QStringLiteral("      三様")).empty());
  const RecordedOp number = First(QString(27, u' ') + QStringLiteral("No:7"));
  EXPECT_NEAR(number.x1, 110, 0.01);
  EXPECT_EQ(First(QStringLiteral("      四様")).fontSize, 16);
  EXPECT_EQ(number.fontSize, 12);
}

TEST_F(Labels, TheNameLineAndItsHonorific) {
  struct {
    int withCompany;
    const char* name;
    const char* post;
    const char* line;
  } rows[] = {
      {0, "山田 太郎", "", "山田 太郎様"},
      {0, "山田様", "", "山田様様"},
      {1, "山田 太郎", "部長", "山田 太郎 御中"},
      {1, "山田様", "", "山田 様"},
      {1, "田中さん", "", "田中さん"},
  };
  for (const auto& r : rows) {
    printer().clearOps();
    const QString entry = Entry(QString::fromUtf8(r.name), QStringLiteral("0|"),
                                {{kFieldPost, QString::fromUtf8(r.post)}, {kFieldKaisyaName, "会社"}});
    PrintAddressLabels(r.withCompany, 1, Lines({entry}));
    EXPECT_EQ(TextsNamed(QString(6, u' ') + QString::fromUtf8(r.line)).size(), 1u) << r.name << r.withCompany;
    EXPECT_EQ(TextsNamed(QString(9, u' ') + QStringLiteral("会社")).size(), size_t(r.withCompany));
  }
}

class Postcard : public EditorDesigns {
 protected:
  void Print(const PostcardRecipient& to, const QString& section = QStringLiteral("JXPOST_CARD")) {
    printer().clearOps();
    PrintPostcardAddress(section, to);
  }
  std::vector<RecordedOp> Digits() {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
      if (op.fontName == QStringLiteral("ＭＳ ゴシック")) out.push_back(op);
    return out;
  }
};

TEST_F(Postcard, PostalCodeDigitsInTheirBoxes) {
  const double xs[] = {41, 48, 55, 63, 70, 77, 84};
  for (const char* zip : {"123-4567", "1234567", " 123ｰ4567 "}) {
    Print({QString::fromUtf8(zip)});
    const auto digits = Digits();
    ASSERT_EQ(digits.size(), 7u) << zip;
    for (int i = 0; i < 7; ++i) {
      EXPECT_NEAR(digits[i].x1, xs[i], 0.01) << zip << i;
      EXPECT_NEAR(digits[i].y1, 12, 0.01) << zip << i;
      EXPECT_EQ(digits[i].text, QString(QChar(u'１' + i))) << zip;
      EXPECT_EQ(digits[i].fontSize, 12);
    }
  }
  Print({QStringLiteral("１２３-４５６７")});
  EXPECT_TRUE(Digits().empty());
  // Moving the layout moves everything; a size of 0 or none keeps the default.
  WriteIniValue(QStringLiteral("JXPOST_CARD"), QStringLiteral("YOKO"), QStringLiteral("0"));
  WriteIniValue(QStringLiteral("JXPOST_CARD"), QStringLiteral("ZIP_S"), QStringLiteral("0"));
  WriteIniValue(QStringLiteral("JXPOST_CARD"), QStringLiteral("NAME_S"), QStringLiteral("abc"));
  Print({QStringLiteral("1"), {}, {}, {}, {}, QStringLiteral("山田")});
  ASSERT_EQ(Digits().size(), 1u);
  EXPECT_NEAR(Digits()[0].x1, 44, 0.01);
  EXPECT_EQ(Digits()[0].fontSize, 12);
  EXPECT_NEAR(First(QStringLiteral("山")).x1, 48, 0.01);
  EXPECT_EQ(First(QStringLiteral("山")).fontSize, 24);
}

TEST_F(Postcard, TitleNameAndHouseholdColumns) {
  Print({{}, {}, {}, QStringLiteral("株式会社"), QStringLiteral("部長"), QStringLiteral("山田")});
  const RecordedOp title = First(QStringLiteral("部"));
  EXPECT_NEAR(title.x1, 45, 0.01);
  EXPECT_NEAR(title.y1, 27, 0.01);
  EXPECT_EQ(title.fontSize, 12);
  const RecordedOp name = First(QStringLiteral("山"));
  EXPECT_NEAR(name.x1, 45, 0.01);
  EXPECT_GT(name.y1, title.y1 + 2);
  EXPECT_EQ(name.fontSize, 16);
  EXPECT_NEAR(First(QStringLiteral("株")).x1, 62, 0.01);

  Print({{}, {}, {}, QStringLiteral("会社"), QStringLiteral("営業本部部長"), QStringLiteral("山田")});
  const RecordedOp longTitle = First(QStringLiteral("営"));
  EXPECT_NEAR(longTitle.x1, 56, 0.01);
  EXPECT_NEAR(longTitle.y1, 29, 0.01);
  EXPECT_EQ(longTitle.fontSize, 14);
  EXPECT_NEAR(First(QStringLiteral("山")).y1, 37, 0.01);
  EXPECT_EQ(First(QStringLiteral("山")).fontSize, 24);

  Print({{}, {}, {}, QStringLiteral("会社"), {}, QStringLiteral("山田 太郎\\n花子")});
  EXPECT_TRUE(TextsNamed(QStringLiteral("会")).empty());
  const RecordedOp first = First(QStringLiteral("山"));
  const RecordedOp second = First(QStringLiteral("花"));
  EXPECT_NEAR(first.x1, 45, 0.01);
  EXPECT_NEAR(second.x1, 45 - 2 * 24 / 5.67, 0.5);
  EXPECT_NEAR(second.y1, 37, 0.01);
  const auto sama = TextsNamed(QStringLiteral("様"));
  ASSERT_EQ(sama.size(), 1u);
  EXPECT_NEAR(sama[0].x1, second.x1, 0.01);
}

TEST_F(Postcard, OddTextsAndNumbersPrintAsFarAsTheyGo) {
  WriteIniValue(QStringLiteral("JXPOST_L4"), QStringLiteral("NAME_X"), QStringLiteral("1e300"));
  WriteIniValue(QStringLiteral("JXPOST_L4"), QStringLiteral("ADDRESS1_S"), QStringLiteral("-5"));
  WriteIniValue(QStringLiteral("JXPOST_L4"), QStringLiteral("OFFICE_S"), QStringLiteral("99999999"));
  Print({QStringLiteral("abc"), QString(1000, u'長'), QStringLiteral("1-2"), QString(1000, u'社'), QStringLiteral("部長"),
         QStringLiteral("\\n")},
        QStringLiteral("JXPOST_L4"));
  EXPECT_TRUE(Digits().empty());
  EXPECT_EQ(First(QStringLiteral("長")).fontSize, 18);
  Print({}, QStringLiteral("NO_SUCH_SECTION"));
  EXPECT_FALSE(Texts().isEmpty());
}

}  // namespace
