#pragma once
// The end-to-end print tests that go through the PDF printer rather than a
// recording surface: default settings in the test's own program folder, the
// print dialog answered with the PDF printer, and the printer and paper put
// back afterwards so the next test starts clean.
#include <QString>

#include "TestEnvironment.h"

class PdfPrinterTest : public RingpadTest {
 protected:
  // Skips the test where poppler's tools are missing (nothing to read back).
  void SetUp() override;
  void TearDown() override;

  // Points the next save dialog at <artefacts>/<name>.pdf, removed first, so
  // a person can look at the page after the run; returns the path.
  QString pdfArtefact(const QString& name);
  double margin() const;
};
