#include "ShowSettingsForm.h"

#include "SettingsForm.h"

namespace {
SettingsFormHandler& handler() {
  static SettingsFormHandler h;
  return h;
}
}  // namespace

void ShowSettingsForm(QWidget* parent) {
  SettingsForm form(parent);
  if (!handler()) {
    form.exec();
    return;
  }
  form.Form_Activate();
  handler()(form);
  if (form.result() != QDialog::Accepted) form.done(QDialog::Rejected);
}

void SetSettingsFormHandler(SettingsFormHandler h) { handler() = std::move(h); }
