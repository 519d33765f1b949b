#pragma once
// A fresh program folder running as "ringpad" with a fixed today, and the
// schedule window opened in it as the main window opens it: created, its
// load step run, then activated.
#include <QDir>
#include <QStringList>
#include <memory>

#include "TestEnvironment.h"
#include "core/platform/Codec.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"
#include "core/ui/StartupSwitch.h"
#include "core/dates/DateLists.h"
#include "schedule/windows/ScheduleWindow.h"

class ScheduleWindowTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    SetProgramPaths(home() + QStringLiteral("ringpad"));
    QDir().mkpath(BackupFolder);
    PaperSettings = PaperSettingsData{};
    PaperSettings.PageWidth = 180;
    ImeKana = 0;
    CommandLineText.clear();
    SetScheduleToday(QDate(2025, 6, 15));  // a Sunday
  }
  void TearDown() override {
    window_.reset();
    SetScheduleToday(QDate());
    CommandLineText.clear();
    RingpadTest::TearDown();
  }

  ScheduleWindow& Open() {
    window_.reset();
    window_ = std::make_unique<ScheduleWindow>();
    window_->Form_Load();
    window_->Form_Activate();
    return *window_;
  }
  void Close() { window_.reset(); }

  static QString Key(const char* key) { return GetIniValue(QStringLiteral("DIDUVUV"), QLatin1String(key)); }
  static void SetKey(const char* key, const QString& value) {
    WriteIniValue(QStringLiteral("DIDUVUV"), QLatin1String(key), value);
  }

  // The lines of the settings file's DIDUVUV section, "KEY=value", in file order.
  QStringList SectionLines() const {
    const QString text = platform::FromSjis(ReadBytes(SettingsFilePath()));
    QStringList lines;
    bool inSection = false;
    for (const QString& line : text.split(QStringLiteral("\r\n"))) {
      if (line.startsWith(u'[')) inSection = line == QStringLiteral("[DIDUVUV]");
      else if (inSection && !line.isEmpty()) lines << line;
    }
    return lines;
  }

  // The lines of a schedule file written in code page 932 with CR LF.
  void WriteSchedule(const QString& name, const QStringList& lines) {
    WriteBytes(homeFile(name), platform::ToSjis(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
  }

 private:
  std::unique_ptr<ScheduleWindow> window_;
};

// The texts of the month list's rows.
QStringList ListTexts(const ScheduleWindow& window);
// A fixture file's lines (code page 932).
QStringList FixtureLines(const QString& name);
QByteArray FixtureBytes(const QString& name);
