#include "ShowSettingsForm.h"

#include "SettingsForm.h"

#include "core/platform/TestSeamRegistry.h"

namespace {
SettingsFormHandler& settingsFormHandler() {
  static SettingsFormHandler h;
  return h;
}
}  // namespace

void ShowSettingsForm(QWidget* parent) {
  SettingsForm form(parent);
  if (!settingsFormHandler()) {
    form.exec();
    return;
  }
  form.Form_Activate();
  settingsFormHandler()(form);
  if (form.result() != QDialog::Accepted) form.done(QDialog::Rejected);
}

void SetSettingsFormHandler(SettingsFormHandler h) {
  platform::RegisterSeamReset([] { SetSettingsFormHandler({}); });
  settingsFormHandler() = std::move(h);
}
