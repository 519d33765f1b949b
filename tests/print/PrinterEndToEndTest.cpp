// Real printing: a job through the PDF printer and through a CUPS queue of
// the cups-pdf driver, read back from the PDF files.
#include <QDir>
#include <QFile>
#include <QProcess>

#include "EndToEndSupport.h"
#include "PdfReadBack.h"
#include "PrintTestSupport.h"
#include "core/platform/FileDialog.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/printer/PrinterSurface.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "core/ui/PrinterSetup.h"

namespace {

constexpr int kDpi = 254;  // ten pixels per millimetre

class PrinterEndToEndTest : public PrintTest {
 protected:
  void SetUp() override {
    PrintTest::SetUp();
    useRealSurfaces();
    if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext, pdftoppm) are not installed";
  }
  void TearDown() override {
    platform::SetFileDialogHandler({});
    SetPrinterSetupHandler({});
    PrintTest::TearDown();
  }

  // A two-page job on the chosen printer.
  void printTwoPages(const QString& printerName, bool checkBox) {
    answerDialog({1, checkBox, printerName});
    ASSERT_TRUE(PrintTwoEndToEndPages());
  }

  // Page n of the PDF holds the test page, offset by the printable area.
  void expectTestPage(const QString& pdf, int pdfPage, int n, double leftMm, double topMm) {
    SCOPED_TRACE(pdf.toStdString() + " page " + std::to_string(pdfPage));
    const std::vector<PdfPageSize> sizes = PdfPageSizes(pdf);
    ASSERT_GE(int(sizes.size()), pdfPage);
    EXPECT_NEAR(sizes[pdfPage - 1].widthMm, 210, 0.5);
    EXPECT_NEAR(sizes[pdfPage - 1].heightMm, 297, 0.5);

    const QImage image = RenderPdfPage(pdf, pdfPage, kDpi);
    ASSERT_FALSE(image.isNull());
    EXPECT_NEAR(DarkColumnCentreMm(image, kDpi, topMm + 30, topMm + 55), leftMm + 10, 0.1);
    EXPECT_NEAR(DarkRowCentreMm(image, kDpi, leftMm + 60, leftMm + 95), topMm + 20, 0.1);
  }

  // The text of the test page, read as text.
  void expectTestWord(const QString& pdf, int pdfPage, int n, double leftMm, double topMm) {
    std::vector<PdfWord> onPage;
    for (const PdfWord& word : PdfWords(pdf))
      if (word.page == pdfPage) onPage.push_back(word);
    const PdfWord word = FindWord(onPage, QStringLiteral("RINGPADP%1").arg(n));
    ASSERT_EQ(word.page, pdfPage) << "word missing on page " << pdfPage;
    EXPECT_NEAR(word.xMinMm, leftMm + 30, 0.2);
    EXPECT_NEAR(word.yMinMm, topMm + 80, 0.5);
    // The layout model: 9 half-width characters of 12 points.
    EXPECT_NEAR(word.xMaxMm - word.xMinMm, 9 * 12 / 5.67, 0.3);
  }

  // A PDF printer file of the two test pages with a PrintMargin of 0.
  QString referencePdf() {
    const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/cups-reference.pdf");
    QFile::remove(pdf);
    const int16_t margin = PaperSettings.PrintMargin;
    PaperSettings.PrintMargin = 0;
    platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
    printTwoPages(kPdfPrinterName, false);
    PaperSettings.PrintMargin = margin;
    messages().clear();
    return pdf;
  }

  // The converting driver keeps no text layer worth reading, so the word is
  // compared as drawn with the one of the reference file.
  void expectSameWordAsReference(const QString& pdf, int pdfPage, const QString& reference,
                                 int referencePage, double leftMm, double topMm) {
    const QImage page = RenderPdfPage(pdf, pdfPage, kDpi);
    const QImage ref = RenderPdfPage(reference, referencePage, kDpi);
    const QSizeF window(25, 8);
    EXPECT_LT(DarkMismatch(page, {leftMm + 29, topMm + 79}, ref, {29, 79}, window, kDpi), 0.02);
    // and the other page's word would not do
    const QImage other = RenderPdfPage(reference, 3 - referencePage, kDpi);
    EXPECT_GT(DarkMismatch(page, {leftMm + 29, topMm + 79}, other, {29, 79}, window, kDpi), 0.02);
  }
};

