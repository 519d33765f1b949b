// The design chooser: what a chosen design shows of the print options, its
// layouts and styles, and the keys of the design list.
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include "ScheduleWindow.h"
#include "core/print/PrintJob.h"
#include "core/settings/PaperSettings.h"
#include "core/ui/KeyCodes.h"
#include "core/ui/ListControls.h"
#include "schedule/DesignCatalog.h"

namespace {

// Hands the design list's keys to the window's key handlers before the list
// acts on them; a key whose code a handler clears is dropped.
class DesignListKeys : public QObject {
 public:
  explicit DesignListKeys(ScheduleWindow& window) : QObject(&window), window_(window) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Tab and Shift+Tab move on to the next field: they choose nothing and
    // type nothing.
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return false;
    int16_t code = KeyDownCode(key);
    const int16_t pressed = code;
    window_.Cmb_Type_KeyDown(code, ShiftState(key));
    if (pressed != 0 && code == 0) return true;
    int16_t ascii = KeyPressCode(key);
    if (ascii == 0) return false;
    window_.Cmb_Type_KeyPress(ascii);
    return ascii == 0;
  }

 private:
  ScheduleWindow& window_;
};

}  // namespace

void ScheduleWindow::watchDesignListKeys() { Cmb_Type->installEventFilter(new DesignListKeys(*this)); }

void ScheduleWindow::Cmb_Type_KeyDown(int16_t& KeyCode, int16_t Shift) {
  if (KeyCode == kKeyDelete) KeyCode = 0;
}

// Typing would jump to a design by its first letter.
void ScheduleWindow::Cmb_Type_KeyPress(int16_t& KeyAscii) { KeyAscii = 0; }

// Every run rebuilds the panel from the chosen design alone, so a layout or
// style chosen before is not kept.
void ScheduleWindow::Cmb_type_Click() {
  BeginBusy(this);
  const QListWidgetItem* item = Cmb_Type->currentItem();
  const DesignChoice choice = ChooseDesign(Cmb_Type->currentRow(), item ? item->text() : QString(),
                                           PaperSettings.SuperOrganiserMode == 1);
  DesignHasTimes = choice.hasTimes;
  Options.OptDetailEntries =
      static_cast<int16_t>(DetailEntriesValue(choice.hasTimes, Chk_SyousaiPrint->isChecked()));
  Cmb_Hi->show();
  for (int c = 0; c < kOptionControlCount; ++c)
    DesignOptionControl(static_cast<OptionControl>(c))->setVisible(choice.shown[c]);

  RefillList(Cmb_design, choice.styles);
  Cmb_design->setCurrentIndex(choice.selectedStyle);
  Cmb_design->setVisible(choice.stylesShown);
  RefillList(Cmb_men, choice.layouts);
  // A change of the memo box runs its handler, which stores the new value.
  if (choice.memo) chk_memo->setChecked(*choice.memo);
  if (!choice.layouts.isEmpty()) Cmb_men->setCurrentIndex(0);

  RefreshScheduleList();
  EndBusy(this);
}

QWidget* ScheduleWindow::DesignOptionControl(OptionControl control) const {
  using enum OptionControl;
  switch (control) {
    case chk_4gatu: return this->chk_4gatu;
    case Chk_start: return this->Chk_start;
    case Chk_tatekei0: return Chk_tatekei[0];
    case Chk_tatekei1: return Chk_tatekei[1];
    case cmb_tatekei: return this->cmb_tatekei;
    case Chk_yokokei: return this->Chk_yokokei;
    case Chk_memori: return this->Chk_memori;
    case cmb_memori2: return this->cmb_memori2;
    case chk_memori_ten: return this->chk_memori_ten;
    case Chk_rokuyou: return this->Chk_rokuyou;
    case Chk_Geturei: return this->Chk_Geturei;
    case Chk_yasumi: return this->Chk_yasumi;
    case Chk_naiyou: return this->Chk_naiyou;
    case Chk_Sunday: return this->Chk_Sunday;
    case chk_teiki: return this->chk_teiki;
    case Chk_mini: return this->Chk_mini;
    case chk_mini_ura: return this->chk_mini_ura;
    case Chk_next: return this->Chk_next;
    case Chk_retu: return this->Chk_retu;
    case chk_memo: return this->chk_memo;
    case txt_midasi: return this->txt_midasi;
    case Chk_youbi: return this->Chk_youbi;
    case chk_weekno: return this->chk_weekno;
    case Chk_nenkesi: return this->Chk_nenkesi;
    case chk_Kousiyohaku: return this->chk_Kousiyohaku;
    case chk_kousi_hanten: return this->chk_kousi_hanten;
    case Chk_Kakeibo: return this->Chk_Kakeibo;
    case chk_kousi5syu: return this->chk_kousi5syu;
    case chk_6dan: return this->chk_6dan;
    case cmb_5nen: return this->cmb_5nen;
    case Chk_amikake: return this->Chk_amikake;
    case Chk_eigo: return this->Chk_eigo;
    case chk_kakko: return this->chk_kakko;
    case chk_memo_yotei: return this->chk_memo_yotei;
    case cmb_week: return this->cmb_week;
    case cmb_kirisute: return this->cmb_kirisute;
    case chk_tukikijyun: return this->chk_tukikijyun;
    case Chk_SyousaiPrint: return this->Chk_SyousaiPrint;
  }
  return nullptr;
}
