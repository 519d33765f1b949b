#pragma once
// The schedule window opened on a fixture schedule, with the file dialogs
// answered from a script and their requests recorded.
#include <QPushButton>
#include <deque>
#include <optional>
#include <vector>

#include "core/platform/FileDialog.h"
#include "schedule/CurrentScheduleFile.h"
#include "tests/schedwin/ScheduleWindowTest.h"

class FileCommandsTest : public ScheduleWindowTest {
 protected:
  void SetUp() override {
    ScheduleWindowTest::SetUp();
    CurrentScheduleFile.clear();
    platform::SetFileDialogHandler([this](const platform::FileDialogRequest& request) -> std::optional<QString> {
      requests.push_back(request);
      if (answers.empty()) return std::nullopt;
      const QString answer = answers.front();
      answers.pop_front();
      if (answer.isEmpty()) return std::nullopt;
      return answer;
    });
  }
  void TearDown() override {
    platform::SetFileDialogHandler({});
    CurrentScheduleFile.clear();
    ScheduleWindowTest::TearDown();
  }

  // The window on "diduvuv.txt" holding the fixture schedule.
  ScheduleWindow& OpenOnFixture() {
    WriteBytes(homeFile(QStringLiteral("diduvuv.txt")), FixtureBytes(QStringLiteral("schedule.txt")));
    ScheduleWindow& w = Open();
    messages().clear();
    return w;
  }

  // The next dialog answers with the path ("" = cancelled).
  void Choose(const QString& path) { answers.push_back(path); }

  // Answers the next dialog with the path and presses the button of a
  // command that opens with a notice; the texts of the boxes shown after it.
  QStringList PressAfterNotice(QPushButton* button, const QString& chosen) {
    messages().clear();
    Choose(chosen);
    button->click();
    QStringList texts = messages().texts();
    if (!texts.isEmpty()) texts.removeFirst();
    return texts;
  }

  QByteArray Schedule() const { return ReadBytes(homeFile(QStringLiteral("diduvuv.txt"))); }

  std::vector<platform::FileDialogRequest> requests;

 private:
  std::deque<QString> answers;
};
