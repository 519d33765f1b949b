// Programs, documents and addresses handed to the desktop, and only those
// the program means to hand over.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTimer>
#include <QUrlQuery>
#include <functional>
#include <vector>

#include <unistd.h>

#include "ShellRecorder.h"
#include "core/platform/CompanionProgram.h"

namespace {

using ShellTest = ShellRecorderTest;

// What a target from a data file (an address book's web page, a memo's
// link) may start: the companion programs by name, four kinds of address
// and documents by extension; everything else is refused and said so.
TEST_F(ShellTest, ShellOpenAllowsOnlyWhatItMeansTo) {
  makeFile("jxcalpad", true);
  makeFile("memo.txt");
  makeFile("a & (b).txt");
  makeFile("photo.JPG");
  makeFile("SHOUT.EXE");
  makeFile("sub/inner.txt");
  makeFile("evil.desktop");
  makeFile("script.sh", true);
  makeFile("noextension", true);
  struct Row {
    const char* target;
    const char* expected;  // "" when nothing is started or opened
    bool refused;
  };
  const Row rows[] = {
      {"", "", false},
      {"jxcalpad.exe", "start|HOME/jxcalpad", false},
      {"jxcalpad.exe 2024/05/03 \"two words\"", "start|HOME/jxcalpad|2024/05/03|two words", false},
      {"/usr/bin/jxcalpad.exe x", "start|HOME/jxcalpad|x", false},  // only ever the program folder's
      {"jxpostal.exe", "start|HOME/jxpostal.exe", false},            // missing: the start fails quietly
      {"missing.exe", "", true},
      {"../elsewhere/tool.exe", "", true},
      {"sh.exe -c reboot", "", true},
      {"MISSING.EXE", "", false},
      {"SHOUT.EXE", "", true},
      {"memo.txt", "open|file://HOME/memo.txt", false},
      {"photo.JPG", "open|file://HOME/photo.JPG", false},
      {"nothing.txt", "", false},
      {"sub", "", false},
      {"sub\\inner.txt", "open|file://HOME/sub/inner.txt", false},
      {"a & (b).txt", "open|file://HOME/a%20&%20(b).txt", false},
      {"C:\\docs\\memo.txt", "", false},
      {"evil.desktop", "", true},
      {"script.sh", "", true},
      {"noextension", "", true},
      {"/bin/sh", "", true},
      {"file:///bin/sh", "", true},
      {"https://example.com/a?b=1&c=(2)", "open|https://example.com/a?b=1&c=(2)", false},
      {"HTTP://example.com/", "open|http://example.com/", false},
      {"mailto:someone@example.com", "open|mailto:someone@example.com", false},
      {"tel:0312345678", "open|tel:0312345678", false},
      {"javascript:alert(1)", "", true},
      {"smb://server/share", "", true},
      {"ftp://example.com/x.txt", "", true},
  };
  for (const Row& row : rows) {
    actions.clear();
    messages().clear();
    ShellOpen(QString::fromUtf8(row.target));
    const QStringList expected = *row.expected ? QStringList{QString::fromUtf8(row.expected)} : QStringList();
    EXPECT_EQ(recorded(), expected) << row.target;
    const QStringList said =
        row.refused ? QStringList{platform::RefusedTargetMessage(QString::fromUtf8(row.target))} : QStringList();
    EXPECT_EQ(messages().texts(), said) << row.target;
  }
}

// Only an executable file of this system is a companion program; anything
// else of its name is refused with a message naming it, and nothing starts.
TEST_F(ShellTest, CompanionProgramPathAndWhatIsRefused) {
  EXPECT_EQ(platform::CompanionProgramPath("jxpostal"), "");
  makeFile("jxpostal.exe", true);
  EXPECT_EQ(platform::CompanionProgramPath("jxpostal"), "") << "a Windows program never runs here";
  makeFile("jxpostal", true);
  EXPECT_EQ(platform::CompanionProgramPath("jxpostal.exe"), homeFile("jxpostal"));
  makeFile("JXSENDER", true);
  EXPECT_EQ(platform::CompanionProgramPath("jxsender.exe"), homeFile("JXSENDER"));
  EXPECT_EQ(platform::CompanionProgramPath("jxpostal\n"), "");

  struct Row {
    const char* name;
    std::function<void(const QString& path)> make;
    const char* reason;  // "" for a missing program: the page's own notice
  } rows[] = {
      {"jxkakei", [](const QString& p) { QDir().mkpath(p); }, " はフォルダです"},
      {"jxjikan", [](const QString& p) { QFile::link(p + ".gone", p); }, " はリンク先のファイルがありません"},
      {"jxmeisi", [](const QString& p) { WriteBytes(p, "#!/bin/sh\n"); }, " には実行の許可がありません"},
      {"jxfuutou", [](const QString& p) { WriteBytes(p + ".exe", "MZ"); }, ".exe はWindows用のプログラムで、ここでは動きません"},
      {"jxlabel", [](const QString& p) { WriteBytes(p + "\n", "#!/bin/sh\n"); }, ""},
  };
  for (const Row& row : rows) {
    const QString path = homeFile(row.name);
    row.make(path);
    messages().clear();
    int missingTold = 0;
    EXPECT_FALSE(platform::RunCompanionProgram(row.name, {}, 1, [&] { ++missingTold; })) << row.name;
    EXPECT_TRUE(actions.empty()) << row.name;
    if (*row.reason) {
      EXPECT_EQ(missingTold, 0);
      EXPECT_EQ(messages().texts(), QStringList{platform::CompanionUnusableMessage(row.name, path + row.reason)});
    } else {
      EXPECT_EQ(missingTold, 1) << row.name;
      EXPECT_TRUE(messages().texts().isEmpty());
    }
  }
}

TEST_F(ShellTest, RunAndWaitCommandLine) {
  makeFile("jxcalpad", true);
  makeFile("jxpostal", true);
  RunAndWait("jxcalpad.exe 1999/03/01", 1);
  RunAndWait("jxpostal 1 2", 2);
  RunAndWait("other 1 2", 2);
  RunAndWait("jxsender.exe", 1);  // missing: nothing
  EXPECT_EQ(recorded(), QStringList({"wait1|HOME/jxcalpad|1999/03/01", "wait2|HOME/jxpostal|1|2"}));
  EXPECT_EQ(messages().texts(), QStringList{platform::RefusedTargetMessage("other 1 2")});
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

// The number and only the number: what follows an extension marker, a
// semicolon or a comma is for the person answering or the dialler.
TEST_F(ShellTest, TelephoneLinks) {
  const struct {
    const char* number;
    const char* link;
  } rows[] = {
      {"03-1234-5678", "tel:0312345678"},
      {"０３（１２３４）５６７８", "tel:0312345678"},
      {"+81 3 1234 5678", "tel:+81312345678"},
      {"+81 (3) 1234-5678 ext. 9", "tel:+81312345678"},
      {"03-1234-5678 EXT 12", "tel:0312345678"},
      {"03-1234-5678x12", "tel:0312345678"},
      {"03-1234-5678 内線 123", "tel:0312345678"},
      {"03-1234-5678（内線１２３）", "tel:0312345678"},
      {"03-1234-5678;ext=9", "tel:0312345678"},
      {"03-1234-5678,,9", "tel:0312345678"},
      {"Fax 03-1234-5678", "tel:0312345678"},
      {"*#06#", "tel:*%2306%23"},
      {"#31#090-1111-2222", "tel:%2331%2309011112222"},
      {"内線 12", "tel:12"},
      {"ext", ""},
      {";12", ""},
  };
  for (const auto& row : rows) EXPECT_EQ(platform::TelephoneUrl(QString::fromUtf8(row.number)).toEncoded(), row.link) << row.number;
  platform::PlaceTelephoneCall("なし");
  platform::PlaceTelephoneCall("090-0000-1111");
  EXPECT_EQ(recorded(), QStringList({"open|tel:09000001111"}));
}

// The real start: a companion program that takes a while, its argument and
// the event loop turning meanwhile.
class RealShellTest : public RingpadTest {};

TEST_F(RealShellTest, RunAndWaitWaitsWithTheEventLoopTurning) {
  WriteBytes(homeFile("jxslow"), "#!/bin/sh\nsleep 0.3\nprintf '%s' \"$1\" > ran.txt\n");
  QFile::setPermissions(homeFile("jxslow"), QFile::permissions(homeFile("jxslow")) | QFile::ExeOwner);
  bool timerRan = false;
  QTimer::singleShot(50, [&] { timerRan = true; });
  EXPECT_TRUE(platform::RunProgramAndWait("jxslow", {"a b; rm -rf x"}, 1).succeeded());
  EXPECT_TRUE(timerRan);
  EXPECT_EQ(ReadBytes(homeFile("ran.txt")), "a b; rm -rf x");
}

// The children of this process that are still there, zombies included.
QStringList ChildProcesses() {
  QStringList children;
  const QString self = QString::number(::getpid());
  for (const QString& pid : QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile stat("/proc/" + pid + "/stat");
    if (!stat.open(QIODevice::ReadOnly)) continue;
    const QString text = QString::fromLatin1(stat.readAll());
    // pid (name) state ppid ...: the name may hold blanks, so count from its end.
    const QStringList after = text.mid(text.lastIndexOf(u')') + 2).split(u' ');
    if (after.size() > 1 && after[1] == self) children << pid + " " + after[0];
  }
  return children;
}

TEST_F(RealShellTest, RunAndWaitReturnsWhenTheStartFails) {
  const QStringList before = ChildProcesses();
  WriteBytes(homeFile("notaprogram.exe"), "text");
  EXPECT_FALSE(platform::RunProgramAndWait("notaprogram.exe", {}, 1).started);
  EXPECT_FALSE(platform::RunProgramAndWait("absent", {}, 1).started);
  EXPECT_EQ(ChildProcesses(), before) << "no process is left behind";

  WriteBytes(homeFile("jxquick"), "#!/bin/sh\nexit 0\n");
  QFile::setPermissions(homeFile("jxquick"), QFile::permissions(homeFile("jxquick")) | QFile::ExeOwner);
  EXPECT_TRUE(platform::RunProgramAndWait("jxquick", {}, 1).succeeded());
  EXPECT_EQ(ChildProcesses(), before);
}

// A companion that starts and fails, or cannot start at all, is told by
// name; one that ends well says nothing.
TEST_F(RealShellTest, CompanionFailuresAreToldByName) {
  const auto install = [&](const char* name, const QByteArray& script) {
    WriteBytes(homeFile(name), script);
    QFile::setPermissions(homeFile(name), QFile::permissions(homeFile(name)) | QFile::ExeOwner);
  };
  install("jxpostal", "#!/bin/sh\nexit 3\n");
  install("jxcalpad", "#!/nonexistent/interpreter\n");
  install("jxsender", "#!/bin/sh\nexit 0\n");
  EXPECT_FALSE(platform::RunCompanionProgram("jxpostal", {}, 1, {}));
  EXPECT_FALSE(platform::RunCompanionProgram("jxcalpad.exe", {}, 1, {}));
  EXPECT_TRUE(platform::RunCompanionProgram("jxsender", {}, 1, {}));
  const QStringList said = messages().texts();
  ASSERT_EQ(said.size(), 2);
  EXPECT_EQ(said[0], QStringLiteral("「jxpostal」がエラーで終了しました(終了コード 3)。\r\n"));
  EXPECT_TRUE(said[1].startsWith(QStringLiteral("「jxcalpad」を起動できませんでした。\r\n("))) << said[1].toStdString();
}

}  // namespace
