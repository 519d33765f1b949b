// Ruled pages through the PDF printer, read back as a user would see them.
// The PDF files stay in the artefact folder.
#include <QCheckBox>
#include <QDate>
#include <cmath>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <optional>

#include "PdfReadBack.h"
#include "PdfPrinterFixture.h"
#include "core/platform/FileDialog.h"
#include "core/print/BinderMarks.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "ruled_photo/AgeTableRuler.h"
#include "ruled_photo/GoBoard.h"
#include "ruled_photo/KanjiList.h"
#include "ruled_photo/OnePointPage.h"
#include "ruled_photo/GridPaper.h"
#include "ruled_photo/HealthSheet.h"
#include "ruled_photo/LatticeSheet.h"
#include "ruled_photo/ProjectRiskSheets.h"
#include "ruled_photo/ShopListShogi.h"
#include "ruled_photo/ToDoSheets.h"
#include "ruled_photo/ManuscriptPaper.h"
#include "ruled_photo/MinutesSheets.h"
#include "ruled_photo/RuledPaperDesigns.h"
#include "ruled_photo/RuledPaperOptions.h"
#include "ruled_photo/windows/RuledPaperWindow.h"
#include "ruled_photo/RuledStaffPaper.h"
#include "core/dates/DateLists.h"

namespace {

constexpr int kDpi = 254;  // ten pixels to the millimetre

// Centre (sheet mm) of the dark pixels of a window of a rendered page, in y.
std::optional<double> DarkRowIn(const QImage& page, double x1, double x2, double y1, double y2) {
  const double px = kDpi / 25.4;
  double sum = 0, n = 0;
  for (int y = int(y1 * px); y <= int(y2 * px); ++y)
    for (int x = int(x1 * px); x <= int(x2 * px); ++x)
      if (page.valid(x, y) && qGray(page.pixel(x, y)) <= 128) sum += y + 0.5, n += 1;
  if (n == 0) return std::nullopt;
  return sum / n / px;
}

class RuledPdfTest : public PdfPrinterTest {
 protected:
  void SetUp() override {
    PdfPrinterTest::SetUp();
    CurrentLineColor = 0;
  }
  void TearDown() override {
    window_.reset();
    PdfPrinterTest::TearDown();
  }
  QString pdfNamed(const QString& name) { return pdfArtefact(QStringLiteral("ruled-") + name); }
  RuledPaperWindow& open() {
    window_ = std::make_unique<RuledPaperWindow>();
    window_->Form_Load();
    return *window_;
  }

