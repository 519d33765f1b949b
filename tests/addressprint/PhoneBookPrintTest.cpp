// The address book's print choice, the page walk and the phone-book pages,
// drawn on the recording surface.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPlainTextEdit>
#include <cerrno>

#include "AddressPrintFixture.h"
#include "TestEnvironment.h"
#include "address/AddressCategoryGroups.h"
#include "address/AddressPrintLines.h"
#include "address/LandscapePhoneBook.h"
#include "address/PhoneBookPageWalk.h"
#include "address/RuledPhoneBook.h"
#include "address/windows/AddressWindow.h"
#include "core/platform/Clipboard.h"
#include "core/platform/Codec.h"
#include "core/platform/SystemError.h"
#include "core/platform/TextLines.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/print/SheetPlan.h"
#include "core/print/SurfaceRecorder.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"
#include "core/text/JapaneseText.h"

namespace {

// The texts with the blank that some title styles put before a title gone.
QStringList Titles(const QStringList& texts) {
  QStringList out;
  for (const QString& t : texts) out << (t.startsWith(u' ') ? t.mid(1) : t);
  return out;
}

QStringList Names(const AddressPrintLines& lines) {
  QStringList out;
  for (const AddressRecord& r : lines.records) out << r.field(kFieldName);
  return out;
}

TEST(AddressPrintChoice, CategoryInitialAndOrderRules) {
  std::array<QString, 10> lists;
  lists[3] = QStringLiteral("仕事関連,仕事,自社");
  const AddressCategoryGroups groups = AddressCategoryGroups::Parse(lists);
  const QStringList file{
      "header",
      "ｶ,仕事,k1,,,,0|0|,（株）B社,,,,,,,,,,9",
      "ｻ,自社,s1,,,,0|1|,(株)A社,,,,,,,,,,10",
      "ｻ,秘密,s2,,,,0|1|,,,,,,,,,,,",
      "ﾀ,友人,t1,,,,1|0|,C社,,,,,,,,,,",
      "ﾀ,友人,t2,,,,1|1|,D社,,,,,,,,,,1",
  };
  struct {
    const char* what;
    const char* category;
    int sort;
    const char* sortItem;
    QStringList names;
  } rows[] = {
      {"everything but secret and do-not-print", "全て", 0, "カナ順", {"k1", "s1"}},
      {"frequently used outranks do-not-print", "よく使う", 0, "カナ順", {"s1", "t2"}},
      {"その他 leaves out group members and secret", "その他", 0, "カナ順", {"t1", "t2"}},
      {"company order without the (株) prefix", "全て", 2, "会社順", {"s1", "k1"}},
      {"number order: text order, empty last", "よく使う", 5, "番号順", {"t2", "s1"}},
      {"initial row", "全て", 11, " ｻ", {"s1"}},
  };
  for (const auto& r : rows) {
    AddressPrintChoice choice;
    choice.category = QString::fromUtf8(r.category);
    choice.sortIndex = r.sort;
    choice.sortItem = QString::fromUtf8(r.sortItem);
    EXPECT_EQ(Names(ChooseAddressPrintLines(file, choice, groups)), r.names) << r.what;
  }
  AddressPrintChoice numbers;
  numbers.category = QStringLiteral("全て");
  numbers.sortIndex = 5;
  const QStringList numbered{"header", "ｱ,c,nine,,,,,,,,,,,,,,,9", "ｱ,c,none", "ｱ,c,ten,,,,,,,,,,,,,,,10",
                             "ｱ,c,wide,,,,,,,,,,,,,,,１"};
  EXPECT_EQ(Names(ChooseAddressPrintLines(numbered, numbers, groups)), (QStringList{"ten", "nine", "wide", "none"}));
}

// The order an exchange sort gives: for each place, every later line with a
// smaller key is swapped in.
QStringList ExchangeSorted(const QStringList& lines, int sortIndex) {
  QStringList out = lines;
  const auto key = [&](const QString& line) {
    const AddressRecord r = AddressRecord::FromLine(line);
    return sortIndex == 5 ? AddressNumberKey(r) : AddressCompanyKey(r);
  };
  for (int a = 0; a + 1 < out.size(); ++a)
    for (int b = a + 1; b < out.size(); ++b)
      if (key(out.at(b)) < key(out.at(a))) out.swapItemsAt(a, b);
  return out;
}

TEST(AddressPrintChoice, CompanyAndNumberOrdersAreStable) {
  const AddressCategoryGroups groups = AddressCategoryGroups::Parse({});
  // Books of distinct keys come out as the exchange sort put them.
  const QStringList distinct[] = {
      {"ｱ,c,a,,,,0|,C社", "ｲ,c,b,,,,0|,A社", "ｳ,c,c,,,,0|,B社", "ｴ,c,d,,,,0|,（株）A社", "ｵ,c,e,,,,0|,(株)Z"},
      {"ｱ,c,a,,,,0|,,,,,,,,,,,3", "ｲ,c,b,,,,0|,,,,,,,,,,,10", "ｳ,c,c,,,,0|", "ｴ,c,d,,,,0|,,,,,,,,,,,2",
       "ｵ,c,e,,,,0|,,,,,,,,,,,１"},
      {"ｶ,c,k,,,,0|,X,,,,,,,,,,9", "ｱ,c,a,,,,0|,X,,,,,,,,,,8", "ｻ,c,s,,,,0|,W,,,,,,,,,,7"},
  };
  for (const QStringList& book : distinct)
    for (int sort : {2, 3, 5}) {
      AddressPrintChoice choice;
      choice.category = QStringLiteral("全て");
      choice.sortIndex = sort;
      EXPECT_EQ(ChooseAddressPrintLines(QStringList{"header"} + book, choice, groups).lines, ExchangeSorted(book, sort))
          << sort << book.join('|').toStdString();
    }
  // Entries of equal keys keep the file's order, where swapping scrambled them.
  const QStringList equal{"ｱ,c,n,,1,,0|,Q社", "ｱ,c,n,,2,,0|,P社", "ｱ,c,n,,3,,0|,Q社", "ｱ,c,n,,4,,0|,P社",
                          "ｱ,c,n,,5,,0|,Q社", "ｱ,c,n,,6,,0|,P社"};
  const struct {
    int sort;
    QStringList phones;
  } orders[] = {{2, {"2", "4", "6", "1", "3", "5"}}, {5, {"1", "2", "3", "4", "5", "6"}}};
  for (const auto& o : orders) {
    AddressPrintChoice choice;
    choice.category = QStringLiteral("全て");
    choice.sortIndex = o.sort;
    QStringList phones;
    for (const AddressRecord& r : ChooseAddressPrintLines(QStringList{"header"} + equal, choice, groups).records)
      phones << r.field(kFieldTel);
    EXPECT_EQ(phones, o.phones) << o.sort;
  }
}

// A walk of S slots that records which record lands on which slot.
QStringList Walk(const QStringList& names, int slotCount, int page, bool grouped, int* done = nullptr) {
  QList<AddressRecord> records;
  for (const QString& n : names) records << AddressRecord::FromLine(n);
  QStringList drawn;
  PhoneBookWalk walk;
  walk.slotsPerPage = slotCount;
  if (grouped) walk.groupKey = [](const AddressRecord& r) { return r.field(kFieldKaisyaName); };
  walk.drawSlot = [&](const AddressRecord& r, int slot) { drawn << QStringLiteral("%1:%2").arg(slot).arg(r.field(kFieldName)); };
  const int d = PhoneBookPageWalk(records, page, false, walk);
  if (done) *done = d;
  return drawn;
}

// Every page of a book drawn with the page starts a job remembers, asked in
// the jumbled order of a two-sided sheet: the same slots as a walk from the
// first entry gives for each page.
TEST(PhoneBookPageWalk, RememberedPageStartsGiveTheSamePages) {
  QStringList book;
  for (int i = 0; i < 23; ++i)
    book << QStringLiteral("k,c,n%1,,,,%2|,%3").arg(i).arg(i % 7 == 3 ? 1 : 0).arg(QChar(u'A' + i / 5));
  QList<AddressRecord> records;
  for (const QString& line : book) records << AddressRecord::FromLine(line);
  const int order[] = {1, 4, 2, 3, 5, 8, 6, 7, 9, 2, 12, 10, 11};
  for (bool grouped : {false, true})
    for (int perPage : {1, 3, 4}) {
      PhoneBookPageStarts starts;
      for (int page : order) {
        QStringList remembered;
        PhoneBookWalk walk;
        walk.slotsPerPage = perPage;
        if (grouped) walk.groupKey = [](const AddressRecord& r) { return r.field(kFieldKaisyaName); };
        walk.drawSlot = [&](const AddressRecord& r, int slot) {
          remembered << QStringLiteral("%1:%2").arg(slot).arg(r.field(kFieldName));
        };
        const int done = PhoneBookPageWalk(records, page, false, walk, &starts);
        int freshDone = 0;
        EXPECT_EQ(remembered, Walk(book, perPage, page, grouped, &freshDone)) << grouped << perPage << page;
        EXPECT_EQ(done, freshDone) << grouped << perPage << page;
      }
      EXPECT_FALSE(starts.points.empty());
    }
}

TEST(PhoneBookPageWalk, GroupsStartOnAFreshPageAndPagesPastTheEndAreEmpty) {
  const QStringList book{"k,c,a1,,,,,A", "k,c,a2,,,,,A", "k,c,a3,,,,,A", "k,c,b1,,,,,B", "k,c,x,,,,1|,B"};
  int done = 0;
  EXPECT_EQ(Walk(book, 5, 1, true, &done), (QStringList{"1:a1", "2:a2", "3:a3", "4:", "5:"}));
  EXPECT_EQ(done, 0);
  EXPECT_EQ(Walk(book, 5, 2, true, &done), (QStringList{"1:b1", "2:", "3:", "4:", "5:"}));
  EXPECT_EQ(done, 1);
  // A group that fills a page exactly: the next starts on the next page.
  EXPECT_EQ(Walk(book, 3, 2, true), (QStringList{"1:b1", "2:", "3:"}));
  // Past the last entry a grouped walk never draws it again.
  EXPECT_EQ(Walk(book, 3, 3, true, &done), (QStringList{"1:", "2:", "3:"}));
  EXPECT_EQ(done, 1);
  EXPECT_EQ(Walk(book, 2, 2, false), (QStringList{"1:a3", "2:b1"}));
}

TEST_F(PhoneBookPrint, LandscapeColumnsRunOntoASecondPage) {
  QStringList entries;
  for (int i = 1; i <= 31; ++i) entries << QStringLiteral("ｱ,c,n%1,,090-%1").arg(i);
  const AddressPrintLines lines = Lines(entries);
  EXPECT_EQ(PrintLandscapePhoneBook(12, 0, QStringLiteral("全て"), 1, 8, 88, lines), 0);
  printer().clearOps();
  EXPECT_EQ(PrintLandscapePhoneBook(12, 0, QStringLiteral("全て"), 2, 8, 88, lines), 1);
  const QStringList texts = Texts();
  EXPECT_TRUE(texts.contains(QStringLiteral("n31")));
  EXPECT_FALSE(texts.contains(QStringLiteral("n30")));
  EXPECT_EQ(texts.count(QStringLiteral("〒 ")), 30);
  EXPECT_TRUE(Titles(texts).contains(QStringLiteral("電話帳  [ｱ]")));
  EXPECT_EQ(PrintLandscapePhoneBook(12, 0, QStringLiteral("全て"), 1, 8, 88, Lines({})), 1);
}

// The names a landscape page shows, in column order.
QStringList LandscapeNames(const QStringList& texts) {
  QStringList out;
  for (const QString& t : texts)
    if (t.size() == 2 && (t.startsWith(u'a') || t.startsWith(u'b'))) out << t;
  return out;
}

TEST_F(PhoneBookPrint, LandscapeGroupsByTheOrderListsMeaning) {
  // Company and kana row split the book differently, so a swapped key shows.
  const AddressPrintLines book = Lines({"ｱ,c,a1,,,,,A", "ｱ,c,a2,,,,,A", "ｶ,c,a3,,,,,A", "ｶ,c,b1,,,,,B"});
  struct {
    const char* sort;
    int sortIndex;
    QStringList page1;
    QStringList page2;
    const char* title2;
  } rows[] = {
      {"会社別: B starts page 2", 3, {"a1", "a2", "a3"}, {"b1"}, "電話帳  [B]"},
      {"カナ別: the ｶ row starts page 2", 1, {"a1", "a2"}, {"a3", "b1"}, "電話帳  "},
      {"会社順 only sorts", 2, {"a1", "a2", "a3", "b1"}, {}, nullptr},
      {"カナ順 only sorts", 0, {"a1", "a2", "a3", "b1"}, {}, nullptr},
  };
  for (const auto& r : rows) {
    printer().clearOps();
    const int done1 = PrintLandscapePhoneBook(12, r.sortIndex, QStringLiteral("全て"), 1, 8, 88, book);
    EXPECT_EQ(LandscapeNames(Texts()), r.page1) << r.sort;
    EXPECT_EQ(done1, r.page2.isEmpty() ? 1 : 0) << r.sort;
    // Every column of page 1 is drawn, the group's rest left empty.
    EXPECT_EQ(Texts().count(QStringLiteral("〒 ")), 30) << r.sort;
    if (r.page2.isEmpty()) continue;
    printer().clearOps();
    EXPECT_EQ(PrintLandscapePhoneBook(12, r.sortIndex, QStringLiteral("全て"), 2, 8, 88, book), 1) << r.sort;
    EXPECT_EQ(LandscapeNames(Texts()), r.page2) << r.sort;
    EXPECT_TRUE(Titles(Texts()).contains(QString::fromUtf8(r.title2))) << r.sort;
  }
}

TEST_F(PhoneBookPrint, RuledRowsFollowTheDesignAndOptions) {
  const PaperSettingsData& p = PaperSettings;
  const double body = p.FootHeight - p.DataHeight - 1;
  const int f = int(p.DefaultFontSize);
  struct {
    const char* what;
    int design;
    int address;
    std::array<int, 5> extras;
    int lines;
  } rows[] = {
      {"design 0", 0, 0, {0, 0, 0, 0, 0}, 3},
      {"design 0 with the address: mode 2", 0, 1, {0, 0, 0, 0, 0}, 5},
      {"design 1 with address and mail", 1, 1, {0, 1, 0, 0, 0}, 4},
      {"design 6 ignores the address box", 6, 1, {0, 0, 0, 0, 0}, 3},
  };
  for (const auto& r : rows) {
    RuledPhoneBookOptions o;
    o.addressMode = r.address;
    o.extras = r.extras;
    const float size = r.design == 6 ? f - 2 : f;
    int expected = int(std::floor(body * 5.67 / (size * 2 * r.lines)));
    if (r.lines <= 3) --expected;
    EXPECT_EQ(RuledRowsPerPage(r.design, o), expected) << r.what;
  }
  PaperSettings.DefaultFontSize = 200;
  EXPECT_LE(RuledRowsPerPage(0, {}), 0);
  EXPECT_EQ(PrintRuledPhoneBook(0, 0, QStringLiteral("全て"), 1, 8, 88, Lines({"ｱ,c,a"}), {}), 1);
  EXPECT_TRUE(printer().opsOf(RecordedOp::Line).empty());
}

TEST_F(PhoneBookPrint, RuledPagesDrawTheirLinesAndBlankPages) {
  RuledPhoneBookOptions o;
  o.mobileIcon = RuledPhoneBookMobileIcon();
  o.homeIcon = RuledPhoneBookHomeIcon();
  EXPECT_EQ(PrintRuledPhoneBook(0, 0, QString(), 0, 8, 88, Lines({}), o), 0);
  const QStringList blank = Texts();
  EXPECT_TRUE(Titles(blank).contains(QStringLiteral("電話帳  ")));
  EXPECT_EQ(blank.count(QStringLiteral("会:")), RuledRowsPerPage(0, o));

  printer().clearOps();
  o.yobiCaption = QStringLiteral("FAX");
  const QStringList book{"ﾔﾏﾀﾞ,c,山田,＊,070-1,03-2,,社,06-3,,,,,,,,06-9",
                         "ﾔﾏﾀﾞ,c,山田二,,090-1,,,,,,,,,,,,"};
  EXPECT_EQ(PrintRuledPhoneBook(9, 0, QStringLiteral("友人"), 1, 8, 88, Lines(book), o), 1);
  const QStringList texts = Texts();
  EXPECT_TRUE(Titles(texts).contains(QStringLiteral("電話帳  [ 友人 ] ")));
  EXPECT_TRUE(texts.contains(QStringLiteral("(ﾔﾏﾀﾞ)")));
  EXPECT_TRUE(texts.contains(QStringLiteral(" FAX:06-9")));

  printer().clearOps();
  PrintRuledPhoneBook(1, 0, QStringLiteral("全て"), 1, 8, 88, Lines(book), o);
  EXPECT_TRUE(Texts().contains(QStringLiteral("PH:070-1")));
  EXPECT_TRUE(Texts().contains(QStringLiteral("携:090-1")));

  // Design 3 fits the name to exactly 12 bytes; one cut short shows the mark.
  printer().clearOps();
  PrintRuledPhoneBook(3, 0, QStringLiteral("全て"), 1, 8, 88, Lines({"ｱ,c,あいうえおか漢字", "ｲ,c,あいうえおか"}), o);
  EXPECT_TRUE(Texts().contains(QStringLiteral("あいうえお…")));
  EXPECT_TRUE(Texts().contains(QStringLiteral("あいうえおか")));
}

// The rows that put their numbers side by side keep each line inside the
// page: a long line is printed smaller, down to half its size, and past that
// it is cut short with the mark. Short lines keep the row's size.
TEST_F(PhoneBookPrint, SideBySideLinesStayInsideThePage) {
  const QString numbers = QString(200, u'9');
  const QStringList book{"ｱ,c,a,,090-1,03-2",
                         "ｲ,c,b,,090-0000-0000,03-0000-0000,,社,03-0000-0001,,,,,,,03-0000-0002,03-0000-0003",
                         "ｳ,c,c,,090-" + numbers};
  const float size = PaperSettings.DefaultFontSize - 2;
  for (int design : {6, 7, 11}) {
    SCOPED_TRACE(design);
    printer().clearOps();
    PrintRuledPhoneBook(design, 0, QStringLiteral("全て"), 1, 8, 80, Lines(book), {});
    QMap<QString, float> sizes;
    for (const RecordedOp& op : printer().opsOf(RecordedOp::Text)) {
      if (op.text.isEmpty() || op.y1 < PaperSettings.DataHeight) continue;
      EXPECT_LE(op.x1 + AnsiByteLen(op.text) * op.fontSize / 5.67, 80 - 0.5 + 1e-6) << op.text.toStdString();
      EXPECT_GE(op.fontSize, size / 2) << op.text.toStdString();
      sizes[op.text] = op.fontSize;
    }
    const QString shortLine = design == 11 ? QStringLiteral("携:090-1 自:03-2 ") : QStringLiteral("自:03-2 携:090-1 ");
    EXPECT_EQ(sizes.value(shortLine), size);
    if (design == 11) {
      const QString five = "携:090-0000-0000 自:03-0000-0000 自FAX03-0000-0003 会:03-0000-0001 FAX:03-0000-0002";
      ASSERT_TRUE(sizes.contains(five));
      EXPECT_LT(sizes.value(five), size);
    }
    QString cut;
    for (auto it = sizes.cbegin(); it != sizes.cend(); ++it)
      if (it.key().startsWith(QStringLiteral("携:090-999"))) cut = it.key();
    EXPECT_EQ(sizes.value(cut), size / 2);
    ASSERT_TRUE(cut.endsWith(u'…'));
    EXPECT_TRUE(("携:090-" + numbers + u' ').startsWith(cut.chopped(1)));
    EXPECT_LT(cut.size(), numbers.size());
  }
}

TEST_F(PhoneBookPrint, RuledDesignTwoPlacesNumbersBySpanWidth) {
  // The second entry has no number at all; the empty rows below it are not
  // looked at.
  const QStringList book{"ｱ,c,とても長い名前の人です,,090-1,03-2", "ｲ,c,bare"};
  auto xsOf = [this](const QString& text) {
    double lastRow = 0;
    for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
      if (op.text == QStringLiteral("bare ")) lastRow = op.y1;
    QList<double> xs;
    for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
      if (op.text == text && op.y1 <= lastRow + 0.01) xs << op.x1 - 8;
    return xs;
  };
  const auto near = [](const QList<double>& got, const QList<double>& want) {
    if (got.size() != want.size()) return false;
    for (qsizetype i = 0; i < got.size(); ++i)
      if (std::abs(got[i] - want[i]) > 0.01) return false;
    return true;
  };
  struct {
    double span;
    QList<double> home;    // x of "03-2 " from the left edge
    QList<double> mobile;  // of "090-1"
    QList<double> company;  // of the company label "会: " with no number
    QList<double> blank;   // of the bare entry's empty home number " "
  } rows[] = {
      {61, {17}, {33}, {}, {}},
      // The widest span prints every label, numbers or not.
      {95, {40}, {80}, {120, 120}, {40}},
  };
  for (const auto& r : rows) {
    printer().clearOps();
    PrintRuledPhoneBook(2, 0, QStringLiteral("全て"), 1, 8, 8 + r.span, Lines(book), {});
    EXPECT_TRUE(near(xsOf(QStringLiteral("03-2 ")), r.home)) << r.span;
    EXPECT_TRUE(near(xsOf(QStringLiteral("090-1")), r.mobile)) << r.span;
    EXPECT_TRUE(near(xsOf(QStringLiteral("会: ")), r.company)) << r.span;
    EXPECT_TRUE(near(xsOf(QStringLiteral(" ")), r.blank)) << r.span;
  }
}

class PrintButton : public PhoneBookPrint {
 protected:
  AddressWindow& Open(const QStringList& entries) {
    QStringList lines{QStringLiteral("header")};
    lines += entries;
    WriteBytes(homeFile("doZir.csv"), platform::ToSjis(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    window_ = std::make_unique<AddressWindow>();
    window_->Form_Load();
    window_->Cmb_bunrui->setCurrentIndex(1);
    SetPrintDialogHandler([this](const PrintDialogView&) {
      ++dialogs;
      return PrintDialogAnswer{};
    });
    return *window_;
  }
  void TearDown() override {
    window_.reset();
    platform::UseMemoryClipboard(false);
    PhoneBookPrint::TearDown();
  }
  int dialogs = 0;
  std::unique_ptr<AddressWindow> window_;
};

TEST_F(PrintButton, DesignsOfTheShownEntryNeedOneAndBigListsWarn) {
  QStringList many;
  for (int i = 0; i < 300; ++i) many << QStringLiteral("ｱ,c,n%1").arg(i);
  AddressWindow& w = Open(many);
  w.Cmb_Type->setCurrentIndex(17);
  w.Cmd_print_Click();
  EXPECT_EQ(messages().texts(), QStringList{"住所録明細に「はがき宛名(年賀状)」を印刷する人を表示してください。"});
  EXPECT_EQ(dialogs, 0);

  messages().clear();
  w.Cmb_Type->setCurrentIndex(15);
  w.Cmd_print_Click();
  EXPECT_EQ(dialogs, 1);
  ASSERT_FALSE(messages().texts().isEmpty());
  EXPECT_TRUE(messages().texts().first().startsWith(QStringLiteral("ミチクサはメモリー不足のため、")));

  messages().clear();
  delete w.List1->item(0);
  w.Cmb_Type->setCurrentIndex(0);
  w.Cmd_print_Click();
  EXPECT_TRUE(messages().texts().isEmpty());
}

TEST_F(PrintButton, FourFoldSizesPrintOnlyPhoneBooks) {
  AddressWindow& w = Open({"ｱ,c,a"});
  PaperSettings.SuperOrganiserMode = 1;
  w.Cmb_Type->setCurrentIndex(14);
  w.Txt_Name->setText(QStringLiteral("a"));
  w.Cmd_print_Click();
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(messages().texts(), QStringList{"まだ印刷できません、要望があったら作ります(^^;"});
  w.Cmb_Type->setCurrentIndex(0);
  EXPECT_EQ(w.Cmb_men->currentText(), QStringLiteral("超整理型"));
}

TEST_F(PrintButton, BothSidesOfAnA4SheetWithThreeEntries) {
  AddressWindow& w = Open({"ｱ,c,a,,1", "ｲ,c,i,,2", "ｳ,c,u,,3"});
  w.Cmb_men->setCurrentIndex(w.Cmb_men->findText(QStringLiteral("A4 両面")));
  w.Cmd_print_Click();
  EXPECT_EQ(printer().protocol().count(QStringLiteral("page")), 1);  // two sides: one further page
  const QStringList texts = Texts();
  // Page 1 on the front's right half, three empty ruled pages around it.
  EXPECT_EQ(Titles(texts).count(QStringLiteral("電話帳  ")), 4);
  for (const char* number : {":1", ":2", ":3"}) EXPECT_EQ(texts.count(QString::fromLatin1(number)), 1) << number;
  const double rightHalfLeft = std::nearbyint(GetScaleWidth() - (PaperSettings.PageWidth - PaperSettings.PageLeft));
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
    if (op.text == QStringLiteral(":1")) { EXPECT_GT(op.x1, rightHalfLeft); }
}

TEST_F(PrintButton, LandscapeOnBothSidesAlternatesBackAndFront) {
  QStringList entries;
  for (int i = 1; i <= 31; ++i) entries << QStringLiteral("ｱ,c,n%1").arg(i);
  AddressWindow& w = Open(entries);
  w.Cmb_Type->setCurrentIndex(12);
  w.Cmb_men->setCurrentIndex(w.Cmb_men->findText(QStringLiteral("A4 両面")));
  w.Cmd_print_Click();
  // Page 1 at the back span (x from 0), page 2 at the front span.
  double first = -1, last = -1;
  for (const RecordedOp& op : printer().opsOf(RecordedOp::RotatedText)) {
    if (op.text == QStringLiteral("n1")) first = op.x1;
    if (op.text == QStringLiteral("n31")) last = op.x1;
  }
  EXPECT_LT(first, PaperSettings.PageLeft);
  EXPECT_GE(last, PaperSettings.PageLeft);
}

TEST_F(PrintButton, NothingToPrintEndsAfterOneEmptyPage) {
  AddressWindow& w = Open({"ｱ,c,hidden,,,,1|0|", "ｲ,c," + QString(1000, u'x') + ",,,,1|1|,,," + QString(1000, u'長')});
  w.Cmd_print_Click();
  EXPECT_EQ(printer().protocol().count(QStringLiteral("page")), 0);
  EXPECT_FALSE(printer().texts().contains(QStringLiteral("hidden")));
}

TEST_F(PrintButton, AMissingFileIsNamedAtEveryPrintAndExport) {
  platform::UseMemoryClipboard(true);
  AddressWindow& w = Open({"ｱ,c,a,,090-1,,0|0|,,,,,,a@x.jp"});
  QFile::remove(homeFile("doZir.csv"));
  const QString named = platform::ReadFailureMessage(homeFile("doZir.csv"), platform::SystemErrorText(ENOENT));
  ASSERT_TRUE(w.AddressFilePath.endsWith(QStringLiteral("doZir.csv")));
  // The automatic refill names it once, not at every change of the list...
  w.FillAddressList();
  w.FillAddressList();
  EXPECT_EQ(messages().texts(), QStringList{named});

  // ...but a print asked for afterwards says why nothing comes out, each time.
  for (int attempt = 1; attempt <= 2; ++attempt) {
    messages().clear();
    printer().clearOps();
    w.Cmd_print_Click();
    EXPECT_EQ(dialogs, attempt);
    EXPECT_EQ(messages().texts(), QStringList{named}) << attempt;
    EXPECT_FALSE(printer().protocol().contains(QStringLiteral("begin-doc"))) << printer().protocol().toStdString();
    EXPECT_TRUE(printer().texts().isEmpty());
  }

  messages().clear();
  platform::ClipboardSetText(QStringLiteral("old"));
  w.Cmd_FileWrite_Click();
  EXPECT_EQ(messages().texts(), QStringList{named});
  EXPECT_EQ(platform::ClipboardText(), QStringLiteral("old"));

  messages().clear();
  w.Cmb_Type->setCurrentIndex(w.Cmb_Type->findText(QStringLiteral("メール一覧作成")));
  w.Cmd_print_Click();
  EXPECT_EQ(messages().texts(), (QStringList{"メール一覧を「jxsender.htm」ファイルに書き出します。", named}));
  EXPECT_FALSE(QFile::exists(homeFile("jxsender.htm")));
  EXPECT_EQ(dialogs, 2);
}

// Lines no program of ours writes: what fits prints and nothing breaks.
TEST_F(PrintButton, MalformedLinesPrintWhatFitsInEveryDesign) {
  QString wide = QStringLiteral("ｱ,c,wide,,090-9,,0|0|");
  while (wide.count(u',') < 399) wide += QStringLiteral(",z");
  const QString company(1000, u'長');
  AddressWindow& w = Open({wide, "ｲ,c,corp,,,,0|0|," + company, "", "ｳ", ",,,,,,,,", "ｴ,c,last,,090-1,,0|0|,,,1-2,x"});
  for (int design : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 15, 16}) {
    printer().clearOps();
    w.Cmb_Type->setCurrentIndex(design);
    w.Cmd_print_Click();
    const QString all = Texts().join(u'\n');
    for (const char* name : {"wide", "last"}) EXPECT_TRUE(all.contains(QLatin1String(name))) << design << " " << name;
    EXPECT_TRUE(messages().texts().isEmpty()) << design;
  }

  // The ruled rows cut the thousand-character 会社名 at half size, with the
  // mark, before the number column.
  printer().clearOps();
  w.Cmb_Type->setCurrentIndex(0);
  w.Cmd_print_Click();
  const PaperSettingsData& p = PaperSettings;
  const double x55 = p.PageLeft + std::nearbyint((p.PageWidth - p.PageLeft) * 55.0 / 100);
  bool cut = false;
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Text)) {
    if (!op.text.startsWith(QStringLiteral(" 長"))) continue;
    cut = true;
    ASSERT_TRUE(op.text.endsWith(u'…'));
    EXPECT_EQ(op.text.chopped(1), u' ' + company.left(op.text.size() - 2));
    EXPECT_FLOAT_EQ(op.fontSize, p.DefaultFontSize / 2);
    EXPECT_LE(op.x1 + AnsiByteLen(op.text) * op.fontSize / 5.67, x55);
  }
  EXPECT_TRUE(cut);
}

