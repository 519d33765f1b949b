// Problems below the windows are reported by kind and told in their own
// words; a program without windows still answers every question safely.
#include <gtest/gtest.h>

#include <QDir>
#include <QStringList>
#include <string>

#include "TestEnvironment.h"
#include "core/platform/CodePageChecks.h"
#include "core/platform/FileDialog.h"
#include "core/platform/MessageBox.h"
#include "core/platform/ProblemReport.h"
#include "core/platform/WorkPlace.h"

namespace {

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;
using platform::Problem;
using platform::ProblemReport;
using ProblemReportTest = RingpadTest;

ProblemReport WithText(Problem problem, const QString& subject, const QString& text) {
  ProblemReport report(problem, subject);
  report.text = text;
  return report;
}

TEST_F(ProblemReportTest, EachProblemIsToldInTheWordsOfItsKind) {
  ProblemReport failedWithCode(Problem::CompanionFailed, QStringLiteral("jxcalpad.exe"));
  failedWithCode.exitCode = 3;
  struct Row {
    ProblemReport report;
    const char* text;
    MsgIcon icon = MsgIcon::Exclamation;
  };
  const Row rows[] = {
      {{Problem::ReadFailed, "/d/a.txt", "denied"}, "「/d/a.txt」を読み込めませんでした。(denied)", MsgIcon::Critical},
      {{Problem::ViewReadFailed, "/d/a.txt", "denied"}, "「/d/a.txt」を読み込めませんでした。(denied)"},
      {WithText(Problem::FileTooLarge, "a.csv", "ファイルが大きすぎます（10MBまで）: a.csv"),
       "ファイルが大きすぎます（10MBまで）: a.csv"},
      {{Problem::WriteFailed, "/d/a.txt", "full"},
       "/d/a.txt に書き込めませんでした。\n元のファイルはそのまま残っています。\n(full)",
       MsgIcon::Critical},
      {{Problem::UnencodableContent, "/d/a.png"},
       "/d/a.png に書き込めませんでした。\n元のファイルはそのまま残っています。\n()"},
      {{Problem::LockFailed, "/d/a.txt", "busy"},
       "「/d/a.txt」に書き込めませんでした。\n元のファイルはそのまま残っています。\n(busy)",
       MsgIcon::Critical},
      {WithText(Problem::BackupWriteProtected, "/d/bak/a1.txt", "保護されています。"), "保護されています。",
       MsgIcon::Critical},
      {WithText(Problem::BackupFolderIsLink, "/d/bak", "リンクです。"), "リンクです。"},
      {{Problem::UnsavableText, "♥"}, "「♥」はShift-JISで保存できない文字です。\n別の文字に直してください。"},
      {{Problem::CompanionUnusable, "jxcalpad", "/d/jxcalpad はフォルダです"},
       "「jxcalpad」を起動できません。\r\n/d/jxcalpad はフォルダです。\r\n"},
      {{Problem::CompanionDidNotStart, "jxcalpad", "no such file"},
       "「jxcalpad」を起動できませんでした。\r\n(no such file)\r\n"},
      {{Problem::CompanionCrashed, "jxcalpad"}, "「jxcalpad」が異常終了しました。\r\n"},
      {failedWithCode, "「jxcalpad」がエラーで終了しました(終了コード 3)。\r\n"},
      {{Problem::NotTextFile, "/d/photo.csv"}, "「/d/photo.csv」はテキストファイルではないので、読み込めません。"},
      {{Problem::UnusableFileName, "/d/a\nb.txt"},
       "「/d/a b.txt」は使えないファイル名です。\r\n改行や「\\」を含まない名前のファイルを選んでください。"},
  };
  for (const Row& row : rows) {
    messages().clear();
    EXPECT_FALSE(platform::ReportProblem(row.report)) << row.text;
    ASSERT_EQ(messages().shown().size(), 1u) << row.text;
    const platform::MessageRequest& shown = messages().shown()[0];
    EXPECT_EQ(shown.text, QString::fromUtf8(row.text));
    EXPECT_EQ(shown.buttons, MsgButtons::Ok) << row.text;
    EXPECT_EQ(shown.icon, row.icon) << row.text;
  }
  messages().clear();
  platform::ReportProblem({Problem::RefusedTarget, "evil.sh"});
  ASSERT_EQ(messages().texts().size(), 1);
  EXPECT_TRUE(messages().texts()[0].startsWith("「evil.sh」は開けません。"));
}

// The one question among the reports: only OK agrees to rewriting a file
// whose bytes would not survive.
TEST_F(ProblemReportTest, TheForeignBytesQuestionGoesOnOnlyWithOk) {
  const ProblemReport question(Problem::ForeignBytes, QStringLiteral("/d/utf8.txt"));
  messages().answer(MsgResult::Cancel);
  EXPECT_FALSE(platform::ReportProblem(question));
  messages().answer(MsgResult::Ok);
  EXPECT_TRUE(platform::ReportProblem(question));
  ASSERT_EQ(messages().shown().size(), 2u);
  EXPECT_EQ(messages().shown()[0].buttons, MsgButtons::OkCancel);
}

TEST_F(ProblemReportTest, AHandlerTakesTheReportsInsteadOfTheUserForAsLongAsItLives) {
  std::vector<ProblemReport> outer;
  std::vector<ProblemReport> inner;
  {
    const platform::ProblemHandlerScope collect([&](const ProblemReport& r) {
      outer.push_back(r);
      return false;
    });
    EXPECT_FALSE(platform::CheckSavableText(QStringLiteral("a♥b")));
    {
      const platform::ProblemHandlerScope agree([&](const ProblemReport& r) {
        inner.push_back(r);
        return true;
      });
      EXPECT_TRUE(platform::ConfirmRewriteOfForeignBytes(QStringLiteral("/d/x.txt"), {QByteArray("\xFF\xFE\x85\x7F")}));
    }
    platform::ReportProblem({Problem::ReadFailed, QStringLiteral("/d/a.txt"), QStringLiteral("gone")});
  }
  EXPECT_TRUE(messages().shown().empty());
  ASSERT_EQ(outer.size(), 2u);
  EXPECT_EQ(outer[0].problem, Problem::UnsavableText);
  EXPECT_EQ(outer[0].subject, QStringLiteral("♥"));
  EXPECT_EQ(outer[1].problem, Problem::ReadFailed);
  EXPECT_EQ(outer[1].reason, QStringLiteral("gone"));
  ASSERT_EQ(inner.size(), 1u);
  EXPECT_EQ(inner[0].problem, Problem::ForeignBytes);
  // Gone with its scope: the user is told again.
  platform::ReportProblem({Problem::ReadFailed, QStringLiteral("/d/a.txt"), QStringLiteral("gone")});
  EXPECT_EQ(messages().shown().size(), 1u);
  platform::ForgetForeignBytesAnswers();
}

// A program built of the model libraries alone installs no windows: nothing
// waits on a box or dialog nobody sees, and nothing that needs the user's
// word goes ahead.
class NoWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    box_ = platform::UseMessageBoxWindow({});
    dialog_ = platform::UseFileDialogWindow({});
    platform::SetMessageHandler({});
    platform::SetFileDialogHandler({});
    platform::ForgetForeignBytesAnswers();
  }
  void TearDown() override {
    platform::UseMessageBoxWindow(box_);
    platform::UseFileDialogWindow(dialog_);
    platform::ForgetForeignBytesAnswers();
  }

 private:
  platform::MessageHandler box_;
  platform::FileDialogHandler dialog_;
};