  std::unique_ptr<RuledPaperWindow> window_;
};

TEST_F(RuledPdfTest, BlankSheetsCarryOnlyTheCutLines) {
  RuledPaperWindow& w = open();
  w.Cmb_Type->setCurrentRow(kDesignBlank);
  ASSERT_EQ(w.Cmb_men->currentText(), QStringLiteral("A4片面"));
  w.Txt_maisu->setText(QStringLiteral("2"));
  CurrentPrintJob().confirmPrompts = 0;
  const QString pdf = pdfNamed(QStringLiteral("blank"));
  w.Cmd_print->click();
  CurrentPrintJob().confirmPrompts = 1;
  ASSERT_EQ(PdfPageCount(pdf), 2);

  // The same marks drawn straight onto a sheet.
  const QString reference = pdfNamed(QStringLiteral("blank-reference"));
  ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  SetPrinterScaleMode(kScaleMillimetres);
  BeginPage();
  DrawBinderMarks(kLeftBoundPages);
  FinishOutput();
  EndPrintDocument();
  const QImage expected = RenderPdfPage(reference, 1, kDpi);
  for (int page = 1; page <= 2; ++page) {
    const QImage sheet = RenderPdfPage(pdf, page, kDpi);
    ASSERT_FALSE(sheet.isNull());
    EXPECT_LT(DarkMismatch(sheet, {0, 0}, expected, {0, 0}, {210, 297}, kDpi), 0.01) << page;
    QImage white(sheet.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_GT(DarkMismatch(sheet, {0, 0}, white, {0, 0}, {210, 297}, kDpi), 0.5);
  }
  EXPECT_TRUE(PdfWords(pdf).empty());
}

TEST_F(RuledPdfTest, RuledPaperWithClassifierAndCheckGlyphs) {
  RuledPaperWindow& w = open();
  w.Cmb_Type->setCurrentRow(kDesignRuled);
  w.cmb_bunruisen[0]->setCurrentIndex(1);
  w.Chk_checkL->setChecked(true);
  const QString pdf = pdfNamed(QStringLiteral("ruled"));
  w.Cmd_print->click();
  ASSERT_EQ(PdfPageCount(pdf), 1);
  const QImage page = RenderPdfPage(pdf, 1, kDpi);
  const double m = margin();
  // The dotted rules, away from the glyphs and the classifier line.
  for (int k : {0, 1, 5, 12, 21}) {
    SCOPED_TRACE(k);
    const double y = 9 + 6.5 * k + m;
    const std::optional<double> centre = DarkRowIn(page, 50 + m, 80 + m, y - 1.5, y + 1.5);
    ASSERT_TRUE(centre.has_value());
    EXPECT_NEAR(*centre, y, 0.2);
  }
  EXPECT_FALSE(DarkRowIn(page, 50 + m, 80 + m, 9 + 6.5 * 22 + 1 + m, 155 + m).has_value());
  // The classifier line, between a rule and the glyph under it.
  const double classifier = DarkColumnCentreMm(page, kDpi, 9 + 6.5 * 4 + 0.3 + m, 9 + 6.5 * 4 + 1.3 + m);
  EXPECT_NEAR(classifier, 24 + m, 0.2);
  int glyphs = 0;
  for (const PdfWord& word : PdfWords(pdf))
    if (word.text == QStringLiteral("□")) {
      ++glyphs;
      EXPECT_NEAR(word.xMinMm, 24 + m + HalfCharWidthMm(PaperSettings.DataFontSize), 0.5);
    }
  EXPECT_EQ(glyphs, 22);
}

TEST_F(RuledPdfTest, ToDoSheetWithTheDayHours) {
  RuledPaperWindow& w = open();
  w.Cmb_Type->setCurrentRow(kDesignToDo);
  ASSERT_EQ(w.Txt_KmkSu->text(), QStringLiteral("20"));
  ASSERT_EQ(w.Cmb_jikan->currentIndex(), 1);
  const QString pdf = pdfNamed(QStringLiteral("todo"));
  w.Cmd_print->click();
  ASSERT_EQ(PdfPageCount(pdf), 1);
  const double m = margin();
  const std::vector<PdfWord> words = PdfWords(pdf);
  const double hourHeight = (PaperSettings.DefaultFontSize - 2) * 25.4 / 72;
  for (int k = 0; k < 12; ++k) {
    SCOPED_TRACE(k);
    std::optional<PdfWord> label;
    for (const PdfWord& word : words)
      if (word.text == QString::number(8 + k) && word.xMinMm < 12 + m) label = word;
    ASSERT_TRUE(label.has_value());
    const double top = 9.5 + 145.0 / 12 * k + m;
    EXPECT_GT(label->yMaxMm, top);
    EXPECT_LT(label->yMinMm, top + hourHeight);
    EXPECT_NEAR((label->yMinMm + label->yMaxMm) / 2, top + hourHeight / 2, 0.6);
  }
  const double digitX = 28 + m + 2 * HalfCharWidthMm(PaperSettings.DefaultFontSize);
  int items = 0;
  for (const PdfWord& word : words)
    if (word.xMinMm > 27 + m && word.xMinMm < 36 + m && word.text.toInt() >= 1 && word.text.toInt() <= 9) {
      ++items;
      EXPECT_NEAR(word.xMinMm, digitX, 0.3) << word.text.toStdString();
    }
  EXPECT_EQ(items, 9);
  const PdfWord footer = FindWord(words, QStringLiteral("To-Do"));
  EXPECT_EQ(footer.page, 1);
  EXPECT_NEAR(footer.xMinMm, PaperSettings.PageLeft + m, 0.3);
}

TEST_F(RuledPdfTest, AgeTableOf2009) {
  SetScheduleToday(QDate(2009, 6, 1));
  RuledPaperWindow& w = open();
  w.Cmb_Type->setCurrentRow(kDesignAgeTable);
  w.Chk_rainen->setChecked(false);
  const QString pdf = pdfNamed(QStringLiteral("age-table"));
  w.Cmd_print->click();
  SetScheduleToday(QDate());
  ASSERT_EQ(PdfPageCount(pdf), 1);
  const double m = margin();
  const std::vector<PdfWord> words = PdfWords(pdf);
  const double top = 9 + 147.0 / 102 + m;
  const double height = PaperSettings.DataFontSize * 0.95 * 25.4 / 72;
  for (const auto& [first, x] : {std::pair{QStringLiteral("平成21"), 8.0}, std::pair{QStringLiteral("昭和34"), 48.0}}) {
    SCOPED_TRACE(first.toStdString());
    const PdfWord era = FindWord(words, first);
    ASSERT_EQ(era.page, 1);
    // The word before the era is the age: "00" and "50" start each column.
    std::optional<PdfWord> age;
    for (const PdfWord& word : words)
      if (std::abs(word.yMinMm - era.yMinMm) < 0.5 && word.xMaxMm <= era.xMinMm + 0.1 &&
          (!age || word.xMinMm > age->xMinMm))
        age = word;
    ASSERT_TRUE(age.has_value());
    EXPECT_EQ(age->text, x == 8.0 ? QStringLiteral("00") : QStringLiteral("50"));
    EXPECT_NEAR(age->xMinMm, x + m, 0.3);
    EXPECT_NEAR((age->yMinMm + age->yMaxMm) / 2, top + height / 2, 0.6);
  }
  EXPECT_EQ(FindWord(words, QStringLiteral("丑")).page, 1);
}

// The kanji list pages as many rows of one line height as fit the body: the
// pages and the key each starts with follow from that count alone, with the
// kanji as wide as layout counts them, on paper as on any surface.
TEST_F(RuledPdfTest, KanjiListPagesByItsRowCount) {
  RuledPaperWindow& w = open();
  w.Cmb_Type->setCurrentRow(kDesignKanji);
  const QString pdf = pdfNamed(QStringLiteral("kanji"));
  w.Cmd_print->click();

  const PaperSettingsData& p = PaperSettings;
  const double half = HalfCharWidthMm(p.DataFontSize);
  const int maxRows = int(std::trunc((p.FootHeight - p.DataHeight - 1) / (2 * half))) - 1;
  const double textWidth = p.PageWidth - (p.PageLeft + 6 * half);
  QStringList firstKeys;
  int rows = maxRows;  // the first line opens the first page
  for (const QString& line : KanjiListLines()) {
    if (line.isEmpty()) break;
    const int need = line == QStringLiteral("---")
                         ? 1
                         : int(std::ceil(2 * half * (line.size() - 3) / textWidth - 1e-6));
    rows += need;
    if (rows > maxRows) {
      firstKeys << line.left(3);
      rows = need;
    }
  }
  ASSERT_GT(firstKeys.size(), 2);
  ASSERT_EQ(PdfPageCount(pdf), firstKeys.size());

  // The first key of each page stands at the top of its body.
  const double m = margin();
  const std::vector<PdfWord> words = PdfWords(pdf);
  for (int page = 1; page <= int(firstKeys.size()); ++page) {
    SCOPED_TRACE(page);
    std::optional<PdfWord> top;
    for (const PdfWord& word : words)
      if (word.page == page && word.yMinMm > p.DataHeight + m && word.xMinMm < p.PageLeft + m + 1 &&
          (!top || word.yMinMm < top->yMinMm))
        top = word;
    ASSERT_TRUE(top.has_value());
    const QString key = firstKeys[page - 1];
    if (key == QStringLiteral("---")) continue;  // an empty first row
    // A one-kana key stands apart from its colon, after the full-width blank.
    const QString reading = key.left(2).remove(u'　');
    EXPECT_TRUE(top->text == reading || top->text.startsWith(reading + u'：')) << top->text.toStdString();
    EXPECT_NEAR(top->yMinMm, p.DataHeight + 1 + m, 0.5) << key.toStdString();
  }
}

// Every page design of these drawers on a sheet of its own, for looking at.
// At the A5 size two pages across a side are 2 × 140 mm less a binding
// margin wide: they lie on A4 turned, as the settings form tells users to
// load it, with the right page on the sheet and not on an A3 sheet's middle.
TEST_F(RuledPdfTest, TwoA5PagesAcrossGoOntoA4Turned) {
  PaperSettings.PaperIndex = 6;
  LoadPaperSettings(6);
  ASSERT_EQ(PaperSettings.PageWidth, 140);
  const double m = margin();
  struct Row {
    int design;
    const char* side;
    const char* name;
  } rows[] = {
      {kDesignHealth, "A4両面", "a5-health-both"},
      {kDesignShopList, "A4両面", "a5-shoplist-both"},
      {kDesignManuscript, "A4片面", "a5-manuscript-one"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    RuledPaperWindow& w = open();
    w.Cmb_Type->setCurrentRow(r.design);
    w.Cmb_men->setCurrentText(QString::fromUtf8(r.side));
    ASSERT_EQ(w.Cmb_men->currentText(), QString::fromUtf8(r.side));
    w.Txt_maisu->setText(QStringLiteral("1"));
    CurrentPrintJob().confirmPrompts = 0;
    const QString pdf = pdfNamed(QString::fromLatin1(r.name));
    w.Cmd_print->click();
    CurrentPrintJob().confirmPrompts = 1;
    EXPECT_TRUE(messages().texts().isEmpty()) << messages().texts().join('|').toStdString();
    const std::vector<PdfPageSize> sizes = PdfPageSizes(pdf);
    ASSERT_FALSE(sizes.empty());
    for (const PdfPageSize& size : sizes) {
      EXPECT_NEAR(size.widthMm, 297, 0.5);
      EXPECT_NEAR(size.heightMm, 210, 0.5);
    }
    // The right page ends at the usable width, PrintMargin inside the sheet.
    const QImage page = RenderPdfPage(pdf, 1, kDpi);
    QRect ink;
    for (int y = 0; y < page.height(); ++y)
      for (int x = 0; x < page.width(); ++x)
        if (qGray(page.pixel(x, y)) <= 128) ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT((ink.right() + 1) / 10.0, 297 - m - 8) << "the right page";
    EXPECT_LE((ink.right() + 1) / 10.0, 297 - m + 0.3);
    EXPECT_LT(ink.left() / 10.0, 297 / 2.0 - 20) << "the left page";
    messages().clear();
  }
}

// One-sided sheets of two pages at the bible size are drawn for upright A4:
// the right page against the right edge beside the first, and the blank
// page's cut lines below them, whole on the sheet. At the A5 size the two
// pages lie across A4 turned.
TEST_F(RuledPdfTest, OneSidedSheetsLieOnThePaperTheyAreDrawnFor) {
  struct Row {
    int size;
    int design;
    const char* name;
  } rows[] = {
      {0, kDesignManuscript, "bible-manuscript-one"},
      {0, kDesignGraph, "bible-graph-one"},
      {0, kDesignBlank, "bible-blank-one"},
      {6, kDesignManuscript, "a5-manuscript-one-sided"},
      {6, kDesignGraph, "a5-graph-one"},
      {6, kDesignBlank, "a5-blank-one"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    LoadPaperSettings(r.size);
    PaperSettings.PaperIndex = int16_t(r.size);
    const double m = margin();
    RuledPaperWindow& w = open();
    w.Cmb_Type->setCurrentRow(r.design);
    w.Cmb_men->setCurrentText(QStringLiteral("A4片面"));
    w.Txt_maisu->setText(QStringLiteral("1"));
    const QString pdf = pdfNamed(QString::fromLatin1(r.name));
    w.Cmd_print->click();
    EXPECT_TRUE(messages().texts().isEmpty()) << messages().texts().join('|').toStdString();
    const std::vector<PdfPageSize> sizes = PdfPageSizes(pdf);
    ASSERT_EQ(sizes.size(), 1u);
    const bool bible = r.size == 0;
    EXPECT_NEAR(sizes[0].widthMm, bible ? 210 : 297, 0.5);
    EXPECT_NEAR(sizes[0].heightMm, bible ? 297 : 210, 0.5);
    if (bible) {
      // The blank page's bottom cut line, H + W + 7 below the origin.
      const double y = PaperSettings.PageHeight + PaperSettings.PageWidth + 7 + m;
      const std::optional<double> bottom = DarkRowIn(RenderPdfPage(pdf, 1, kDpi), 20 + m, 150 + m, y - 1.5, y + 1.5);
      ASSERT_TRUE(bottom.has_value());
      EXPECT_NEAR(*bottom, y, 0.3);
    }
    messages().clear();
  }
}

TEST_F(RuledPdfTest, GalleryOfTheDesigns) {
  PaperSettings.TitleStyle = 1;
  const QString pdf = pdfNamed(QStringLiteral("gallery"));
  ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  SetPrinterScaleMode(kScaleMillimetres);
  const double l = PaperSettings.PageLeft, r = PaperSettings.PageWidth;
  const double S = GetScaleWidth();
  const double cl = S - PaperSettings.PageWidth + PaperSettings.PageLeft, cr = S - 0.2;
  int sheets = 0;
  auto sheet = [&](const std::function<void(RuledPaperOptions&, double, double)>& left,
                   const std::function<void(RuledPaperOptions&, double, double)>& right) {
    BeginPage();
    RuledPaperOptions a, b;
    a.Txt_Title = b.Txt_Title = QStringLiteral("見本");
    a.chk_hizuke_visible = b.chk_hizuke_visible = true;
    a.chk_hizuke = b.chk_hizuke = 1;
    left(a, l, r);
    right(b, cl, cr);
    FinishOutput();
    ++sheets;
  };
  sheet([](auto& o, double a, double b) { DrawGridPaper(o, QStringLiteral("H"), 5, 1, 1, a, b); },
        [](auto& o, double a, double b) { DrawGridPaper(o, QStringLiteral("D"), 5, 0, 1, a, b); });
  sheet([](auto& o, double a, double b) { DrawGridPaper(o, QStringLiteral("H2"), 3, 0, 1, a, b); },
        [](auto& o, double a, double b) {
          o.cmb_bunruisen[0] = 2;
          o.cmb_bunruisen[1] = 2;
          o.Chk_checkL = 1;
          DrawRuledPaper(o, 5, a, b);
        });
  sheet([](auto& o, double a, double b) {
          o.Chk_Tatekei = 1;
          DrawRuledPaper(o, 5, a, b);
        },
        [](auto& o, double a, double b) { DrawStaffPaper(o, a, b); });
  sheet([](auto& o, double a, double b) {
          o.chk_5yoko = 1;
          DrawStaffPaper(o, a, b);
        },
        [](auto& o, double a, double b) {
          o.Opt_genko_type = 0;
          DrawManuscriptPaper(o, a, b);
        });
  sheet([](auto& o, double a, double b) {
          o.Opt_genko_type = 1;
          DrawManuscriptPaper(o, a, b);
        },
        [](auto& o, double a, double b) { DrawManuscriptPaper(o, a, b); });
  sheet([](auto& o, double a, double b) { DrawGoBoard(o, a, b); },
        [](auto& o, double a, double b) {
          o.Opt_igo_masume = 2;
          DrawGoBoard(o, a, b);
        });
  sheet([](auto& o, double a, double b) { DrawMinutesSheet(o, 1, a, b); },
        [](auto& o, double a, double b) { DrawMinutesSheet(o, 2, a, b); });
  sheet([](auto& o, double a, double b) {
          QDate start(2009, 3, 11);
          o.Cmb_kenko = 1;
          o.chk_kenko_hosuu = o.chk_kenko_seikatu = o.Chk_kenko_taijyu_grapth = o.Chk_kenko_ketuatu = 1;
          DrawHealthSheet(o, a, b, start);
        },
        [](auto& o, double a, double b) {
          o.Txt_KmkSu = QStringLiteral("20");
          DrawToDoSheet(o, 1, a, b);
        });
  sheet([](auto& o, double a, double b) { DrawWideToDoSheet(o, a, b); },
        [](auto& o, double a, double b) {
          o.cmb_kosi = 4;
          o.txt_kosi = QStringLiteral("新しい手帳の作り方");
          DrawLatticeSheet(o, a, b);
        });
  sheet([](auto& o, double a, double b) {
          o.Chk_pro_cost = 1;
          DrawProjectSheet(o, a, b);
        },
        [](auto& o, double a, double b) { DrawRiskSheet(o, a, b); });
  sheet([](auto& o, double a, double b) {
          int32_t shops = 3;
          DrawShopList(o, shops, a, b);
        },
        [](auto& o, double a, double b) {
          o.txt_syougi_title = QStringLiteral("第一局");
          o.txt_syougi_biko = QStringLiteral("先手　山田\r\n後手　田中");
          DrawShogiBoard(o, a, b);
        });
  sheet([](auto& o, double a, double b) { DrawAgeTable(o, 2026, a, b); },
        [](auto& o, double a, double b) {
          o.Txt_Title = QStringLiteral("物差し");
          DrawRulerPage(o, a, b);
        });
  sheet([](auto& o, double a, double b) {
          int16_t page = 1;
          DrawKanjiList(o, page, a, b);
        },
        [](auto& o, double a, double b) {
          o.Picture1 = QImage(64, 48, QImage::Format_RGB32);
          o.Picture1.fill(Qt::darkCyan);
          DrawImagePage(o, a, b);
        });
  sheet([](auto& o, double a, double b) { DrawStickyNoteToDoSheet(o, a, b); },
        [](auto& o, double a, double b) {
          o.Opt_igo_masume = 1;
          DrawGoBoard(o, a, b);
        });
  EndPrintDocument();
  EXPECT_EQ(PdfPageCount(pdf), sheets);
}

}  // namespace
