#pragma once
// A fresh program folder running as "ringpad", the paper settings and the
// globals of the dialogs reset, and the clipboard kept in memory.
#include "SettingsTestSupport.h"
#include "core/platform/Clipboard.h"
#include "core/ui/SearchKeys.h"

class FormsTest : public SettingsTest {
 protected:
  void SetUp() override {
    SettingsTest::SetUp();
    ImeKana = 0;
    SearchKeyText.clear();
    SearchDialogPlacement = 0;
    SearchDialogResult = 0;
    platform::UseMemoryClipboard(true);
  }
  void TearDown() override {
    platform::UseMemoryClipboard(false);
    SettingsTest::TearDown();
  }
  static QString get(const QString& section, const char* key) {
    return GetIniValue(section, QLatin1String(key));
  }
  static void set(const QString& section, const char* key, const QString& value) {
    WriteIniValue(section, QLatin1String(key), value);
  }
};
