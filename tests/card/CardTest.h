#pragma once
// Fixture of the card tests: a program folder with default settings, the
// bible size (page 8 to 88 mm, body 9 to 156 mm, 9-point fonts), recording
// surfaces in place of the printer and the preview, print answered.
#include <memory>

#include "TestEnvironment.h"
#include "core/print/SurfaceRecorder.h"
#include "tables_cards/windows/CardWindow.h"

struct CardRun {
  QString text;
  double x, y;
};

class CardTest : public RingpadTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  RecordingSurface& printer() { return recorder_->printer; }
  CardWindow& open();
  // Writes a card file (lines joined with CR LF) in the program folder and
  // opens it in a fresh window.
  CardWindow& openFile(const QString& name, const QStringList& lines);
  // The texts of each output page, characters joined into runs.
  std::vector<std::vector<CardRun>> pageRuns() const;

  std::unique_ptr<CardWindow> window_;

 private:
  std::unique_ptr<SurfaceRecorder> recorder_;
};
