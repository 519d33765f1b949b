// The ruled phone book printed through the PDF printer and read back: five
// entries on the bible size, design 0 without the address line, front only.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>

#include "PdfReadBack.h"
#include "TestEnvironment.h"
#include "address/windows/AddressWindow.h"
#include "core/platform/Codec.h"
#include "core/platform/FileDialog.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"

namespace {

class PhoneBookPdf : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    SetProgramPaths(home() + QStringLiteral("ringpad"));
    QDir().mkpath(BackupFolder);
    PaperSettings = PaperSettingsData{};
    WriteDefaultSettings();
    LoadPaperSettings(0);
    CurrentPrintJob().confirmPrompts = 0;
  }
  void TearDown() override {
    SetPrintDialogHandler({});
    SetInstalledPrintersOverride(std::nullopt);
    PaperSettings = PaperSettingsData{};
    RingpadTest::TearDown();
  }
};

TEST_F(PhoneBookPdf, DesignZeroOnTheBibleSize) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler tools are not installed";
  const QStringList lines{"header",
                          "ｱｵｷ,c,Aoki,,090-1111-1111,03-1111-1111,,Acme,06-1111-1111",
                          "ｲﾄｳ,c,Ito,,090-2222-2222",
                          "ｳｴﾀﾞ,c,Ueda,,,03-3333-3333",
                          "ｴﾝﾄﾞｳ,c,Endo,,090-4444-4444",
                          "ｵｶﾀﾞ,c,Okada,,090-5555-5555,,,,,,,,,,,06-5555-0000"};
  WriteBytes(homeFile("doZir.csv"), platform::ToSjis(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
  AddressWindow w;
  w.Form_Load();
  w.Cmb_bunrui->setCurrentIndex(1);
  w.Chk_Jyusyo->setCheckState(Qt::Unchecked);
  w.Cmb_men->setCurrentIndex(w.Cmb_men->findText(QStringLiteral("表のみ")));

  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/address_ruled_design0.pdf");
  QFile::remove(pdf);
  SetInstalledPrintersOverride(QStringList{}, true);
  SetPrintDialogHandler([](const PrintDialogView&) {
    PrintDialogAnswer answer;
    answer.printer = QStringLiteral("PDF");
    return answer;
  });
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  w.Cmd_print_Click();
  platform::SetFileDialogHandler({});

  ASSERT_EQ(PdfPageCount(pdf), 1);
  const std::vector<PdfWord> words = PdfWords(pdf);
  const PdfWord title = FindWord(words, QStringLiteral("電話帳"));
  EXPECT_EQ(title.page, 1);
  // The bible size: 14 rows over a 146 mm body, names from x = 8 mm with the
  // first top at 9.5 mm, the mobile number after its icon at x55 = 52 mm.
  const double margin = PaperSettings.PrintMargin;
  const double rowHeight = 146.0 / 14;
  const char* names[] = {"Aoki", "Ito", "Ueda", "Endo", "Okada"};
  for (int i = 0; i < 5; ++i) {
    const PdfWord name = FindWord(words, QString::fromLatin1(names[i]));
    ASSERT_EQ(name.page, 1) << names[i];
    EXPECT_NEAR(name.xMinMm, 8 + margin, 0.3) << names[i];
    EXPECT_NEAR(name.yMinMm, 9.5 + rowHeight * i + margin, 0.3) << names[i];
  }
  const PdfWord mobile = FindWord(words, QStringLiteral(":090-1111-1111"));
  ASSERT_EQ(mobile.page, 1);
  EXPECT_NEAR(mobile.xMinMm, 55.2 + margin, 0.3);
}

TEST_F(PhoneBookPdf, LandscapeColumnsReadUpward) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler tools are not installed";
  QStringList lines{"header"};
  for (int i = 1; i <= 4; ++i) lines << QStringLiteral("ｱ,c,Name%1,,090-000-%1,03-000-%1,,,,100-000%1,Tokyo,Chiyoda").arg(i);
  WriteBytes(homeFile("doZir.csv"), platform::ToSjis(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
  AddressWindow w;
  w.Form_Load();
  w.Cmb_bunrui->setCurrentIndex(1);
  w.Cmb_Type->setCurrentIndex(12);
  w.Cmb_men->setCurrentIndex(0);
  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/address_landscape.pdf");
  QFile::remove(pdf);
  SetInstalledPrintersOverride(QStringList{}, true);
  SetPrintDialogHandler([](const PrintDialogView&) {
    PrintDialogAnswer answer;
    answer.printer = QStringLiteral("PDF");
    return answer;
  });
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  w.Cmd_print_Click();
  platform::SetFileDialogHandler({});
  ASSERT_EQ(PdfPageCount(pdf), 1);
  const PdfWord name = FindWord(PdfWords(pdf), QStringLiteral("Name1"));
  ASSERT_EQ(name.page, 1);
  // Turned text is taller than wide and stands at the foot of the body.
  EXPECT_GT(name.yMaxMm - name.yMinMm, name.xMaxMm - name.xMinMm);
  EXPECT_NEAR(name.yMaxMm, PaperSettings.FootHeight - 1 + PaperSettings.PrintMargin, 1.5);
}

// Prints the address window's chosen design into a PDF of the artefacts.
QString PrintToPdf(AddressWindow& w, const QString& name) {
  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/") + name;
  QFile::remove(pdf);
  SetInstalledPrintersOverride(QStringList{}, true);
  SetPrintDialogHandler([](const PrintDialogView&) {
    PrintDialogAnswer answer;
    answer.printer = QStringLiteral("PDF");
    return answer;
  });
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  w.Cmd_print_Click();
  platform::SetFileDialogHandler({});
  return pdf;
}

TEST_F(PhoneBookPdf, AddressLabelsOnTwoSheets) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler tools are not installed";
  QStringList lines{"header"};
  for (int i = 1; i <= 13; ++i)
    lines << QStringLiteral("ｱ,c,Name%1,,,,0|0|,,,123-4567,Tokyo,Chiyoda,,,,,,%1").arg(i, 2, 10, QLatin1Char('0'));
  WriteBytes(homeFile("doZir.csv"), platform::ToSjis(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
  AddressWindow w;
  w.Form_Load();
  w.Cmb_bunrui->setCurrentIndex(1);
  w.Cmb_Type->setCurrentIndex(15);
  const QString pdf = PrintToPdf(w, QStringLiteral("address_labels.pdf"));
  ASSERT_EQ(PdfPageCount(pdf), 2);
  const std::vector<PdfWord> words = PdfWords(pdf);
  std::vector<PdfWord> zips, honorifics;
  for (const PdfWord& word : words) {
    if (word.text == QStringLiteral("123-4567")) zips.push_back(word);
    if (word.page == 2 && word.text == QStringLiteral("様")) honorifics.push_back(word);
  }
  ASSERT_EQ(zips.size(), 13u);
  const double m = PaperSettings.PrintMargin;
  const double expected[3][2] = {{9.23, 5}, {114.23, 5}, {9.23, 295.0 / 6 + 5}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(zips[i].page, 1);
    EXPECT_NEAR(zips[i].xMinMm, expected[i][0] + m, 0.3) << i;
    EXPECT_NEAR(zips[i].yMinMm, expected[i][1] + m, 0.3) << i;
  }
  EXPECT_EQ(zips[12].page, 2);
  EXPECT_EQ(FindWord(words, QStringLiteral("Name13様")).page, 2);
  EXPECT_EQ(honorifics.size(), 11u);
}

// The y (mm) of the rules drawn solid across a page between two x: rows of
// a rendered page dark over nearly the whole width, one per run of such rows.
std::vector<double> SolidRulesMm(const QImage& page, int dpi, double xFromMm, double xToMm) {
  const QImage grey = page.convertToFormat(QImage::Format_Grayscale8);
  const double pxPerMm = dpi / 25.4;
  const int x0 = int(xFromMm * pxPerMm), x1 = int(xToMm * pxPerMm);
  std::vector<double> rules;
  int runStart = -1;
  for (int y = 0; y <= grey.height(); ++y) {
    int dark = 0;
    if (y < grey.height()) {
      const uchar* row = grey.constScanLine(y);
      for (int x = x0; x < x1; ++x) dark += row[x] <= 128;
    }
    const bool solid = y < grey.height() && dark >= 0.95 * (x1 - x0);
    if (solid && runStart < 0) runStart = y;
    if (!solid && runStart >= 0) {
      rules.push_back((runStart + y - 1) / 2.0 / pxPerMm);
      runStart = -1;
    }
  }
  return rules;
}

// The first design as a new user finds it (横罫 携+自+会+FAX(3行), 住所
// ticked) over the sample entries: lines step by the em they were sized for,
// so each entry's address lines stay above the next entry's rule.
TEST_F(PhoneBookPdf, DefaultDesignKeepsEveryEntryBetweenItsRules) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler tools are not installed";
  AddressWindow w;
  w.Form_Load();
  w.Cmb_bunrui->setCurrentIndex(1);
  w.Cmb_Type->setCurrentIndex(0);
  w.Chk_Jyusyo->setCheckState(Qt::Checked);
  w.Cmb_men->setCurrentIndex(w.Cmb_men->findText(QStringLiteral("表のみ")));
  const QString pdf = PrintToPdf(w, QStringLiteral("address_ruled_default.pdf"));
  ASSERT_EQ(PdfPageCount(pdf), 1);
  const std::vector<PdfWord> words = PdfWords(pdf);

  const double m = PaperSettings.PrintMargin;
  const double left = PaperSettings.PageLeft + m, right = PaperSettings.PageWidth + m;
  constexpr int kDpi = 300;
  const std::vector<double> rules = SolidRulesMm(RenderPdfPage(pdf, 1, kDpi), kDpi, left + 1, right - 1);
  ASSERT_GE(rules.size(), 8u);
  // The band between the rule above a y and the next one.
  auto bandOf = [&](double y) {
    for (size_t i = 0; i + 1 < rules.size(); ++i)
      if (y >= rules[i] && y < rules[i + 1]) return int(i);
    return -1;
  };
  const double em = PaperSettings.DefaultFontSize * 25.4 / 72;
  // Each entry by its name and the words its other lines print.
  const struct {
    const char* name;
    std::vector<const char*> rest;
  } entries[] = {
      {"自分の名前", {"わたしの店", ":090-0000-0000", ":03-0000-0000", "会:03-0000-0001", "〒100-0001", "ビル１Ｆ"}},
      {"おともだち", {":090-1234-5678", ":03-123-4567"}},
      {"時報", {":117"}},
      {"電話番号案内", {":104"}},
  };
  for (const auto& e : entries) {
    const PdfWord name = FindWord(words, QString::fromUtf8(e.name));
    ASSERT_EQ(name.page, 1) << e.name;
    const int band = bandOf(name.yMinMm);
    ASSERT_GE(band, 0) << e.name;
    for (const char* text : e.rest) {
      SCOPED_TRACE(std::string(e.name) + " / " + text);
      const PdfWord word = FindWord(words, QString::fromUtf8(text));
      ASSERT_EQ(word.page, 1);
      // Five lines of one em from 0.5 mm below the rule: the last ends no
      // lower than that, which the row height leaves a trace short of.
      EXPECT_GE(word.yMinMm, rules[band]);
      EXPECT_LE(word.yMaxMm, rules[band] + 0.5 + 5 * em + 0.05);
      EXPECT_EQ(bandOf((word.yMinMm + word.yMaxMm) / 2), band);
    }
  }
}

// No word of the ruled designs and the blank form crosses a rule: each
// design's rows hold the lines it counts for them, one em apiece. Nor does
// one run over the frame's right edge, the sample's five numbers on one
// line of 詰込(3行) included.
TEST_F(PhoneBookPdf, NoRuledDesignPrintsAcrossItsRules) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler tools are not installed";
  AddressWindow w;
  w.Form_Load();
  w.Cmb_bunrui->setCurrentIndex(1);
  w.Chk_Jyusyo->setCheckState(Qt::Checked);
  const double m = PaperSettings.PrintMargin;
  const double left = PaperSettings.PageLeft + m, right = PaperSettings.PageWidth + m;
  for (int design : {0, 1, 2, 3, 4, 5, 6, 7, 9, 11, 13}) {
    SCOPED_TRACE(design);
    w.Cmb_Type->setCurrentIndex(design);
    const int side = w.Cmb_men->findText(QStringLiteral("表のみ"));
    if (side >= 0) w.Cmb_men->setCurrentIndex(side);
    const QString pdf = PrintToPdf(w, QStringLiteral("address_ruled_%1.pdf").arg(design));
    ASSERT_GE(PdfPageCount(pdf), 1);
    constexpr int kDpi = 300;
    const std::vector<double> rules = SolidRulesMm(RenderPdfPage(pdf, 1, kDpi), kDpi, left + 1, right - 1);
    ASSERT_GE(rules.size(), 3u);
    int words = 0;
    for (const PdfWord& word : PdfWords(pdf)) {
      if (word.page != 1 || word.yMinMm < rules.front()) continue;
      ++words;
      for (double rule : rules)
        EXPECT_FALSE(rule > word.yMinMm + 0.3 && rule < word.yMaxMm - 0.3)
            << word.text.toStdString() << " " << word.yMinMm << "-" << word.yMaxMm << " rule " << rule;
      EXPECT_LE(word.xMaxMm, right) << word.text.toStdString();
    }
    EXPECT_GT(words, 0);
  }
}

// The other designs written out for a look; each comes out as one page.
TEST_F(PhoneBookPdf, FramedPackedPersonalAndPostcardPages) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler tools are not installed";
  const QStringList lines{"header",
                          "ｱｵｷ,c,青木 一郎,＊,070-1111-1111,03-1111-1111,0|0|,青木商事株式会社,06-1111-1111,100-0001,"
                          "東京都千代田区千代田1-1,千代田ビル3階,aoki@example.jp,備考です,備考2です,06-1111-2222,"
                          "1970/01/01,12,備考3の一行目\\n二行目,http://example.jp,部長",
                          "ｲﾄｳ,c,伊藤 二郎,じろう,090-2222-2222,,0|0|,,,,,,ito@example.jp",
                          "ｳｴﾀﾞ,c,上田 三郎,,,045-333-3333,0|0|,上田工業,045-333-0000,,,,,,,045-333-0001"};
  WriteBytes(homeFile("doZir.csv"), platform::ToSjis(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
  AddressWindow w;
  w.Form_Load();
  w.Cmb_bunrui->setCurrentIndex(1);
  w.Chk_Jyusyo->setCheckState(Qt::Checked);
  w.Chk_mail[1]->setCheckState(Qt::Checked);
  w.Txt_Kana->setText(QStringLiteral("ﾔﾏﾀﾞ"));
  w.Txt_Name->setText(QStringLiteral("山田 太郎"));
  w.Txt_Handle->setText(QStringLiteral("たろう"));
  w.Txt_Zip->setText(QStringLiteral("123-4567"));
  w.Txt_Address1->setText(QStringLiteral("東京都港区芝公園4-2-8"));
  w.Txt_Address2->setText(QStringLiteral("芝ビル201"));
  w.Txt_KaisyaName->setText(QStringLiteral("山田産業株式会社"));
  w.Txt_Tel->setText(QStringLiteral("090-1234-5678"));
  struct {
    int design;
    const char* side;
    const char* file;
    const char* word;
  } rows[] = {
      {8, "表のみ", "address_framed.pdf", "青木商事株式会社"},
      {10, "表のみ", "address_packed.pdf", "伊藤"},
      {14, "表面", "address_personal.pdf", "日付"},
      {17, "はがき", "address_postcard.pdf", "１"},
  };
  for (const auto& r : rows) {
    w.Cmb_Type->setCurrentIndex(r.design);
    w.Cmb_men->setCurrentIndex(w.Cmb_men->findText(QString::fromUtf8(r.side)));
    const QString pdf = PrintToPdf(w, QString::fromUtf8(r.file));
    EXPECT_EQ(PdfPageCount(pdf), 1) << r.file;
    EXPECT_EQ(FindWord(PdfWords(pdf), QString::fromUtf8(r.word)).page, 1) << r.file;
  }
}

// Long entries on paper, in the real font: 詰込(3行) with fax numbers of
// rising length, and the framed and a ruled design with every option line
// ticked. A number is printed whole or ends with the mark, and no word runs
// past the page's right edge.
TEST_F(PhoneBookPdf, LongEntriesKeepEveryDigitOnPaper) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler tools are not installed";
  QStringList lines{"header"};
  QStringList faxes;
  for (int i = 0; i < 16; ++i) {
    QString fax = QStringLiteral("07");
    for (int d = 0; d < 14 + i; ++d) fax += QChar(u'0' + (d * 3 + i) % 10);
    faxes << fax;
    lines << QStringLiteral(
                 "ｱ%1,c,長い名前の人%1号さん,,090-1234-5678-%1,03-9876-5432,0|0|,株式会社とても長い名前の会社%1,"
                 "06-1111-2222,100-0001,東京都千代田区千代田一丁目一番一号,千代田ビルディング１２３４号室,"
                 "someone.with.a.long.address%1@example.co.jp,備考の欄に書いたとても長い文章%1,備考2,%2")
                 .arg(QChar(u'ｱ' + i))
                 .arg(fax);
  }
  WriteBytes(homeFile("doZir.csv"), platform::ToSjis(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
  AddressWindow w;
  w.Form_Load();
  w.Cmb_bunrui->setCurrentIndex(1);
  const double m = PaperSettings.PrintMargin;
  const double right = PaperSettings.PageWidth + m;
  for (int design : {11, 0, 8}) {
    SCOPED_TRACE(design);
    w.Cmb_Type->setCurrentIndex(design);
    w.Cmb_type_Click();
    if (design != 11) {
      w.Chk_Jyusyo->setCheckState(Qt::Checked);
      for (QCheckBox* box : w.Chk_mail) box->setCheckState(Qt::Checked);
    }
    w.Cmb_men->setCurrentIndex(w.Cmb_men->findText(QStringLiteral("表のみ")));
    const QString pdf = PrintToPdf(w, QStringLiteral("address_long_%1.pdf").arg(design));
    ASSERT_GE(PdfPageCount(pdf), 1);
    const std::vector<PdfWord> words = PdfWords(pdf);
    for (const PdfWord& word : words) EXPECT_LE(word.xMaxMm, right + 0.2) << word.text.toStdString();
    if (design != 11) continue;
    for (const QString& fax : faxes) {
      bool whole = false, marked = false;
      for (const PdfWord& word : words) {
        if (word.text.contains(fax)) whole = true;
        if (word.text.endsWith(u'…') && word.text.contains(fax.left(6))) marked = true;
      }
      EXPECT_TRUE(whole || marked) << fax.toStdString();
    }
  }
}

}  // namespace
