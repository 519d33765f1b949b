#pragma once
// What the address print tests share: the bible size loaded from the default
// settings, a recording printer, and chosen lines made from entry texts.
#include <QDir>
#include <memory>
#include <utility>
#include <vector>

#include "TestEnvironment.h"
#include "address/AddressPrintLines.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/print/SurfaceRecorder.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"

class PhoneBookPrint : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    recorder_ = std::make_unique<SurfaceRecorder>();
    SetProgramPaths(home() + QStringLiteral("ringpad"));
    QDir().mkpath(BackupFolder);
    PaperSettings = PaperSettingsData{};
    WriteDefaultSettings();
    LoadPaperSettings(0);  // the bible size
    CurrentPrintJob().confirmPrompts = 0;
  }
  void TearDown() override {
    SetPrintDialogHandler({});
    recorder_.reset();
    CurrentPrintJob().previewMode = 0;
    PaperSettings = PaperSettingsData{};
    RingpadTest::TearDown();
  }
  RecordingSurface& printer() { return recorder_->printer; }

  static AddressPrintLines Lines(const QStringList& entries) {
    AddressPrintLines out;
    out.header = QStringLiteral("header");
    for (const QString& e : entries) {
      out.lines << e;
      out.records << AddressRecord::FromLine(e);
    }
    return out;
  }
  // An entry line from the fields that matter to a case, printable.
  static QString FieldsLine(const std::vector<std::pair<int, QString>>& fields) {
    AddressRecord r;
    r.setField(kFieldFlags, QStringLiteral("0|0|"));
    for (const auto& [n, value] : fields) r.setField(n, value);
    return r.toLine();
  }
  QStringList Texts() const { return recorder_->printer.texts(); }

 private:
  std::unique_ptr<SurfaceRecorder> recorder_;
};

