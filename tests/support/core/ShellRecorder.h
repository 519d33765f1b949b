#pragma once
// A program folder in which nothing is really started or opened: every
// request of the shell is recorded instead.
#include <QFile>
#include <QStringList>
#include <vector>

#include "TestEnvironment.h"
#include "core/platform/Shell.h"
#include "core/settings/AppGlobals.h"

class ShellRecorderTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    platform::SetShellHandler([this](const platform::ShellAction& a) { actions.push_back(a); });
    ExeName = QStringLiteral("ringpad");
  }
  void TearDown() override {
    platform::SetShellHandler({});
    RingpadTest::TearDown();
  }
  void makeFile(const QString& name, bool executable = false) {
    WriteBytes(homeFile(name), "#!/bin/sh\n");
    if (executable) QFile::setPermissions(homeFile(name), QFile::permissions(homeFile(name)) | QFile::ExeOwner);
  }
  // One line per action: "start|wait|open", then the program and its
  // arguments or the fully encoded URL.
  QStringList recorded() const {
    QStringList out;
    for (const platform::ShellAction& a : actions) {
      switch (a.kind) {
        case platform::ShellActionKind::StartProgram:
          out << (QStringList{"start", a.program} + a.arguments).join(u'|');
          break;
        case platform::ShellActionKind::RunAndWait:
          out << (QStringList{"wait" + QString::number(a.windowStyle), a.program} + a.arguments).join(u'|');
          break;
        case platform::ShellActionKind::OpenUrl: out << "open|" + QString::fromUtf8(a.url.toEncoded()); break;
      }
    }
    return out.replaceInStrings(home(), "HOME/");
  }
  std::vector<platform::ShellAction> actions;
};