TEST_F(NoWindowsTest, MessagesGoToStandardErrorAnsweredAsIfClosed) {
  struct Row {
    MsgButtons buttons;
    MsgResult answer;
  };
  const Row rows[] = {
      {MsgButtons::Ok, MsgResult::Ok},
      {MsgButtons::OkCancel, MsgResult::Cancel},
      {MsgButtons::YesNo, MsgResult::No},
      {MsgButtons::YesNoCancel, MsgResult::Cancel},
      {MsgButtons::RetryCancel, MsgResult::Cancel},
      {MsgButtons::AbortRetryIgnore, MsgResult::Abort},
  };
  testing::internal::CaptureStderr();
  for (const Row& row : rows)
    EXPECT_EQ(platform::ShowMessage(QStringLiteral("知らせ"), row.buttons, MsgIcon::None, QStringLiteral("題")),
              row.answer);
  platform::ShowMessage(QStringLiteral("無題"));
  EXPECT_FALSE(platform::ConfirmRewriteOfForeignBytes(QStringLiteral("/d/x.txt"), {QByteArray("\xFF\xFE\x85\x7F")}))
      << "a rewrite nobody agreed to";
  const QString err = QString::fromStdString(testing::internal::GetCapturedStderr());
  EXPECT_EQ(err.count(QStringLiteral("題: 知らせ\n")), 6);
  EXPECT_TRUE(err.contains(QStringLiteral("Ringpad: 無題\n")));
  EXPECT_TRUE(err.contains(QStringLiteral("Ringpad: 「/d/x.txt」はShift-JISのテキストではないようです。")));
}

TEST_F(NoWindowsTest, AFileDialogIsCancelledAndChangesNothing) {
  const QString before = QDir::currentPath();
  int32_t flags = platform::OFN_OVERWRITEPROMPT;
  testing::internal::CaptureStderr();
  EXPECT_EQ(ShowFileDialog(false, &flags, QDir::tempPath(), QStringLiteral("a.txt"), QStringLiteral("保存"),
                           QStringLiteral("テキスト|*.txt||"), 1, QStringLiteral("txt")),
            QString());
  const QString err = QString::fromStdString(testing::internal::GetCapturedStderr());
  EXPECT_TRUE(err.contains(QStringLiteral("保存"))) << err.toStdString();
  EXPECT_EQ(flags, platform::OFN_OVERWRITEPROMPT);
  EXPECT_EQ(QDir::currentPath(), before);
}

// Every box keeps the user's place, the scripted ones too; without a keeper
// there is no place to keep.
TEST_F(NoWindowsTest, MessagesKeepTheWorkPlaceAroundTheBox) {
  QStringList steps;
  const platform::WorkPlaceKeeper before = platform::UseWorkPlaceKeeper([&]() -> std::function<void()> {
    steps << QStringLiteral("remember");
    return [&] { steps << QStringLiteral("give back"); };
  });
  platform::SetMessageHandler([&](const platform::MessageRequest&) {
    steps << QStringLiteral("box");
    return MsgResult::Ok;
  });
  platform::ShowMessage(QStringLiteral("知らせ"));
  platform::UseWorkPlaceKeeper({});
  platform::ShowMessage(QStringLiteral("知らせ"));
  platform::SetMessageHandler({});
  platform::UseWorkPlaceKeeper(before);
  EXPECT_EQ(steps, (QStringList{"remember", "box", "give back", "box"}));
}

}  // namespace
