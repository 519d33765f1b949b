#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTimer>
#include <QUrlQuery>
#include <vector>

#include "LookupTestSupport.h"
#include "TestEnvironment.h"
#include "core/platform/Shell.h"
#include "core/settings/AppGlobals.h"
#include "core/ui/Launcher.h"
#include "schedule/CompanionCalendar.h"

using platform::ShellAction;
using platform::ShellActionKind;

namespace {

// Records what would be started or opened instead of doing it.
class ShellTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    platform::SetShellHandler([this](const ShellAction& a) { actions.push_back(a); });
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
    for (const ShellAction& a : actions) {
      switch (a.kind) {
        case ShellActionKind::StartProgram:
          out << (QStringList{"start", a.program} + a.arguments).join(u'|');
          break;
        case ShellActionKind::RunAndWait:
          out << (QStringList{"wait" + QString::number(a.windowStyle), a.program} + a.arguments).join(u'|');
          break;
        case ShellActionKind::OpenUrl: out << "open|" + QString::fromUtf8(a.url.toEncoded()); break;
      }
    }
    return out.replaceInStrings(home(), "HOME/");
  }
  std::vector<ShellAction> actions;
};

TEST_F(ShellTest, ShellOpenTargets) {
  makeFile("jxcalpad", true);
  makeFile("memo.txt");
  makeFile("a & (b).txt");
  makeFile("SHOUT.EXE");
  makeFile("sub/inner.txt");
  struct Row {
    const char* target;
    const char* expected;  // "" when nothing is started or opened
  };
  const Row rows[] = {
      {"", ""},
      {"missing.exe", "start|HOME/missing.exe"},
      {"/usr/bin/jxcalpad.exe x", "start|HOME/jxcalpad|x"},
      {"../elsewhere/tool.exe", "start|HOME/tool.exe"},
      {"jxcalpad.exe", "start|HOME/jxcalpad"},
      {"jxcalpad.exe 2024/05/03 \"two words\"", "start|HOME/jxcalpad|2024/05/03|two words"},
      {"MISSING.EXE", ""},
      {"SHOUT.EXE", "open|file://HOME/SHOUT.EXE"},
      {"memo.txt", "open|file://HOME/memo.txt"},
      {"nothing.txt", ""},
      {"sub", ""},
      {"sub\\inner.txt", "open|file://HOME/sub/inner.txt"},
      {"a & (b).txt", "open|file://HOME/a%20&%20(b).txt"},
      {"https://example.com/a?b=1&c=(2)", "open|https://example.com/a?b=1&c=(2)"},
      {"mailto:someone@example.com", "open|mailto:someone@example.com"},
      {"C:\\docs\\memo.txt", ""},
  };
  for (const Row& row : rows) {
    actions.clear();
    ShellOpen(QString::fromUtf8(row.target));
    const QStringList expected = *row.expected ? QStringList{QString::fromUtf8(row.expected)} : QStringList();
    EXPECT_EQ(recorded(), expected) << row.target;
  }
}

TEST_F(ShellTest, CompanionProgramPath) {
  EXPECT_EQ(platform::CompanionProgramPath("jxpostal"), "");
  makeFile("jxpostal.exe");
  EXPECT_EQ(platform::CompanionProgramPath("jxpostal"), homeFile("jxpostal.exe"));
  makeFile("jxpostal", true);
  EXPECT_EQ(platform::CompanionProgramPath("jxpostal.exe"), homeFile("jxpostal"));
  makeFile("JXSENDER.EXE");
  EXPECT_EQ(platform::CompanionProgramPath("jxsender.exe"), homeFile("JXSENDER.EXE"));
  QDir().mkpath(homeFile("jxfolder"));
  EXPECT_EQ(platform::CompanionProgramPath("jxfolder"), "");
}

TEST_F(ShellTest, RunAndWaitCommandLine) {
  RunAndWait("jxcalpad.exe 1999/03/01", 1);
  RunAndWait("other 1 2", 2);
  EXPECT_EQ(recorded(), QStringList({"wait1|HOME/jxcalpad.exe|1999/03/01", "wait2|HOME/other|1|2"}));
}

TEST_F(ShellTest, MailLinks) {
  struct Row {
    const char* address;
    const char* subject;
    const char* body;
    const char* link;
  };
  const Row rows[] = {
      {"a@example.com", "", "", "mailto:a@example.com"},
      {"  MaIlTo:a@example.com ", "", "", "mailto:a@example.com"},
      {"a@example.com", " Hello ", "", "mailto:a@example.com?subject=Hello"},
      {"a@example.com", "", "line1\r\nline2", "mailto:a@example.com?body=line1%0D%0Aline2"},
      {"a@example.com", "A&B=C", "x y\bz", "mailto:a@example.com?subject=A%26B%3DC&body=x%20y%08z"},
      {"a@example.com", "予定", "", "mailto:a@example.com?subject=%E4%BA%88%E5%AE%9A"},
      {"", "s", "", "mailto:?subject=s"},
      {"a@example.com?bcc=b@example.com", "", "", "mailto:a@example.com%3Fbcc=b@example.com"},
  };
  for (const Row& row : rows) {
    actions.clear();
    OpenMailLink(QString::fromUtf8(row.address), "unused", QString::fromUtf8(row.subject),
                 QString::fromUtf8(row.body));
    EXPECT_EQ(recorded(), QStringList{"open|" + QString::fromUtf8(row.link)}) << row.link;
  }
}

