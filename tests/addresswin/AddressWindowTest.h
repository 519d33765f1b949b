#pragma once
// A fresh program folder running as "ringpad" with the address window opened
// in it as the main window opens it.
#include <QDir>
#include <QListWidget>
#include <QStringList>
#include <memory>

#include "TestEnvironment.h"
#include "address/windows/AddressWindow.h"
#include "core/platform/Codec.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"

class AddressWindowTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    SetProgramPaths(home() + QStringLiteral("ringpad"));
    QDir().mkpath(BackupFolder);
    PaperSettings = PaperSettingsData{};
    ImeKana = 0;
  }
  void TearDown() override {
    window_.reset();
    RingpadTest::TearDown();
  }

  AddressWindow& Open() {
    window_.reset();
    window_ = std::make_unique<AddressWindow>();
    window_->Form_Load();
    return *window_;
  }

  static QString Key(const char* key) { return GetIniValue(QStringLiteral("DOZIR"), QLatin1String(key)); }
  static void SetKey(const char* key, const QString& value) {
    WriteIniValue(QStringLiteral("DOZIR"), QLatin1String(key), value);
  }

  // An address file of the given entry lines under the header, in code page 932.
  void WriteBook(const QStringList& entries, const QString& name = QStringLiteral("doZir.csv")) {
    QStringList lines{QStringLiteral("header")};
    lines += entries;
    WriteBytes(homeFile(name), platform::ToSjis(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
  }
  // The file's lines (code page 932, CR LF).
  QStringList BookLines(const QString& name = QStringLiteral("doZir.csv")) const {
    QString text = platform::FromSjis(ReadBytes(homeFile(name)));
    if (text.endsWith(QStringLiteral("\r\n"))) text.chop(2);
    return text.split(QStringLiteral("\r\n"));
  }

 private:
  std::unique_ptr<AddressWindow> window_;
};

// The list's lines, and the name part of each (the text between "]" and the
// padding blanks), which most tests compare.
QStringList ListTexts(const AddressWindow& w);
QStringList ListNames(const AddressWindow& w);
// Selects the list line whose name part is the text; false when none is.
bool SelectByName(AddressWindow& w, const QString& name);
