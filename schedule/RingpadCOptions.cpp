// The print options' handlers: each copies its control into the option and
// writes the option's key at once, also when loading or another handler set
// the control.
#include <QCheckBox>
#include <QComboBox>

#include "RingpadC.h"
#include "RingpadCCheckBoxes.h"
#include "core/platform/MessageBox.h"
#include "core/settings/PaperSettings.h"

void RingpadC::storeCheckOption(QCheckBox* box) {
  const CheckBoxControl* control = FindCheckBox(*this, box);
  const QString key = QString::fromLatin1(control->key);
  int16_t& option = FindScheduleOptionKey(key)->variable(Options);
  option = box->isChecked() ? 1 : 0;
  WriteScheduleOption(key, option);
}

// Colour printing, shading and brackets are never all off: with colour and
// shading off the brackets come on.
void RingpadC::keepBracketsOrColour() {
  if (Options.OptColourPrint == 0 && Options.OptShading == 0) chk_kakko->setChecked(true);
}

void RingpadC::Chk_rokuyou_Click() { storeCheckOption(Chk_rokuyou); }
void RingpadC::Chk_Geturei_Click() { storeCheckOption(Chk_Geturei); }
void RingpadC::chk_weekno_Click() { storeCheckOption(chk_weekno); }
void RingpadC::Chk_start_Click() { storeCheckOption(Chk_start); }
void RingpadC::chk_4gatu_Click() { storeCheckOption(chk_4gatu); }

void RingpadC::Chk_dispday_Click() {
  storeCheckOption(Chk_dispday);
  RefreshScheduleList();
}

void RingpadC::chk_memo_yotei_Click() { storeCheckOption(chk_memo_yotei); }
void RingpadC::Chk_memori_Click() { storeCheckOption(Chk_memori); }
void RingpadC::chk_memori_ten_Click() { storeCheckOption(chk_memori_ten); }
void RingpadC::chk_kousi_hanten_Click() { storeCheckOption(chk_kousi_hanten); }
void RingpadC::Chk_tatekei_Click(int Index) { storeCheckOption(Chk_tatekei[Index]); }
void RingpadC::Chk_yokokei_Click() { storeCheckOption(Chk_yokokei); }
void RingpadC::Chk_nenkesi_Click() { storeCheckOption(Chk_nenkesi); }

void RingpadC::Chk_Sunday_Click() {
  storeCheckOption(Chk_Sunday);
  keepBracketsOrColour();
}

void RingpadC::Chk_eigo_Click() { storeCheckOption(Chk_eigo); }
void RingpadC::Chk_naiyou_Click() { storeCheckOption(Chk_naiyou); }
void RingpadC::chk_teiki_Click() { storeCheckOption(chk_teiki); }
void RingpadC::Chk_yasumi_Click() { storeCheckOption(Chk_yasumi); }

void RingpadC::Chk_SyousaiPrint_Click() {
  storeCheckOption(Chk_SyousaiPrint);
  RefreshScheduleList();
}

void RingpadC::Chk_next_Click() { storeCheckOption(Chk_next); }

void RingpadC::Chk_amikake_Click() {
  storeCheckOption(Chk_amikake);
  keepBracketsOrColour();
}

// Unticking the brackets while colour and shading are off turns colour
// printing back on; the brackets stay off.
void RingpadC::chk_kakko_Click() {
  storeCheckOption(chk_kakko);
  if (Options.OptBrackets == 0 && Options.OptColourPrint == 0 && Options.OptShading == 0)
    Chk_Sunday->setChecked(true);
}

void RingpadC::Chk_youbi_Click() { storeCheckOption(Chk_youbi); }
void RingpadC::Chk_mini_Click() { storeCheckOption(Chk_mini); }
void RingpadC::chk_mini_ura_Click() { storeCheckOption(chk_mini_ura); }
void RingpadC::chk_KousiYohaku_Click() { storeCheckOption(chk_Kousiyohaku); }
void RingpadC::chk_kousi5syu_Click() { storeCheckOption(chk_kousi5syu); }
void RingpadC::Chk_Kakeibo_Click() { storeCheckOption(Chk_Kakeibo); }
void RingpadC::chk_memo_Click() { storeCheckOption(chk_memo); }

// The year calendar in two columns needs a page wider than 120 mm. The box
// is not saved.
void RingpadC::Chk_retu_Click() {
  if (!Chk_retu->isChecked() || PaperSettings.PageWidth > kTooNarrowForTwoColumns) return;
  Chk_retu->setChecked(false);
  platform::ShowMessage(QStringLiteral("手帳サイズが小さすぎるため、指定できません。"));
}

// A list emptied for refilling has no selection; that is no choice.
void RingpadC::cmb_memori2_Click() {
  if (cmb_memori2->currentIndex() < 0) return;
  Options.HourRangeIndex = static_cast<int16_t>(cmb_memori2->currentIndex());
  WriteScheduleOption(QStringLiteral("MEMORI2"), Options.HourRangeIndex);
}

void RingpadC::cmb_kirisute_Click() {
  if (cmb_kirisute->currentIndex() < 0) return;
  Options.RightEdgeMode = static_cast<int16_t>(cmb_kirisute->currentIndex());
  WriteScheduleOption(QStringLiteral("KIRISUTE"), Options.RightEdgeMode);
}

void RingpadC::cmb_tatekei_Click() {
  if (cmb_tatekei->currentIndex() < 0) return;
  WriteScheduleOption(QStringLiteral("TATEKEI2"), cmb_tatekei->currentIndex());
}

void RingpadC::cmb_5nen_Click() {
  if (cmb_5nen->currentIndex() < 0) return;
  Options.DiaryYears = static_cast<int16_t>(cmb_5nen->currentIndex() + 1);
}

void RingpadC::cmb_week_Click() {
  if (cmb_week->currentIndex() < 0) return;
  Options.ProjectWeeks = static_cast<int16_t>(cmb_week->currentIndex() + 1);
  WriteScheduleOption(QStringLiteral("PRJ_WEEK"), Options.ProjectWeeks);
}

void RingpadC::Cmb_design_Click() {
  if (Cmb_design->currentIndex() < 0) return;
  Options.DesignStyleText = Cmb_design->currentText();
}
