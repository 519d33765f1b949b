#pragma once
// A fresh program folder with a fixed today, and the to-do window opened in
// it as the main window opens it.
#include <QDir>
#include <QListWidget>
#include <memory>

#include "TestEnvironment.h"
#include "core/platform/Clock.h"
#include "core/platform/Codec.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"
#include "todo_memo/windows/LineItemList.h"
#include "todo_memo/windows/TodoWindow.h"

class TodoTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    SetProgramPaths(home() + QStringLiteral("ringpad"));
    QDir().mkpath(BackupFolder);
    PaperSettings = PaperSettingsData{};
    platform::SetFixedToday(QDate(2009, 3, 10));  // a Tuesday
    // The schedule file exists, so loading makes none.
    WriteBytes(homeFile(QStringLiteral("diduvuv.txt")), QByteArray());
    WriteIniValue(QStringLiteral("DIDUVUV"), QStringLiteral("FILE"), QStringLiteral("diduvuv.txt"));
  }
  void TearDown() override {
    window_.reset();
    platform::SetFixedToday(QDate());
    RingpadTest::TearDown();
  }

  TodoWindow& Open() {
    window_ = std::make_unique<TodoWindow>();
    window_->Form_Load();
    return *window_;
  }

  static QString Key(const char* key) { return GetIniValue(QStringLiteral("VIDAZU"), QLatin1String(key)); }
  static void SetKey(const char* key, const QString& value) {
    WriteIniValue(QStringLiteral("VIDAZU"), QLatin1String(key), value);
  }

  // Writes a to-do file as code page 932 lines with CR LF.
  void WriteToDo(const QString& name, const QStringList& lines) {
    WriteBytes(homeFile(name), platform::ToSjis(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
  }
  QStringList ToDoLines(const QString& name = QStringLiteral("VIDAZU.txt")) {
    QString text = platform::FromSjis(ReadBytes(homeFile(name)));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
  }

  static QStringList ListTexts(const TodoWindow& w) {
    return w.List2->texts();
  }
  // Makes the entries at the rows the selection, the last one current.
  static void Select(TodoWindow& w, std::initializer_list<int> rows) {
    w.List2->clearSelection();
    for (int row : rows) {
      w.List2->setCurrentRow(row, QItemSelectionModel::NoUpdate);
      w.List2->setRowSelected(row, true);
    }
  }

 private:
  std::unique_ptr<TodoWindow> window_;
};