TEST_F(PrinterEndToEndTest, PdfPrinterWritesTheWholeJobIntoOneFile) {
  // The default margin: the PDF writer would round it to whole points.
  PaperSettings.PrintMargin = 3;
  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/pdf-printer-job.pdf");
  QFile::remove(pdf);
  int asked = 0;
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest& request) {
    ++asked;
    EXPECT_FALSE(request.open);
    return std::optional<QString>(pdf);
  });
  // One document per page (the check box on): still one file of two pages.
  printTwoPages(kPdfPrinterName, true);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(messages().texts().isEmpty()) << "a PDF file has no paper to load";
  ASSERT_TRUE(QFile::exists(pdf));
  EXPECT_EQ(PdfPageCount(pdf), 2);
  expectTestPage(pdf, 1, 1, 3, 3);
  expectTestPage(pdf, 2, 2, 3, 3);
  expectTestWord(pdf, 1, 1, 3, 3);
  expectTestWord(pdf, 2, 2, 3, 3);
  EXPECT_NEAR(ThePrinter().scaleWidth(), 210 - 2 * 3, 0.01);
}

TEST_F(PrinterEndToEndTest, PdfPrinterCancelledFileDialogPrintsNothing) {
  platform::SetFileDialogHandler([](const platform::FileDialogRequest&) { return std::nullopt; });
  printTwoPages(kPdfPrinterName, false);
  EXPECT_TRUE(messages().texts().isEmpty());
  // The next job asks again.
  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/pdf-after-cancel.pdf");
  QFile::remove(pdf);
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  printTwoPages(kPdfPrinterName, false);
  EXPECT_EQ(PdfPageCount(pdf), 2);
}

TEST_F(PrinterEndToEndTest, PdfPrinterLandscapePages) {
  PaperSettings.PrintMargin = 5;
  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/pdf-printer-landscape.pdf");
  QFile::remove(pdf);
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  answerDialog({1, false, kPdfPrinterName});
  ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  SetPrinterOrientation(kLandscape);
  SetPrinterScaleMode(kScaleMillimetres);
  EXPECT_NEAR(GetScaleWidth(), 287 - 0.5, 0.01);
  BeginPage();
  DrawEndToEndPage(1);
  FinishOutput();
  EndPrintDocument();
  const std::vector<PdfPageSize> sizes = PdfPageSizes(pdf);
  ASSERT_EQ(sizes.size(), 1u);
  EXPECT_NEAR(sizes[0].widthMm, 297, 0.5);
  EXPECT_NEAR(sizes[0].heightMm, 210, 0.5);
  expectTestWord(pdf, 1, 1, 5, 5);
  EXPECT_NEAR(GetScaleWidth(), 200 - 0.5, 0.01);  // portrait again after the job
}

TEST_F(PrinterEndToEndTest, CupsQueuePrintsOneJobOrOneJobPerPage) {
  const QString why = CupsUnavailableReason();
  if (!why.isEmpty()) GTEST_SKIP() << why.toStdString();
  double left = 0, top = 0;
  ASSERT_TRUE(QueueImageableOrigin(&left, &top));
  // The pages land PrintMargin in, as on the PDF printer, or at the queue's
  // printable edge where that lies further in.
  left = std::max<double>(PaperSettings.PrintMargin, left);
  top = std::max<double>(PaperSettings.PrintMargin, top);
  const QString reference = referencePdf();
  ASSERT_EQ(PdfPageCount(reference), 2);

  // Check box off: one document of two pages.
  QStringList before = PdfFilesIn(CupsPdfFolder());
  printTwoPages(kTestQueue, false);
  QStringList made = WaitForNewPdfs(before, 1);
  ASSERT_EQ(made.size(), 1);
  EXPECT_EQ(PdfPageCount(made[0]), 2);
  expectTestPage(made[0], 1, 1, left, top);
  expectTestPage(made[0], 2, 2, left, top);
  expectSameWordAsReference(made[0], 1, reference, 1, left, top);
  expectSameWordAsReference(made[0], 2, reference, 2, left, top);
  QFile::remove(made[0]);

  // Check box on: every page is a job of its own.
  before = PdfFilesIn(CupsPdfFolder());
  printTwoPages(kTestQueue, true);
  made = WaitForNewPdfs(before, 2);
  ASSERT_EQ(made.size(), 2);
  EXPECT_EQ(PdfPageCount(made[0]), 1);
  EXPECT_EQ(PdfPageCount(made[1]), 1);
  expectTestPage(made[0], 1, 1, left, top);
  expectTestPage(made[1], 1, 2, left, top);
  expectSameWordAsReference(made[0], 1, reference, 1, left, top);
  expectSameWordAsReference(made[1], 1, reference, 2, left, top);
  for (const QString& file : made) QFile::remove(file);
}