TEST_F(PrintButton, EveryDesignReachesItsDrawer) {
  AddressWindow& w = Open({"ｱｵｷ,c,青木,,070-1,,0|0|,青木商事,,100-0001,東京都,千代田", "ｲﾄｳ,c,伊藤,,,,0|0|"});
  w.Txt_Kana->setText(QStringLiteral("ﾔﾏﾀﾞ"));
  w.Txt_Name->setText(QStringLiteral("山田 太郎\\n花子"));
  w.Txt_Zip->setText(QStringLiteral("123-4567"));
  w.Txt_Bikou3->setPlainText(QStringLiteral("一行目\n二行目"));
  struct {
    int design;
    const char* side;
    QStringList texts;
    int pages;
  } rows[] = {
      {8, "表のみ", {"PHS 070-1", "携  "}, 1},
      {10, "表のみ", {"PH:070-1", "伊藤 "}, 1},
      {14, "表面", {"カナ名:ﾔﾏﾀﾞ", "一", "二"}, 1},
      {15, "A4 片面", {"      青木様", "  100-0001"}, 1},
      {16, "A4 片面", {"      青木 様", "         青木商事"}, 1},
      {17, "はがき", {"１", "花", "様"}, 1},
  };
  for (const auto& r : rows) {
    printer().clearOps();
    w.Cmb_Type->setCurrentIndex(r.design);
    w.Cmb_men->setCurrentIndex(w.Cmb_men->findText(QString::fromUtf8(r.side)));
    w.Cmd_print_Click();
    const QStringList texts = Texts();
    for (const QString& t : r.texts) EXPECT_TRUE(texts.contains(t)) << r.design << " " << t.toStdString();
    EXPECT_EQ(printer().protocol().count(QStringLiteral("page")), r.pages - 1) << r.design;
  }
  EXPECT_EQ(CurrentPrintJob().previewOutlineKind, 10);
}

