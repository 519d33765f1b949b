// A schedule file that is not code page 932 is never rewritten unseen, and
// lines nobody edited keep their bytes.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "EditorWindowTest.h"
#include "core/platform/CodePageChecks.h"
#include "core/platform/FileDialog.h"
#include "core/platform/TextLines.h"
#include "core/settings/WeekdayBackup.h"
#include "schedule/ForeignScheduleBytes.h"

namespace {

class ForeignBytesTest : public EditorWindowTest {
 protected:
  void SetUp() override {
    EditorWindowTest::SetUp();
    platform::ForgetForeignBytesAnswers();
    SetScheduleToday(QDate(2025, 6, 3));
  }
  ScheduleWindow& OpenOnBytes(const QByteArray& bytes) {
    WriteBytes(schedulePath(), bytes);
    return Open();
  }
  void AddEntry(ScheduleWindow& w, const QString& text) {
    SelectDate(w, 2025, 6, 3);
    Enter(w, QStringLiteral("　　"), text);
    Press(w, kAdd);
  }
  QString notShiftJis() const { return "「" + schedulePath() + "」はShift-JISのテキストではないようです。"; }
  static void SelectFirstEntry(ScheduleWindow& w) {
    for (int i = 0; i < w.List1->count(); ++i)
      if (w.ListRowLineNumber(i) > 0) return w.List1->setCurrentRow(i);
    ADD_FAILURE() << "no entry listed";
  }
};

// "予定\r\n" as a Linux editor saves it: E5 AE 9A would become E5 AE 81 45.
const QByteArray kUtf8("2025/06/01,\xE3\x80\x80\xE3\x80\x80,\xE4\xBA\x88\xE5\xAE\x9A\r\n");

TEST_F(ForeignBytesTest, Utf8LeftAsItIsStaysReadOnlyForTheSession) {
  messages().answer(platform::MsgResult::No);
  ScheduleWindow& w = OpenOnBytes(kUtf8);
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_TRUE(messages().shown()[0].text.startsWith(notShiftJis() + "\nUTF-8のテキストとしてShift-JISに変換しますか？"));

  messages().clear();
  AddEntry(w, QStringLiteral("会議"));
  SelectFirstEntry(w);
  messages().answer(platform::MsgResult::Ok);
  Press(w, kDelete);
  w.Cmd_Fileimport->click();
  EXPECT_EQ(messages().texts(), QStringList(3, notShiftJis() + "\n今回は読み取り専用で開いているので、書き込めません。"));
  EXPECT_EQ(ReadBytes(schedulePath()), kUtf8);
  EXPECT_FALSE(QFile::exists(homeFile("ringpad.tmp")));
}

TEST_F(ForeignBytesTest, Utf8ConvertedOnceWithTheOriginalKept) {
  ScheduleWindow& w = OpenOnBytes("\xEF\xBB\xBF" + kUtf8);  // with a byte order mark
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_TRUE(messages().shown()[0].text.contains("bak/diduvuv_utf8.txt"));
  EXPECT_EQ(ReadBytes(schedulePath()), platform::ToSjis("2025/06/01,　　,予定\r\n"));
  EXPECT_EQ(ReadBytes(home() + "bak/diduvuv_utf8.txt"), "\xEF\xBB\xBF" + kUtf8);

  AddEntry(w, QStringLiteral("会議"));
  EXPECT_EQ(FileLines(), (QStringList{"2025/06/01,　　,予定", "2025/06/03,　　,会議"}));
  EXPECT_EQ(messages().shown().size(), 1u);
}

// The original is kept only where the backup folder is the program's own:
// a backup folder that is a link, from the start or made one while the
// question is open, gets nothing, and the file is left as it is, read-only.
TEST_F(ForeignBytesTest, Utf8IsNotConvertedWhenTheBackupFolderIsALink) {
  for (const bool linkedWhileAsked : {false, true}) {
    SCOPED_TRACE(linkedWhileAsked ? "made a link while asked" : "a link from the start");
    ForgetLinkedBackupFolderNotice();
    QTemporaryDir elsewhere;
    const auto linkBackupFolder = [&] {
      QDir(homeFile("bak")).removeRecursively();
      QFile::remove(homeFile("bak"));
      return QFile::link(elsewhere.path(), homeFile("bak"));
    };
    QDir().mkpath(homeFile("bak"));
    if (!linkedWhileAsked) ASSERT_TRUE(linkBackupFolder());
    QStringList texts;
    platform::SetMessageHandler([&](const platform::MessageRequest& r) {
      texts << r.text;
      if (!r.text.contains(QStringLiteral("変換しますか"))) return platform::MsgResult::Ok;
      EXPECT_TRUE(linkedWhileAsked) << "the question promises a copy that cannot be kept";
      EXPECT_TRUE(linkBackupFolder());
      return platform::MsgResult::Yes;
    });
    ScheduleWindow& w = OpenOnBytes(kUtf8);
    platform::SetMessageHandler(nullptr);

    EXPECT_EQ(texts.last(), Utf8OriginalNotKeptMessage(schedulePath()));
    EXPECT_EQ(texts.count(Utf8OriginalNotKeptMessage(schedulePath())), 1);
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_EQ(ReadBytes(schedulePath()), kUtf8);
    EXPECT_TRUE(w.ScheduleFileReadOnly);
    QFile::remove(homeFile("bak"));
  }
}

// Bytes that are neither: OK lets edits through, and the lines they leave
// alone keep their bytes; Cancel leaves the file read-only.
TEST_F(ForeignBytesTest, OtherBytesAskAndUntouchedLinesKeepTheirBytes) {
  QByteArray bytes = platform::ToSjis("2025/06/01,　　,朝会\r\n");
  bytes += QByteArray("2025/06/02,\x81\x40\x81\x40,\x81\xFF\x82 \xA0\xFD\r\n");
  bytes += platform::ToSjis("2025/06/09,赤　,締切\r\n");
  const QString question = notShiftJis() + "\n書き換えると元の内容に戻せなくなります。書き換えますか？";

  messages().answer(platform::MsgResult::Cancel);
  ScheduleWindow& w = OpenOnBytes(bytes);
  AddEntry(w, QStringLiteral("会議"));
  EXPECT_EQ(messages().texts(),
            (QStringList{question, notShiftJis() + "\n今回は読み取り専用で開いているので、書き込めません。"}));
  EXPECT_EQ(ReadBytes(schedulePath()), bytes);

  messages().clear();
  ScheduleWindow& again = Open();
  AddEntry(again, QStringLiteral("会議"));
  EXPECT_EQ(messages().texts(), QStringList{question}) << "asked once, at load";
  QList<QByteArray> expected = platform::SplitLines(bytes);
  expected.insert(2, platform::ToSjis("2025/06/03,　　,会議"));
  EXPECT_EQ(platform::SplitLines(ReadBytes(schedulePath())), expected);
}

// "Open" looks at the chosen file the same way; a file that is code page
// 932 again is writable again.
TEST_F(ForeignBytesTest, OpenAppliesTheSameCheck) {
  WriteLines({"2025/06/01,　　,朝会"});
  ScheduleWindow& w = Open();
  const QString other = homeFile("other.txt");
  WriteBytes(other, kUtf8);
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(other); });
  messages().answer(platform::MsgResult::No);
  w.Cmd_FileRead->click();
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_TRUE(messages().shown()[0].text.contains("はShift-JISのテキストではないようです。"));
  EXPECT_TRUE(w.ScheduleFileReadOnly);

  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(schedulePath()); });
  w.Cmd_FileRead->click();
  EXPECT_FALSE(w.ScheduleFileReadOnly);
  EXPECT_EQ(ReadBytes(other), kUtf8);
}

TEST_F(ForeignBytesTest, TextTheCodePageCannotHoldIsRefused) {
  WriteLines({"2025/06/01,　　,朝会"});
  ScheduleWindow& w = Open();
  AddEntry(w, QStringLiteral("誕生日🎂"));
  EXPECT_EQ(messages().texts(), QStringList{"「🎂」はShift-JISで保存できない文字です。\n別の文字に直してください。"});
  EXPECT_EQ(FileLines(), QStringList{"2025/06/01,　　,朝会"});
  EXPECT_EQ(w.Cmb_naiyou->currentText(), QStringLiteral("誕生日🎂")) << "the text stays for mending";
}

}  // namespace
