// The pocket-book template through the PDF printer, read back. The PDF stays
// in the artefact folder.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QListWidget>

#include "PdfReadBack.h"
#include "TablePage.h"
#include "tables_cards/windows/TableWindow.h"
#include "PdfPrinterFixture.h"
#include "core/platform/FileDialog.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"

namespace {

class TablePdfTest : public PdfPrinterTest {};

TEST_F(TablePdfTest, PocketBookOnTheFrontOnly) {
  TableWindow w;
  w.Form_Load();
  w.cmb_type->setCurrentRow(3);
  w.Cmb_men->setCurrentIndex(2);
  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/table-pocketbook.pdf");
  QFile::remove(pdf);
  platform::SetFileDialogHandler([pdf](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  w.Cmd_print_Click();
  ASSERT_EQ(PdfPageCount(pdf), 1);
  const std::vector<PdfWord> words = PdfWords(pdf);
  EXPECT_FALSE(FindWord(words, "小遣い帳").text.isEmpty());
  const TableColumns columns = LayTableColumns(w.Options(), PaperSettings.PageLeft, PaperSettings.PageWidth);
  const struct {
    const char* text;
    int column;
  } totals[] = {{"20,000", 2}, {"2,600", 3}, {"54,000", 4}};
  for (const auto& t : totals) {
    const PdfWord word = FindWord(words, t.text);
    ASSERT_FALSE(word.text.isEmpty()) << t.text;
    EXPECT_NEAR(word.xMaxMm, columns.edges[t.column + 1] - 0.5 + PaperSettings.PrintMargin, 0.3) << t.text;
  }
}

}  // namespace

namespace {

TEST_F(TablePdfTest, RubbishDaysAreCentredUnderTheirDays) {
  TableWindow w;
  w.Form_Load();
  w.cmb_type->setCurrentRow(33);
  w.Cmb_men->setCurrentIndex(2);
  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/table-rubbish.pdf");
  QFile::remove(pdf);
  platform::SetFileDialogHandler([pdf](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  w.Cmd_print_Click();
  ASSERT_EQ(PdfPageCount(pdf), 1);
  const std::vector<PdfWord> words = PdfWords(pdf);
  const TableColumns columns = LayTableColumns(w.Options(), PaperSettings.PageLeft, PaperSettings.PageWidth);
  const PdfWord mark = FindWord(words, "○");
  ASSERT_FALSE(mark.text.isEmpty());
  const double centre = (mark.xMinMm + mark.xMaxMm) / 2 - PaperSettings.PrintMargin;
  EXPECT_NEAR(centre, (columns.edges[1] + columns.edges[2]) / 2, 0.3);
  EXPECT_FALSE(FindWord(words, "月").text.isEmpty());
  EXPECT_TRUE(FindWord(words, "月@CENTER").text.isEmpty());
}

}  // namespace

namespace {

TEST_F(TablePdfTest, TravelLogTurnedOnTheFrontOnly) {
  TableWindow w;
  w.Form_Load();
  w.cmb_type->setCurrentRow(12);
  ASSERT_TRUE(w.Chk_yoko->isChecked());
  w.Cmb_men->setCurrentIndex(2);
  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/table-travel-log.pdf");
  QFile::remove(pdf);
  platform::SetFileDialogHandler([pdf](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  w.Cmd_print_Click();
  ASSERT_EQ(PdfPageCount(pdf), 1);
  const std::vector<PdfWord> words = PdfWords(pdf);
  const double m = PaperSettings.PrintMargin;
  // Turned words are taller than wide and start (at their bottom) where the
  // layout puts them.
  const struct {
    const char* text;
    double x, y;
  } turned[] = {{"Date", 9, 155}, {"5/1", 15.5, 155.5}};
  for (const auto& t : turned) {
    const PdfWord word = FindWord(words, t.text);
    ASSERT_FALSE(word.text.isEmpty()) << t.text;
    EXPECT_GT(word.yMaxMm - word.yMinMm, word.xMaxMm - word.xMinMm) << t.text;
    EXPECT_NEAR(word.xMinMm, t.x + m, 0.5) << t.text;
    EXPECT_NEAR(word.yMaxMm, t.y + m, 0.5) << t.text;
  }
  const PdfWord title = FindWord(words, "Mortor");
  ASSERT_FALSE(title.text.isEmpty());
  EXPECT_GT(title.xMaxMm - title.xMinMm, title.yMaxMm - title.yMinMm);
  EXPECT_LT(title.yMaxMm, PaperSettings.DataHeight + m);
}

}  // namespace