// A page drawn against the far edges, as the right page of two across a
// sheet is: a rule 10 mm left of the usable width and one 10 mm above the
// usable height. On a queue that can print the whole sheet they must land
// where the PDF printer puts them, PrintMargin inside the far edges, as the
// near edges do.
TEST_F(PrinterEndToEndTest, PagesSetAgainstTheFarEdgesLandAsOnThePdfPrinter) {
  const QString why = CupsUnavailableReason();
  if (!why.isEmpty()) GTEST_SKIP() << why.toStdString();
  PaperSettings.PrintMargin = 3;
  const auto printFarEdgePage = [&](const QString& printerName) {
    answerDialog({1, false, printerName});
    ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
    SetPrinterScaleMode(kScaleMillimetres);
    BeginPage();
    SetDrawWidth(5);
    SetDrawStyle(0);
    const float right = GetScaleWidth() - 10, bottom = GetScaleHeight() - 10;
    ActiveSurface().line(right, 30, right, 60, 0);
    ActiveSurface().line(60, bottom, 100, bottom, 0);
    CurrentPrintJob().pageUsed = 1;
    FinishOutput();
    EndPrintDocument();
  };
  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/far-edges-pdf-printer.pdf");
  QFile::remove(pdf);
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  printFarEdgePage(kPdfPrinterName);
  const QStringList before = PdfFilesIn(CupsPdfFolder());
  printFarEdgePage(kTestQueue);
  const QStringList made = WaitForNewPdfs(before, 1);
  ASSERT_EQ(made.size(), 1);

  // The usable width and height end PrintMargin inside the paper; the
  // scale's width is half a millimetre short of it.
  const QImage reference = RenderPdfPage(pdf, 1, kDpi);
  EXPECT_NEAR(DarkColumnCentreMm(reference, kDpi, 35, 60), 210 - 3 - 0.5 - 10, 0.15);
  EXPECT_NEAR(DarkRowCentreMm(reference, kDpi, 65, 100), 297 - 3 - 10, 0.15);
  double left = 0, top = 0;
  ASSERT_TRUE(QueueImageableOrigin(&left, &top));
  if (left <= 3 && top <= 3) {
    const QImage queued = RenderPdfPage(made[0], 1, kDpi);
    EXPECT_NEAR(DarkColumnCentreMm(queued, kDpi, 35, 60), DarkColumnCentreMm(reference, kDpi, 35, 60), 0.15);
    EXPECT_NEAR(DarkRowCentreMm(queued, kDpi, 65, 100), DarkRowCentreMm(reference, kDpi, 65, 100), 0.15);
  }
  QFile::remove(made[0]);
}

