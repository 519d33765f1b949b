#include "PdfPrinterFixture.h"

#include <QFile>
#include <optional>

#include "PdfReadBack.h"
#include "core/platform/FileDialog.h"
#include "core/platform/Clipboard.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"

void PdfPrinterTest::SetUp() {
  RingpadTest::SetUp();
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  SetProgramPaths(home() + QStringLiteral("ringpad"));
  PaperSettings = PaperSettingsData{};
  WriteDefaultSettings();
  LoadPaperSettings(0);
  SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{1, false, kPdfPrinterName}; });
}

void PdfPrinterTest::TearDown() {
  SetPrintDialogHandler({});
  platform::SetFileDialogHandler({});
  platform::UseMemoryClipboard(false);
  SetCurrentPrinter(DefaultPrinterName());
  PaperSettings = PaperSettingsData{};
  RingpadTest::TearDown();
}

QString PdfPrinterTest::pdfArtefact(const QString& name) {
  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/%1.pdf").arg(name);
  QFile::remove(pdf);
  platform::SetFileDialogHandler([pdf](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  return pdf;
}

double PdfPrinterTest::margin() const { return PaperSettings.PrintMargin; }