// A job stops at its page limit and says once after the job which entry it
// printed last; a job whose entries end on the last page allowed says
// nothing.
TEST_F(PrintButton, JobsCutAtThePageLimitNameTheLastEntryPrinted) {
  const struct {
    const char* what;
    int design;
    int sort;
    int entries;
    int pages;
    const char* last;  // the message's entry, or none
  } rows[] = {
      {"labels, twelve a sheet", 15, 0, 1250, 100, "1200件目の「n1199」"},
      {"labels ending on the last sheet", 15, 0, 1200, 100, nullptr},
      // One company a page: the first 10,000 companies are printed.
      {"book by company", 0, 3, 10001, 10000, "10000件目の「n9999」"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    QStringList many;
    for (int i = 0; i < r.entries; ++i)
      many << QStringLiteral("ｱ,c,n%1,,,,0|0|,co%2").arg(i).arg(i, 5, 10, QChar(u'0'));
    AddressWindow& w = Open(many);
    w.Cmb_Type->setCurrentIndex(r.design);
    w.cmb_sort->setCurrentIndex(r.sort);
    messages().clear();
    printer().clearOps();
    w.Cmd_print_Click();
    EXPECT_EQ(printer().protocol().count(QStringLiteral("page")), r.pages - 1);  // the first page opens the document
    QStringList said = messages().texts();
    ASSERT_FALSE(said.isEmpty());
    said.removeFirst();  // the warning of a list of 300 entries or more
    if (r.last)
      EXPECT_EQ(said, QStringList{PageLimitMessage(r.pages, QString::fromUtf8(r.last))});
    else
      EXPECT_TRUE(said.isEmpty()) << said.join(u'\n').toStdString();
  }
}

}  // namespace
