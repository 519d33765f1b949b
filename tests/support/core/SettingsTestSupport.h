#pragma once
// A fresh program folder running as "ringpad", with the paper settings reset.
#include "TestEnvironment.h"

#include "core/platform/Codec.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"

class SettingsTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    SetProgramPaths(home() + QStringLiteral("ringpad"));
    PaperSettings = PaperSettingsData{};
  }
  QByteArray settingsBytes() const { return ReadBytes(SettingsFilePath()); }
  void writeSettings(const QByteArray& bytes) { WriteBytes(SettingsFilePath(), bytes); }
  static QByteArray sjis(const QString& text) { return platform::ToSjis(text); }
};
