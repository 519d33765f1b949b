#pragma once
// What printer setup chose for a printer: paper size, orientation and paper
// source. The choice holds for that printer until the program ends (the
// settings file has no key for it), so the settings form's advice to set the
// printer to "Ａ４横" can be followed.
#include <QPageSize>
#include <QString>
#include <cstdint>
#include <optional>

#include "SurfaceState.h"

struct PaperChoice {
  QPageSize size = QPageSize(QPageSize::A4);
  int16_t orientation = kPortrait;  // a SheetOrientation
  int paperSource = 0;      // QPrinter::PaperSource, 0 = the printer's own choice
  bool operator==(const PaperChoice&) const = default;
};

void KeepPaperChoice(const QString& printerName, const PaperChoice& choice);
std::optional<PaperChoice> KeptPaperChoice(const QString& printerName);
// Forgets every choice (a new run; tests).
void ForgetPaperChoices();