TEST_F(ShellTest, MailBodySurvivesTheLink) {
  const QString body = QStringLiteral("今日は&明日は#100%\r\n二行目 + 記号?");
  const QUrlQuery query(platform::MailLinkUrl("a@example.com", "件名", body));
  EXPECT_EQ(query.queryItemValue("body", QUrl::FullyDecoded), body);
  EXPECT_EQ(query.queryItemValue("subject", QUrl::FullyDecoded), "件名");
}

TEST_F(ShellTest, TelephoneLinks) {
  EXPECT_EQ(platform::TelephoneUrl("03-1234-5678").toEncoded(), "tel:0312345678");
  EXPECT_EQ(platform::TelephoneUrl("０３（１２３４）５６７８").toEncoded(), "tel:0312345678");
  EXPECT_EQ(platform::TelephoneUrl("+81 3 1234 5678").toEncoded(), "tel:+81312345678");
  platform::PlaceTelephoneCall("なし");
  platform::PlaceTelephoneCall("090-0000-1111");
  EXPECT_EQ(recorded(), QStringList({"open|tel:09000001111"}));
}

TEST_F(ShellTest, LauncherCaptionsNameTheirPrograms) {
  QStringList names;
  for (int i = 0; i < kLauncherItemCount; ++i) {
    const QString caption = LauncherCaption(i);
    EXPECT_TRUE(caption.endsWith(u')')) << caption.toStdString();
    names << LauncherProgramName(caption);
  }
  EXPECT_EQ(names.mid(0, 3), QStringList({"jxcalpad", "jxpostal", "jxsender"}));
  EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), kLauncherItemCount);
  EXPECT_EQ(LauncherProgramName("題名(a(b)c)"), "a(b)c");
  EXPECT_EQ(LauncherProgramName("no parenthesis"), "");
  EXPECT_EQ(LauncherCaption(kLauncherItemCount), "");
}

TEST_F(ShellTest, LauncherRunsThePresentProgramMinimised) {
  makeFile("jxpostal.exe");
  RunLauncherItem("郵便番号検索(jxpostal)");
  EXPECT_EQ(recorded(), QStringList({"wait2|HOME/jxpostal.exe"}));
  EXPECT_TRUE(messages().shown().empty());
}

TEST_F(ShellTest, LauncherExplainsAMissingProgram) {
  RunLauncherItem("メール送信(jxsender)");
  EXPECT_TRUE(actions.empty());
  ASSERT_EQ(messages().shown().size(), 1u);
  const platform::MessageRequest& box = messages().shown().front();
  EXPECT_EQ(box.text,
            "姉妹ソフト「メール送信(jxsender)」をringpadと同じフォルダに入れると、\r\nこのメニューから起動できます。"
            "\r\n\r\n「jxsender」が見つからないため、起動できません。\r\n");
  EXPECT_EQ(box.buttons, platform::MsgButtons::Ok);
}

TEST_F(ShellTest, CompanionCalendar) {
  EXPECT_FALSE(RunCompanionCalendar(QDate(1999, 3, 1)));
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(messages().shown().front().text,
            "姉妹ソフト「jxcalpad」をringpadと同じフォルダに入れると、ここから起動できます。\r\n\r\n"
            "「jxcalpad」が見つからないため、起動できません。\r\n");
  EXPECT_TRUE(actions.empty());

  makeFile("jxcalpad", true);
  EXPECT_TRUE(RunCompanionCalendar(QDate(1999, 3, 1)));
  EXPECT_EQ(recorded(), QStringList({"wait1|HOME/jxcalpad|1999/03/01"}));
}

// The real start: a companion program that takes a while, its argument and
// the event loop turning meanwhile.
class RealShellTest : public RingpadTest {};

TEST_F(RealShellTest, RunAndWaitWaitsWithTheEventLoopTurning) {
  WriteBytes(homeFile("jxslow"), "#!/bin/sh\nsleep 0.3\nprintf '%s' \"$1\" > ran.txt\n");
  QFile::setPermissions(homeFile("jxslow"), QFile::permissions(homeFile("jxslow")) | QFile::ExeOwner);
  bool timerRan = false;
  QTimer::singleShot(50, [&] { timerRan = true; });
  platform::RunProgramAndWait("jxslow", {"a b; rm -rf x"}, 1);
  EXPECT_TRUE(timerRan);
  EXPECT_EQ(ReadBytes(homeFile("ran.txt")), "a b; rm -rf x");
}

TEST_F(RealShellTest, RunAndWaitReturnsWhenTheStartFails) {
  WriteBytes(homeFile("notaprogram.exe"), "text");
  platform::RunProgramAndWait("notaprogram.exe", {}, 1);
  platform::RunProgramAndWait("absent", {}, 1);
  SUCCEED();
}

}  // namespace
