#include "PaperChoice.h"

#include <QHash>

namespace {
QHash<QString, PaperChoice>& choices() {
  static QHash<QString, PaperChoice> kept;
  return kept;
}
}  // namespace

void KeepPaperChoice(const QString& printerName, const PaperChoice& choice) {
  choices().insert(printerName, choice);
}

std::optional<PaperChoice> KeptPaperChoice(const QString& printerName) {
  const auto found = choices().constFind(printerName);
  if (found == choices().cend()) return std::nullopt;
  return *found;
}

void ForgetPaperChoices() { choices().clear(); }
