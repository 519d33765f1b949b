#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>
#include <vector>

#include "TestSeams.h"
#include "core/platform/FileDialog.h"
#include "core/platform/MessageBox.h"

namespace {
std::vector<void (*)()>& testSetUpSteps() {
  static std::vector<void (*)()> steps;
  return steps;
}
}  // namespace

void AddTestSetUpStep(void (*step)()) { testSetUpSteps().push_back(step); }

ScriptedMessages::ScriptedMessages() {
  platform::SetMessageHandler([this](const platform::MessageRequest& r) {
    shown_.push_back(r);
    if (!answers_.empty()) {
      auto a = answers_.front();
      answers_.pop_front();
      return a;
    }
    switch (r.buttons) {
      case platform::MsgButtons::YesNo:
      case platform::MsgButtons::YesNoCancel: return platform::MsgResult::Yes;
      case platform::MsgButtons::AbortRetryIgnore: return platform::MsgResult::Abort;
      case platform::MsgButtons::RetryCancel: return platform::MsgResult::Retry;
      default: return platform::MsgResult::Ok;
    }
  });
}

ScriptedMessages::~ScriptedMessages() { platform::SetMessageHandler({}); }

QStringList ScriptedMessages::texts() const {
  QStringList out;
  for (const auto& r : shown_) out.append(r.text);
  return out;
}

void RingpadTest::SetUp() {
  dir_ = std::make_unique<QTemporaryDir>();
  ASSERT_TRUE(dir_->isValid());
  home_ = dir_->path() + QStringLiteral("/");
  qputenv("RINGPAD_HOME", dir_->path().toLocal8Bit());
  oldCwd_ = QDir::currentPath().toLocal8Bit();
  QDir::setCurrent(dir_->path());
  messages_ = std::make_unique<ScriptedMessages>();
  // A command that asks for a file must never wait on a real dialog: unless
  // the test scripts one, every file dialog is cancelled.
  platform::SetFileDialogHandler([](const platform::FileDialogRequest&) { return std::optional<QString>(); });
  // Nor on any other dialog the program's libraries bring.
  for (void (*step)() : testSetUpSteps()) step();
}

void RingpadTest::TearDown() {
  ResetAllTestSeams();
  // Notices given once per run start again with the next test (those of
  // higher libraries are reset with the seams).
  platform::QuietWriteFailuresIn(QString());
  messages_.reset();
  QDir::setCurrent(QString::fromLocal8Bit(oldCwd_));
  qunsetenv("RINGPAD_HOME");
  dir_.reset();
}

QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}
