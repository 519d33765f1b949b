// The print options' handlers: each copies its control into the option and
// writes the option's key at once, also when loading or another handler set
// the control.
#include <QCheckBox>
#include <QComboBox>

#include "ScheduleWindow.h"
#include "ScheduleWindowCheckBoxes.h"
#include "core/platform/MessageBox.h"
#include "core/settings/PaperSettings.h"

void ScheduleWindow::storeCheckOption(QCheckBox* box) {
  const CheckBoxControl* control = FindCheckBox(*this, box);
  const QString key = QString::fromLatin1(control->key);
  int16_t& option = FindScheduleOptionKey(key)->variable(Options);
  option = box->isChecked() ? 1 : 0;
  WriteScheduleOption(key, option);
}

// Colour printing, shading and brackets are never all off: with colour and
// shading off the brackets come on.
void ScheduleWindow::keepBracketsOrColour() {
  if (Options.OptColourPrint == 0 && Options.OptShading == 0) chk_kakko->setChecked(true);
}

void ScheduleWindow::Chk_rokuyou_Click() { storeCheckOption(Chk_rokuyou); }
void ScheduleWindow::Chk_Geturei_Click() { storeCheckOption(Chk_Geturei); }
void ScheduleWindow::chk_weekno_Click() { storeCheckOption(chk_weekno); }
void ScheduleWindow::Chk_start_Click() { storeCheckOption(Chk_start); }
void ScheduleWindow::chk_4gatu_Click() { storeCheckOption(chk_4gatu); }

void ScheduleWindow::Chk_dispday_Click() {
  storeCheckOption(Chk_dispday);
  RefreshScheduleList();
}

void ScheduleWindow::chk_memo_yotei_Click() { storeCheckOption(chk_memo_yotei); }
void ScheduleWindow::Chk_memori_Click() { storeCheckOption(Chk_memori); }
void ScheduleWindow::chk_memori_ten_Click() { storeCheckOption(chk_memori_ten); }
void ScheduleWindow::chk_kousi_hanten_Click() { storeCheckOption(chk_kousi_hanten); }
void ScheduleWindow::Chk_tatekei_Click(int Index) { storeCheckOption(Chk_tatekei[Index]); }
void ScheduleWindow::Chk_yokokei_Click() { storeCheckOption(Chk_yokokei); }
void ScheduleWindow::Chk_nenkesi_Click() { storeCheckOption(Chk_nenkesi); }

void ScheduleWindow::Chk_Sunday_Click() {
  storeCheckOption(Chk_Sunday);
  keepBracketsOrColour();
}

void ScheduleWindow::Chk_eigo_Click() { storeCheckOption(Chk_eigo); }
void ScheduleWindow::Chk_naiyou_Click() { storeCheckOption(Chk_naiyou); }
void ScheduleWindow::chk_teiki_Click() { storeCheckOption(chk_teiki); }
void ScheduleWindow::Chk_yasumi_Click() { storeCheckOption(Chk_yasumi); }

void ScheduleWindow::Chk_SyousaiPrint_Click() {
  storeCheckOption(Chk_SyousaiPrint);
  RefreshScheduleList();
}

void ScheduleWindow::Chk_next_Click() { storeCheckOption(Chk_next); }

void ScheduleWindow::Chk_amikake_Click() {
  storeCheckOption(Chk_amikake);
  keepBracketsOrColour();
}

// Unticking the brackets while colour and shading are off turns colour
// printing back on; the brackets stay off.
void ScheduleWindow::chk_kakko_Click() {
  storeCheckOption(chk_kakko);
  if (Options.OptBrackets == 0 && Options.OptColourPrint == 0 && Options.OptShading == 0)
    Chk_Sunday->setChecked(true);
}

void ScheduleWindow::Chk_youbi_Click() { storeCheckOption(Chk_youbi); }
void ScheduleWindow::Chk_mini_Click() { storeCheckOption(Chk_mini); }
void ScheduleWindow::chk_mini_ura_Click() { storeCheckOption(chk_mini_ura); }
void ScheduleWindow::chk_KousiYohaku_Click() { storeCheckOption(chk_Kousiyohaku); }
void ScheduleWindow::chk_kousi5syu_Click() { storeCheckOption(chk_kousi5syu); }
void ScheduleWindow::Chk_Kakeibo_Click() { storeCheckOption(Chk_Kakeibo); }
void ScheduleWindow::chk_memo_Click() { storeCheckOption(chk_memo); }

// The year calendar in two columns needs a page wider than 120 mm. The box
// is not saved.
void ScheduleWindow::Chk_retu_Click() {
  if (!Chk_retu->isChecked() || PaperSettings.PageWidth > kTooNarrowForTwoColumns) return;
  Chk_retu->setChecked(false);
  platform::ShowMessage(QStringLiteral("手帳サイズが小さすぎるため、指定できません。"));
}

// A list emptied for refilling has no selection; that is no choice.
void ScheduleWindow::cmb_memori2_Click() {
  if (cmb_memori2->currentIndex() < 0) return;
  Options.HourRangeIndex = static_cast<int16_t>(cmb_memori2->currentIndex());
  WriteScheduleOption(QStringLiteral("MEMORI2"), Options.HourRangeIndex);
}

void ScheduleWindow::cmb_kirisute_Click() {
  if (cmb_kirisute->currentIndex() < 0) return;
  Options.RightEdgeMode = static_cast<int16_t>(cmb_kirisute->currentIndex());
  WriteScheduleOption(QStringLiteral("KIRISUTE"), Options.RightEdgeMode);
}

void ScheduleWindow::cmb_tatekei_Click() {
  if (cmb_tatekei->currentIndex() < 0) return;
  WriteScheduleOption(QStringLiteral("TATEKEI2"), cmb_tatekei->currentIndex());
}

void ScheduleWindow::cmb_5nen_Click() {
  if (cmb_5nen->currentIndex() < 0) return;
  Options.DiaryYears = static_cast<int16_t>(cmb_5nen->currentIndex() + 1);
}

void ScheduleWindow::cmb_week_Click() {
  if (cmb_week->currentIndex() < 0) return;
  Options.ProjectWeeks = static_cast<int16_t>(cmb_week->currentIndex() + 1);
  WriteScheduleOption(QStringLiteral("PRJ_WEEK"), Options.ProjectWeeks);
}

void ScheduleWindow::Cmb_design_Click() {
  if (Cmb_design->currentIndex() < 0) return;
  Options.DesignStyleText = Cmb_design->currentText();
}
