#pragma once
// Shared test fixture: every test gets a fresh program folder and answers the
// message boxes from a script, recording what each one said; file dialogs
// (and, in programs with windows, search dialogs) are cancelled unless the
// test installs its own handler.
// TearDown puts every test seam back (ResetAllTestSeams, TestSeams.h).
#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <vector>

#include "core/platform/MessageBox.h"

class ScriptedMessages {
 public:
  ScriptedMessages();
  ~ScriptedMessages();
  // Answers for the next boxes, in order; when none is left a box gets its
  // first button (OK / Yes / Abort / Retry).
  void answer(platform::MsgResult result) { answers_.push_back(result); }
  const std::vector<platform::MessageRequest>& shown() const { return shown_; }
  QStringList texts() const;
  void clear() { shown_.clear(); answers_.clear(); }

 private:
  std::deque<platform::MsgResult> answers_;
  std::vector<platform::MessageRequest> shown_;
};

class RingpadTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The program folder of this test, ending with "/".
  QString home() const { return home_; }
  QString homeFile(const QString& name) const { return home_ + name; }
  ScriptedMessages& messages() { return *messages_; }

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  QString home_;
  QByteArray oldCwd_;
  std::unique_ptr<ScriptedMessages> messages_;
};

// Adds a step to the end of every RingpadTest's set-up: the test support of
// a library with dialogs of its own puts them into a safe answer there (a
// program's main() adds them, before the first test).
void AddTestSetUpStep(void (*step)());

// Reads a file's bytes ("" when missing).
QByteArray ReadBytes(const QString& path);
// Writes bytes to a file, creating its folder.
void WriteBytes(const QString& path, const QByteArray& bytes);
