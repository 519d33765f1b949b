// What the print button hands to the schedule printing.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "ScheduleWindow.h"
#include "ScheduleWindowCheckBoxes.h"
#include "schedule/DesignCatalog.h"
#include "schedule/ScheduleFile.h"

namespace {
int16_t Ticked(const QCheckBox* box) { return box && box->isChecked() ? 1 : 0; }
}  // namespace

ScheduleOptions& ScheduleWindow::PrintOptions() { return printedOptions_; }

// A box the design hides was left as another design set it or the user
// ticked it there; the page must not depend on what the user cannot see. It
// prints as after a fresh start, with the option's default: a design that
// always drew a part whose box it hides (the weekly page's mini calendar)
// keeps drawing it.
ScheduleOptions ScheduleWindow::OptionsAsShown() {
  ScheduleOptions shown = Options;
  for (int c = 0; c < kOptionControlCount; ++c) {
    const auto* box = qobject_cast<const QCheckBox*>(DesignOptionControl(static_cast<OptionControl>(c)));
    // The detail-entries value is the chooser's own, derived from the design.
    if (!box || !box->isHidden() || box == Chk_SyousaiPrint) continue;
    const CheckBoxControl* control = FindCheckBox(*this, box);
    const ScheduleOptionKey* key = control && control->key ? FindScheduleOptionKey(QLatin1String(control->key)) : nullptr;
    if (key && key->variable) key->variable(shown) = key->defaultValue ? int16_t(QByteArray(key->defaultValue).toInt()) : 0;
  }
  return shown;
}

SchedulePrintControls ScheduleWindow::PrintControls() const {
  SchedulePrintControls c;
  c.Cmb_Type = Cmb_Type->currentRow();
  if (const QListWidgetItem* item = Cmb_Type->currentItem()) c.Cmb_Type_Caption = item->text();
  c.Cmb_men = Cmb_men->currentIndex();
  c.Cmb_Nen = Cmb_Nen->currentText();
  c.Cmb_Tuki = Cmb_Tuki->currentText();
  c.Cmb_Hi = Cmb_Hi->currentText();
  c.Txt_maisu = Txt_maisu->text();
  c.Chk_start_Visible = !Chk_start->isHidden();
  c.cmb_tatekei = cmb_tatekei->currentIndex();
  c.chk_mini_ura = Ticked(chk_mini_ura);
  c.chk_tukikijyun = Ticked(chk_tukikijyun);
  c.Chk_retu = Ticked(Chk_retu);
  c.chk_6dan = Ticked(chk_6dan);
  c.Chk_naiyou = Ticked(Chk_naiyou);
  c.Chk_amikake = Ticked(Chk_amikake);
  c.Chk_yokokei = Ticked(Chk_yokokei);
  c.Chk_Tatekei0 = Ticked(Chk_tatekei[0]);
  c.txt_midasi = txt_midasi->text();
  return c;
}

QString ScheduleWindow::PrintScheduleFileName() const { return ScheduleFilePath; }

bool ScheduleWindow::ScheduleFileReadable() const {
  QStringList lines;
  return ScheduleFile::ReadLines(ScheduleFileLocalPath(), lines);
}

QWidget* ScheduleWindow::PrintBusyWindow() { return this; }

void ScheduleWindow::HoldScheduleFileForJob(bool hold) { daySchedule_.HoldFile(hold); }

void ScheduleWindow::Cmd_print_Click() {
  printedOptions_ = OptionsAsShown();
  if (const SchedulePrintHandler& handler = CurrentSchedulePrintHandler()) handler(*this);
}