// The rectangle of a rendered page's dark pixels.
QRect DarkBounds(const QImage& page) {
  QRect bounds;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (qGray(page.pixel(x, y)) <= 128) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

// Sets the queue's default media in CUPS for one test and puts A4 back.
class QueueDefaultMedia {
 public:
  explicit QueueDefaultMedia(const QString& pageSize) { ok_ = set(pageSize); }
  ~QueueDefaultMedia() { set(QStringLiteral("A4")); }
  bool ok() const { return ok_; }

 private:
  static bool set(const QString& pageSize) {
    return QProcess::execute(QStringLiteral("lpadmin"),
                             {QStringLiteral("-p"), kTestQueue, QStringLiteral("-o"),
                              QStringLiteral("PageSize=") + pageSize}) == 0;
  }
  bool ok_ = false;
};

TEST_F(PrinterEndToEndTest, CupsQueuePrintsOnItsDefaultMediaOrOnWhatPrinterSetupChose) {
  const QString why = CupsUnavailableReason();
  if (!why.isEmpty()) GTEST_SKIP() << why.toStdString();
  QueueDefaultMedia letter(QStringLiteral("Letter"));
  if (!letter.ok()) GTEST_SKIP() << "the queue's default media cannot be changed here";
  PaperSettings.PaperIndex = 0;  // a bible page fits Letter and A4 landscape alike
  PaperSettings.PageWidth = 88;
  PaperSettings.PageHeight = 167;

  QStringList before = PdfFilesIn(CupsPdfFolder());
  printTwoPages(kTestQueue, true);
  EXPECT_EQ(messages().texts().size(), 1) << "a queue still asks for the next sheet";
  QStringList made = WaitForNewPdfs(before, 2);
  ASSERT_EQ(made.size(), 2);
  for (const QString& file : made) {
    const std::vector<PdfPageSize> sizes = PdfPageSizes(file);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_NEAR(sizes[0].widthMm, 215.9, 0.5);
    EXPECT_NEAR(sizes[0].heightMm, 279.4, 0.5);
    QFile::remove(file);
  }

  SetPrinterSetupHandler([](QWidget*, PrinterSetupChoice& choice) -> int16_t {
    EXPECT_EQ(choice.printer, kTestQueue);
    EXPECT_TRUE(choice.paper.size.isEquivalentTo(QPageSize(QPageSize::Letter)));
    choice.paper = PaperChoice{QPageSize(QPageSize::A4), 2, 0};
    return 1;
  });
  ShowPrinterSetup(nullptr);
  before = PdfFilesIn(CupsPdfFolder());
  printTwoPages(kTestQueue, false);
  made = WaitForNewPdfs(before, 1);
  ASSERT_EQ(made.size(), 1);
  // The converting driver feeds landscape A4 the long way, as a printer
  // does: an A4 page whose drawing is turned, the 90 mm rule upright.
  const std::vector<PdfPageSize> sizes = PdfPageSizes(made[0]);
  ASSERT_EQ(sizes.size(), 2u);
  for (int page = 1; page <= 2; ++page) {
    EXPECT_NEAR(std::min(sizes[page - 1].widthMm, sizes[page - 1].heightMm), 210, 0.5);
    EXPECT_NEAR(std::max(sizes[page - 1].widthMm, sizes[page - 1].heightMm), 297, 0.5);
    const QRect ink = DarkBounds(RenderPdfPage(made[0], page, kDpi));
    EXPECT_GT(ink.height(), ink.width()) << "page " << page << " is not turned";
    EXPECT_NEAR(std::max(ink.width(), ink.height()) / 10.0, 90, 3);
  }
  QFile::remove(made[0]);
}

TEST_F(PrinterEndToEndTest, CupsQueueWarnsWhenTheSheetIsLargerThanThePaper) {
  const QString why = CupsUnavailableReason();
  if (!why.isEmpty()) GTEST_SKIP() << why.toStdString();
  PaperSettings.PaperIndex = 0;
  PaperSettings.PageWidth = 88;
  PaperSettings.PageHeight = 167;
  SetPrinterSetupHandler([](QWidget*, PrinterSetupChoice& choice) -> int16_t {
    choice.printer = kTestQueue;  // chosen in the dialog
    choice.paper = PaperChoice{QPageSize(QPageSize::A6), 1, 0};
    return 1;
  });
  ShowPrinterSetup(nullptr);
  messages().answer(platform::MsgResult::Cancel);
  printTwoPages(kTestQueue, true);
  ASSERT_EQ(messages().texts().size(), 1) << "the warning only: a stopped job asks nothing more";
  EXPECT_TRUE(messages().texts()[0].contains(QStringLiteral("バイブル 91×170mm")));
  EXPECT_TRUE(messages().texts()[0].contains(QStringLiteral("A6縦 105×148mm")));
  EXPECT_FALSE(ThePrinter().jobOutputOpen());
}

TEST_F(PrinterEndToEndTest, PdfPrinterPutsTheA3SizeOnA3Paper) {
  PaperSettings.PrintMargin = 3;
  PaperSettings.PaperIndex = 11;  // the A3 size, 290 × 400 mm
  PaperSettings.PageWidth = 290;
  PaperSettings.PageHeight = 397;
  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/pdf-printer-a3.pdf");
  QFile::remove(pdf);
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  answerDialog({1, true, kPdfPrinterName});
  ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  SetPrinterScaleMode(kScaleMillimetres);
  BeginPage();
  DrawEndToEndPage(1);
  // A word at the far corner of the page: on A4 it would be cut off.
  SetCurrentX(250);
  SetCurrentY(385);
  ActiveSurface().print(QStringLiteral("FARCORNER"), false);
  FinishOutput();
  EndPrintDocument();
  EXPECT_TRUE(messages().texts().isEmpty());
  const std::vector<PdfPageSize> sizes = PdfPageSizes(pdf);
  ASSERT_EQ(sizes.size(), 1u);
  EXPECT_NEAR(sizes[0].widthMm, 297, 0.5);
  EXPECT_NEAR(sizes[0].heightMm, 420, 0.5);
  const PdfWord corner = FindWord(PdfWords(pdf), QStringLiteral("FARCORNER"));
  ASSERT_EQ(corner.page, 1);
  EXPECT_NEAR(corner.xMinMm, 253, 0.3);
  EXPECT_NEAR(corner.yMinMm, 388, 0.5);
  expectTestWord(pdf, 1, 1, 3, 3);
}

}  // namespace
