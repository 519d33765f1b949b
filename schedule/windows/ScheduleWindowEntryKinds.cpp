// The entry kinds: the suggestions that a chosen kind offers in the
// entry-text box.
#include <QComboBox>

#include "ScheduleWindow.h"
#include "core/platform/MessageBox.h"
#include "core/ui/ListControls.h"
#include "schedule/EntrySuggestions.h"

void ScheduleWindow::Cmb_yasumi_Click() {
  const QString kind = Cmb_yasumi->currentText();
  const QString kept = Cmb_naiyou->currentText();
  switch (DecideKindChoice(kind, DesignHasTimes, LastEntryKind)) {
    case KindChoiceStep::SelectNext:
      // The list never ends with a separator; the next kind runs this again.
      if (Cmb_yasumi->currentIndex() + 1 < Cmb_yasumi->count())
        Cmb_yasumi->setCurrentIndex(Cmb_yasumi->currentIndex() + 1);
      return;
    case KindChoiceStep::RefuseTime:
      platform::ShowMessage(TimeKindRefusal(), platform::MsgButtons::Ok, platform::MsgIcon::Information);
      Cmb_yasumi->setCurrentIndex(0);
      return;
    case KindChoiceStep::KeepSuggestions: return;
    case KindChoiceStep::Refill: break;
  }
  const Suggestions suggestions = SuggestionsForKind(kind, StoredPhrases, SymbolList, ScheduleNow().hour());
  RefillList(Cmb_naiyou, suggestions.items);
  if (suggestions.selectFirst && !suggestions.items.isEmpty()) Cmb_naiyou->setCurrentIndex(0);
  Cmb_naiyou->setEditText(suggestions.text.value_or(kept));
}
