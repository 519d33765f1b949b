#pragma once
// Opening the settings form "用紙サイズ設定" from the main window.
#include <functional>

class QWidget;
class SettingsForm;

// Shows SettingsForm modally over the main window (parent) until it closes.
void ShowSettingsForm(QWidget* parent);

// A handler acts on the loaded and activated form in place of the user (set
// controls, press "設定内容保管"); a form it leaves open is closed by its frame.
// An empty handler restores the real modal form.
using SettingsFormHandler = std::function<void(SettingsForm& form)>;
void SetSettingsFormHandler(SettingsFormHandler handler);
